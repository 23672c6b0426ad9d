#!/usr/bin/env python3
"""Draws Orvelia's four picture files into assets/.

    python3 scripts/make_assets.py [output folder]

Standard library only. The output is the same bytes on every run: shapes are drawn with fixed
4 x 4 supersampling and written with fixed encoder settings.

  index.png          32 x 32 PNG   globe with an outward arrow: open in the external browser
  lecture2.png       25 x 25 PNG   open book with a download arrow: save for offline reading
  Orvelia Logo.bmp   128 x 172 24-bit BMP   the ring logo and the name on a night gradient
  OrveliaIcon.ICO    32 x 32 32-bit icon    the ring on a rounded tile, for the tray
"""

import math
import os
import struct
import sys
import zlib

SUBSAMPLES = 4


# --- drawing -------------------------------------------------------------------------------


class Canvas:
    """Straight (not premultiplied) RGBA pixels, channels from 0.0 to 1.0."""

    def __init__(self, width, height, background=(0.0, 0.0, 0.0, 0.0)):
        self.width = width
        self.height = height
        self.pixels = [list(background) for _ in range(width * height)]

    def blend(self, x, y, colour, coverage):
        """Paints colour over the pixel with the given share of the pixel covered."""
        r, g, b, a = colour
        a *= coverage
        if a <= 0.0:
            return
        under = self.pixels[y * self.width + x]
        out_a = a + under[3] * (1.0 - a)
        if out_a <= 0.0:
            return
        for i, channel in enumerate((r, g, b)):
            under[i] = (channel * a + under[i] * under[3] * (1.0 - a)) / out_a
        under[3] = out_a

    def fill(self, inside, paint, box=None):
        """Fills the shape `inside(x, y)`; `paint(x, y)` gives the colour at a pixel centre."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        step = 1.0 / SUBSAMPLES
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for sy in range(SUBSAMPLES):
                    for sx in range(SUBSAMPLES):
                        if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                            hits += 1
                if hits:
                    self.blend(x, y, paint(x + 0.5, y + 0.5), hits / SUBSAMPLES**2)

    def bytes_rgba(self):
        out = bytearray()
        for r, g, b, a in self.pixels:
            out += bytes(to_byte(v) for v in (r, g, b, a))
        return out


def to_byte(value):
    return max(0, min(255, int(round(value * 255.0))))


def hex_colour(text, alpha=1.0):
    text = text.lstrip("#")
    return tuple(int(text[i : i + 2], 16) / 255.0 for i in (0, 2, 4)) + (alpha,)


def mix(first, second, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(first, second))


def solid(colour):
    return lambda x, y: colour


def linear_gradient(start, end, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    return lambda x, y: mix(start, end, ((x - x0) * dx + (y - y0) * dy) / length2)


# Shapes: functions of a point that tell whether it lies inside.


def circle(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def ellipse_ring(cx, cy, rx, ry, thickness):
    def inside(x, y):
        outer = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0
        irx, iry = rx - thickness, ry - thickness
        if irx <= 0 or iry <= 0:
            return outer
        return outer and ((x - cx) / irx) ** 2 + ((y - cy) / iry) ** 2 > 1.0

    return inside


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner < (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        nx = min(max(x, x0 + radius), x1 - radius)
        ny = min(max(y, y0 + radius), y1 - radius)
        return (x - nx) ** 2 + (y - ny) ** 2 <= radius * radius

    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result

    return inside


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def stroke(points, width):
    """A polyline drawn with round ends and joins."""
    half = width / 2.0
    pairs = list(zip(points, points[1:]))
    return lambda x, y: any(
        segment_distance(x, y, ax, ay, bx, by) <= half for (ax, ay), (bx, by) in pairs
    )


def clipped(shape, clip):
    return lambda x, y: shape(x, y) and clip(x, y)


# --- file formats --------------------------------------------------------------------------


def png_bytes(canvas):
    """An 8-bit RGBA PNG, no interlace, filter 0 on every row."""

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    rgba = canvas.bytes_rgba()
    stride = canvas.width * 4
    raw = b"".join(b"\x00" + rgba[y * stride : (y + 1) * stride] for y in range(canvas.height))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"IDAT", zlib.compress(raw, 9))
        + chunk(b"IEND", b"")
    )


def bottom_up_rows(canvas, pixel_bytes):
    """Rows from the bottom, as BMP stores them, each padded to 4 bytes."""
    rows = []
    for y in reversed(range(canvas.height)):
        row = bytearray()
        for x in range(canvas.width):
            row += pixel_bytes(canvas.pixels[y * canvas.width + x])
        row += b"\x00" * (-len(row) % 4)
        rows.append(bytes(row))
    return b"".join(rows)


def bmp_bytes(canvas):
    """A 24-bit BMP; the canvas is expected to be opaque."""
    pixels = bottom_up_rows(canvas, lambda p: bytes(to_byte(v) for v in (p[2], p[1], p[0])))
    info = struct.pack(
        "<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0
    )
    offset = 14 + len(info)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + pixels


def ico_bytes(canvas):
    """An icon holding one 32-bit image with its alpha, plus the 1-bit mask older readers use."""
    colour = bottom_up_rows(
        canvas, lambda p: bytes(to_byte(v) for v in (p[2], p[1], p[0], p[3]))
    )
    mask_rows = []
    for y in reversed(range(canvas.height)):
        bits = 0
        row = bytearray()
        for x in range(canvas.width):
            bits = (bits << 1) | (1 if to_byte(canvas.pixels[y * canvas.width + x][3]) == 0 else 0)
            if x % 8 == 7:
                row.append(bits)
                bits = 0
        if canvas.width % 8:
            row.append(bits << (8 - canvas.width % 8))
        row += b"\x00" * (-len(row) % 4)
        mask_rows.append(bytes(row))
    mask = b"".join(mask_rows)
    # The image header counts the colour rows and the mask rows together: twice the height.
    info = struct.pack(
        "<IiiHHIIiiII", 40, canvas.width, canvas.height * 2, 1, 32, 0, len(colour) + len(mask),
        0, 0, 0, 0,
    )
    image = info + colour + mask
    directory = struct.pack(
        "<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, 32, len(image), 6 + 16
    )
    return struct.pack("<HHH", 0, 1, 1) + directory + image


# --- the pictures --------------------------------------------------------------------------

WHITE = (1.0, 1.0, 1.0, 1.0)
RING_START = hex_colour("#3ad1ff")
RING_END = hex_colour("#8b5cf6")


def draw_external_browser():
    """32 x 32: a globe, lower left, with an arrow leaving towards the upper right."""
    c = Canvas(32, 32)
    cx, cy, r = 13.0, 19.0, 11.5
    globe = circle(cx, cy, r)
    c.fill(circle(cx, cy + 0.6, r), solid(hex_colour("#0b2545", 0.35)))  # soft shadow
    c.fill(globe, linear_gradient(hex_colour("#5db8ff"), hex_colour("#1c4fa0"), 4, 9, 22, 29))
    grid = hex_colour("#e8f4ff", 0.85)
    c.fill(clipped(ellipse_ring(cx, cy, 5.2, r, 1.1), globe), solid(grid))
    c.fill(clipped(stroke([(cx, cy - r), (cx, cy + r)], 1.1), globe), solid(grid))
    for offset in (-5.5, 0.0, 5.5):
        c.fill(clipped(stroke([(cx - r, cy + offset), (cx + r, cy + offset)], 1.1), globe),
               solid(grid))
    c.fill(ring(cx, cy, r, r - 1.2), solid(hex_colour("#123a78")))
    # The arrow: a white halo first so it stands off the globe, then the orange arrow.
    shaft = [(17.0, 15.0), (26.0, 6.0)]
    head = [(29.5, 2.5), (19.5, 2.5), (29.5, 12.5)]
    c.fill(stroke(shaft, 6.0), solid(WHITE))
    c.fill(stroke(head + [head[0]], 3.0), solid(WHITE))
    c.fill(polygon(head), solid(WHITE))
    orange = linear_gradient(hex_colour("#ffb347"), hex_colour("#f2542d"), 29, 3, 17, 15)
    c.fill(stroke(shaft, 3.2), orange)
    c.fill(polygon(head), orange)
    return c


def draw_offline_reading():
    """25 x 25: an open book with a green arrow coming down into it."""
    c = Canvas(25, 25)
    cover = hex_colour("#7a4a24")
    c.fill(polygon([(1.0, 9.0), (12.5, 11.0), (24.0, 9.0), (24.0, 22.5), (12.5, 24.5),
                    (1.0, 22.5)]), solid(cover))
    paper = linear_gradient(hex_colour("#fffdf5"), hex_colour("#efe3c4"), 12.5, 12, 12.5, 23)
    left = [(2.5, 9.5), (12.0, 11.5), (12.0, 22.5), (2.5, 20.5)]
    right = [(13.0, 11.5), (22.5, 9.5), (22.5, 20.5), (13.0, 22.5)]
    c.fill(polygon(left), paper)
    c.fill(polygon(right), paper)
    text = hex_colour("#9a8f7a", 0.9)
    for row in range(3):
        y = 14.0 + row * 2.4
        c.fill(stroke([(4.0, y - 0.9), (10.5, y + 0.5)], 0.8), solid(text))
        c.fill(stroke([(14.5, y + 0.5), (21.0, y - 0.9)], 0.8), solid(text))
    c.fill(stroke([(12.5, 11.5), (12.5, 22.5)], 0.9), solid(hex_colour("#5c3517")))
    # The arrow, with a white halo over the pages.
    shaft = [(12.5, 1.0), (12.5, 6.5)]
    head = [(7.5, 5.5), (17.5, 5.5), (12.5, 11.5)]
    c.fill(stroke(shaft, 5.5), solid(WHITE))
    c.fill(stroke(head + [head[0]], 2.5), solid(WHITE))
    green = linear_gradient(hex_colour("#6ee07a"), hex_colour("#1f9d3a"), 12.5, 1, 12.5, 11)
    c.fill(stroke(shaft, 3.2), green)
    c.fill(polygon(head), green)
    return c


# Capital letters as polylines on a 10 x 14 cell (x right, y down).
LETTERS = {
    "O": None,  # drawn as an ellipse
    "R": [[(0, 14), (0, 0), (6.5, 0), (9, 2.2), (9, 4.8), (6.5, 7), (0, 7)], [(5, 7), (9.5, 14)]],
    "V": [[(0, 0), (5, 14), (10, 0)]],
    "E": [[(9, 0), (0, 0), (0, 14), (9, 14)], [(0, 7), (7, 7)]],
    "L": [[(0, 0), (0, 14), (9, 14)]],
    "I": [[(5, 0), (5, 14)], [(2, 0), (8, 0)], [(2, 14), (8, 14)]],
    "A": [[(0, 14), (5, 0), (10, 14)], [(2.2, 9), (7.8, 9)]],
}


def draw_word(c, word, left, top, paint, width=1.9):
    advance = 13.0
    for i, letter in enumerate(word):
        x = left + i * advance
        if LETTERS[letter] is None:
            c.fill(ellipse_ring(x + 5, top + 7, 5.6, 7.6, width), paint)
            continue
        for line in LETTERS[letter]:
            c.fill(stroke([(x + px, top + py) for px, py in line], width), paint)


def draw_logo():
    """128 x 172: a gradient ring with an orbiting spark over a night sky, and the name."""
    c = Canvas(128, 172)
    sky = linear_gradient(hex_colour("#0d1b2a"), hex_colour("#1f4e5f"), 0, 0, 40, 172)
    c.fill(lambda x, y: True, sky)
    # A few faint stars at fixed places.
    for sx, sy, sr in ((14, 18, 0.9), (108, 14, 1.1), (96, 44, 0.7), (22, 108, 0.8),
                       (116, 110, 0.9), (8, 62, 0.6), (70, 8, 0.6)):
        c.fill(circle(sx, sy, sr), solid(hex_colour("#cfe8ff", 0.8)))
    cx, cy = 64.0, 66.0
    c.fill(circle(cx, cy, 50.0), solid(hex_colour("#3ad1ff", 0.08)))  # glow
    c.fill(ring(cx, cy + 1.5, 45.0, 29.0), solid(hex_colour("#05080f", 0.45)))  # shadow
    c.fill(ring(cx, cy, 45.0, 29.0), linear_gradient(RING_START, RING_END, 24, 26, 104, 106))
    c.fill(ring(cx, cy, 45.0, 43.2), solid((1.0, 1.0, 1.0, 0.25)))  # rim light
    # An orbit passing behind the ring and in front of it, with a spark riding on it.
    orbit = ellipse_ring(cx, cy, 58.0, 17.0, 1.4)
    def behind_ring(x, y):
        return y < cy and 29.0**2 < (x - cx) ** 2 + (y - cy) ** 2 <= 45.0**2

    c.fill(lambda x, y: orbit(x, y) and not behind_ring(x, y), solid(hex_colour("#ffd166", 0.9)))
    spark_x = cx + 58.0 * math.cos(math.radians(35)) - 0.7
    spark_y = cy + 17.0 * math.sin(math.radians(35)) - 0.7
    c.fill(circle(spark_x, spark_y, 6.0), solid(hex_colour("#ffd166", 0.25)))
    c.fill(circle(spark_x, spark_y, 3.4), solid(hex_colour("#fff3c4")))
    draw_word(c, "ORVELIA", 19.5, 128.0, solid(hex_colour("#e6f7ff")))
    c.fill(stroke([(34.0, 153.5), (94.0, 153.5)], 1.2), linear_gradient(
        RING_START, RING_END, 34, 0, 94, 0))
    return c


def draw_icon():
    """32 x 32: the logo's ring on a dark rounded tile."""
    c = Canvas(32, 32)
    c.fill(rounded_rect(0.5, 0.5, 31.5, 31.5, 6.0),
           linear_gradient(hex_colour("#16324a"), hex_colour("#0d1b2a"), 0, 0, 32, 32))
    c.fill(ring(16.0, 16.0, 12.0, 7.2), linear_gradient(RING_START, RING_END, 6, 6, 26, 26))
    c.fill(circle(25.2, 8.8, 2.6), solid(hex_colour("#ffd166")))
    return c


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "assets")
    os.makedirs(folder, exist_ok=True)
    files = {
        "index.png": png_bytes(draw_external_browser()),
        "lecture2.png": png_bytes(draw_offline_reading()),
        "Orvelia Logo.bmp": bmp_bytes(draw_logo()),
        "OrveliaIcon.ICO": ico_bytes(draw_icon()),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
