#!/usr/bin/env python3
"""Writes the example collection in the old layout (collection/) and the
output trees an import of it must give (expected/).

The collection is what a Windows user's files look like: Shift-JIS (CP932)
text with CR LF line ends, item lists named after their folders. File names
are stored as UTF-8, as a checkout on Windows turns them into the system's
names; the program sees them in its ANSI code page.

The expected trees are worked out here from the conversion rules, on bytes,
independently of the program, so that comparing the program's output with
them can show its faults. Run from anywhere:  python3 examples/make_examples.py
"""

import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = "\r\n"


def cp932(text):
    return text.encode("cp932")


def lines(*items, last_line_end=True):
    text = CRLF.join(items)
    if last_line_end:
        text += CRLF
    return cp932(text)


# A comment line of 300 bytes before its line end: read as a piece of 254
# bytes and a second piece that holds no tag.
def long_comment_line():
    head = cp932("<COMMENT>とても長いコメント。圧縮形式の一覧：")
    tail = b" LZH ZIP CAB ARJ TAR GZ BZ2 7Z RAR" * 10
    return (head + tail)[:300]


TREE = lines(
    " ニュース",
    "  国内",
    "  海外:世界のニュース",
    " ソフト",
    "  ツール*よく使う",
    "   エディタ",
    " 趣味\\メモ",
    "  旅行",
    "  ツール",
)

LISTS = {
    "ニュース.wls": lines(
        "<NAME>ニュース速報",
        "<URL>http://news.example.jp/flash/index.html",
        "<OPTION>Brows=0",
        "<TIME>2003/05/12 07:30",
        "<SIZE>24576",
        "<COMMENT>朝いちばんに確認",
        "",
        "<NAME>*天気予報",
        "<URL>http://weather.example.jp/tokyo.html",
        "<OPTION>Brows=1 META=USE mTYPE=http-equiv mNAME=Last-Modified mCONTENT=*",
        "<TIME>no date",
        "<SIZE>no size",
        "<COMMENT>",
    ),
    "国内.wls": lines(
        "<NAME>地域のニュース",
        "<URL>http://local.example.jp/index.html",
        "<OPTION>Brows=0 Proxy=proxy.example.ne.jp:8080;localhost;*.example.jp",
        "<TIME>2003/05/10 21:05",
        "<SIZE>10240",
        "<COMMENT>プロキシ経由で取得",
        # No option line: Brows, META and proxy carry over from the item above.
        "<NAME>経済",
        "<URL>http://biz.example.jp/",
        "<TIME>2003/05/11 09:00",
        "<COMMENT>表示が遅い",
    ),
    # A list with no items yet.
    "海外.wls": lines("（未登録）"),
    "ソフト.wls": lines(
        "<NAME>ソフト紹介",
        "<URL>http://soft.example.jp/",
        "<OPTION>Brows=2 META=USE mTYPE=name mNAME=update mCONTENT=2003;05",
        "<TIME>2003/04/01 12:00",
        "<SIZE>8192",
        "<COMMENT>毎週チェック",
        "<NAME>*新着*ダウンロード",
        "<URL>http://dl.example.jp/new.html",
        "<OPTION>Brows=0",
        "<SIZE>3072",
        "<COMMENT>名前の先頭に＊",
    ),
    "ツール.wls": cp932(
        "<NAME>ローカルのメモ" + CRLF
        + "<URL>file://C:/Documents/memo.html" + CRLF
        + "<OPTION>Brows=1" + CRLF
        + "<TIME>2002/12/24 18:00" + CRLF
        + "<SIZE>512" + CRLF
        + "<COMMENT>ファイルのURL" + CRLF
        + "<NAME>*圧縮ツール" + CRLF
        + "<URL>http://tools.example.com/archiver/" + CRLF
        + "<OPTION>Brows=0 Proxy=" + CRLF
    ) + long_comment_line() + cp932(CRLF
        + "<NAME>辞書" + CRLF
        + "<URL>http://dict.example.com/" + CRLF
        + "<COMMENT>" + CRLF
    ),
    # The last line has no line end.
    "エディタ.wls": lines(
        "<NAME>テキストエディタ",
        "<URL>http://editor.example.jp/download.html",
        "<OPTION>Brows=0 META=USE mTYPE=http-equiv mNAME=Last-Modified mCONTENT=",
        "<TIME>2003/02/28 23:59",
        "<SIZE>no size",
        "<COMMENT>最終行に改行なし:)",
        last_line_end=False,
    ),
    "趣味.wls": lines(
        "<NAME>写真",
        "<URL>http://photo.example.jp/gallery/",
        "<OPTION>Brows=1 Proxy=cache.example.ne.jp:3128",
        "<TIME>2003/03/03 03:03",
        "<SIZE>4096",
        "<COMMENT>週末に見る",
    ),
    # An old editor's end-of-file mark, with left-over text behind it.
    "旅行.wls": lines(
        "<NAME>時刻表",
        "<URL>http://train.example.jp/timetable?from=tokyo&to=osaka",
        "<OPTION>Brows=0",
        "<TIME>2003/05/01 06:00",
        "<SIZE>2048",
        "<COMMENT>連休の計画",
    ) + b"\x1a" + lines("<NAME>消えた項目", "<COMMENT>x"),
    "Internet.WLS": lines(
        "<NAME>検索エンジン",
        "<URL>http://search.example.com/",
        "<OPTION>Brows=0",
        "<TIME>2003/05/12 08:00",
        "<SIZE>16384",
        "<COMMENT>ルートの項目",
        "<NAME>*ホーム",
        "<URL>file:///C:/My Documents/index.html",
        "<COMMENT>ローカル",
    ),
}

TREE_NAME = "bookmarks.wtr"

# Options dialog states and the answer to the root-items question.
VARIANTS = {
    "all-options": (dict(date=1, size=1, meta=1, proxy=1, comment=1), True),
    "no-options": (dict(date=0, size=0, meta=0, proxy=0, comment=0), True),
    "date-and-comment": (dict(date=1, size=0, meta=0, proxy=0, comment=1), True),
    "no-options-without-root": (dict(date=0, size=0, meta=0, proxy=0, comment=0), False),
}


# ---- The rules, on bytes ----------------------------------------------------

def read_pieces(data):
    """Line pieces as a text-mode reader gives them: 0x1A ends the file,
    CR LF reads as LF, a piece ends after LF or at 254 bytes, and its text
    ends at a NUL byte."""
    text = bytearray()
    i = 0
    while i < len(data):
        c = data[i]
        if c == 0x1A:
            break
        if c == 0x0D and i + 1 < len(data) and data[i + 1] == 0x0A:
            i += 1
            continue
        text.append(c)
        i += 1
    pieces = []
    pos = 0
    while pos < len(text):
        end = min(pos + 254, len(text))
        lf = text.find(b"\n", pos, end)
        if lf >= 0:
            end = lf + 1
        piece = bytes(text[pos:end])
        nul = piece.find(b"\0")
        pieces.append(piece if nul < 0 else piece[:nul])
        pos = end
    return pieces


def rest_of_line(line):
    rest = line[line.find(b">") + 1:]
    return rest[:-1] if rest else rest


def tag_value(line, tag, current):
    if tag not in line:
        return current
    rest = line[line.find(b">") + 1:]
    if b"*" in rest:
        rest = rest[1:]
    return rest[:-1] if rest else rest


def option_value(line, key):
    at = line.find(key)
    if at < 0:
        return b""
    value = line[at + len(key):]
    for stop in (b" ", b"\r", b"\n"):
        cut = value.find(stop)
        if cut >= 0:
            value = value[:cut]
    return value


def convert(list_bytes, flags):
    name = url = size = date = brows = meta = proxy = comment = b""
    out = b""
    for line in read_pieces(list_bytes):
        name = tag_value(line, b"<NAME>", name)
        url = tag_value(line, b"<URL>", url)
        if b"<OPTION>" in line:
            brows = option_value(line, b"Brows=")
            used = b"1" if b"META=USE" in line else b"0"
            meta = (b"0;;0;;0;;0;;" + used + b";;" + option_value(line, b"mTYPE=") + b";;"
                    + option_value(line, b"mNAME=") + b";;" + option_value(line, b"mCONTENT="))
            proxy = b""
            if b"Proxy=" in line:
                proxy = b"0;;1;;" + option_value(line, b"Proxy=").replace(b";", b";;") + b";;0;;;;"
        if b"<TIME>" in line:
            date = rest_of_line(line)
            if b"no date" in date:
                date = b""
        if b"<SIZE>" in line:
            size = rest_of_line(line)
            if b"no size" in size:
                size = b""
        if b"<COMMENT>" in line:
            comment = rest_of_line(line)
            if not flags["date"]:
                date = b""
            if not flags["size"]:
                size = b""
            if not flags["proxy"]:
                proxy = b""
            if not flags["meta"]:
                meta = b""
            if not flags["comment"]:
                comment = b""
            if b"file://" in url:
                url = b"File://" + url[6:]
            fields = [name, url, size, date, b"", b"", b"", b"", brows, meta, proxy, comment]
            out += b"\t".join(fields) + b"\r\n"
    return out


def is_lead_byte(b):
    return 0x81 <= b <= 0x9F or 0xE0 <= b <= 0xFC


def parse_tree_line(line):
    i = 0
    while i < len(line):
        if is_lead_byte(line[i]):
            i += 2
            continue
        if line[i] == 0x5C:
            line = line[:i]
            break
        i += 1
    depth = len(line) - len(line.lstrip(b" "))
    name = line[depth:]
    for stop in (b":", b"*"):
        cut = name.find(stop)
        if cut >= 0:
            name = name[:cut]
    return depth, name


def walk(tree_bytes):
    """(folder components, item list name) for every line of the tree."""
    levels = [None]
    result = []
    for line in read_pieces(tree_bytes):
        line = line[:-1]
        depth, name = parse_tree_line(line)
        assert depth >= 1 and name, "the example keeps to well-formed lines"
        del levels[depth:]
        levels.append(name)
        result.append((tuple(levels[1:]), name + b".wls"))
    return result


# ---- Writing ----------------------------------------------------------------

def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    collection = os.path.join(HERE, "collection")
    expected = os.path.join(HERE, "expected")
    for folder in (collection, expected):
        shutil.rmtree(folder, ignore_errors=True)

    write(os.path.join(collection, TREE_NAME), TREE)
    for name, data in LISTS.items():
        write(os.path.join(collection, name), data)
    lists_by_bytes = {cp932(name): data for name, data in LISTS.items()}

    for variant, (flags, with_root) in VARIANTS.items():
        root = os.path.join(expected, variant)
        os.makedirs(root)
        for components, list_name in walk(TREE):
            folder = os.path.join(root, *(c.decode("cp932") for c in components))
            write(os.path.join(folder, "Item.dat"), convert(lists_by_bytes[list_name], flags))
        if with_root:
            write(os.path.join(root, "Item.dat"), convert(LISTS["Internet.WLS"], flags))


if __name__ == "__main__":
    main()
