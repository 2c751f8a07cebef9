<NAME>ニュース速報
<URL>http://news.example.jp/flash/index.html
<OPTION>Brows=0
<TIME>2003/05/12 07:30
<SIZE>24576
<COMMENT>朝いちばんに確認

<NAME>*天気予報
<URL>http://weather.example.jp/tokyo.html
<OPTION>Brows=1 META=USE mTYPE=http-equiv mNAME=Last-Modified mCONTENT=*
<TIME>no date
<SIZE>no size
<COMMENT>
