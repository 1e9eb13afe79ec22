#!/usr/bin/env python3
"""Draws the launcher's 72x72 icon: a teal rounded square with a white
up-arrow over a base line (an archive being brought up to date)."""
import struct
import sys
import zlib

SIZE = 72


def inside_rounded(x, y, r=14):
    cx = min(max(x, r), SIZE - 1 - r)
    cy = min(max(y, r), SIZE - 1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def pixel(x, y):
    if not inside_rounded(x, y):
        return (0, 0, 0, 0)
    shade = int(40 * y / SIZE)
    bg = (18, 128 - shade, 140 - shade, 255)
    # arrow head
    if 14 <= y <= 34 and abs(x - 35.5) <= (y - 14) * 0.95:
        return (255, 255, 255, 255)
    # arrow shaft
    if 34 <= y <= 50 and 29 <= x <= 42:
        return (255, 255, 255, 255)
    # base line
    if 55 <= y <= 59 and 16 <= x <= 55:
        return (255, 255, 255, 255)
    return bg


def png(path):
    raw = b"".join(b"\0" + b"".join(struct.pack("4B", *pixel(x, y)) for x in range(SIZE))
                   for y in range(SIZE))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    png(sys.argv[1] if len(sys.argv) > 1 else "ico_72_tarrowind.png")
