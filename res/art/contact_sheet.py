"""One picture of all images: each at its own size on a checkerboard with its
id, then the way the program's controls draw them (scaled bilinearly into
the controls' pixel sizes over the window's grey)."""
import math

from .raster import Canvas, rect, rgb

WINDOW_GREY = rgb(0xEDEDED)
SHEET_WIDTH = 1180
PAD = 12

# Digits 3 x 5, one row of bits per line, for the id labels.
DIGITS = ["111101101101111", "010110010010111", "111001111100111", "111001111001111",
          "101101111001001", "111100111001111", "111100111101111", "111001001001001",
          "111101111101111", "111101111001111"]


def _label(sheet, x, y, number, scale=2):
    for n, ch in enumerate(str(number)):
        bits = DIGITS[int(ch)]
        for i, bit in enumerate(bits):
            if bit == "1":
                px = x + n * 4 * scale + (i % 3) * scale
                py = y + (i // 3) * scale
                sheet.fill(rect(px, py, px + scale, py + scale), rgb(0x202020))


def _checker(sheet, x, y, w, h):
    sheet.fill(rect(x, y, x + w, y + h), rgb(0x9C9C9C))
    for cy in range(0, h, 6):
        for cx in range((cy // 6 % 2) * 6, w, 12):
            sheet.fill(rect(x + cx, y + cy, x + min(cx + 6, w), y + min(cy + 6, h)), rgb(0xB4B4B4))


def draw_image(sheet, image, src, dst):
    """Draws the source rectangle of `image` into the destination rectangle
    of `sheet` with bilinear sampling, as an image drawn scaled."""
    sx, sy, sw, sh = src
    dx, dy, dw, dh = dst
    if sw <= 0 or sh <= 0 or dw <= 0 or dh <= 0:
        return
    for y in range(max(0, dy), min(sheet.height, dy + dh)):
        v = sy + (y - dy + 0.5) * sh / dh - 0.5
        for x in range(max(0, dx), min(sheet.width, dx + dw)):
            u = sx + (x - dx + 0.5) * sw / dw - 0.5
            r, g, b, a = _sample(image, u, v, src)
            if a <= 0.0:
                continue
            i = y * sheet.width + x
            keep = 1.0 - a
            sheet.r[i] = r + sheet.r[i] * keep
            sheet.g[i] = g + sheet.g[i] * keep
            sheet.b[i] = b + sheet.b[i] * keep
            sheet.a[i] = a + sheet.a[i] * keep


def _sample(image, u, v, src):
    sx, sy, sw, sh = src
    u = min(max(u, sx), sx + sw - 1)
    v = min(max(v, sy), sy + sh - 1)
    x0, y0 = int(math.floor(u)), int(math.floor(v))
    x1, y1 = min(x0 + 1, sx + sw - 1), min(y0 + 1, sy + sh - 1)
    fx, fy = u - x0, v - y0
    out = []
    for plane in (image.r, image.g, image.b, image.a):
        top = plane[y0 * image.width + x0] * (1 - fx) + plane[y0 * image.width + x1] * fx
        bottom = plane[y1 * image.width + x0] * (1 - fx) + plane[y1 * image.width + x1] * fx
        out.append(top * (1 - fy) + bottom * fy)
    return out


def _whole(image):
    return (0, 0, image.width, image.height)


def _fit_centre(sheet, image, x, y, w, h):
    """A smaller image centred at its size, a larger one squeezed, by axis."""
    if image.width < w:
        dx, dw = x + (w - image.width) // 2, image.width
    else:
        dx, dw = x, w
    if image.height < h:
        dy, dh = y + (h - image.height) // 2, image.height
    else:
        dy, dh = y, h
    draw_image(sheet, image, _whole(image), (dx, dy, dw, dh))


def _natural_row(sheet, images, y):
    """Lays the images out left to right, wrapping; returns the next free y."""
    x, row_height = PAD, 0
    for ident in sorted(images):
        image = images[ident]
        w, h = image.width, image.height
        if x + w > SHEET_WIDTH - PAD:
            x, y, row_height = PAD, y + row_height + PAD, 0
        _label(sheet, x, y, ident)
        _checker(sheet, x, y + 14, w, h)
        draw_image(sheet, image, _whole(image), (x, y + 14, w, h))
        x += max(w, 30) + PAD
        row_height = max(row_height, h + 14)
    return y + row_height + 2 * PAD


def _button_states(sheet, images, y):
    """Each button in its four looks, at the sizes the main window gives them."""
    x = PAD
    sets = [((168, 167, 169, 166), 80, 35), ((162, 161, 170, 162), 70, 35),
            ((147, 146, 163, 149), 80, 80), ((150, 151, 164, 150), 80, 80)]
    for ids, w, h in sets:
        for ident in ids:
            _fit_centre(sheet, images[ident], x, y, w, h)
            x += w + 8
        x += PAD
        if x > SHEET_WIDTH - 400:
            x, y = PAD, y + 90
    # Browse... and Open Directory: a hover frame behind the face.
    normal, hover, pressed, disabled = (images[i] for i in (143, 142, 144, 145))
    w, h = 70, 26
    _fit_centre(sheet, normal, x, y, w, h)
    x += w + 8
    draw_image(sheet, hover, _whole(hover), (x + 3, y + 3, w - 6, h - 6))
    _fit_centre(sheet, normal, x, y, w, h)
    x += w + 8
    draw_image(sheet, hover, _whole(hover), (x + 3, y + 3, w - 6, h - 6))
    clip = Canvas(w, h)
    draw_image(clip, pressed, _whole(pressed), (1, 1, pressed.width, pressed.height))
    draw_image(sheet, clip, _whole(clip), (x, y, w, h))
    x += w + 8
    _fit_centre(sheet, disabled, x, y, w, h)
    return y + 100


def _caption_bar(sheet, images, y):
    """The caption bar as it would look at a visible height: strip, ends,
    a separator and the four glyphs, the menu one under the hover frame."""
    x, w, h = PAD, 360, 27
    strip = images[134]
    draw_image(sheet, strip, (strip.width // 2, 0, 1, h), (x, y, w, h))
    draw_image(sheet, images[135], _whole(images[135]), (x, y, 40, h))
    draw_image(sheet, images[136], _whole(images[136]), (x + w - 40, y, 40, h))
    gx = x + w - 120
    draw_image(sheet, images[138], _whole(images[138]), (gx - 5, y + 2, 22, 22))
    for ident in (175, 140, 139, 137):
        image = images[ident]
        draw_image(sheet, image, _whole(image),
                   (gx + (12 - image.width) // 2, y + (h - image.height) // 2, image.width, image.height))
        gx += 26
    draw_image(sheet, images[174], _whole(images[174]), (x + w - 128, y + 8, 2, 12))
    # A list row with a progress bar at 30 %, drawn as the list draws its strips.
    px, py, pw, ph = x + w + 30, y + 4, 300, 18
    fill, track = images[133], images[132]
    cut = pw * 30 // 100
    draw_image(sheet, fill, (2, 1, 2, fill.height - 1), (px, py, cut, ph))
    draw_image(sheet, track, (2, 1, 2, track.height - 1), (px + cut, py, pw - cut, ph))
    return y + h + 2 * PAD


def _icons(sheet, icon, y):
    x = PAD
    for size in (64, 32, 16):
        draw_image(sheet, icon, _whole(icon), (x, y, size, size))
        x += size + PAD
    return y + 64 + PAD


def contact_sheet(images, icon):
    sheet = Canvas(SHEET_WIDTH, 1500, WINDOW_GREY)
    y = _natural_row(sheet, images, PAD)
    y = _button_states(sheet, images, y)
    y = _caption_bar(sheet, images, y)
    y = _icons(sheet, icon, y)
    cropped = Canvas(SHEET_WIDTH, y)
    n = SHEET_WIDTH * y
    cropped.r, cropped.g, cropped.b, cropped.a = sheet.r[:n], sheet.g[:n], sheet.b[:n], sheet.a[:n]
    return cropped
