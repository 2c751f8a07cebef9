<NAME>地域のニュース
<URL>http://local.example.jp/index.html
<OPTION>Brows=0 Proxy=proxy.example.ne.jp:8080;localhost;*.example.jp
<TIME>2003/05/10 21:05
<SIZE>10240
<COMMENT>プロキシ経由で取得
<NAME>経済
<URL>http://biz.example.jp/
<TIME>2003/05/11 09:00
<COMMENT>表示が遅い
