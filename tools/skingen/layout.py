"""Where things are on the main window, in client pixels.

The rectangles come from button_rects.txt beside this file, which says how they were
measured; the Windows resource test reads the same file.
"""
import os

_RECTS_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'button_rects.txt')


def _read_rects(path):
    rects = {}
    with open(path, encoding='ascii') as f:
        for line in f:
            fields = line.split('#', 1)[0].split()
            if fields:
                control, left, top, width, height = (int(v) for v in fields)
                rects[control] = (left, top, width, height)
    return rects


_RECTS = _read_rects(_RECTS_FILE)
# Client size of dialog 102 (679 x 471 dialog units).
WINDOW_SIZE = _RECTS.pop(102)[2:]
# Control id -> (left, top, width, height) in the dialog's client pixels.
BUTTON_RECTS = _RECTS
# The background bitmaps are a little larger than the window: the pattern brush crops them.
BACKGROUND_SIZE = (1024, 769)

# Size of the power-level popup bitmaps (the popup takes the level-1 bitmap's size).
POPUP_SIZE = (300, 180)


def icon_size(width, height):
    """The icon for a button: its size rounded up to even (the button records an icon's
    size as twice its hot spot). The button centres it with truncating halving, so an
    icon one pixel larger than an odd button still starts at the button's corner."""
    return width + width % 2, height + height % 2
