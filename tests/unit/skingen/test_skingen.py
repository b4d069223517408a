"""Tests of tools/skingen."""
import io
import os
import struct
import sys
import tempfile
import unittest

from PIL import Image

SOURCE = os.environ.get('GLINT_SOURCE_DIR',
                        os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', '..'))
sys.path.insert(0, os.path.join(SOURCE, 'tools', 'skingen'))

import skingen  # noqa: E402
from layout import BUTTON_RECTS  # noqa: E402
from skin_list import FILES  # noqa: E402
from winfiles import bmp_bytes, ico_bytes  # noqa: E402
from words import SETS  # noqa: E402


def _sample(width, height):
    """An RGBA image with varied colours and a transparent ring."""
    image = Image.new('RGBA', (width, height))
    image.putdata([((x * 37) % 256, (y * 59) % 256, (x * y) % 256,
                    0 if x in (0, width - 1) or y in (0, height - 1) else 255)
                   for y in range(height) for x in range(width)])
    return image


class WindowsFiles(unittest.TestCase):
    def test_bmp_decodes_to_the_same_pixels(self):
        for width in (1, 2, 3, 5, 8):  # every row padding
            source = _sample(width, 7).convert('RGB')
            data = bmp_bytes(source)
            decoded = Image.open(io.BytesIO(data))
            self.assertEqual(decoded.mode, 'RGB')
            self.assertEqual(list(decoded.getdata()), list(source.getdata()))
            self.assertEqual(struct.unpack_from('<I', data, 2)[0], len(data))

    def test_ico_holds_one_32_bit_image_with_a_matching_and_mask(self):
        source = _sample(94, 88)
        data = ico_bytes(source)
        reserved, kind, count = struct.unpack_from('<HHH', data, 0)
        self.assertEqual((reserved, kind, count), (0, 1, 1))
        width, height, _, _, planes, bits, size, offset = struct.unpack_from('<BBBBHHII', data, 6)
        self.assertEqual((width, height, planes, bits), (94, 88, 1, 32))
        self.assertEqual(offset + size, len(data))
        header = struct.unpack_from('<IiiHH', data, offset)
        self.assertEqual(header, (40, 94, 176, 1, 32))
        mask = data[offset + 40 + 94 * 88 * 4:]
        stride = (94 + 31) // 32 * 4
        self.assertEqual(len(mask), stride * 88)
        alpha = source.getchannel('A').load()
        for y in range(88):
            row = mask[(87 - y) * stride:]
            for x in range(94):
                bit = row[x // 8] >> (7 - x % 8) & 1
                self.assertEqual(bit, 1 if alpha[x, y] == 0 else 0, (x, y))

    def test_ico_decodes_to_the_same_visible_pixels(self):
        source = _sample(60, 56)
        decoded = Image.open(io.BytesIO(ico_bytes(source))).convert('RGBA')
        self.assertEqual(decoded.size, source.size)
        for got, want in zip(decoded.getdata(), source.getdata()):
            self.assertEqual(got[3], want[3])
            if want[3]:
                self.assertEqual(got, want)

    def test_ico_refuses_sizes_the_format_cannot_hold(self):
        with self.assertRaises(ValueError):
            ico_bytes(Image.new('RGBA', (257, 16)))


class IconCutting(unittest.TestCase):
    def test_icons_cover_their_button_inside_a_clear_ring_at_an_even_size(self):
        scene = _sample(1024, 769).convert('RGB')
        for control, rect in BUTTON_RECTS.items():
            x, y, w, h = rect
            icon = skingen.cut_icon(scene, rect)
            self.assertEqual(icon.size, (w + w % 2, h + h % 2), control)
            alpha = icon.getchannel('A').load()
            pixels = icon.load()
            source = scene.load()
            for iy in range(icon.height):
                for ix in range(icon.width):
                    inside = 0 < ix < w - 1 and 0 < iy < h - 1
                    self.assertEqual(alpha[ix, iy], 255 if inside else 0, (control, ix, iy))
                    if inside:
                        self.assertEqual(pixels[ix, iy][:3], source[x + ix, y + iy])


class CommittedArtwork(unittest.TestCase):
    def test_each_skin_folder_holds_the_listed_files(self):
        for folder in SETS:
            self.assertEqual(sorted(os.listdir(os.path.join(SOURCE, 'skins', folder))),
                             sorted(FILES))

    def test_generator_reproduces_the_committed_files_byte_for_byte(self):
        with tempfile.TemporaryDirectory() as out:
            self.assertEqual(skingen.main([out]), 0)
            generated = []
            for folder, _, names in os.walk(out):
                generated += [os.path.relpath(os.path.join(folder, n), out) for n in names]
            # Each set's files, the application icon and the built-in background.
            self.assertEqual(len(generated), len(SETS) * len(FILES) + 2)
            for relative in sorted(generated):
                with open(os.path.join(out, relative), 'rb') as f:
                    fresh = f.read()
                with open(os.path.join(SOURCE, relative), 'rb') as f:
                    committed = f.read()
                self.assertTrue(fresh == committed, f'{relative} differs from the generator')


if __name__ == '__main__':
    unittest.main()
