#!/usr/bin/env python3
"""Writes the program icon as a Windows .ico file from the XPM pictures in src/res/icons.cpp,
so that the window icon drawn by the dialogs and the icon of varnel.exe are the same art.

Usage: make_icon.py ICONS_CPP OUTPUT_ICO
"""
import re
import struct
import sys


def xpm_arrays(source):
    """The XPM pictures of the file, each as its list of strings, in file order."""
    pictures = []
    for body in re.findall(r"const char\* const \w+\[\] = \{(.*?)\};", source, re.S):
        pictures.append(re.findall(r'"((?:[^"\\]|\\.)*)"', body))
    return pictures


def parse_xpm(lines):
    """(width, height, rows of (r, g, b, a)) of one XPM picture."""
    width, height, ncolors, cpp = (int(v) for v in lines[0].split()[:4])
    colors = {}
    for line in lines[1:1 + ncolors]:
        key, fields = line[:cpp], line[cpp:].split()
        value = fields[fields.index("c") + 1]
        if value.lower() == "none":
            colors[key] = (0, 0, 0, 0)
        else:
            rgb = int(value.lstrip("#"), 16)
            colors[key] = (rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF, 255)
    rows = []
    for line in lines[1 + ncolors:1 + ncolors + height]:
        rows.append([colors[line[i:i + cpp]] for i in range(0, width * cpp, cpp)])
    return width, height, rows


def icon_image(width, height, rows):
    """One icon image: a 32-bit DIB (bottom-up, BGRA) and its 1-bit AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = ((width + 31) // 32) * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + pixels + mask


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        pictures = [parse_xpm(lines) for lines in xpm_arrays(f.read())]
    if not pictures:
        sys.exit("no XPM pictures in %s" % sys.argv[1])
    images = [icon_image(*p) for p in pictures]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (width, height, _), image in zip(pictures, images):
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(sys.argv[2], "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main()
