"""Drawing helpers on supersampled RGBA layers.

Artwork is drawn at SCALE times its final size and reduced with a box filter, which
gives smooth edges from Pillow's aliased primitives. Coordinates passed in are final
pixels; the helpers scale them.
"""
import colorsys

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from fontset import font

SCALE = 3


def s(value):
    """Final pixels to supersampled pixels."""
    return int(round(value * SCALE))


def sbox(box):
    return tuple(s(v) for v in box)


def new_layer(size):
    """A transparent supersampled layer for a final size."""
    return Image.new('RGBA', (s(size[0]), s(size[1])), (0, 0, 0, 0))


def reduce(layer):
    """Back to final pixels: each SCALE x SCALE block averaged."""
    w, h = layer.size
    return layer.resize((w // SCALE, h // SCALE), Image.BOX)


def hue(h, sat=1.0, val=1.0, alpha=255):
    r, g, b = colorsys.hsv_to_rgb(h % 1.0, sat, val)
    return (round(r * 255), round(g * 255), round(b * 255), alpha)


def mix(c1, c2, t):
    return tuple(round(a + (b - a) * t) for a, b in zip(c1, c2))


def with_alpha(colour, alpha):
    return colour[:3] + (alpha,)


def shape_mask(size, painter):
    """An L mask of a supersampled layer size, white where the painter draws."""
    mask = Image.new('L', size, 0)
    painter(ImageDraw.Draw(mask))
    return mask


def rounded_mask(size, box, radius, inset=0):
    x0, y0, x1, y1 = box
    return shape_mask(size, lambda d: d.rounded_rectangle(
        sbox((x0 + inset, y0 + inset, x1 - inset, y1 - inset)), s(max(radius - inset, 0)),
        fill=255))


def ring_mask(size, box, radius, width):
    """The band of a rounded rectangle's outline, `width` final pixels thick."""
    outer = rounded_mask(size, box, radius)
    inner = rounded_mask(size, box, radius, width)
    return Image.composite(Image.new('L', size, 0), outer, inner)


def horizontal_gradient(size, stops):
    """A layer filled left to right through evenly spaced colour stops."""
    w, h = size
    strip = Image.new('RGBA', (w, 1))
    pixels = strip.load()
    for x in range(w):
        t = x / max(w - 1, 1) * (len(stops) - 1)
        i = min(int(t), len(stops) - 2)
        pixels[x, 0] = mix(stops[i], stops[i + 1], t - i)
    return strip.resize((w, h), Image.NEAREST)


def vertical_gradient(size, stops):
    return horizontal_gradient((size[1], size[0]), stops).transpose(Image.TRANSPOSE)


def paint(layer, fill, mask):
    """Composite a fill (a colour or a layer-sized image) through an L mask."""
    if isinstance(fill, tuple):
        source = Image.new('RGBA', layer.size, fill)
    else:
        source = fill.copy()
    source.putalpha(ImageChops.multiply(source.getchannel('A'), mask))
    layer.alpha_composite(source)


def glow(layer, fill, mask, radius, strength=1.0):
    """A soft light: the masked fill blurred by `radius` final pixels."""
    light = Image.new('RGBA', layer.size, (0, 0, 0, 0))
    paint(light, fill, mask)
    light = light.filter(ImageFilter.GaussianBlur(s(radius)))
    if strength != 1.0:
        light.putalpha(light.getchannel('A').point(lambda a: min(255, round(a * strength))))
    layer.alpha_composite(light)


def text_size(text, kind, size):
    box = font(kind, s(size)).getbbox(text)
    return (box[2] - box[0]) / SCALE, (box[3] - box[1]) / SCALE


def text(layer, xy, content, kind, size, fill, anchor='la', bold=0.0):
    """Text at final-pixel position xy; bold > 0 thickens it by that many final pixels."""
    ImageDraw.Draw(layer).text((s(xy[0]), s(xy[1])), content, font=font(kind, s(size)),
                               fill=fill, anchor=anchor, stroke_width=s(bold),
                               stroke_fill=fill)


def spaced_text(layer, x, y, content, kind, size, fill, spacing, bold=0.0):
    """Text on a baseline at (x, y) with extra space between the characters; returns the
    x where the text ends."""
    for ch in content:
        text(layer, (x, y), ch, kind, size, fill, 'ls', bold)
        x += font(kind, s(size)).getlength(ch) / SCALE + spacing
    return x
