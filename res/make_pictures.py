#!/usr/bin/env python3
"""Draws the launcher's pictures deterministically: the splash bitmap (403 x 142, 24 bits).

Run it from anywhere; it writes res/splash.bmp beside itself. The output is committed, so a build
needs no picture tools.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

SPLASH_WIDTH, SPLASH_HEIGHT = 403, 142


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def splash_pixel(x, y):
    """A setup splash: a deep blue gradient with a soft light band and a stylised emblem."""
    top, bottom = (18, 52, 110), (6, 22, 58)
    colour = lerp(top, bottom, y / (SPLASH_HEIGHT - 1))
    band = math.exp(-((y - 0.62 * SPLASH_HEIGHT - 0.12 * x) / 14.0) ** 2)
    colour = lerp(colour, (70, 140, 210), 0.35 * band)
    # Emblem: three stacked rounded squares at the left, like boxes being unpacked.
    for i, (cx, cy, r) in enumerate(((62, 50, 26), (80, 80, 22), (50, 98, 18))):
        d = max(abs(x - cx), abs(y - cy))
        if d <= r:
            shade = (236, 176, 48) if i == 0 else (248, 208, 96) if i == 1 else (200, 130, 30)
            edge = 1.0 if d < r - 2 else 0.6
            colour = lerp(colour, shade, edge)
    # Title strokes: a bar of light under where a product name would stand.
    if 130 <= x <= 360 and 58 <= y <= 61:
        colour = lerp(colour, (230, 238, 250), 0.9)
    if 130 <= x <= 290 and 72 <= y <= 74:
        colour = lerp(colour, (150, 185, 230), 0.8)
    return colour


def write_splash(path):
    row_bytes = (SPLASH_WIDTH * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in range(SPLASH_HEIGHT - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for x in range(SPLASH_WIDTH):
            r, g, b = splash_pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        pixels += row
    pixels += bytes(2)  # two trailing bytes that nothing reads
    info = struct.pack('<IiiHHIIiiII', 40, SPLASH_WIDTH, SPLASH_HEIGHT, 1, 24, 0, 0, 2834, 2834, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, 'wb') as out:
        out.write(file_header + info + pixels)


if __name__ == '__main__':
    write_splash(os.path.join(HERE, 'splash.bmp'))
