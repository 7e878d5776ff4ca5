#!/usr/bin/env python3
"""Writes the sample braille documents of samples/, made for Varnel from the file layouts
it reads: a BASE file, a NAB file, a Win-BES file with graphics on an 18-line layout, and
an EDEL drawing."""

import math
import os
import sys

# Braille ASCII: the dots of each character from 0x20 to 0x5F.
DOTS = ["", "2346", "5", "3456", "1246", "146", "12346", "3",
        "12356", "23456", "16", "346", "6", "36", "46", "34",
        "356", "2", "23", "25", "256", "26", "235", "2356",
        "236", "35", "156", "56", "126", "123456", "345", "1456",
        "4", "1", "12", "14", "145", "15", "124", "1245",
        "125", "24", "245", "13", "123", "134", "1345", "135",
        "1234", "12345", "1235", "234", "2345", "136", "1236", "2456",
        "1346", "13456", "1356", "246", "1256", "12456", "45", "456"]
PATTERN = {chr(0x20 + i): sum(1 << (int(d) - 1) for d in dots) for i, dots in enumerate(DOTS)}


def text_lines(pages, lines_per_page, cells, title):
    """Braille ASCII lines: a heading per page and numbered body lines, some blank."""
    out = []
    for p in range(pages):
        out.append(("  " + title + " #" + chr(ord("A") + p % 10)).upper()[:cells])
        for i in range(1, lines_per_page):
            if i % 5 == 0:
                out.append("")
            else:
                out.append(("LINE #" + "JABCDEFGHI"[i % 10] + " ,VARNEL SAMPLE TEXT")[:cells])
    return out


def base_nab(lines, cells, lines_per_page, title):
    header = bytearray(b" " * 514)
    name = title.encode("ascii")
    header[0:len(name)] = name
    header[508:512] = b"%02d%02d" % (cells, lines_per_page)
    header[512:514] = b"\r\n"
    body = b"".join(l.encode("ascii") + b"\r\n" for l in lines)
    return bytes(header) + body + b"\x1a"


def bes_cells(line):
    return bytes(0xA0 + PATTERN[c] for c in line)


def bes_record(content):
    length = 3 + len(content)
    return bytes([length & 0xFF, length >> 8, 0]) + content


def bes_graphics_block(objects):
    block = bytearray([0xFC])
    count = len(objects) + 1
    block += bytes([count & 0xFF, count >> 8])
    for kind, x, y in objects:
        rec = bytearray(32)
        rec[0] = 1      # object type
        rec[1] = 0
        rec[2] = kind
        rec[4:6] = bytes([x & 0xFF, x >> 8])
        rec[6:8] = bytes([y & 0xFF, y >> 8])
        block += rec
    return bytes(block)


def winbes(pages_lines, lines_per_page, cells, graphics_by_page):
    header = bytearray(b" " * 1024)
    header[0:5] = b"%BET4"
    header[22:24] = b"%02d" % (cells + 1)
    header[24:26] = b"%02d" % lines_per_page
    count = str(len(pages_lines) - 1).encode("ascii")
    header[31:31 + len(count)] = count
    header[31 + len(count)] = 0x20
    header[515] = ord("G") if graphics_by_page else ord(" ")
    data = bytes(header) + b"\x00"
    for p, lines in enumerate(pages_lines):
        objects = graphics_by_page.get(p)
        if objects:
            # Every line ends with a line end, so the page holds its full length before
            # the graphics block closes the record.
            content = b"".join(bes_cells(l) + b"\x0a" for l in lines)
            content += b"\x0c" + bes_graphics_block(objects)
        else:
            # Lines, then a page end that pads the page and a final CR that closes it.
            content = b"".join(bes_cells(l) + b"\x0a" for l in lines[:-1]) + b"\x0c\x0d"
        data += bes_record(content)
    return data


def edel_point(x, y):
    def digits(v):
        hi, lo = divmod(v, 26)
        return bytes([0x40 + hi, 0x40 + lo])
    return digits(x) + digits(y)


def edel(dot_lines):
    data = b"EDEL0001 VARNEL SAMPLE DRAWING\r"
    for kind, points in dot_lines:
        data += b"\n" + kind + b"".join(edel_point(x, y) for x, y in points) + b"\r"
    return data + b"\n"


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    base_lines = text_lines(3, 22, 32, "VARNEL BASE")[:-7]  # the last page is short
    with open(os.path.join(out_dir, "sample.BSE"), "wb") as f:
        f.write(base_nab(base_lines, 32, 22, "VARNEL BASE SAMPLE"))
    with open(os.path.join(out_dir, "sample.NAB"), "wb") as f:
        f.write(base_nab(text_lines(3, 18, 32, "VARNEL NAB"), 32, 18, "VARNEL NAB SAMPLE"))

    pages = [text_lines(1, 18, 32, "VARNEL BES " + str(p + 1)) for p in range(4)]
    square = [(2, 40 + 8 * i, 300) for i in range(20)] + [(2, 40 + 8 * i, 460) for i in range(20)]
    circle = [(3, int(200 + 60 * math.cos(a / 12 * math.pi)), int(380 + 60 * math.sin(a / 12 * math.pi)))
              for a in range(24)]
    graphics = {1: square + circle + [(4, 10, 10)], 3: [(1, 100, 100), (1, 120, 100)]}
    with open(os.path.join(out_dir, "sample.BES"), "wb") as f:
        f.write(winbes(pages, 18, 32, graphics))

    frame = [(x, 20) for x in range(20, 600, 12)] + [(x, 400) for x in range(20, 600, 12)]
    wave = [(x, int(210 + 100 * math.sin(x / 60))) for x in range(20, 600, 10)]
    with open(os.path.join(out_dir, "drawing.EDL"), "wb") as f:
        f.write(edel([(b"1", frame), (b"2", wave), (b"4", [(5, 5)]), (b"3", [(300, 210)])]))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "samples"))
