#!/usr/bin/env python3
"""Writes the flat-colour PNG images of the controls' test suites next to
this script (see ../TestImages.h for what each one is). Standard library
only; the output is reproducible, so the files are kept in the repository.

    python3 tests/controls/images/make_test_images.py
"""
import os
import struct
import zlib

RED, GREEN, BLUE, YELLOW = 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00
MAGENTA, CYAN, ORANGE = 0xFF00FF, 0x00FFFF, 0xFF8000
VIOLET, LEAF, BLACK = 0x8040C0, 0x20A040, 0x000000


def png(width, height, pixel, alpha):
    """PNG bytes of an image whose pixel(x, y) is 0xRRGGBB, opaque."""
    rows = b""
    for y in range(height):
        rows += b"\0"
        for x in range(width):
            c = pixel(x, y)
            rows += bytes([(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF])
            if alpha:
                rows += b"\xff"

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    colour_type = 6 if alpha else 2
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


def flat(colour):
    return lambda x, y: colour


def strip_part(colour, columns, from_row):
    return lambda x, y: colour if x in columns and y >= from_row else BLACK


IMAGES = {
    "face_red.png": (40, 20, flat(RED), True),
    "face_green.png": (40, 20, flat(GREEN), True),
    "face_blue.png": (40, 20, flat(BLUE), True),
    "face_yellow.png": (40, 20, flat(YELLOW), True),
    "frame_magenta.png": (10, 10, flat(MAGENTA), True),
    "strip_1.png": (1, 8, flat(CYAN), False),
    "strip_2.png": (2, 8, lambda x, y: CYAN if x == 1 else ORANGE, False),
    "strip_3.png": (3, 8, lambda x, y: CYAN if x == 1 else ORANGE, False),
    "track.png": (9, 19, strip_part(VIOLET, (2, 3), 1), False),
    "fill.png": (5, 17, strip_part(LEAF, (2, 3), 1), False),
}

if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for name, (w, h, pixel, alpha) in IMAGES.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(png(w, h, pixel, alpha))
    with open(os.path.join(here, "not_a_png.bin"), "wb") as f:
        f.write(b"These bytes are not an image of any kind.\n")
