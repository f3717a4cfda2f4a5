#!/usr/bin/env python3
"""Draws every PNG image of the program and its icon into res/images and
res/Korvane7.ico. Standard library only; the output is reproducible, so the
generated files are kept in the repository and the build needs no Python.

    python3 res/draw_images.py [--contact-sheet FILE]

With --contact-sheet it also writes one picture that shows every image, at
its own size and as the program draws it into its controls.
"""
import argparse
import os
import sys

# Nothing but the pictures is written into the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art import artwork as a  # noqa: E402
from art.contact_sheet import contact_sheet  # noqa: E402
from art.imagefiles import ico_bytes, png_bytes  # noqa: E402
from art.raster import rgb  # noqa: E402

# (id, file name, width, height, has alpha, drawing)
CATALOGUE = [
    (129, "129_header_tile_light", 15, 21, False, lambda: a.header_tile(0xF8F8F8, 0xE6E6E6, 0xC9C9C9)),
    (130, "130_header_tile_grey", 15, 21, False, lambda: a.header_tile(0xE8E8E8, 0xD0D0D0, 0xB4B4B4)),
    (131, "131_header_tile_dark", 15, 21, False, lambda: a.header_tile(0xD6D6D6, 0xBBBBBB, 0x9E9E9E)),
    (132, "132_progress_track", 9, 19, False, a.progress_track),
    (133, "133_progress_fill", 5, 17, False, a.progress_fill),
    (134, "134_caption_strip", 49, 27, False, a.caption_strip),
    (135, "135_caption_left", 40, 27, True, lambda: a.caption_end(right=False)),
    (136, "136_caption_right", 40, 27, True, lambda: a.caption_end(right=True)),
    (137, "137_caption_close", 13, 12, True, a.glyph_close),
    (138, "138_caption_hover_frame", 22, 22, True, a.hover_frame),
    (139, "139_caption_maximize", 13, 11, True, a.glyph_maximise),
    (140, "140_caption_minimize", 12, 2, True, a.glyph_minimise),
    (141, "141_caption_restore", 14, 12, True, a.glyph_restore),
    (142, "142_browse_hover", 80, 32, True,
     lambda: a.glossy_button(80, 32, 0x4F94D4, 0xEAF5FF, 0xA3CFF4, 0.7)),
    (143, "143_browse_normal", 80, 32, True,
     lambda: a.glossy_button(80, 32, 0xA3ADB9, 0xFFFFFF, 0xE0E5EB, 0.8)),
    (144, "144_browse_pressed", 80, 32, True,
     lambda: a.glossy_button(80, 32, 0x858D97, 0xB9C0C8, 0xD5DAE0, 0.25)),
    (145, "145_browse_disabled", 92, 30, True,
     lambda: a.glossy_button(92, 30, 0xCDD1D6, 0xF4F5F7, 0xF4F5F7, 0.0)),
    (146, "146_start_hover", 128, 128, True, lambda: a.play_button(0x52DDF7, 0x0795C4, 0x066F92)),
    (147, "147_start_normal", 128, 128, True, lambda: a.play_button(0x3E8EEB, 0x0B4AA3, 0x083578)),
    (149, "149_start_disabled", 128, 128, True,
     lambda: a.play_button(0xC3C8CE, 0x8D949C, 0x6F757C, rgb(0xF2F3F5))),
    (150, "150_stop_normal", 128, 128, True, lambda: a.stop_button(0x3E8EEB, 0x0B4AA3, 0x083578)),
    (151, "151_stop_hover", 128, 128, True, lambda: a.stop_button(0x62B4FF, 0x1368E0, 0x0B4DAE)),
    (161, "161_upload_hover", 550, 289, True, lambda: a.upload_button(a.WHITE, 0.0)),
    (162, "162_upload_normal", 550, 289, True, lambda: a.upload_button(a.WHITE, 0.35)),
    (163, "163_start_pressed", 128, 128, True, lambda: a.play_button(0x27446E, 0x0D1F38, 0x08162A)),
    (164, "164_stop_pressed", 128, 128, True, lambda: a.stop_button(0x62676E, 0x2F3338, 0x202326)),
    (166, "166_files_disabled", 80, 80, True, lambda: a.tile_button(0x6C727A, 0x979DA5, 0x7A8089, 0.3)),
    (167, "167_files_hover", 80, 80, True, lambda: a.tile_button(0x1B5DB0, 0x59A6F0, 0x2A72CF, 0.5)),
    (168, "168_files_normal", 80, 80, True, lambda: a.tile_button(0x123F7C, 0x3479CF, 0x1B4F9C, 0.45)),
    (169, "169_files_pressed", 80, 80, True, lambda: a.tile_button(0x0A2348, 0x163C72, 0x1F4C88, 0.15)),
    (170, "170_upload_pressed", 550, 289, True, lambda: a.upload_button(a.BLACK, 0.28)),
    (171, "171_emblem", 28, 28, True, lambda: a.emblem(28)),
    (174, "174_caption_separator", 2, 12, False, a.caption_separator),
    (175, "175_caption_menu", 12, 12, True, a.glyph_menu),
]

ICON_SIZE = 64


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--contact-sheet", metavar="FILE",
                        help="also write a picture of every image to FILE")
    args = parser.parse_args()

    here = os.path.dirname(os.path.abspath(__file__))
    folder = os.path.join(here, "images")
    os.makedirs(folder, exist_ok=True)
    drawn = {}
    for ident, name, width, height, alpha, draw in CATALOGUE:
        canvas = draw()
        if (canvas.width, canvas.height) != (width, height):
            sys.exit(f"{name}: drawn {canvas.width}x{canvas.height}, needs {width}x{height}")
        with open(os.path.join(folder, name + ".png"), "wb") as f:
            f.write(png_bytes(canvas, alpha))
        drawn[ident] = canvas
    icon = a.emblem(ICON_SIZE)
    with open(os.path.join(here, "Korvane7.ico"), "wb") as f:
        f.write(ico_bytes(icon))
    if args.contact_sheet:
        with open(args.contact_sheet, "wb") as f:
            f.write(png_bytes(contact_sheet(drawn, icon), alpha=False))


if __name__ == "__main__":
    main()
