#!/usr/bin/env python3
"""Draws the add and remove icons of the editors (22 x 22 RGBA PNG files).

A rounded plus and minus bar in a toolbar green and red, with a darker outline and a light
highlight on the upper edge, so both read well on light and dark buttons. Only the standard
library is used (zlib, struct), so the icons can be rebuilt anywhere:

    scripts/make-icons.py [output directory]     (default: editors/icons)
"""
import os
import struct
import sys
import zlib

SIZE = 22


def png_bytes(pixels):
    """pixels: SIZE rows of SIZE (r, g, b, a) tuples -> PNG file contents."""

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def bars(with_vertical):
    """The rectangles (x0, y0, x1, y1 inclusive) that make the symbol."""
    rects = [(4, 9, 17, 12)]
    if with_vertical:
        rects.append((9, 4, 12, 17))
    return rects


def inside(rects, x, y):
    for x0, y0, x1, y1 in rects:
        if x0 <= x <= x1 and y0 <= y <= y1:
            # Cut the outer corners of each bar for a rounded look.
            corner = (x in (x0, x1)) and (y in (y0, y1))
            if not corner:
                return True
    return False


def draw(fill, outline, highlight, with_vertical):
    rects = bars(with_vertical)
    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if inside(rects, x, y):
                edge = not all(inside(rects, x + dx, y + dy)
                               for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                if edge:
                    row.append(outline + (255,))
                elif not inside(rects, x, y - 2):
                    row.append(highlight + (255,))
                else:
                    row.append(fill + (255,))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "editors", "icons")
    os.makedirs(out, exist_ok=True)
    icons = {
        "list-add.png": draw((78, 154, 6), (52, 101, 4), (138, 226, 52), True),
        "list-remove.png": draw((204, 0, 0), (164, 0, 0), (239, 41, 41), False),
    }
    for name, pixels in icons.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(png_bytes(pixels))


if __name__ == "__main__":
    main()
