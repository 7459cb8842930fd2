#!/usr/bin/env python3
"""Draws the program's icon, an amber LED message sign showing an arrow, as the scalable
SVG and the 48 px PNG of the hicolor theme: python3 packaging/draw-icon.py packaging/"""
import struct
import sys
import zlib

ARROW = [
    "........#....",
    "........##...",
    "###########..",
    "############.",
    "###########..",
    "........##...",
    "........#....",
]
SIZE = 128  # the drawing's own units
PITCH, RADIUS = 8, 3.0
LIT, DARK = (0xFF, 0xB0, 0x00), (0x3A, 0x2A, 0x10)
# The shapes under the LEDs, back to front: post, housing, face.
BOXES = [((58, 96, 12, 28, 0), (0x5A, 0x5F, 0x66)),
         ((4, 28, 120, 76, 8), (0x2B, 0x2F, 0x36)),
         ((10, 34, 108, 64, 4), (0x0D, 0x0F, 0x12))]


def leds():
    left = (SIZE - len(ARROW[0]) * PITCH) / 2 + PITCH / 2
    top = (SIZE - len(ARROW) * PITCH) / 2 + PITCH / 2 + 4
    for j, row in enumerate(ARROW):
        for i, cell in enumerate(row):
            yield left + i * PITCH, top + j * PITCH, cell == "#"


def hex_colour(rgb):
    return "#%02x%02x%02x" % rgb


def svg():
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
             'viewBox="0 0 %d %d">' % (SIZE, SIZE, SIZE, SIZE),
             "  <title>ZomelBuilder</title>"]
    for (x, y, w, h, r), colour in BOXES:
        lines.append('  <rect x="%d" y="%d" width="%d" height="%d" rx="%d" fill="%s"/>'
                     % (x, y, w, h, r, hex_colour(colour)))
    for x, y, lit in leds():
        lines.append('  <circle cx="%g" cy="%g" r="%g" fill="%s"/>'
                     % (x, y, RADIUS, hex_colour(LIT if lit else DARK)))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def inside_box(px, py, box):
    x, y, w, h, r = box
    if not (x <= px < x + w and y <= py < y + h):
        return False
    cx = min(max(px, x + r), x + w - r)
    cy = min(max(py, y + r), y + h - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def colour_at(px, py, dots):
    for x, y, lit in dots:
        if (px - x) ** 2 + (py - y) ** 2 <= RADIUS * RADIUS:
            return LIT if lit else DARK, 255
    for box, colour in reversed(BOXES):
        if inside_box(px, py, box):
            return colour, 255
    return (0, 0, 0), 0


def png(pixels):
    """The drawing at `pixels` square, each pixel the mean of 8 x 8 samples."""
    dots = list(leds())
    samples = 8
    scale = SIZE / pixels
    raw = bytearray()
    for row in range(pixels):
        raw.append(0)
        for column in range(pixels):
            sums = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    rgb, alpha = colour_at((column + (sx + 0.5) / samples) * scale,
                                           (row + (sy + 0.5) / samples) * scale, dots)
                    for k in range(3):
                        sums[k] += rgb[k] * alpha
                    sums[3] += alpha
            alpha = sums[3]
            raw += bytes([round(sums[k] / alpha) if alpha else 0 for k in range(3)])
            raw.append(round(alpha / samples ** 2))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", pixels, pixels, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    with open(folder + "/zomelbuilder.svg", "w") as out:
        out.write(svg())
    with open(folder + "/zomelbuilder.png", "wb") as out:
        out.write(png(48))
