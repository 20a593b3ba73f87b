#!/usr/bin/env python3
"""Draws the window icon and writes it as window_icon.ico beside this script.

The picture: two round nodes on a dark rounded square, an arrow forwarding from the left
node to the right one. Four sizes (16, 24, 32, 64), each a 32-bit RGBA PNG inside one
icon file. Only the standard library is used and the output is the same on every run, so
the committed icon can be checked against a fresh drawing.

Usage: draw_icon.py [OUTPUT]   (default: window_icon.ico beside this script)
"""
import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 64)
SUBSAMPLES = 8  # per axis: 64 samples per pixel for the anti-aliased edges

BACKGROUND = (0x1F, 0x3A, 0x5F, 0xFF)
LEFT_NODE = (0x4F, 0xC3, 0xF7, 0xFF)
RIGHT_NODE = (0x8B, 0xD1, 0x6A, 0xFF)
ARROW = (0xFF, 0xC8, 0x2E, 0xFF)


def in_rounded_square(x, y):
    lo, hi, r = 0.03, 0.97, 0.20
    if x < lo or x > hi or y < lo or y > hi:
        return False
    cx = min(max(x, lo + r), hi - r)
    cy = min(max(y, lo + r), hi - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_arrow(x, y):
    # Shaft from the left node's edge to the head; head a triangle pointing right.
    if 0.36 <= x <= 0.55 and abs(y - 0.5) <= 0.05:
        return True
    base, tip, half = 0.51, 0.66, 0.14
    if base <= x <= tip:
        return abs(y - 0.5) <= half * (tip - x) / (tip - base)
    return False


# Shapes from top to bottom: the first one that holds a sample gives its colour.
SHAPES = (
    (lambda x, y: in_arrow(x, y), ARROW),
    (lambda x, y: in_circle(x, y, 0.23, 0.5, 0.15), LEFT_NODE),
    (lambda x, y: in_circle(x, y, 0.79, 0.5, 0.15), RIGHT_NODE),
    (in_rounded_square, BACKGROUND),
)


def colour_at(x, y):
    for inside, colour in SHAPES:
        if inside(x, y):
            return colour
    return (0, 0, 0, 0)


def draw(size):
    """Returns the picture as rows of RGBA bytes (straight alpha)."""
    rows = []
    n = SUBSAMPLES
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = a = 0
            for sy in range(n):
                y = (py + (sy + 0.5) / n) / size
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    cr, cg, cb, ca = colour_at(x, y)
                    r += cr * ca
                    g += cg * ca
                    b += cb * ca
                    a += ca
            if a == 0:
                row += b"\0\0\0\0"
            else:
                # Average premultiplied, then back to straight alpha, rounded.
                row += bytes((
                    (r + a // 2) // a,
                    (g + a // 2) // a,
                    (b + a // 2) // a,
                    (a + n * n // 2) // (n * n),
                ))
        rows.append(bytes(row))
    return rows


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def encode_png(size, rows):
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\0" + row for row in rows)  # filter type 0 on every row
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def encode_ico(images):
    """images: list of (size, png bytes). Directory type 1, every entry 32 bpp."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for size, png in images:
        dim = size if size < 256 else 0
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    return out + data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "window_icon.ico")
    images = [(size, encode_png(size, draw(size))) for size in SIZES]
    with open(target, "wb") as f:
        f.write(encode_ico(images))


if __name__ == "__main__":
    main()
