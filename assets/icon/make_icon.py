#!/usr/bin/env python3
"""Draws the game's icon: the 64 x 64 program icon in 256 colours, and the same
picture at any size for the desktop's menus and high-density screens.

The picture: a round green tile holding a small board with two crossing words
(cream letter cells) closed by red end markers. Every size snaps the board to
whole pixels, so its lines stay sharp; only the round edge and the markers'
diagonals are smoothed, from 4 x 4 samples a pixel.
Run: python3 make_icon.py                 (tsubura.png beside this script)
     python3 make_icon.py OUTPUT.png      (the 64 x 64 program icon)
     python3 make_icon.py --size N OUTPUT.png
"""
import math
import os
import struct
import sys
import zlib

DESIGN_SIZE = 64


def palette():
    """A 6x6x6 colour cube, a grey ramp and the icon's own colours: 256 entries."""
    colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    colours += [(i * 10, i * 10, i * 10) for i in range(26)]
    colours += [(24, 120, 56), (40, 160, 80), (250, 240, 214), (220, 40, 40), (20, 60, 30), (255, 255, 255)]
    colours += [(0, 0, 0)] * (256 - len(colours))
    return colours[:256]


PALETTE = palette()
TRANSPARENT = 255
DARK_GREEN, GREEN, CREAM, RED, EDGE, WHITE = (PALETTE[242 + i] for i in range(6))


class Icon:
    """The picture laid out for one size, in whole pixels."""

    def __init__(self, size):
        self.size = size
        unit = size / DESIGN_SIZE
        self.unit = unit
        self.line = max(1, round(unit))
        self.cell = max(2, round(9 * unit))
        self.span = 5 * self.cell + self.line
        self.origin = (size - self.span) // 2
        self.radius = size / 2 - 0.5 * unit

    def colour(self, sx, sy):
        """The colour at a sample point, None where the tile is transparent."""
        r = math.hypot(sx - self.size / 2, sy - self.size / 2)
        if r > self.radius:
            return None
        if r > self.radius - 2 * self.unit:
            return EDGE
        px, py = int(sx), int(sy)
        lx, ly = px - self.origin, py - self.origin
        if not (0 <= lx < self.span and 0 <= ly < self.span):
            return GREEN if ((px + py) // self.line) % 7 else DARK_GREEN
        gx, gy = lx // self.cell, ly // self.cell
        lx, ly = lx % self.cell, ly % self.cell
        if gx == 5 or gy == 5 or lx < self.line or ly < self.line:
            return EDGE
        inner = self.cell - self.line
        lx, ly = lx - self.line, ly - self.line
        if (gy == 2 and 1 <= gx <= 3) or (gx == 2 and 1 <= gy <= 3):
            third = inner / 3
            middle = third <= lx < 2 * third and third <= ly < 2 * third
            return EDGE if middle else CREAM
        if (gy == 2 and gx in (0, 4)) or (gx == 2 and gy in (0, 4)):
            fx = sx - (self.origin + gx * self.cell + self.line)
            fy = sy - (self.origin + gy * self.cell + self.line)
            stroke = 0.75 * self.line
            if inner < 3:  # too small for a cross: a red cell
                return RED
            return RED if abs(fx - fy) < stroke or abs(fx + fy - inner) < stroke else WHITE
        return WHITE

    def rgba(self, x, y):
        """A pixel averaged over 4 x 4 samples, alpha-weighted."""
        samples = [self.colour(x + (i + 0.5) / 4, y + (j + 0.5) / 4) for i in range(4) for j in range(4)]
        opaque = [c for c in samples if c is not None]
        if not opaque:
            return (0, 0, 0, 0)
        channels = (round(sum(c[k] for c in opaque) / len(opaque)) for k in range(3))
        return (*channels, round(255 * len(opaque) / len(samples)))


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png(size, colour_type, rows, extra=b""):
    header = chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, colour_type, 0, 0, 0))
    body = chunk(b"IDAT", zlib.compress(b"".join(b"\x00" + row for row in rows), 9))
    return b"\x89PNG\r\n\x1a\n" + header + extra + body + chunk(b"IEND", b"")


def program_icon():
    """The 64 x 64 icon in 256 colours, one sample a pixel."""
    icon = Icon(DESIGN_SIZE)
    index = {colour: i for i, colour in reversed(list(enumerate(PALETTE)))}

    def pixel(x, y):
        colour = icon.colour(x + 0.5, y + 0.5)
        return TRANSPARENT if colour is None else index[colour]

    rows = [bytes(pixel(x, y) for x in range(DESIGN_SIZE)) for y in range(DESIGN_SIZE)]
    alpha = bytes(0 if i == TRANSPARENT else 255 for i in range(256))
    extra = chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE)) + chunk(b"tRNS", alpha)
    return png(DESIGN_SIZE, 3, rows, extra)


def sized_icon(size):
    icon = Icon(size)
    rows = [b"".join(bytes(icon.rgba(x, y)) for x in range(size)) for y in range(size)]
    return png(size, 6, rows)


def main():
    args = sys.argv[1:]
    if args[:1] == ["--size"]:
        data, out = sized_icon(int(args[1])), args[2]
    else:
        data = program_icon()
        out = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "tsubura.png")
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
