"""The product's mark: a ring running through every hue around a bright spark."""
import math

from PIL import Image, ImageDraw

import draw
from draw import s


def hue_wheel(size, cx, cy, r):
    """A layer whose colour turns through the hues around (cx, cy)."""
    wheel = Image.new('RGBA', size, (0, 0, 0, 0))
    d = ImageDraw.Draw(wheel)
    box = draw.sbox((cx - r, cy - r, cx + r, cy + r))
    for degree in range(360):
        d.pieslice(box, degree - 90, degree - 88, fill=draw.hue(degree / 360, 0.85, 1.0))
    return wheel


def spark_mask(size, cx, cy, r):
    """A four-pointed star."""
    mask = Image.new('L', size, 0)
    points = []
    for i in range(8):
        a = math.radians(i * 45 - 90)
        reach = r if i % 2 == 0 else r * 0.28
        points.append((s(cx + reach * math.cos(a)), s(cy + reach * math.sin(a))))
    ImageDraw.Draw(mask).polygon(points, fill=255)
    return mask


def mark(layer, cx, cy, r, thickness):
    size = layer.size
    ring = draw.shape_mask(size, lambda d: d.ellipse(
        draw.sbox((cx - r, cy - r, cx + r, cy + r)), fill=255))
    hole = draw.shape_mask(size, lambda d: d.ellipse(draw.sbox(
        (cx - r + thickness, cy - r + thickness, cx + r - thickness, cy + r - thickness)),
        fill=255))
    ring = Image.composite(Image.new('L', size, 0), ring, hole)
    wheel = hue_wheel(size, cx, cy, r + 2)
    draw.glow(layer, wheel, ring, r * 0.35, 1.2)
    draw.paint(layer, wheel, ring)
    spark = spark_mask(size, cx, cy, (r - thickness) * 0.85)
    draw.glow(layer, (255, 255, 255, 255), spark, r * 0.15, 1.0)
    draw.paint(layer, (255, 255, 255, 255), spark)
