"""A small anti-aliased rasteriser.

Shapes are signed distance functions (negative inside, in pixels) with a
bounding box; a pixel's coverage is read from the distance at its centre,
which gives clean edges for the rounded, round and straight outlines the
artwork is made of. Pixels are kept as premultiplied floats.
"""
import math


def rgb(value, alpha=1.0):
    """0xRRGGBB and an opacity as a colour tuple of floats."""
    return ((value >> 16 & 255) / 255.0, (value >> 8 & 255) / 255.0,
            (value & 255) / 255.0, alpha)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def with_alpha(colour, alpha):
    return colour[:3] + (alpha,)


class Shape:
    """A distance function with the box (x0, y0, x1, y1) that holds it."""

    def __init__(self, dist, box):
        self.dist = dist
        self.box = box

    def __or__(self, other):
        a, b = self.dist, other.dist
        return Shape(lambda x, y: min(a(x, y), b(x, y)), _box_union(self.box, other.box))

    def __and__(self, other):
        a, b = self.dist, other.dist
        return Shape(lambda x, y: max(a(x, y), b(x, y)), _box_meet(self.box, other.box))

    def __sub__(self, other):
        a, b = self.dist, other.dist
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.box)

    def grow(self, by):
        """The outline moved outwards by `by` pixels: rounds corners."""
        d = self.dist
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: d(x, y) - by, (x0 - by, y0 - by, x1 + by, y1 + by))

    def stroke(self, width):
        """A line of the given width centred on the outline."""
        d, half = self.dist, width / 2.0
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: abs(d(x, y)) - half, (x0 - half, y0 - half, x1 + half, y1 + half))

    def moved(self, dx, dy):
        d = self.dist
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: d(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))

    def mirrored(self, width):
        """Mirrored left to right inside a picture of the given width."""
        d = self.dist
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: d(width - x, y), (width - x1, y0, width - x0, y1))


def _box_union(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _box_meet(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def rect(x0, y0, x1, y1, radius=0.0):
    """A rectangle with corners rounded by `radius`."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - radius, (y1 - y0) / 2.0 - radius

    def dist(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return Shape(dist, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry, angle=0.0):
    """An ellipse turned by `angle` degrees; the distance is approximate,
    which is close enough for anti-aliasing its edge."""
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    scale = min(rx, ry)

    def dist(x, y):
        dx, dy = x - cx, y - cy
        u, v = dx * c + dy * s, -dx * s + dy * c
        k = math.hypot(u / rx, v / ry)
        if k == 0.0:
            return -scale
        # Divide by the gradient's length so the edge stays one pixel soft.
        g = math.hypot(u / (rx * rx), v / (ry * ry)) / k
        return (k - 1.0) / g if g else (k - 1.0) * scale

    r = max(rx, ry)
    return Shape(dist, (cx - r, cy - r, cx + r, cy + r))


def polygon(points):
    """A closed polygon, exact distance, either winding."""
    pts = list(points)
    n = len(pts)

    def dist(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            best = min(best, (wx - ex * t) ** 2 + (wy - ey * t) ** 2)
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        d = math.sqrt(best)
        return -d if inside else d

    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return Shape(dist, (min(xs), min(ys), max(xs), max(ys)))


def segment(ax, ay, bx, by, width):
    """A straight line with round ends."""
    ex, ey = bx - ax, by - ay
    length2 = ex * ex + ey * ey or 1e-9
    half = width / 2.0

    def dist(x, y):
        wx, wy = x - ax, y - ay
        t = max(0.0, min(1.0, (wx * ex + wy * ey) / length2))
        return math.hypot(wx - ex * t, wy - ey * t) - half

    return Shape(dist, (min(ax, bx) - half, min(ay, by) - half, max(ax, bx) + half, max(ay, by) + half))


def below(y_edge, width):
    """The half plane under a horizontal line, as wide as the picture."""
    return Shape(lambda x, y: y_edge - y, (0, y_edge, width, 1e6))


def above(y_edge, width):
    return Shape(lambda x, y: y - y_edge, (0, -1e6, width, y_edge))


def _ramp(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
    return stops[-1][1]


def vertical(y0, y1, stops):
    """A paint that changes from top (y0) to bottom (y1) through `stops`,
    a list of (position 0..1, colour)."""
    span = float(y1 - y0) or 1.0
    return lambda x, y: _ramp(stops, (y - y0) / span)


def horizontal(x0, x1, stops):
    span = float(x1 - x0) or 1.0
    return lambda x, y: _ramp(stops, (x - x0) / span)


def radial(cx, cy, rx, ry, stops):
    return lambda x, y: _ramp(stops, math.hypot((x - cx) / rx, (y - cy) / ry))


class Canvas:
    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        r, g, b, a = background if background else (0.0, 0.0, 0.0, 0.0)
        n = width * height
        self.r, self.g, self.b, self.a = [r * a] * n, [g * a] * n, [b * a] * n, [a] * n

    def fill(self, shape, paint, soft=1.0):
        """Paints `shape` with a colour or a paint function over what is
        there. `soft` is the width of the edge in pixels: 1 gives a crisp
        anti-aliased edge, more gives a blurred one (shadows, glows)."""
        x0, y0, x1, y1 = shape.box
        pad = soft / 2.0 + 1.0
        xa, xb = max(0, int(math.floor(x0 - pad))), min(self.width, int(math.ceil(x1 + pad)))
        ya, yb = max(0, int(math.floor(y0 - pad))), min(self.height, int(math.ceil(y1 + pad)))
        dist = shape.dist
        solid = None if callable(paint) else paint
        R, G, B, A = self.r, self.g, self.b, self.a
        for y in range(ya, yb):
            py = y + 0.5
            row = y * self.width
            for x in range(xa, xb):
                px = x + 0.5
                cover = 0.5 - dist(px, py) / soft
                if cover <= 0.0:
                    continue
                if cover > 1.0:
                    cover = 1.0
                cr, cg, cb, ca = solid or paint(px, py)
                sa = ca * cover
                if sa <= 0.0:
                    continue
                i = row + x
                keep = 1.0 - sa
                R[i] = cr * sa + R[i] * keep
                G[i] = cg * sa + G[i] * keep
                B[i] = cb * sa + B[i] * keep
                A[i] = sa + A[i] * keep

    def pixel(self, x, y):
        """The straight (not premultiplied) colour at a pixel, 0..255."""
        i = y * self.width + x
        a = self.a[i]
        if a <= 0.0:
            return (0, 0, 0, 0)
        return tuple(_byte(c / a) for c in (self.r[i], self.g[i], self.b[i])) + (_byte(a),)

    def rows(self, alpha):
        """The pixels row by row as bytes, RGBA or (alpha False) RGB."""
        size = 4 if alpha else 3
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                row += bytes(self.pixel(x, y)[:size])
            yield bytes(row)


def _byte(v):
    return 0 if v <= 0.0 else 255 if v >= 1.0 else int(v * 255.0 + 0.5)
