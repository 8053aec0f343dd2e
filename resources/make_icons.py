#!/usr/bin/env python3
"""Draws the palette's three button icons and their masks as 16 x 16 PNG files.

Run it from anywhere; it writes the six files beside itself:

    python3 resources/make_icons.py

Each icon is opaque; its mask decides which pixels show: black shows, white hides, and the grey of an
edge pixel lets it show in part. Shapes are sampled 4 x 4 times a pixel, so that the mask's edges are
smooth. Plain Python 3: the PNG writer uses zlib only.
"""

import math
import os
import struct
import zlib

SIZE = 16
SAMPLES = 4
HIDDEN = (255, 255, 255)


def write_png(path, width, height, rows, grey):
    """rows: one list per row, of (r, g, b) tuples or, for grey, of ints."""
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for pixel in row:
            if grey:
                raw.append(pixel)
            else:
                raw.extend(pixel)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    colour_type = 0 if grey else 2
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


def coverage(inside, x, y):
    """The share of pixel (x, y) that the shape covers, 0.0 to 1.0."""
    hits = 0
    for j in range(SAMPLES):
        for i in range(SAMPLES):
            if inside(x + (i + 0.5) / SAMPLES, y + (j + 0.5) / SAMPLES):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def in_triangle(px, py, a, b, c):
    def side(p, q, r):
        return (p[0] - r[0]) * (q[1] - r[1]) - (q[0] - r[0]) * (p[1] - r[1])

    d1 = side((px, py), a, b)
    d2 = side((px, py), b, c)
    d3 = side((px, py), c, a)
    negative = d1 < 0 or d2 < 0 or d3 < 0
    positive = d1 > 0 or d2 > 0 or d3 > 0
    return not (negative and positive)


# Reload: a ring, open at the upper right, with an arrow head at its end.
CENTRE = 8.0


def reload_inside(x, y):
    dx, dy = x - CENTRE, y - CENTRE
    radius = math.hypot(dx, dy)
    angle = math.degrees(math.atan2(-dy, dx)) % 360  # 0 to the right, counter-clockwise
    on_ring = 3.5 <= radius <= 6.0 and not (0 <= angle <= 85)
    head = in_triangle(x, y, (8.0, 0.2), (8.0, 6.3), (12.6, 3.25))
    return on_ring or head


def reload_colour(x, y):
    return (40, 70, 120)


# Close: a round disc with a cross through it.
def close_inside(x, y):
    return math.hypot(x - CENTRE, y - CENTRE) <= 7.0


def close_colour(x, y):
    cx, cy = x + 0.5 - CENTRE, y + 0.5 - CENTRE
    on_cross = abs(abs(cx) - abs(cy)) <= 1.0 and max(abs(cx), abs(cy)) <= 3.6
    return (255, 255, 255) if on_cross else (150, 40, 40)


# Folder: a tab on the left over the folder's body.
def folder_inside(x, y):
    tab = 1.0 <= x <= 7.0 and 2.0 <= y <= 5.0
    body = 1.0 <= x <= 15.0 and 4.0 <= y <= 14.0
    return tab or body


def folder_colour(x, y):
    edge = x in (1, 14) or y in (2, 13) or (y == 4 and x >= 7) or (x == 6 and y <= 4)
    if edge:
        return (150, 110, 30)
    return (250, 210, 90) if y >= 5 else (230, 185, 70)


ICONS = [
    ("Reload", reload_inside, reload_colour),
    ("Close", close_inside, close_colour),
    ("folder", folder_inside, folder_colour),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, inside, colour in ICONS:
        icon_rows, mask_rows = [], []
        for y in range(SIZE):
            icon_row, mask_row = [], []
            for x in range(SIZE):
                share = coverage(inside, x, y)
                icon_row.append(colour(x, y) if share > 0 else HIDDEN)
                mask_row.append(round(255 * (1.0 - share)))
            icon_rows.append(icon_row)
            mask_rows.append(mask_row)
        write_png(os.path.join(here, name + ".png"), SIZE, SIZE, icon_rows, grey=False)
        write_png(os.path.join(here, name + "MASK.png"), SIZE, SIZE, mask_rows, grey=True)


if __name__ == "__main__":
    main()
