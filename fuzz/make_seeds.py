#!/usr/bin/env python3
"""Writes the seed inputs of fuzz/corpus/: small files for each reader, valid ones and
the edge cases its code distinguishes (empty, header only, records cut short, graphics
blocks running past the end, drawings with points cut short...). The fuzzers start from
these; the test build replays them. Run it again after changing a seed here."""

import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


# ---- BASE and NAB: a 514-byte header, geometry at 508..511, then lines ----

def base_header(geometry=b"3222", size=514):
    h = bytearray(b" " * 514)
    h[0:11] = b"SEED HEADER"
    h[508:512] = geometry
    h[512:514] = b"\r\n"
    return bytes(h[:size])


def base_nab_seeds():
    body = b"".join(b"LINE #%c ,SEED TEXT\r\n" % c for c in b"ABCDEFGHIJ")
    return {
        "empty": b"",
        "one-byte": b"3",
        "short-header": base_header(size=300),
        "header-one-short": base_header(size=513),
        "header-only": base_header(),
        "header-then-eot": base_header() + b"\x1a",
        "crlf-lines": base_header() + body + b"\x1a",
        "lf-lines": base_header(b"3218") + b"ABC\nDEF\n\n\nGHI\n",
        "cr-only": base_header() + b"ABC\rDEF\r",
        "last-line-unended": base_header() + b"ABC\r\nDEF",
        "eot-mid-line": base_header() + b"ABC\r\nDE\x1aF\r\nGHI\r\n",
        "zero-lines-per-page": base_header(b"3200") + body,
        "one-line-per-page": base_header(b"0901") + body,
        "geometry-not-digits": base_header(b"a?0 ") + body,
        "geometry-99": base_header(b"9999") + body,
        "high-bytes": base_header() + bytes(range(256)) + b"\r\n" + bytes(range(255, -1, -1)),
        "exact-pages": base_header(b"3205") + body,
    }


# ---- Win-BES: a 1024-byte header, a filler byte, then page records ----

def bes_header(pages=1, cells=32, lines=18, graphics=False, count_field=None):
    h = bytearray(b" " * 1024)
    h[0:5] = b"%BET4"
    h[22:24] = b"%02d" % (cells + 1)
    h[24:26] = b"%02d" % lines
    field = count_field if count_field is not None else str(pages - 1).encode() + b" "
    h[31:31 + len(field)] = field
    h[515] = ord("G") if graphics else ord(" ")
    return bytes(h)


def record(content, length=None):
    n = 3 + len(content) if length is None else length
    return bytes([n & 0xFF, (n >> 8) & 0xFF, 0]) + content


def cells(text):
    # 0xA0 + dot pattern; a fixed handful of patterns is enough to reach every branch.
    table = {" ": 0x00, "A": 0x01, "B": 0x03, "C": 0x09, "#": 0x3C, ",": 0x20}
    return bytes(0xA0 + table.get(c, 0x01) for c in text)


def graphics_block(objects, count=None):
    n = len(objects) + 1 if count is None else count
    block = bytearray([0xFC, n & 0xFF, (n >> 8) & 0xFF])
    for obj_type, reserved, kind, x, y in objects:
        rec = bytearray(32)
        rec[0] = obj_type
        rec[1] = reserved
        rec[2] = kind
        rec[4:6] = bytes([x & 0xFF, x >> 8])
        rec[6:8] = bytes([y & 0xFF, y >> 8])
        block += rec
    return bytes(block)


def bes_page(lines, end=b"\x0c\x0d"):
    return b"".join(cells(l) + b"\x0a" for l in lines) + end


def repeated_graphics_blocks(size):
    """Page records of 8 bytes, each a graphics block whose object count (65535) runs
    past its record. When objects were read past their record, every page read the
    objects of all the records after it, and the work and the graphics held grew with the
    square of the file size: 10,000 pages and 1.5 GB of graphics for a 999,999-byte
    file, the largest the dialog reads. Kept so that it stays linear."""
    data = bes_header(count_field=b"9999 ", graphics=True) + b"\x00"
    data += b"\x08\x00\x00\xfc\xff\xff\x01\x00" * ((size - len(data)) // 8)
    return data + b"\x00" * (size - len(data))


def winbes_seeds():
    page = bes_page(["AB C", "#A,B", "CCC"])
    objects = [(1, 0, 2, 40 + 8 * i, 300) for i in range(4)]
    mixed = [(1, 0, 1, 10, 10), (2, 0, 1, 11, 11), (1, 1, 1, 12, 12), (1, 0, 4, 13, 13),
             (1, 0, 3, 14, 14)]
    return {
        "empty": b"",
        "tag-only": b"%BET4",
        "wrong-version": b"%BET3" + bes_header()[5:] + b"\x00" + record(page),
        "header-short": bes_header()[:600],
        "header-only": bes_header(),
        "header-and-filler": bes_header() + b"\x00",
        "length-byte-only": bes_header() + b"\x00\x10",
        "one-page": bes_header() + b"\x00" + record(page),
        "three-pages": bes_header(3) + b"\x00" + record(page) * 3,
        "more-pages-in-header": bes_header(40) + b"\x00" + record(page) * 2,
        "fewer-pages-in-header": bes_header(1) + b"\x00" + record(page) * 3,
        "record-past-end": bes_header(2) + b"\x00" + record(page, length=400),
        "record-length-0": bes_header(3) + b"\x00" + record(b"", length=0) + record(page),
        "record-length-1": bes_header(3) + b"\x00" + b"\x01\x00\x00" + record(page),
        "record-length-3": bes_header(3) + b"\x00" + record(b"") + record(page),
        "page-count-4-digits": bes_header(count_field=b"9999 ") + b"\x00" + record(page) * 2,
        "page-count-no-blank": bes_header(count_field=b"12345") + b"\x00" + record(page) * 2,
        "page-count-not-digits": bes_header(count_field=b"x9 ") + b"\x00" + record(page),
        "lines-carried-over": bes_header(2) + b"\x00" + record(cells("ABC")) + record(page),
        "cr-in-line": bes_header() + b"\x00" + record(cells("AB") + b"\x0d" + cells("C") + b"\x0a"),
        "alternate-codes": bes_header(2) + b"\x00" +
            record(cells("AB") + b"\xfe" + cells("C") + b"\xfd\x1a\x0d") + record(page),
        "page-end-byte": bes_header(2) + b"\x00" + record(cells("AB") + b"\xff" + cells("C")) +
            record(page),
        "form-feed-fills": bes_header(2, lines=5) + b"\x00" +
            record(cells("A") + b"\x0a" + cells("B") + b"\x0c") + record(b"\x0c\x0d"),
        "zero-lines-per-page": bes_header(2, lines=0) + b"\x00" + record(page) * 2,
        "graphics": bes_header(2, graphics=True) + b"\x00" +
            record(bes_page(["AB"], b"\x0c") + graphics_block(objects)) + record(page),
        "graphics-skipped-objects": bes_header(1, graphics=True) + b"\x00" +
            record(graphics_block(mixed)),
        "graphics-count-0": bes_header(1, graphics=True) + b"\x00" +
            record(graphics_block([], count=0)),
        "graphics-count-only": bes_header(1, graphics=True) + b"\x00" + record(b"\xfc\x05"),
        "graphics-past-end": bes_header(1, graphics=True) + b"\x00" +
            record(graphics_block(objects, count=50)),
        "graphics-object-cut": bes_header(1, graphics=True) + b"\x00" +
            record(graphics_block(objects))[:-7],
        "all-bytes": bes_header(2) + b"\x00" + record(bytes(range(256))) + record(page),
        "repeated-graphics-blocks-64k": repeated_graphics_blocks(65536),
        "repeated-graphics-blocks-999999": repeated_graphics_blocks(999999),
    }


# ---- EDEL: the magic, then lines of an LF, a dot kind and four-letter points ----

def point(x, y):
    return bytes([0x40 + x // 26, 0x40 + x % 26, 0x40 + y // 26, 0x40 + y % 26])


def edel_line(kind, points, end=b"\r"):
    return b"\n" + kind + b"".join(point(x, y) for x, y in points) + end


def edel_seeds():
    pts = [(20 + 12 * i, 40) for i in range(6)]
    return {
        "empty": b"",
        "magic-short": b"EDE",
        "magic-only": b"EDEL",
        "wrong-magic": b"EDEX" + edel_line(b"1", pts),
        "title-only": b"EDEL0001 SEED DRAWING\r",
        "lf-at-end": b"EDEL0001\r\n",
        "kind-only": b"EDEL\n1",
        "points-cut-short": b"EDEL\n1" + point(1, 2)[:3],
        "point-then-cut": b"EDEL\n2" + point(1, 2) + point(3, 4)[:2],
        "no-cr": b"EDEL\n1" + point(5, 6) + point(7, 8),
        "one-line": b"EDEL" + edel_line(b"1", pts) + b"\n",
        "kinds": b"EDEL SEED\r" + edel_line(b"1", pts) + edel_line(b"2", pts) +
            edel_line(b"3", pts) + edel_line(b"4", pts) + b"\n",
        "lf-among-points": b"EDEL\n1" + point(1, 2) + b"\nABC" + point(3, 4) + b"\r",
        "cr-mid-point": b"EDEL\n1AB\rCD\n2" + point(9, 9) + b"\r",
        "high-bytes": b"EDEL\n1" + bytes(range(0x80, 0x100)) + b"\r\n3\xff\xff\xff\xff\r",
        "gap-between-lines": b"EDEL" + edel_line(b"1", pts) + b"junk" + edel_line(b"2", pts),
        "empty-lines": b"EDEL\n1\r\n2\r\n\r\n",
    }


def write(out, name, seeds):
    folder = os.path.join(out, name)
    os.makedirs(folder, exist_ok=True)
    for file_name, data in seeds.items():
        with open(os.path.join(folder, file_name), "wb") as f:
            f.write(data)


def main(out):
    write(out, "base_nab", base_nab_seeds())
    write(out, "winbes", winbes_seeds())
    write(out, "edel", edel_seeds())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "corpus"))
