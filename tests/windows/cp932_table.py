#!/usr/bin/env python3
"""What the Linux code page 932 converter (src/platform/posix/cp932.cpp, on glibc's iconv)
makes of every character, for the Windows converter's test to compare with.

Lines: "E <code point> <bytes>|-" for every character of the Basic Multilingual Plane
(encoding; "-" when it has no code), "D <bytes> <UTF-8>" for every byte and every pair of
a lead byte and a second byte (decoding). Bytes in hexadecimal."""
import ctypes
import sys

libc = ctypes.CDLL("libc.so.6", use_errno=True)
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_char_p),
                       ctypes.POINTER(ctypes.c_size_t), ctypes.POINTER(ctypes.c_char_p),
                       ctypes.POINTER(ctypes.c_size_t)]
FAILED = ctypes.c_size_t(-1).value
E2BIG = 7


def convert(cd, data, replace):
    """The loop of cp932.cpp's Convert: on a bad sequence, give up, or put U+FFFD and skip
    one byte."""
    out = b""
    pos = 0
    while pos < len(data):
        inbuf = ctypes.create_string_buffer(data[pos:], len(data) - pos)
        src = ctypes.c_char_p(ctypes.addressof(inbuf))
        left = ctypes.c_size_t(len(data) - pos)
        outbuf = ctypes.create_string_buffer(4 * len(data) + 16)
        dst = ctypes.c_char_p(ctypes.addressof(outbuf))
        room = ctypes.c_size_t(len(outbuf))
        r = libc.iconv(cd, ctypes.byref(src), ctypes.byref(left), ctypes.byref(dst),
                       ctypes.byref(room))
        err = ctypes.get_errno()
        out += outbuf.raw[:len(outbuf) - room.value]
        pos = len(data) - left.value
        if r != FAILED or err == E2BIG:
            continue
        if not replace:
            return None
        out += "\ufffd".encode()
        pos += 1
        libc.iconv(cd, None, None, None, None)
    return out


def main():
    encode = libc.iconv_open(b"CP932", b"UTF-8")
    decode = libc.iconv_open(b"UTF-8", b"CP932")
    lines = []
    for cp in range(1, 0x10000):
        if 0xD800 <= cp <= 0xDFFF:
            continue
        r = convert(encode, chr(cp).encode(), False)
        lines.append("E %04X %s" % (cp, r.hex() if r is not None else "-"))
    sequences = [bytes([b]) for b in range(1, 0x100)]
    for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
        sequences += [bytes([lead, trail]) for trail in range(0x20, 0x100)]
    for s in sequences:
        lines.append("D %s %s" % (s.hex(), convert(decode, s, True).hex()))
    sys.stdout.write("\n".join(lines) + "\n")


main()
