"""The application icon (also the tray icon): the mark on a dark rounded tile."""
import draw
import logo

SIZE = 128


def render():
    layer = draw.new_layer((SIZE, SIZE))
    size = layer.size
    tile = draw.rounded_mask(size, (4, 4, SIZE - 4, SIZE - 4), 26)
    draw.paint(layer, draw.vertical_gradient(size, [(30, 36, 52, 255), (9, 11, 18, 255)]), tile)
    draw.paint(layer, (255, 255, 255, 40), draw.ring_mask(size, (4, 4, SIZE - 4, SIZE - 4), 26, 1.5))
    logo.mark(layer, SIZE / 2, SIZE / 2, 42, 13)
    return draw.reduce(layer)
