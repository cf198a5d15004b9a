#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the Check button's four images and writes them as 8-bit run-length-encoded BMP files.

Each image is 37 x 41 pixels with a 256-entry grey palette: a black body whose left end is a
half disc, columns 16 and 17 a flat slice through its middle (the part the button stretches), and
a right end that is the other half disc. The up images add a soft grey shadow below and to the
right that runs out at the image's right and bottom edges; the pressed images show the body moved
4 pixels right and 5 down, without shadow. BUTTON2x are drawn on grey (189, 189, 189), BUTTON1x on
white. Run: python3 make_bitmaps.py (writes the files beside this script).
"""
import math
import pathlib
import struct

WIDTH, HEIGHT = 37, 41
RADIUS = 14.5  # a body about 29 pixels high, its ends half discs of that diameter
SUPERSAMPLE = 4


def pill_distance(px, py):
    """Distance from the body's outline (negative inside), in the body's own coordinates: two
    half discs whose centres stand 2 pixels apart, joined by a straight middle."""
    ex = max(0.0, 15.0 - px, px - 17.0)
    return math.hypot(ex, py - RADIUS) - RADIUS


def body_coverage(x, y, dx, dy):
    """How much of pixel (x, y) the body covers, the body moved by (dx, dy)."""
    inside = 0
    for sy in range(SUPERSAMPLE):
        for sx in range(SUPERSAMPLE):
            px = x + (sx + 0.5) / SUPERSAMPLE - dx
            py = y + (sy + 0.5) / SUPERSAMPLE - dy
            if pill_distance(px, py) <= 0:
                inside += 1
    return inside / (SUPERSAMPLE * SUPERSAMPLE)


def shadow_strength(x, y):
    """The shadow: the body's shape moved 4 right and 5 down, grown by 2 pixels and softened
    over a few more, so that it runs out at the image's right and bottom edges."""
    distance = pill_distance(x + 0.5 - 5.0, y + 0.5 - 5.0) - 2.0
    softness = 4.5
    return max(0.0, min(1.0, 0.5 - distance / (2 * softness)))


def draw(background, pressed):
    """Rows of grey levels, top row first."""
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            level = float(background)
            if not pressed:
                level -= shadow_strength(x, y) * 0.55 * background
            cover = body_coverage(x, y, 5, 5) if pressed else body_coverage(x, y, 1, 0)
            level = level * (1.0 - cover)
            row.append(max(0, min(255, round(level))))
        rows.append(row)
    # Columns 16 and 17 are the stretched slice: make them identical whatever rounding did.
    for row in rows:
        row[17] = row[16]
    return rows


def rle8(rows):
    """The BMP format's 8-bit run-length encoding, bottom row first."""
    out = bytearray()
    for row in reversed(rows):
        i = 0
        while i < len(row):
            run = 1
            while i + run < len(row) and row[i + run] == row[i] and run < 255:
                run += 1
            if run >= 3 or len(row) - i < 3:
                out += bytes((run, row[i]))
                i += run
                continue
            # Absolute mode for a stretch of differing bytes: at least 3, padded to a word.
            end = i
            while end < len(row) and end - i < 255:
                if end + 2 < len(row) and row[end] == row[end + 1] == row[end + 2]:
                    break
                end += 1
            count = end - i
            if count < 3:
                out += bytes((1, row[i]))
                i += 1
                continue
            out += bytes((0, count)) + bytes(row[i:end])
            if count % 2:
                out.append(0)
            i = end
        out += b"\x00\x00"  # end of line
    out[-2:] = b"\x00\x01"  # the last end of line becomes the end of the bitmap
    return bytes(out)


def bmp(rows):
    data = rle8(rows)
    palette = b"".join(bytes((level, level, level, 0)) for level in range(256))
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 1, len(data), 3780, 3780, 256, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette + data


def main():
    here = pathlib.Path(__file__).resolve().parent
    images = {
        "BUTTON1A": (255, False),
        "BUTTON1B": (255, True),
        "BUTTON2A": (189, False),
        "BUTTON2B": (189, True),
    }
    for name, (background, pressed) in images.items():
        (here / f"{name}.bmp").write_bytes(bmp(draw(background, pressed)))


if __name__ == "__main__":
    main()
