#!/usr/bin/env python3
"""Draws the game's 64 x 64 icon in 256 colours and writes it as an indexed PNG.

The picture: a round green tile holding a small board with two crossing words
(cream letter cells) closed by red end markers.
Run: python3 make_icon.py [OUTPUT.png]
"""
import math
import os
import struct
import sys
import zlib

SIZE = 64


def palette():
    """A 6x6x6 colour cube, a grey ramp and the icon's own colours: 256 entries."""
    colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    colours += [(i * 10, i * 10, i * 10) for i in range(26)]
    colours += [(24, 120, 56), (40, 160, 80), (250, 240, 214), (220, 40, 40), (20, 60, 30), (255, 255, 255)]
    colours += [(0, 0, 0)] * (256 - len(colours))
    return colours[:256]


PALETTE = palette()
TRANSPARENT, DARK_GREEN, GREEN, CREAM, RED, EDGE, WHITE = 255, 216 + 26, 217 + 26, 218 + 26, 219 + 26, 220 + 26, 221 + 26


def pixel(x, y):
    cx = cy = (SIZE - 1) / 2
    r = math.hypot(x - cx, y - cy)
    if r > 31.5:
        return TRANSPARENT
    if r > 29.5:
        return EDGE
    # A 5 x 5 board of 9-pixel cells centred in the tile.
    gx, gy = (x - 9) // 9, (y - 9) // 9
    inside = 0 <= gx < 5 and 0 <= gy < 5 and 9 <= x < 54 and 9 <= y < 54
    if not inside:
        return GREEN if (x + y) % 7 else DARK_GREEN
    if (x - 9) % 9 == 0 or (y - 9) % 9 == 0:
        return EDGE
    across = gy == 2 and 1 <= gx <= 3
    down = gx == 2 and 1 <= gy <= 3
    marker = (gy == 2 and gx in (0, 4)) or (gx == 2 and gy in (0, 4))
    if across or down:
        lx, ly = (x - 9) % 9, (y - 9) % 9
        return EDGE if 3 <= lx <= 5 and 3 <= ly <= 5 else CREAM
    if marker:
        lx, ly = (x - 9) % 9, (y - 9) % 9
        return RED if abs(lx - ly) <= 0 or abs(lx + ly - 9) <= 0 else WHITE
    return WHITE


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "tsubura.png")
    rows = b"".join(b"\x00" + bytes(pixel(x, y) for x in range(SIZE)) for y in range(SIZE))
    alpha = bytes(0 if i == TRANSPARENT else 255 for i in range(256))
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
    png += chunk(b"tRNS", alpha)
    png += chunk(b"IDAT", zlib.compress(rows, 9))
    png += chunk(b"IEND", b"")
    with open(out, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()
