<NAME>テキストエディタ
<URL>http://editor.example.jp/download.html
<OPTION>Brows=0 META=USE mTYPE=http-equiv mNAME=Last-Modified mCONTENT=
<TIME>2003/02/28 23:59
<SIZE>no size
<COMMENT>最終行に改行なし:)