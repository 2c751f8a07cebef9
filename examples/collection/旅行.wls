<NAME>•\
<URL>http://train.example.jp/timetable?from=tokyo&to=osaka
<OPTION>Brows=0
<TIME>2003/05/01 06:00
<SIZE>2048
<COMMENT>˜A‹x‚ÌŒv‰æ
<NAME>Á‚¦‚½€–Ú
<COMMENT>x
