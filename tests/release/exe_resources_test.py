#!/usr/bin/env python3
"""Checks the built program file's header and resources.

- Nothing that changes from build to build: a zero link time stamp, zero time stamps in the
  resource directory, no debug directory, no symbol table, no build folder path.
- The resources the window needs: the icon group DEFAULT_ICON (16, 24, 32, 64, 32 bpp, the
  same pictures as window_icon.ico), WINDOW_ICON_DATA (that icon file byte for byte), the
  manifest as resource 1 of type 24, and version information as resource 1 of type 16.

Usage: exe_resources_test.py EXE RESOURCES_DIR SOURCE_DIR BUILD_DIR
Broken copies of the program file show that each check fails when it should.
"""
import os
import struct
import sys
import unittest

RT_ICON, RT_GROUP_ICON, RT_RCDATA, RT_VERSION, RT_MANIFEST = 3, 14, 10, 16, 24


class PeFile:
    """The parts of a 32-bit PE file these checks need."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        (pe,) = struct.unpack_from("<I", data, 0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        (self.machine, sections, self.time_stamp, self.symbol_table, self.symbol_count,
         optional_size, _) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        (magic,) = struct.unpack_from("<H", data, optional)
        if magic != 0x10B:
            raise ValueError("not a PE32 optional header")
        (self.checksum,) = struct.unpack_from("<I", data, optional + 64)
        (directory_count,) = struct.unpack_from("<I", data, optional + 92)
        self.directories = [struct.unpack_from("<II", data, optional + 96 + 8 * i)
                            for i in range(directory_count)]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            name, vsize, rva, raw_size, raw_at = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((name.rstrip(b"\0"), rva, max(vsize, raw_size), raw_at))

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def offset(self, rva):
        for _, start, size, raw_at in self.sections:
            if start <= rva < start + size:
                return raw_at + rva - start
        raise ValueError("RVA %#x is in no section" % rva)

    def resources(self):
        """{(type, name): bytes} for the first language of each, and the directory time stamps.
        type and name are ints for ids, strings for names."""
        rva, size = self.directory(2)
        if size == 0:
            return {}, []
        base = self.offset(rva)
        stamps, found = [], {}

        def read_name(at):
            (length,) = struct.unpack_from("<H", self.data, base + at)
            return self.data[base + at + 2:base + at + 2 + 2 * length].decode("utf-16-le")

        def entries(at):
            _, stamp, _, _, named, ids = struct.unpack_from("<IIHHHH", self.data, base + at)
            stamps.append(stamp)
            for i in range(named + ids):
                key, target = struct.unpack_from("<II", self.data, base + at + 16 + 8 * i)
                key = read_name(key & 0x7FFFFFFF) if key & 0x80000000 else key
                yield key, target

        for kind, kind_at in entries(0):
            for name, name_at in entries(kind_at & 0x7FFFFFFF):
                for _, leaf in entries(name_at & 0x7FFFFFFF):
                    data_rva, data_size, _, _ = struct.unpack_from("<IIII", self.data, base + leaf)
                    at = self.offset(data_rva)
                    found.setdefault((kind, name), self.data[at:at + data_size])
        return found, stamps


def icon_pictures(ico):
    """{size: png bytes} of an icon file."""
    _, _, count = struct.unpack_from("<HHH", ico, 0)
    pictures = {}
    for i in range(count):
        w, _, _, _, _, _, length, offset = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * i)
        pictures[w or 256] = ico[offset:offset + length]
    return pictures


def exe_problems(exe, icon, manifest, build_paths):
    """Everything wrong with the program file, as a list of sentences."""
    try:
        pe = PeFile(exe)
        resources, stamps = pe.resources()
    except (ValueError, struct.error) as error:
        return ["unreadable: %s" % error]
    problems = []
    if pe.machine != 0x14C:
        problems.append("not an i386 program (machine %#x)" % pe.machine)
    if pe.time_stamp != 0:
        problems.append("link time stamp %#x" % pe.time_stamp)
    if pe.symbol_table or pe.symbol_count:
        problems.append("symbol table present (%d symbols)" % pe.symbol_count)
    if pe.directory(6)[1] != 0:
        problems.append("debug directory present")
    if any(stamps):
        problems.append("resource directory time stamp %#x" % max(stamps))
    for name, _, _, _ in pe.sections:
        if name.startswith(b".debug") or name.startswith(b"/"):
            problems.append("section %s left in" % name.decode("latin-1"))
    for path in build_paths:
        for encoded in (path.encode(), path.encode("utf-16-le")):
            if encoded in exe:
                problems.append("build path %s in the file" % path)

    group = resources.get((RT_GROUP_ICON, "DEFAULT_ICON"))
    if group is None:
        problems.append("no icon group DEFAULT_ICON")
    else:
        _, kind, count = struct.unpack_from("<HHH", group, 0)
        pictures = icon_pictures(icon)
        sizes = []
        for i in range(count):
            w, _, _, _, _, bpp, length, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
            sizes.append((w or 256, bpp))
            if resources.get((RT_ICON, icon_id)) != pictures.get(w or 256):
                problems.append("DEFAULT_ICON picture %d differs from window_icon.ico" % w)
        if kind != 1 or sizes != [(16, 32), (24, 32), (32, 32), (64, 32)]:
            problems.append("DEFAULT_ICON holds %r" % sizes)
    if resources.get((RT_RCDATA, "WINDOW_ICON_DATA")) != icon:
        problems.append("WINDOW_ICON_DATA is not window_icon.ico")
    if resources.get((RT_MANIFEST, 1)) != manifest:
        problems.append("manifest resource 1 is not VeskPortMapper.manifest")
    if (RT_VERSION, 1) not in resources:
        problems.append("no version information")
    return problems


def patched(data, at, new):
    return data[:at] + new + data[at + len(new):]


class ExeResourcesTest(unittest.TestCase):
    exe_path = resources_dir = None
    build_paths = ()

    @classmethod
    def setUpClass(cls):
        with open(cls.exe_path, "rb") as f:
            cls.exe = f.read()
        with open(os.path.join(cls.resources_dir, "window_icon.ico"), "rb") as f:
            cls.icon = f.read()
        with open(os.path.join(cls.resources_dir, "VeskPortMapper.manifest"), "rb") as f:
            cls.manifest = f.read()

    def problems(self, exe):
        return exe_problems(exe, self.icon, self.manifest, self.build_paths)

    def test_program_file_is_clean_and_complete(self):
        self.assertEqual(self.problems(self.exe), [])

    def test_manifest_asks_for_common_controls_6_and_no_execution_level(self):
        text = self.manifest.decode("utf-8")
        self.assertIn('name="Microsoft.Windows.Common-Controls" version="6.0.0.0"', text)
        self.assertIn('publicKeyToken="6595b64144ccf1df"', text)
        self.assertNotIn("requestedExecutionLevel", text)
        self.assertNotIn("trustInfo", text)

    def test_broken_program_files_are_caught(self):
        (pe,) = struct.unpack_from("<I", self.exe, 0x3C)
        rsrc = PeFile(self.exe).offset(PeFile(self.exe).directory(2)[0])
        icon_at = self.exe.index(self.icon[:64])  # the whole file: only WINDOW_ICON_DATA
        manifest_at = self.exe.index(self.manifest[:40])
        cases = [
            ("link time", patched(self.exe, pe + 8, struct.pack("<I", 0x5F000000)), "link time stamp"),
            ("symbols", patched(self.exe, pe + 12, struct.pack("<II", 0x400, 7)), "symbol table present"),
            ("resource time", patched(self.exe, rsrc + 4, struct.pack("<I", 0x5F000000)),
             "resource directory time stamp"),
            ("build path", patched(self.exe, manifest_at, self.build_paths[-1].encode()), "build path"),
            ("icon bytes", patched(self.exe, icon_at + 6, b"\0" * 8), "WINDOW_ICON_DATA is not"),
            ("manifest bytes", patched(self.exe, manifest_at, b"<!-- -->"), "manifest resource 1"),
            ("not a PE", patched(self.exe, pe, b"NE\0\0"), "unreadable"),
        ]
        for name, exe, expected in cases:
            with self.subTest(name):
                problems = self.problems(exe)
                self.assertTrue(any(expected in p for p in problems), "%s: %r" % (name, problems))


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit("usage: exe_resources_test.py EXE RESOURCES_DIR SOURCE_DIR BUILD_DIR")
    ExeResourcesTest.exe_path, ExeResourcesTest.resources_dir = sys.argv[1], sys.argv[2]
    ExeResourcesTest.build_paths = tuple(os.path.realpath(p) for p in sys.argv[3:5])
    unittest.main(argv=sys.argv[:1] + sys.argv[5:])
