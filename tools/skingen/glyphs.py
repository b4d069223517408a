"""The pictures on the buttons, as masks: each glyph is a list of (mask, alpha) parts.

A glyph is drawn centred at (cx, cy) with radius r (final pixels) on a layer of the
given supersampled size; the caller colours the masks (grey at rest, the effect's
colours when selected).
"""
import math

from PIL import Image, ImageDraw

import draw
from draw import s
from fontset import font


def _mask(size):
    image = Image.new('L', size, 0)
    return image, ImageDraw.Draw(image)


def _arc(d, cx, cy, r, start, end, width):
    """An arc with round ends; angles in degrees clockwise from three o'clock."""
    d.arc(draw.sbox((cx - r, cy - r, cx + r, cy + r)), start, end, fill=255, width=s(width))
    for angle in (start, end):
        x = cx + (r - width / 2) * math.cos(math.radians(angle))
        y = cy + (r - width / 2) * math.sin(math.radians(angle))
        _dot(d, x, y, width / 2)


def _dot(d, x, y, radius):
    d.ellipse(draw.sbox((x - radius, y - radius, x + radius, y + radius)), fill=255)


def _arrow_head(d, cx, cy, r, angle, size):
    """A head at `angle` on a circle, pointing clockwise along it."""
    a = math.radians(angle)
    tip = (cx + r * math.cos(a) - size * math.sin(a), cy + r * math.sin(a) + size * math.cos(a))
    base1 = (cx + (r + size) * math.cos(a), cy + (r + size) * math.sin(a))
    base2 = (cx + (r - size) * math.cos(a), cy + (r - size) * math.sin(a))
    d.polygon([(s(x), s(y)) for x, y in (tip, base1, base2)], fill=255)


def _line(d, points, width):
    d.line([(s(x), s(y)) for x, y in points], fill=255, width=s(width))
    for x, y in points:
        _dot(d, x, y, width / 2)


def auto(size, cx, cy, r):
    ring, d = _mask(size)
    _arc(d, cx, cy, r, 50, 320, 3.0)
    _arrow_head(d, cx, cy, r - 1.5, 320, 4.5)
    letter, d = _mask(size)
    d.text((s(cx), s(cy + 0.5)), 'A', font=font('latin-bold', s(r * 1.05)), fill=255,
           anchor='mm')
    return [(ring, 255), (letter, 255)]


def on(size, cx, cy, r):
    image, d = _mask(size)
    _dot(d, cx, cy, r * 0.36)
    for i in range(8):
        a = math.radians(i * 45 - 90)
        _line(d, [(cx + r * 0.62 * math.cos(a), cy + r * 0.62 * math.sin(a)),
                  (cx + r * 0.95 * math.cos(a), cy + r * 0.95 * math.sin(a))], 2.6)
    return [(image, 255)]


def rainbow(size, cx, cy, r):
    parts = []
    base = cy + r * 0.45
    for fraction in (1.0, 0.72, 0.44):
        band, d = _mask(size)
        _arc(d, cx, base, r * fraction + 1.0, 180, 360, 3.2)
        parts.append((band, 255))
    return parts


def breath(size, cx, cy, r):
    core, d = _mask(size)
    _dot(d, cx, cy, r * 0.28)
    inner, d = _mask(size)
    _arc(d, cx, cy, r * 0.64, 0, 360, 2.4)
    outer, d = _mask(size)
    _arc(d, cx, cy, r, 0, 360, 2.0)
    return [(core, 255), (inner, 180), (outer, 90)]


def colorloop(size, cx, cy, r):
    image, d = _mask(size)
    _arc(d, cx, cy, r, 200, 330, 3.4)
    _arc(d, cx, cy, r, 20, 150, 3.4)
    _arrow_head(d, cx, cy, r - 1.7, 330, 4.8)
    _arrow_head(d, cx, cy, r - 1.7, 150, 4.8)
    _dot(d, cx, cy, r * 0.3)
    return [(image, 255)]


def close(size, cx, cy, r):
    image, d = _mask(size)
    _line(d, [(cx - r, cy - r), (cx + r, cy + r)], 2.4)
    _line(d, [(cx - r, cy + r), (cx + r, cy - r)], 2.4)
    return [(image, 255)]


def minimise(size, cx, cy, r):
    image, d = _mask(size)
    _line(d, [(cx - r, cy), (cx + r, cy)], 2.4)
    return [(image, 255)]


MODE_GLYPHS = {
    'auto': auto,
    'on': on,
    'rainbow': rainbow,
    'breath': breath,
    'colorloop': colorloop,
}
