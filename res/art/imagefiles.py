"""PNG and ICO files from a Canvas, with zlib and struct only."""
import struct
import zlib

COLOUR_RGB = 2
COLOUR_RGBA = 6


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(canvas, alpha):
    """An 8-bit PNG: RGBA when `alpha`, else RGB without an alpha channel."""
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8,
                         COLOUR_RGBA if alpha else COLOUR_RGB, 0, 0, 0)
    # Filter type 0 on every row keeps the files byte-for-byte reproducible.
    raw = b"".join(b"\x00" + row for row in canvas.rows(alpha))
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
            + _chunk(b"IDAT", zlib.compress(raw, 9)) + _chunk(b"IEND", b""))


def ico_bytes(canvas):
    """An icon file holding one 32-bit image (BGRA device-independent bitmap
    with its AND mask), the format every icon loader reads."""
    w, h = canvas.width, canvas.height
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in reversed(range(h)):
        bits = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = canvas.pixel(x, y)
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image
