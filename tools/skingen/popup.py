"""The power-level popup's three bitmaps: blue, green and red, the level in large type."""
import draw
from layout import POPUP_SIZE

# Level -> (top colour, bottom colour).
LEVELS = {
    1: ((37, 99, 235, 255), (23, 37, 99, 255)),
    2: ((22, 163, 74, 255), (6, 70, 45, 255)),
    3: ((220, 38, 38, 255), (110, 18, 24, 255)),
}


def render(level, words):
    top, bottom = LEVELS[level]
    w, h = POPUP_SIZE
    layer = draw.new_layer(POPUP_SIZE)
    size = layer.size
    layer.alpha_composite(draw.vertical_gradient(size, [top, bottom]))
    sheen = draw.shape_mask(size, lambda d: d.ellipse(draw.sbox((w * 0.35, -h * 0.9, w * 1.4,
                                                                 h * 0.45)), fill=255))
    draw.glow(layer, (255, 255, 255, 60), sheen, 30)
    draw.paint(layer, (255, 255, 255, 70),
               draw.shape_mask(size, lambda d: d.rectangle((0, 0, size[0] - 1, size[1] - 1),
                                                           outline=255, width=draw.s(1))))
    white = (255, 255, 255, 255)
    draw.spaced_text(layer, 22, 34, words['popup-title'], words['font-bold'], 12,
                     (255, 255, 255, 200), 1.6, words['bold'])
    big = f'P{level}'
    draw.text(layer, (20, 104), big, 'latin-bold', 60, white, 'ls')
    width, _ = draw.text_size(big, 'latin-bold', 60)
    draw.text(layer, (20 + width + 16, 102), words['levels'][level - 1], words['font-bold'], 22,
              white, 'ls', words['bold'])
    for i in range(3):
        bar = draw.rounded_mask(size, (22 + i * 88, 138, 102 + i * 88, 148), 3)
        lit = i < level
        if lit:
            draw.glow(layer, white, bar, 4, 0.8)
        draw.paint(layer, (255, 255, 255, 240 if lit else 55), bar)
    return draw.reduce(layer).convert('RGB')

