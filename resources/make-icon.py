#!/usr/bin/env python3
"""Writes Stats.ico, the plug-in's icon: one 25 x 16 image, 24 bits per pixel.

The picture is the plug-in's own colour scheme: on the pale background, a row of round marks,
green for unworked multipliers and magenta for worked ones.
Run it again after changing the picture: resources/make-icon.py > resources/Stats.ico
"""
import struct
import sys

WIDTH, HEIGHT = 25, 16
BACKGROUND = (255, 250, 198)
GREEN = (0, 255, 0)
MAGENTA = (255, 0, 255)
OUTLINE = (64, 64, 64)


def pixel(x, y):
    # Three marks of radius 3.5 centred on row 7.5: magenta, green, magenta.
    for centre_x, colour in ((4.5, MAGENTA), (12.5, GREEN), (20.5, MAGENTA)):
        distance = ((x + 0.5 - centre_x) ** 2 + (y + 0.5 - 8.0) ** 2) ** 0.5
        if distance <= 3.2:
            return colour
        if distance <= 4.2:
            return OUTLINE
    return BACKGROUND


def main():
    row_bytes = (WIDTH * 3 + 3) // 4 * 4
    mask_row_bytes = (WIDTH + 31) // 32 * 4
    pixels = b""
    for y in reversed(range(HEIGHT)):  # bottom-up rows
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(WIDTH)))
        pixels += row + b"\0" * (row_bytes - len(row))
    mask = b"\0" * (mask_row_bytes * HEIGHT)  # every pixel opaque
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT * 2, 1, 24, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", WIDTH, HEIGHT, 0, 0, 1, 24, len(image), 22)
    sys.stdout.buffer.write(directory + image)


main()
