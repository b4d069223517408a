"""The faces of the buttons, drawn over the scene's pixels under each button."""
import draw
import glyphs

# Colours of each lighting effect, left to right.
EFFECT_COLOURS = {
    'auto': [(34, 211, 238, 255), (59, 130, 246, 255)],
    'on': [(254, 240, 138, 255), (251, 191, 36, 255), (249, 115, 22, 255)],
    'rainbow': [draw.hue(i / 6) for i in range(6)],
    'breath': [(192, 132, 252, 255), (236, 72, 153, 255)],
    'colorloop': [(52, 211, 153, 255), (34, 211, 238, 255), (129, 140, 248, 255),
                  (232, 121, 249, 255)],
}
# The rainbow glyph's bands, outer to inner, when lit.
RAINBOW_BANDS = [(251, 113, 133, 255), (250, 204, 21, 255), (56, 189, 248, 255)]

REST_GLYPH = (139, 149, 165, 255)
REST_LABEL = (163, 172, 185, 255)
WHITE = (255, 255, 255, 255)


def _card(layer, w, h, colours, selected):
    box = (1, 1, w - 1, h - 1)
    radius = 3
    size = layer.size
    body = draw.rounded_mask(size, box, radius)
    edge = draw.ring_mask(size, box, radius, 2 if selected else 1)
    if selected:
        draw.glow(layer, draw.horizontal_gradient(size, colours), edge, 4, 1.3)
        tint = draw.horizontal_gradient(size, [draw.with_alpha(c, 45) for c in colours])
        draw.paint(layer, (10, 12, 20, 170), body)
        draw.paint(layer, tint, body)
        shade = draw.vertical_gradient(size, [(0, 0, 0, 0), (0, 0, 0, 90)])
        draw.paint(layer, shade, body)
        draw.paint(layer, draw.horizontal_gradient(size, colours), edge)
    else:
        draw.paint(layer, draw.vertical_gradient(size, [(255, 255, 255, 16), (255, 255, 255, 6)]),
                   body)
        draw.paint(layer, (255, 255, 255, 30), edge)


def _glyph_parts(layer, parts, fills, selected):
    for (mask, alpha), fill in zip(parts, fills):
        if alpha != 255:
            mask = mask.point(lambda v, a=alpha: v * a // 255)
        if selected:
            draw.glow(layer, fill, mask, 3.5, 1.4)
        draw.paint(layer, fill, mask)


def mode_face(layer, effect, label, words, selected):
    """A mode button: its effect's picture above its name, lit in the effect's colours
    when selected, grey at rest."""
    w, h = layer.size[0] / draw.SCALE, layer.size[1] / draw.SCALE
    colours = EFFECT_COLOURS[effect]
    _card(layer, w, h, colours, selected)
    parts = glyphs.MODE_GLYPHS[effect](layer.size, w / 2, 32, 15)
    if not selected:
        fills = [REST_GLYPH] * len(parts)
    elif effect == 'rainbow':
        fills = RAINBOW_BANDS
    else:
        fills = [draw.horizontal_gradient(layer.size, colours)] * len(parts)
    _glyph_parts(layer, parts, fills, selected)
    draw.text(layer, (w / 2, 63), label, words['font-bold'] if selected else words['font'],
              words['label-size'], WHITE if selected else REST_LABEL, 'mm',
              words['bold'] if selected else 0.0)
    bar = draw.rounded_mask(layer.size, (w / 2 - 14, 75, w / 2 + 14, 78), 1.5)
    if selected:
        draw.glow(layer, draw.horizontal_gradient(layer.size, colours), bar, 3, 1.5)
        draw.paint(layer, draw.horizontal_gradient(layer.size, colours), bar)
    else:
        draw.paint(layer, (255, 255, 255, 28), bar)


def window_face(layer, glyph):
    """MIN and Exit: a quiet light glyph on a faint card."""
    w, h = layer.size[0] / draw.SCALE, layer.size[1] / draw.SCALE
    box = (1, 1, w - 1, h - 1)
    draw.paint(layer, draw.vertical_gradient(layer.size, [(255, 255, 255, 16), (255, 255, 255, 6)]),
               draw.rounded_mask(layer.size, box, 3))
    for mask, _ in glyph(layer.size, w / 2, h / 2, 7):
        draw.paint(layer, (214, 221, 232, 255), mask)


def test_face(layer, words):
    """The hidden test button: a tag over the scene, should anyone show it."""
    w, h = layer.size[0] / draw.SCALE, layer.size[1] / draw.SCALE
    box = (8, 8, w - 8, h - 8)
    draw.paint(layer, (8, 10, 16, 150), draw.rounded_mask(layer.size, box, 12))
    draw.paint(layer, (255, 255, 255, 60), draw.ring_mask(layer.size, box, 12, 1))
    draw.text(layer, (w / 2, h / 2), words['test'], words['font-bold'], 14,
              (226, 232, 240, 255), 'mm', words['bold'])
