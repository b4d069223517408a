#!/usr/bin/python3
"""Generates the skin folders, the application icon and the built-in background.

    skingen.py ROOT [--preview DIR]

writes ROOT/skins/skin_EN/*, ROOT/skins/skin_CN/*, ROOT/res/glint.ico and
ROOT/res/builtin_bg.bmp; the same input always gives the same bytes. With --preview it
also writes PNGs of the composed window and of the popups for a look at the result.
"""
import argparse
import os
import sys

from PIL import Image

import appicon
import buttons
import draw
import glyphs
import popup
import scene
import skin_list
from layout import BUTTON_RECTS, icon_size
from skin_list import effect
from winfiles import bmp_bytes, ico_bytes, png_ico_bytes
from words import SETS

# The glyph of each of the window's own buttons.
WINDOW_GLYPHS = {'IDC_MIN': glyphs.minimise, 'IDC_EXIT': glyphs.close}


def cut_icon(image, rect, origin=(0, 0)):
    """The icon for a button from an image holding the button's pixels at `origin`: the
    button's pixels inside a fully transparent one-pixel ring (where the button's hover
    and press frames are drawn), padded to an even size."""
    x, y, w, h = rect
    left, top = x - origin[0], y - origin[1]
    iw, ih = icon_size(w, h)
    pixels = image.convert('RGBA').crop((left, top, left + iw, top + ih))
    alpha = Image.new('L', (iw, ih), 0)
    alpha.paste(255, (1, 1, w - 1, h - 1))
    pixels.putalpha(alpha)
    return pixels


def _hi_crop(image, rect):
    x, y, w, h = rect
    return image.crop(draw.sbox((x, y, x + w, y + h)))


def build_set(words):
    """File name -> bytes of one skin folder, and the composed window for a preview."""
    base = scene.render(words)
    full = base.copy()
    faces = {}
    for mode in skin_list.MODES:
        faces[mode.control] = lambda layer, e=effect(mode): buttons.mode_face(
            layer, e, words['modes'][e], words, False)
    for button in skin_list.WINDOW:
        faces[button.control] = lambda layer, g=WINDOW_GLYPHS[button.control_name]: (
            buttons.window_face(layer, g))
    for control, paint in faces.items():
        x, y, _, _ = BUTTON_RECTS[control]
        face = _hi_crop(base, BUTTON_RECTS[control])
        paint(face)
        full.paste(face, draw.sbox((x, y)))
    window = draw.reduce(full).convert('RGB')

    files = {skin_list.BACKGROUND: bmp_bytes(window)}
    icons = {}
    for mode in skin_list.MODES:
        plain, selected = mode.files
        rect = BUTTON_RECTS[mode.control]
        icons[plain] = cut_icon(window, rect)
        lit = _hi_crop(base, rect)
        buttons.mode_face(lit, effect(mode), words['modes'][effect(mode)], words, True)
        icons[selected] = cut_icon(draw.reduce(lit), rect, rect[:2])
    test_rect = BUTTON_RECTS[skin_list.TEST.control]
    test = _hi_crop(full, test_rect)
    buttons.test_face(test, words)
    icons[skin_list.TEST.files[0]] = cut_icon(draw.reduce(test), test_rect, test_rect[:2])
    for button in skin_list.WINDOW:
        icons[button.files[0]] = cut_icon(window, BUTTON_RECTS[button.control])
    for name, image in icons.items():
        files[name] = ico_bytes(image)
    popups = {}
    for level, name in enumerate(skin_list.POPUPS, 1):
        popups[level] = popup.render(level, words)
        files[name] = bmp_bytes(popups[level])
    return files, window, icons, popups


def _write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


# The system button-face colour under Wine's default scheme: the skinned buttons fill their
# face with it before drawing the icon, so it shows in each icon's clear ring.
BUTTON_FACE = (245, 245, 245)


def _compose(window, icons_by_control):
    """The window as the program shows it: each button's face, then its icon."""
    shot = window.convert('RGBA')
    for control, icon in icons_by_control.items():
        x, y, w, h = BUTTON_RECTS[control]
        shot.paste(BUTTON_FACE, (x, y, x + w, y + h))
        shot.alpha_composite(icon.crop((0, 0, w, h)), (x, y))
    return shot.convert('RGB')


def _preview(folder, name, window, icons, popups):
    """The window with its buttons' icons laid over the background, each mode in turn
    selected, and the three popups side by side."""
    os.makedirs(folder, exist_ok=True)
    plain = {button.control: icons[button.files[0]]
             for button in skin_list.MODES + skin_list.WINDOW}
    _compose(window, plain).save(os.path.join(folder, f'{name}_window.png'))
    for mode in skin_list.MODES:
        shown = dict(plain)
        shown[mode.control] = icons[mode.files[1]]
        _compose(window, shown).save(os.path.join(folder, f'{name}_{effect(mode)}_selected.png'))
    strip = Image.new('RGB', (3 * popups[1].width + 40, popups[1].height + 20), (40, 40, 40))
    for level, image in popups.items():
        strip.paste(image, (10 + (level - 1) * (image.width + 10), 10))
    strip.save(os.path.join(folder, f'{name}_popups.png'))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('root', help='folder that receives skins/ and res/')
    parser.add_argument('--preview', help='folder for preview PNGs')
    args = parser.parse_args(argv)
    for folder, words in SETS.items():
        files, window, icons, popups = build_set(words)
        for name, data in files.items():
            _write(os.path.join(args.root, 'skins', folder, name), data)
        if folder == 'skin_EN':
            _write(os.path.join(args.root, 'res', 'builtin_bg.bmp'), files[skin_list.BACKGROUND])
        if args.preview:
            _preview(args.preview, folder, window, icons, popups)
    _write(os.path.join(args.root, 'res', 'glint.ico'), png_ico_bytes(appicon.render()))
    if args.preview:
        appicon.render().save(os.path.join(args.preview, 'glint_icon.png'))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
