"""The program's pictures, one function per kind of picture."""
from .raster import (Canvas, above, circle, ellipse, horizontal, mix, polygon, radial, rect, rgb,
                     segment, vertical, with_alpha)

WHITE = rgb(0xFFFFFF)
BLACK = rgb(0x000000)


def _white(alpha):
    return with_alpha(WHITE, alpha)


def _shade(colour, towards, amount):
    return mix(colour, towards, amount)


# Header tiles, progress strips and the caption bar's strips -----------------

def header_tile(top, bottom, line):
    """A header item's ground: a soft vertical gradient with a darker line
    along the bottom and the right edge."""
    c = Canvas(15, 21, rgb(top))
    c.fill(rect(0, 0, 15, 20), vertical(0, 20, [(0, rgb(top)), (1, rgb(bottom))]))
    c.fill(rect(0, 20, 15, 21), rgb(line))
    c.fill(rect(14, 0, 15, 21), rgb(line))
    c.fill(rect(13, 0, 14, 20), _white(0.55))
    return c


def progress_track():
    """The empty part of a progress bar: white fading to a cool grey."""
    c = Canvas(9, 19, rgb(0xFFFFFF))
    c.fill(rect(0, 0, 9, 19), vertical(1, 18, [(0, rgb(0xFFFFFF)), (0.5, rgb(0xF1F3F6)),
                                               (1, rgb(0xD6DBE1))]))
    c.fill(rect(0, 0, 9, 1), rgb(0xC3C9D1))
    c.fill(rect(0, 18, 9, 19), rgb(0xB4BBC5))
    return c


def progress_fill():
    """The filled part of a progress bar: glossy light blue."""
    c = Canvas(5, 17, rgb(0xFFFFFF))
    c.fill(rect(0, 0, 5, 17), vertical(1, 16, [(0, rgb(0xE4F4FF)), (0.47, rgb(0xB3DCFA)),
                                               (0.5, rgb(0x8CCAF7)), (1, rgb(0xA8DAFC))]))
    c.fill(rect(0, 0, 5, 1), rgb(0x5EA6E3))
    c.fill(rect(0, 16, 5, 17), rgb(0x4E97D6))
    return c


def _caption_paint(height=27):
    return vertical(0, height, [(0.0, rgb(0x6C727B)), (0.04, rgb(0x6C727B)),
                                (0.05, rgb(0x4E535C)), (0.5, rgb(0x363A41)),
                                (0.52, rgb(0x25282D)), (0.96, rgb(0x1A1C20)),
                                (0.97, rgb(0x0E0F11)), (1.0, rgb(0x0E0F11))])


def caption_strip():
    """The dark glossy caption bar; every column alike, since the bar is
    stretched from one column."""
    c = Canvas(49, 27, BLACK)
    c.fill(rect(0, 0, 49, 27), _caption_paint())
    return c


def caption_end(right):
    """An end piece of the caption bar, its outer top corner rounded."""
    c = Canvas(40, 27)
    shape = rect(0, 0, 80, 60, 7) & rect(0, 0, 40, 27)
    # A faint light rim round the corner and down the outer side, fading
    # out before it meets the strip's own top line.
    edge = rect(0.5, 0.5, 80, 60, 6.5).stroke(1) & rect(0, 0, 8, 27)
    if right:
        shape, edge = shape.mirrored(40), edge.mirrored(40)
    c.fill(shape, _caption_paint())
    c.fill(edge, vertical(0, 27, [(0, _white(0.3)), (1, _white(0.0))]))
    return c


def caption_separator():
    """A thin groove: a dark column beside a light one, fading at the ends."""
    c = Canvas(2, 12, rgb(0x3A3E45))
    fade = [(0, 0.0), (0.25, 1.0), (0.75, 1.0), (1, 0.0)]
    c.fill(rect(0, 0, 1, 12), vertical(0, 12, [(t, with_alpha(rgb(0x16181B), a)) for t, a in fade]))
    c.fill(rect(1, 0, 2, 12), vertical(0, 12, [(t, with_alpha(rgb(0x6A7079), a)) for t, a in fade]))
    return c


# Caption glyphs ---------------------------------------------------------------

def glyph_close():
    c = Canvas(13, 12)
    c.fill(segment(2.5, 2, 10.5, 10, 1.8) | segment(10.5, 2, 2.5, 10, 1.8), WHITE)
    return c


def glyph_maximise():
    c = Canvas(13, 11)
    c.fill(rect(1, 1, 12, 10) - rect(2, 3, 11, 9), WHITE)
    return c


def glyph_minimise():
    c = Canvas(12, 2)
    c.fill(rect(1, 0, 11, 2, 0.5), WHITE)
    return c


def glyph_restore():
    c = Canvas(14, 12)
    front = rect(1, 4, 10, 11)
    back = rect(4, 1, 13, 8) - rect(5, 3, 12, 7)
    c.fill(back - front, WHITE)
    c.fill(front - rect(2, 6, 9, 10), WHITE)
    return c


def glyph_menu():
    c = Canvas(12, 12)
    c.fill(rect(1, 2, 11, 4, 0.5) | rect(1, 5, 11, 7, 0.5) | rect(1, 8, 11, 10, 0.5), WHITE)
    return c


def hover_frame():
    """A frosted square that lights up a caption button under the mouse."""
    c = Canvas(22, 22)
    c.fill(rect(0, 0, 22, 22, 4), vertical(0, 22, [(0, _white(0.28)), (1, _white(0.08))]))
    c.fill(rect(0.5, 0.5, 21.5, 21.5, 3.5).stroke(1), _white(0.6))
    return c


# Push buttons ------------------------------------------------------------------

def glossy_button(width, height, border, top, bottom, gloss, radius=8):
    """A rounded push button with a bevelled edge and a glossy upper half;
    gloss 0 gives a flat face."""
    c = Canvas(width, height)
    inner = rect(1, 1, width - 1, height - 1, radius - 1)
    c.fill(rect(0, 0, width, height, radius), rgb(border))
    c.fill(inner, vertical(1, height - 1, [(0, rgb(top)), (1, rgb(bottom))]))
    if gloss:
        c.fill(inner & above(height * 0.5, width),
               vertical(1, height * 0.5, [(0, _white(gloss)), (1, _white(gloss * 0.25))]))
        c.fill(rect(1.5, 1.5, width - 1.5, height - 1.5, radius - 1.5).stroke(1)
               & above(height * 0.5, width), _white(0.6))
    return c


def tile_button(border, top, bottom, gloss):
    """A square button with rounded corners, glossy above its middle."""
    c = Canvas(80, 80)
    inner = rect(1, 1, 79, 79, 13)
    c.fill(rect(0, 0, 80, 80, 14), rgb(border))
    c.fill(inner, vertical(1, 79, [(0, rgb(top)), (1, rgb(bottom))]))
    c.fill(inner & ellipse(40, 86, 70, 44),
           radial(40, 86, 70, 44, [(0, _white(gloss * 0.5)), (1, _white(0.0))]))
    c.fill(inner & above(38, 80), vertical(1, 38, [(0, _white(gloss)), (1, _white(gloss * 0.3))]))
    c.fill(rect(1.5, 1.5, 78.5, 78.5, 12.5).stroke(1), _white(0.22))
    return c


# Round Start and Stop buttons ---------------------------------------------------

def _play_triangle():
    return polygon([(52, 40), (52, 84), (89, 62)]).grow(3)


def _stop_square():
    return rect(43, 41, 85, 83, 6)


def disc_button(top, bottom, rim, glyph_shape, glyph=WHITE):
    """A round button in a light metal bezel with a glossy face."""
    c = Canvas(128, 128)
    cx, cy = 64, 62
    face = circle(cx, cy, 52)
    c.fill(circle(cx, cy + 4, 57), with_alpha(BLACK, 0.38), soft=8)
    c.fill(circle(cx, cy, 59), vertical(cy - 59, cy + 59, [(0, rgb(0xFFFFFF)), (1, rgb(0xB3BCC7))]))
    c.fill(circle(cx, cy, 53.5), rgb(rim))
    c.fill(face, vertical(cy - 52, cy + 52, [(0, rgb(top)), (1, rgb(bottom))]))
    c.fill(face & circle(cx, cy + 52, 44),
           radial(cx, cy + 52, 44, 44, [(0, with_alpha(rgb(top), 0.7)), (1, with_alpha(rgb(top), 0.0))]))
    c.fill(circle(cx, cy, 50) & ellipse(cx, cy - 22, 44, 29),
           vertical(cy - 50, cy + 6, [(0, _white(0.72)), (1, _white(0.06))]))
    c.fill(glyph_shape.moved(0, 2), with_alpha(rgb(bottom), 0.55), soft=3)
    c.fill(glyph_shape, vertical(38, 86, [(0, glyph), (1, mix(glyph, rgb(bottom), 0.12))]))
    return c


def play_button(top, bottom, rim, glyph=WHITE):
    return disc_button(top, bottom, rim, _play_triangle(), glyph)


def stop_button(top, bottom, rim, glyph=WHITE):
    return disc_button(top, bottom, rim, _stop_square(), glyph)


# Upload button --------------------------------------------------------------------

UPLOAD_TOP, UPLOAD_BOTTOM, UPLOAD_BORDER = rgb(0x2CC9B2), rgb(0x0B8A7C), rgb(0x08695F)


def upload_button(tint, amount):
    """A wide badge with an arrow rising out of a tray, our own upload mark.
    `tint` and `amount` lighten (towards white) or darken (towards black)
    the badge's own colours."""
    w, h = 550, 289
    top, bottom, border = (_shade(col, tint, amount) for col in (UPLOAD_TOP, UPLOAD_BOTTOM, UPLOAD_BORDER))
    c = Canvas(w, h)
    badge = rect(14, 10, 536, 272, 62)
    inner = rect(20, 16, 530, 266, 56)
    c.fill(badge.moved(0, 6), with_alpha(BLACK, 0.32), soft=16)
    c.fill(badge, border)
    c.fill(inner, vertical(16, 266, [(0, top), (1, bottom)]))
    c.fill(inner & ellipse(275, -40, 340, 168),
           vertical(16, 128, [(0, _white(0.5)), (1, _white(0.1))]))
    arrow = polygon([(275, 44), (352, 121), (304, 121), (304, 186),
                     (246, 186), (246, 121), (198, 121)]).grow(5)
    tray = (segment(168, 160, 168, 222, 30) | segment(168, 222, 382, 222, 30)
            | segment(382, 222, 382, 160, 30))
    mark = arrow | tray
    c.fill(mark.moved(0, 6), with_alpha(mix(bottom, BLACK, 0.4), 0.45), soft=10)
    c.fill(mark, vertical(40, 240, [(0, WHITE), (1, rgb(0xE4F4F1))]))
    return c


# Application emblem and icon --------------------------------------------------------

def emblem(size):
    """A blue disc with a play mark inside a tilted orbit: a clip that is
    seen all the way round."""
    s = size / 64.0
    c = Canvas(size, size)
    cx = cy = size / 2.0
    if size >= 48:
        c.fill(circle(cx, cy + 1.2 * s, 30 * s), with_alpha(BLACK, 0.35), soft=3 * s)
        c.fill(circle(cx, cy, 30.5 * s), vertical(0, size, [(0, rgb(0xFFFFFF)), (1, rgb(0xAEB8C4))]))
    c.fill(circle(cx, cy, 27.5 * s if size >= 48 else 31.5 * s), rgb(0x0B3F86))
    face = circle(cx, cy, 26.5 * s if size >= 48 else 30.5 * s)
    c.fill(face, vertical(cy - 27 * s, cy + 27 * s, [(0, rgb(0x4AA3F5)), (1, rgb(0x0F4FA6))]))
    c.fill(face & ellipse(cx, cy - 12 * s, 23 * s, 15 * s),
           vertical(cy - 27 * s, cy, [(0, _white(0.6)), (1, _white(0.05))]))
    orbit = ellipse(cx, cy + 1 * s, 23 * s, 8.5 * s, -18).stroke(max(1.2, 2.6 * s))
    c.fill(orbit, _white(0.85))
    play = polygon([(cx - 7 * s, cy - 12 * s), (cx - 7 * s, cy + 12 * s),
                    (cx + 13 * s, cy)]).grow(1.5 * s)
    c.fill(play.grow(1.6 * s), rgb(0x0F4FA6))
    c.fill(play, WHITE)
    return c
