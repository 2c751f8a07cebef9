#!/usr/bin/env python3
"""Checks the compiled resources of RUZOziv against what the program must have.

Usage: check_resources.py FILE [--dump]

Reads the resources of an exe (its .rsrc section) or of a compiled resource
file (windres -O res) and compares every dialog template
word by word (style, position, size, font, text, class and identifier of each
control in order), the menu, the icon and the version resource. Exits 1 and
lists every difference when something is off.
"""
import struct
import sys

RT_ICON, RT_MENU, RT_DIALOG, RT_GROUP_ICON, RT_VERSION = 3, 4, 5, 14, 16
JAPANESE = 0x0411
BUTTON, EDIT, STATIC = 0x80, 0x81, 0x82
FONT = "ＭＳ Ｐゴシック"

# (style, class, id, text, x, y, w, h); text is a string, or an int for an ordinal
MAIN_CONTROLS = [
    (0x50810080, EDIT, 1000, "", 7, 16, 176, 13),
    (0x50010000, BUTTON, 3, "参照", 185, 16, 34, 13),
    (0x50810080, EDIT, 1001, "", 8, 44, 174, 13),
    (0x50010000, BUTTON, 4, "参照", 185, 44, 34, 13),
    (0x50010000, BUTTON, 1005, "ｲﾝﾎﾟｰﾄ", 148, 67, 34, 13),
    (0x50010001, BUTTON, 6, "閉じる", 185, 67, 34, 13),
    (0x50020000, STATIC, 0xFFFF, "展開するフォルダ", 5, 34, 93, 9),
    (0x50020000, STATIC, 0xFFFF, "旧RIVOのツリーファイル", 5, 7, 81, 9),
    (0x50000003, STATIC, 0xFFFF, 102, 3, 62, 20, 20),
    (0x50020001, STATIC, 1002, "", 26, 59, 120, 9),
    (0x50020001, STATIC, 1003, None, 26, 71, 120, 9),   # our copyright line
    (0x50020001, STATIC, 1004, None, 23, 80, 152, 9),   # our web address
]
OPTIONS_CONTROLS = [
    (0x50010001, BUTTON, 1013, "OK", 43, 86, 37, 14),
    (0x50010000, BUTTON, 6, "ｷｬﾝｾﾙ", 83, 86, 37, 14),
    (0x50000007, BUTTON, 0xFFFF, "インポートする項目", 3, 4, 118, 77),
    (0x50010003, BUTTON, 1009, "更新日", 6, 15, 69, 11),
    (0x50010003, BUTTON, 1010, "サイズ", 6, 27, 69, 11),
    (0x50010003, BUTTON, 1011, "METAタグチェック", 6, 39, 69, 11),
    (0x50010003, BUTTON, 1014, "プロキシサーバー", 6, 51, 69, 11),
    (0x50010003, BUTTON, 1015, "コメント", 6, 63, 69, 11),
]
# id: (style, x, y, w, h, menu, caption, point size, controls)
DIALOGS = {
    101: (0x80CA00C0, 0, 0, 223, 103, 103, "RIVOインポートツール", 10, MAIN_CONTROLS),
    104: (0x80C000C0, 0, 0, 123, 103, None, "詳細設定", 9, OPTIONS_CONTROLS),
}


class Reader:
    def __init__(self, data, pos=0):
        self.data, self.pos = data, pos

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def align(self, n=4, base=0):
        self.pos += (-(self.pos - base)) % n

    def wstr(self):
        end = self.pos
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        text = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return text

    def sz_or_ord(self):
        first = struct.unpack_from("<H", self.data, self.pos)[0]
        if first == 0xFFFF:
            self.pos += 2
            return self.take("H")
        return self.wstr()


def read_res(data):
    """Returns {(type, name): (language, bytes)} of a .res file."""
    entries = {}
    r = Reader(data)
    while r.pos + 8 <= len(data):
        start = r.pos
        size, header = r.take("II")
        rtype, name = r.sz_or_ord(), r.sz_or_ord()
        r.align()
        _, _, lang, _, _ = r.take("IHHII")
        body = data[start + header:start + header + size]
        r.pos = start + header + size
        r.align()
        if size or rtype:  # the leading empty entry marks a 32-bit .res
            entries[(rtype, name)] = (lang, body)
    return entries


def read_pe(data):
    """Returns {(type, name): (language, bytes)} from an exe's resource section."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (112 if magic == 0x20B else 96)
    rsrc_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = optional + optional_size
    for i in range(sections):
        _, vsize, vaddr, _, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
        if vaddr <= rsrc_rva < vaddr + vsize:
            base = raw + rsrc_rva - vaddr

            def file_offset(rva, vaddr=vaddr, raw=raw):
                return raw + rva - vaddr
            break
    else:
        return {}

    def entries_of(offset):
        named, ids = struct.unpack_from("<HH", data, base + offset + 12)
        for i in range(named + ids):
            key, value = struct.unpack_from("<II", data, base + offset + 16 + 8 * i)
            if key & 0x80000000:
                at = base + (key & 0x7FFFFFFF)
                length = struct.unpack_from("<H", data, at)[0]
                key = data[at + 2:at + 2 + 2 * length].decode("utf-16-le").upper()
            yield key, value

    found = {}
    for rtype, names in entries_of(0):
        for name, langs in entries_of(names & 0x7FFFFFFF):
            for lang, leaf in entries_of(langs & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + leaf)
                at = file_offset(rva)
                found[(rtype, name)] = (lang, data[at:at + size])
    return found


def parse_dialog(body):
    r = Reader(body)
    style, exstyle, count, x, y, w, h = r.take("IIHhhhh")
    menu, cls, caption = r.sz_or_ord(), r.sz_or_ord(), r.wstr()
    point, face = (r.take("H"), r.wstr()) if style & 0x40 else (None, None)
    controls = []
    for _ in range(count):
        r.align()
        cstyle, cex, cx, cy, cw, ch, cid = r.take("IIhhhhH")
        ccls, text = r.sz_or_ord(), r.sz_or_ord()
        extra = r.take("H")
        r.pos += extra
        controls.append(dict(style=cstyle, exstyle=cex, cls=ccls, id=cid, text=text,
                             rect=(cx, cy, cw, ch)))
    return dict(style=style, exstyle=exstyle, rect=(x, y, w, h), menu=menu, cls=cls,
                caption=caption, point=point, face=face, controls=controls)


def parse_menu(body):
    r = Reader(body)
    version, offset = r.take("HH")
    r.pos += offset
    items = []
    while r.pos < len(body):
        flags = r.take("H")
        if flags & 0x10:  # MF_POPUP has no identifier
            items.append((flags, None, r.wstr()))
        else:
            items.append((flags, r.take("H"), r.wstr()))
    return version, items


def parse_version_node(body, pos=0):
    r = Reader(body, pos)
    length, value_length, vtype = r.take("HHH")
    key = r.wstr()
    r.align(4)
    if vtype == 1:
        value = body[r.pos:r.pos + value_length * 2].decode("utf-16-le").rstrip("\0")
        r.pos += value_length * 2
    else:
        value = body[r.pos:r.pos + value_length]
        r.pos += value_length
    r.align(4)
    children = []
    while r.pos < pos + length:
        child, next_pos = parse_version_node(body, r.pos)
        children.append(child)
        r.pos = next_pos
        r.align(4)
    return (key, value, children), pos + length


def check(entries, problems, dump):
    def expect(what, got, want):
        if got != want:
            problems.append(f"{what}: got {got!r}, want {want!r}")

    for (rtype, name), (lang, _) in entries.items():
        expect(f"language of resource type {rtype} name {name}", hex(lang), hex(JAPANESE))
    expect("resources present", sorted(entries, key=str), sorted(
        [(RT_DIALOG, 101), (RT_DIALOG, 104), (RT_MENU, 103), (RT_GROUP_ICON, 102),
         (RT_ICON, 1), (RT_VERSION, 1)], key=str))

    for did, (style, x, y, w, h, menu, caption, point, controls) in DIALOGS.items():
        if (RT_DIALOG, did) not in entries:
            continue
        body = entries[(RT_DIALOG, did)][1]
        if struct.unpack_from("<HH", body)[1] == 0xFFFF:
            problems.append(f"dialog {did}: extended template, want a plain one")
            continue
        d = parse_dialog(body)
        if dump:
            print(f"dialog {did}: style {d['style']:#010x} ex {d['exstyle']:#x} {d['rect']} "
                  f"menu {d['menu']!r} class {d['cls']!r} caption {d['caption']!r} "
                  f"font {d['point']} {d['face']!r}")
            for c in d["controls"]:
                print(f"  {c['style']:#010x} ex {c['exstyle']:#x} class {c['cls']!r} "
                      f"id {c['id']} {c['rect']} {c['text']!r}")
        expect(f"dialog {did} style", hex(d["style"]), hex(style))
        expect(f"dialog {did} extended style", d["exstyle"], 0)
        expect(f"dialog {did} position and size", d["rect"], (x, y, w, h))
        expect(f"dialog {did} menu", d["menu"], menu if menu is not None else "")
        expect(f"dialog {did} class", d["cls"], "")
        expect(f"dialog {did} caption", d["caption"], caption)
        expect(f"dialog {did} font", (d["point"], d["face"]), (point, FONT))
        expect(f"dialog {did} control count", len(d["controls"]), len(controls))
        for i, (want, got) in enumerate(zip(controls, d["controls"]), 1):
            cstyle, ccls, cid, text, cx, cy, cw, ch = want
            where = f"dialog {did} control {i} (id {cid})"
            expect(f"{where} style", hex(got["style"]), hex(cstyle))
            expect(f"{where} extended style", got["exstyle"], 0)
            expect(f"{where} class", got["cls"], ccls)
            expect(f"{where} id", got["id"], cid)
            expect(f"{where} position and size", got["rect"], (cx, cy, cw, ch))
            if text is not None:
                expect(f"{where} text", got["text"], text)
            elif not isinstance(got["text"], str) or not got["text"]:
                problems.append(f"{where}: text missing")

    if (RT_MENU, 103) in entries:
        version, items = parse_menu(entries[(RT_MENU, 103)][1])
        if dump:
            print(f"menu 103: {items}")
        expect("menu template version", version, 0)
        expect("menu items (flags, id, text)", items, [(0x80, 40001, "詳細設定(&C)")])

    if (RT_GROUP_ICON, 102) in entries:
        group = entries[(RT_GROUP_ICON, 102)][1]
        _, itype, count = struct.unpack_from("<HHH", group)
        expect("icon group type and image count", (itype, count), (1, 1))
        w, h, colours, _, planes, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", group, 6)
        expect("icon image (w, h, colours, planes, bits, bytes)",
               (w, h, colours, planes, bits, size), (32, 32, 16, 1, 4, 744))
        image = entries.get((RT_ICON, icon_id), (0, b""))[1]
        expect("icon image size", len(image), 744)
        if len(image) >= 40:
            hdr = struct.unpack_from("<IiiHH", image)
            expect("icon bitmap header (size, w, h, planes, bits)", hdr, (40, 32, 64, 1, 4))

    if (RT_VERSION, 1) in entries:
        (key, fixed, children), _ = parse_version_node(entries[(RT_VERSION, 1)][1])
        expect("version key", key, "VS_VERSION_INFO")
        f = struct.unpack("<13I", fixed)
        expect("version signature", hex(f[0]), hex(0xFEEF04BD))
        expect("file version", (f[2] >> 16, f[2] & 0xFFFF, f[3] >> 16, f[3] & 0xFFFF), (2, 0, 0, 5))
        expect("product version", (f[4] >> 16, f[4] & 0xFFFF, f[5] >> 16, f[5] & 0xFFFF), (2, 0, 0, 5))
        expect("file OS", hex(f[8]), hex(0x4))
        expect("file type", f[9], 1)
        blocks = {c[0]: c for c in children}
        strings = blocks.get("StringFileInfo", ("", b"", []))[2]
        expect("string blocks", [s[0] for s in strings], ["041104b0"])
        values = {k: v for (k, v, _) in (strings[0][2] if strings else [])}
        if dump:
            print(f"version strings: {values}")
        expect("FileVersion string", values.get("FileVersion"), "2, 0, 0, 5")
        expect("ProductVersion string", values.get("ProductVersion"), "2, 0, 0, 5")
        var = blocks.get("VarFileInfo", ("", b"", []))[2]
        translation = [v for (k, v, _) in var if k == "Translation"]
        expect("translation", [struct.unpack("<HH", t) for t in translation], [(0x0411, 1200)])


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    entries = read_pe(data) if data[:2] == b"MZ" else read_res(data)
    problems = []
    check(entries, problems, "--dump" in sys.argv)
    for p in problems:
        print("resource check:", p)
    if problems:
        sys.exit(1)
    print(f"resource check: {sys.argv[1]}: dialogs, menu, icon and version as required")


if __name__ == "__main__":
    main()
