"""Fonts of the artwork: DejaVu for Latin text, WenQuanYi Micro Hei for Chinese."""
from PIL import ImageFont

_DEJAVU = '/usr/share/fonts/truetype/dejavu/'
_FILES = {
    'latin': _DEJAVU + 'DejaVuSans.ttf',
    'latin-bold': _DEJAVU + 'DejaVuSans-Bold.ttf',
    'cjk': '/usr/share/fonts/truetype/wqy/wqy-microhei.ttc',
}
_cache = {}


def font(kind, size):
    """A FreeType font of the given kind ('latin', 'latin-bold' or 'cjk') and pixel size."""
    key = (kind, size)
    if key not in _cache:
        _cache[key] = ImageFont.truetype(_FILES[kind], size)
    return _cache[key]
