<NAME>ソフト紹介
<URL>http://soft.example.jp/
<OPTION>Brows=2 META=USE mTYPE=name mNAME=update mCONTENT=2003;05
<TIME>2003/04/01 12:00
<SIZE>8192
<COMMENT>毎週チェック
<NAME>*新着*ダウンロード
<URL>http://dl.example.jp/new.html
<OPTION>Brows=0
<SIZE>3072
<COMMENT>名前の先頭に＊
