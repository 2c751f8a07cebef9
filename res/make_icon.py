#!/usr/bin/env python3
"""Draws the program icon and writes it as res/app.ico.

One image: 32 x 32 pixels, 16 colours (4 bits per pixel, one plane), stored
as an icon bitmap of 744 bytes: a 40-byte header, a 64-byte palette, the
512-byte colour (XOR) mask and the 128-byte transparency (AND) mask.

The picture: a yellow folder with a green arrow pointing down into it, for
"carry the old collection into the new folders". Running the script again
gives the same file byte for byte.
"""
import struct
import sys
from pathlib import Path

SIZE = 32

# The standard 16-colour palette, as (blue, green, red, 0) quads.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]  # (red, green, blue) per index
BLACK, DARK_YELLOW, DARK_GREEN, GREY, YELLOW, GREEN, WHITE = 0, 3, 2, 8, 11, 10, 15
TRANSPARENT = None


def draw():
    """Returns rows top to bottom of palette indices, None where transparent."""
    px = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    def frame(x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            px[y0][x] = px[y1][x] = colour
        for y in range(y0, y1 + 1):
            px[y][x0] = px[y][x1] = colour

    # Folder: a tab at the upper left, then the body.
    rect(2, 12, 12, 15, DARK_YELLOW)
    frame(2, 12, 12, 15, BLACK)
    rect(2, 15, 29, 29, YELLOW)
    frame(2, 15, 29, 29, BLACK)
    # A sheet of paper sticking out of the folder.
    rect(6, 17, 25, 18, WHITE)
    for x in range(6, 26):
        px[16][x] = GREY
    # Front flap, a shade darker along its top edge.
    for x in range(3, 29):
        px[19][x] = DARK_YELLOW
    # Arrow pointing down into the folder: shaft, then head.
    rect(14, 1, 18, 12, GREEN)
    frame(14, 1, 18, 12, DARK_GREEN)
    for i in range(6):
        y = 12 + i
        x0, x1 = 10 + i, 22 - i
        for x in range(x0, x1 + 1):
            px[y][x] = GREEN
        px[y][x0] = px[y][x1] = DARK_GREEN
    rect(15, 12, 17, 12, GREEN)
    return px


def icon_bytes(px):
    header = struct.pack(
        "<IiiHHIIiiII",
        40,          # header size
        SIZE,        # width
        SIZE * 2,    # height of the colour and transparency masks together
        1,           # planes
        4,           # bits per pixel
        0,           # no compression
        512 + 128,   # image bytes
        0, 0,        # resolution: unused
        16, 0,       # colours used, colours important
    )
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = bytearray()
    andmask = bytearray()
    for row in reversed(px):  # bitmaps are stored bottom-up
        for x in range(0, SIZE, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        andmask += bits.to_bytes(4, "big")  # 32 bits: already a multiple of 4 bytes
    image = header + palette + bytes(xor) + bytes(andmask)
    assert len(image) == 744, len(image)

    directory = struct.pack("<HHH", 0, 1, 1)  # reserved, type icon, one image
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("app.ico")
    out.write_bytes(icon_bytes(draw()))


if __name__ == "__main__":
    main()
