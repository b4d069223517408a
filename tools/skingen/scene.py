"""The main window's scene without its button faces: backdrop, title, keyboard, panel."""
from PIL import Image, ImageDraw, ImageFilter

import draw
import logo
from draw import s
from layout import BACKGROUND_SIZE, WINDOW_SIZE

TOP = (16, 20, 31, 255)
BOTTOM = (6, 8, 13, 255)
MUTED = (127, 138, 160, 255)

# Key widths in key units per row; each row spans fifteen units.
KEY_ROWS = [
    [1] * 15,
    [1] * 13 + [2],
    [1.5] + [1] * 12 + [1.5],
    [1.75] + [1] * 11 + [2.25],
    [2.25] + [1] * 10 + [2.75],
    [1.25, 1.25, 1.25, 6.25, 1.25, 1.25, 1.25, 1.25],
]
KEY_PITCH = 44
KEY_GAP = 6
FUNCTION_ROW_HEIGHT = 26
KEY_HEIGHT = 38
KEYBOARD_LEFT = (WINDOW_SIZE[0] - (15 * KEY_PITCH - KEY_GAP)) // 2
KEYBOARD_TOP = 176


def _local(scene, box, painter, margin=40):
    """Run a painter on a small layer covering box plus a margin, then lay it on the scene;
    the painter gets the layer and the layer's origin in final pixels."""
    x0, y0, x1, y1 = box
    ox, oy = x0 - margin, y0 - margin
    layer = draw.new_layer((x1 - x0 + 2 * margin, y1 - y0 + 2 * margin))
    painter(layer, ox, oy)
    scene.alpha_composite(layer, (s(ox), s(oy)))


def _backdrop(scene):
    scene.alpha_composite(draw.vertical_gradient(scene.size, [TOP, BOTTOM]))
    size = scene.size
    lights = [((-220, -260, 420, 260), (34, 211, 238, 70)),
              ((640, -200, 1260, 300), (168, 85, 247, 60)),
              ((180, 420, 840, 760), (59, 130, 246, 40))]
    for box, colour in lights:
        mask = draw.shape_mask(size, lambda d, b=box: d.ellipse(draw.sbox(b), fill=255))
        draw.glow(scene, colour, mask, 110)
    dots = Image.new('RGBA', size, (0, 0, 0, 0))
    d = ImageDraw.Draw(dots)
    for y in range(12, BACKGROUND_SIZE[1], 24):
        for x in range(12, BACKGROUND_SIZE[0], 24):
            d.ellipse(draw.sbox((x - 0.7, y - 0.7, x + 0.7, y + 0.7)), fill=(255, 255, 255, 14))
    scene.alpha_composite(dots)


def _header(scene, words):
    def mark(layer, ox, oy):
        logo.mark(layer, 52 - ox, 46 - oy, 16, 4.5)

    _local(scene, (30, 24, 74, 68), mark, 20)
    draw.spaced_text(scene, 84, 54, words['title'], words['font-bold'], 24, (241, 245, 249, 255),
                 words['title-spacing'], words['title-bold'])
    draw.text(scene, (85, 78), words['subtitle'], words['font'], 13, MUTED)
    rule = draw.shape_mask(scene.size, lambda d: d.rectangle(draw.sbox((40, 104, 979, 105)),
                                                             fill=255))
    fade = draw.horizontal_gradient(scene.size, [(255, 255, 255, 0), (255, 255, 255, 40),
                                                 (255, 255, 255, 40), (255, 255, 255, 0)])
    draw.paint(scene, fade, rule)


def _keys():
    """Each key's box in final pixels, row by row."""
    y = KEYBOARD_TOP
    for row, widths in enumerate(KEY_ROWS):
        height = FUNCTION_ROW_HEIGHT if row == 0 else KEY_HEIGHT
        x = KEYBOARD_LEFT
        for units in widths:
            width = units * KEY_PITCH - KEY_GAP
            yield (x, y, x + width, y + height)
            x += units * KEY_PITCH
        y += height + KEY_GAP


def _keyboard(scene):
    keys = list(_keys())
    left, top = KEYBOARD_LEFT, KEYBOARD_TOP
    right = max(k[2] for k in keys)
    bottom = max(k[3] for k in keys)
    deck = (left - 30, top - 30, right + 30, bottom + 150)
    pad = (WINDOW_SIZE[0] / 2 - 110, bottom + 26, WINDOW_SIZE[0] / 2 + 110, bottom + 126)

    def paint(layer, ox, oy):
        def local(box):
            return (box[0] - ox, box[1] - oy, box[2] - ox, box[3] - oy)

        size = layer.size
        spectrum = [draw.hue(0.55 + i / 8, 0.8, 1.0) for i in range(9)]
        under = draw.shape_mask(size, lambda d: d.rounded_rectangle(
            draw.sbox(local(deck)), s(26), fill=255))
        draw.glow(layer, draw.horizontal_gradient(size, spectrum), under, 28, 0.45)
        draw.paint(layer, draw.vertical_gradient(size, [(27, 32, 45, 255), (15, 18, 27, 255)]),
                   under)
        draw.paint(layer, (255, 255, 255, 26), draw.ring_mask(size, local(deck), 26, 1))
        field = draw.shape_mask(size, lambda d: d.rectangle(
            draw.sbox(local((left, top, right, bottom))), fill=255))
        draw.glow(layer, draw.horizontal_gradient(size, spectrum), field, 9, 1.6)
        caps = Image.new('RGBA', size, (0, 0, 0, 0))
        d = ImageDraw.Draw(caps)
        for key in keys:
            t = (((key[0] + key[2]) / 2) - left) / (right - left)
            edge = _spectrum_at(spectrum, t)
            d.rounded_rectangle(draw.sbox(local(key)), s(5), fill=draw.with_alpha(edge, 170))
            inner = local((key[0] + 1, key[1] + 1, key[2] - 1, key[3] - 1.6))
            d.rounded_rectangle(draw.sbox(inner), s(4.5), fill=(24, 28, 40, 250))
        layer.alpha_composite(caps)
        draw.paint(layer, (255, 255, 255, 10), draw.rounded_mask(size, local(pad), 10))
        draw.paint(layer, (255, 255, 255, 30), draw.ring_mask(size, local(pad), 10, 1))

    _local(scene, deck, paint, 60)


def _spectrum_at(stops, t):
    t = min(max(t, 0.0), 1.0) * (len(stops) - 1)
    i = min(int(t), len(stops) - 2)
    return draw.mix(stops[i], stops[i + 1], t - i)


def _panel(scene, words):
    box = (70, 608, WINDOW_SIZE[0] - 70, 754)
    draw.paint(scene, (255, 255, 255, 9), draw.rounded_mask(scene.size, box, 18))
    draw.paint(scene, (255, 255, 255, 22), draw.ring_mask(scene.size, box, 18, 1))
    end = draw.spaced_text(scene, 101, 636, words['section'], words['font-bold'], 12, MUTED, 1.6,
                       words['bold'])
    rule = draw.shape_mask(scene.size, lambda d: d.rectangle(
        draw.sbox((end + 12, 631, 920, 632)), fill=255))
    draw.paint(scene, draw.horizontal_gradient(scene.size, [(255, 255, 255, 40),
                                                            (255, 255, 255, 0)]), rule)


def _vignette(scene):
    inside = draw.shape_mask(scene.size, lambda d: d.ellipse(draw.sbox((-260, -200, 1280, 980)),
                                                             fill=255))
    shade = Image.new('RGBA', scene.size, (0, 0, 0, 0))
    draw.paint(shade, (0, 0, 0, 120), inside.point(lambda v: 255 - v))
    scene.alpha_composite(shade.filter(ImageFilter.GaussianBlur(s(120))))


def _edge(scene):
    """A faint line round the borderless window, so that it ends cleanly on any desktop."""
    w, h = WINDOW_SIZE
    edge = draw.shape_mask(scene.size, lambda d: d.rectangle((0, 0, s(w) - 1, s(h) - 1),
                                                             outline=255, width=s(1)))
    draw.paint(scene, (255, 255, 255, 36), edge)


def render(words):
    """The scene at supersampled size, everything but the button faces."""
    scene = Image.new('RGBA', (s(BACKGROUND_SIZE[0]), s(BACKGROUND_SIZE[1])), BOTTOM)
    _backdrop(scene)
    _vignette(scene)
    _keyboard(scene)
    _header(scene, words)
    _panel(scene, words)
    _edge(scene)
    return scene
