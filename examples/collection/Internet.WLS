<NAME>検索エンジン
<URL>http://search.example.com/
<OPTION>Brows=0
<TIME>2003/05/12 08:00
<SIZE>16384
<COMMENT>ルートの項目
<NAME>*ホーム
<URL>file:///C:/My Documents/index.html
<COMMENT>ローカル
