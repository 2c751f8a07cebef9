<NAME>é ê^
<URL>http://photo.example.jp/gallery/
<OPTION>Brows=1 Proxy=cache.example.ne.jp:3128
<TIME>2003/03/03 03:03
<SIZE>4096
<COMMENT>èTññÇ…å©ÇÈ
