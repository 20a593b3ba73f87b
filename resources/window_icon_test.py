#!/usr/bin/env python3
"""Checks window_icon.ico: a type-1 icon directory of four 32 bpp entries (16, 24, 32, 64),
each a well-formed 8-bit RGBA PNG of its entry's size, and the same bytes that draw_icon.py
draws today. Broken copies of the icon show that each check fails when it should."""
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ICON = os.path.join(HERE, "window_icon.ico")
SIZES = [16, 24, 32, 64]
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def png_problems(png, size):
    """What is wrong with one PNG that should be a size x size 8-bit RGBA picture."""
    if not png.startswith(PNG_SIGNATURE):
        return ["no PNG signature"]
    pos, chunks = 8, []
    while pos < len(png):
        if pos + 12 > len(png):
            return ["truncated chunk"]
        (length,) = struct.unpack_from(">I", png, pos)
        kind = png[pos + 4:pos + 8]
        data = png[pos + 8:pos + 8 + length]
        if len(data) != length or pos + 12 + length > len(png):
            return ["truncated chunk"]
        (crc,) = struct.unpack_from(">I", png, pos + 8 + length)
        if zlib.crc32(kind + data) != crc:
            return ["bad CRC in " + kind.decode("latin-1")]
        chunks.append((kind, data))
        pos += 12 + length
    kinds = [k for k, _ in chunks]
    if not kinds or kinds[0] != b"IHDR" or kinds[-1] != b"IEND" or b"IDAT" not in kinds:
        return ["chunks out of order: %r" % kinds]
    width, height, depth, colour, comp, filt, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    problems = []
    if (width, height) != (size, size):
        problems.append("PNG is %dx%d, entry says %d" % (width, height, size))
    if (depth, colour) != (8, 6):
        problems.append("PNG is not 8-bit RGBA (depth %d, colour type %d)" % (depth, colour))
    if (comp, filt, interlace) != (0, 0, 0):
        problems.append("unexpected PNG compression/filter/interlace")
    if problems:
        return problems
    try:
        raw = zlib.decompress(b"".join(d for k, d in chunks if k == b"IDAT"))
    except zlib.error:
        return ["IDAT does not decompress"]
    stride = 1 + 4 * size
    if len(raw) != stride * size:
        return ["pixel data is %d bytes, want %d" % (len(raw), stride * size)]
    if any(raw[row * stride] > 4 for row in range(size)):
        return ["bad row filter type"]
    return []


def icon_problems(data):
    """What is wrong with an icon file that should hold the four window icon pictures."""
    if len(data) < 6:
        return ["too short for an icon directory"]
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        return ["not an icon directory (reserved %d, type %d)" % (reserved, kind)]
    if count != len(SIZES):
        return ["%d entries, want %d" % (count, len(SIZES))]
    if len(data) < 6 + 16 * count:
        return ["directory truncated"]
    problems, seen, spans = [], [], []
    for i in range(count):
        w, h, colours, res, planes, bpp, length, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        seen.append(w)
        if w != h:
            problems.append("entry %d is not square" % i)
        if bpp != 32:
            problems.append("entry %d is %d bpp" % (i, bpp))
        if colours != 0 or res != 0 or planes not in (0, 1):
            problems.append("entry %d has odd colour count/reserved/planes" % i)
        if offset < 6 + 16 * count or offset + length > len(data):
            problems.append("entry %d points outside the file" % i)
            continue
        spans.append((offset, offset + length))
        problems += ["entry %d: %s" % (i, p) for p in png_problems(data[offset:offset + length], w)]
    if seen != SIZES:
        problems.append("sizes %r, want %r" % (seen, SIZES))
    spans.sort()
    if any(a[1] > b[0] for a, b in zip(spans, spans[1:])):
        problems.append("images overlap")
    return problems


def entry(data, i):
    return struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)


def pixels(data, i):
    """The decompressed rows of entry i's PNG (its only IDAT chunk)."""
    length, offset = entry(data, i)[6:]
    png = data[offset:offset + length]
    pos = png.index(b"IDAT") - 4
    (n,) = struct.unpack_from(">I", png, pos)
    return zlib.decompress(png[pos + 8:pos + 8 + n])


def set_entry(data, i, **fields):
    names = ["w", "h", "colours", "res", "planes", "bpp", "length", "offset"]
    values = dict(zip(names, entry(data, i)))
    values.update(fields)
    out = bytearray(data)
    struct.pack_into("<BBBBHHII", out, 6 + 16 * i, *[values[n] for n in names])
    return bytes(out)


def flip_byte(data, pos):
    out = bytearray(data)
    out[pos] ^= 0xFF
    return bytes(out)


class WindowIconTest(unittest.TestCase):
    def setUp(self):
        with open(ICON, "rb") as f:
            self.icon = f.read()

    def test_committed_icon_is_well_formed(self):
        self.assertEqual(icon_problems(self.icon), [])

    def test_pictures_have_transparent_corners_and_opaque_centre(self):
        for i, size in enumerate(SIZES):
            raw = pixels(self.icon, i)
            stride = 1 + 4 * size

            def alpha(x, y):
                return raw[y * stride + 1 + 4 * x + 3]
            self.assertEqual(alpha(0, 0), 0, "size %d corner" % size)
            self.assertEqual(alpha(size - 1, size - 1), 0, "size %d corner" % size)
            self.assertEqual(alpha(size // 2, size // 2), 255, "size %d centre" % size)

    def test_drawing_script_reproduces_the_committed_icon(self):
        with tempfile.TemporaryDirectory() as tmp:
            fresh = os.path.join(tmp, "icon.ico")
            subprocess.run([sys.executable, os.path.join(HERE, "draw_icon.py"), fresh], check=True)
            with open(fresh, "rb") as f:
                drawn = f.read()
        # Pixels, not compressed bytes: another zlib may pack the same pictures differently.
        self.assertEqual([pixels(drawn, i) for i in range(4)], [pixels(self.icon, i) for i in range(4)],
                         "window_icon.ico is out of date: run draw_icon.py")

    def test_broken_icons_are_caught(self):
        first_png = entry(self.icon, 0)[7]
        last = entry(self.icon, 3)
        cases = [
            ("cursor directory", self.icon[:2] + struct.pack("<H", 2) + self.icon[4:], "not an icon directory"),
            ("three entries", self.icon[:4] + struct.pack("<H", 3) + self.icon[6:], "3 entries"),
            ("24 bpp entry", set_entry(self.icon, 1, bpp=24), "entry 1 is 24 bpp"),
            ("wrong size", set_entry(self.icon, 2, w=48, h=48), "PNG is 32x32, entry says 48"),
            ("past the end", set_entry(self.icon, 3, length=last[6] + 1), "entry 3 points outside"),
            ("not a PNG", flip_byte(self.icon, first_png), "entry 0: no PNG signature"),
            ("bad CRC", flip_byte(self.icon, first_png + 8 + 8 + 3), "entry 0: bad CRC in IHDR"),
            ("overlap", set_entry(self.icon, 1, offset=first_png), "images overlap"),
            ("truncated", self.icon[:-10], "entry 3"),
        ]
        for name, data, expected in cases:
            with self.subTest(name):
                problems = icon_problems(data)
                self.assertTrue(any(expected in p for p in problems), "%s: %r" % (name, problems))


if __name__ == "__main__":
    unittest.main()
