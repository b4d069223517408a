"""Writers for the two Windows image formats the program loads from files.

Written by hand rather than through Pillow so that the bytes are exactly what
LoadImageA expects and identical on every run: 24-bit bottom-up .bmp files and
.ico files holding one 32-bit BGRA image with its AND mask. The application icon
is the exception: its one image is stored as PNG, which icon loaders have read
since Windows Vista, at a fifth of the size of the same pixels uncompressed.
"""
import io
import struct

from PIL import Image

PIXELS_PER_METRE_96_DPI = 3780


def _bitmap_info_header(width, height, bits, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size,
                       PIXELS_PER_METRE_96_DPI, PIXELS_PER_METRE_96_DPI, 0, 0)


def _bottom_up_rows(image, mode, bytes_per_pixel):
    """The image's rows from bottom to top, each padded to a multiple of four bytes."""
    width, height = image.size
    raw = image.tobytes('raw', mode)
    stride = width * bytes_per_pixel
    pad = b'\0' * (-stride % 4)
    rows = [raw[y * stride:(y + 1) * stride] + pad for y in range(height)]
    return b''.join(reversed(rows))


def bmp_bytes(image):
    """A 24-bit uncompressed .bmp of an RGB image."""
    rgb = image.convert('RGB')
    width, height = rgb.size
    pixels = _bottom_up_rows(rgb, 'BGR', 3)
    offset = 14 + 40
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return file_header + _bitmap_info_header(width, height, 24, len(pixels)) + pixels


def _and_mask(alpha):
    """1-bit mask, set where the pixel is fully transparent; rows bottom-up, 32-bit padded."""
    width, height = alpha.size
    values = alpha.tobytes()
    stride = (width + 31) // 32 * 4
    rows = []
    for y in range(height):
        row = bytearray(stride)
        for x in range(width):
            if values[y * width + x] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    return b''.join(reversed(rows))


def _checked_icon_size(image):
    width, height = image.size
    if not (0 < width <= 256 and 0 < height <= 256):
        raise ValueError(f'icon size {width}x{height} out of range')
    return width, height


def _one_image_ico(width, height, image_data):
    """The .ico directory of one 32-bit image, followed by the image."""
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, 32, len(image_data),
                        6 + 16)
    return directory + entry + image_data


def ico_bytes(image):
    """An .ico holding one 32-bit BGRA image of an RGBA image (sides of at most 256)."""
    rgba = image.convert('RGBA')
    width, height = _checked_icon_size(rgba)
    # Fully transparent pixels carry black, as the AND mask expects.
    clear = Image.new('RGBA', rgba.size, (0, 0, 0, 0))
    rgba = Image.composite(rgba, clear, rgba.getchannel('A').point(lambda a: 255 if a else 0))
    colour = _bottom_up_rows(rgba, 'BGRA', 4)
    mask = _and_mask(rgba.getchannel('A'))
    header = _bitmap_info_header(width, 2 * height, 32, len(colour) + len(mask))
    return _one_image_ico(width, height, header + colour + mask)


def png_ico_bytes(image):
    """An .ico holding one PNG-compressed 32-bit image of an RGBA image (sides of at most 256)."""
    rgba = image.convert('RGBA')
    width, height = _checked_icon_size(rgba)
    png = io.BytesIO()
    rgba.save(png, 'PNG', optimize=True)
    return _one_image_ico(width, height, png.getvalue())
