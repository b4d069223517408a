#!/usr/bin/python3
"""Makes a skin folder of damaged files from a good one, for the soak with a broken skin.

usage: damage_skin.py GOOD_SKIN_FOLDER DAMAGED_SKIN_FOLDER
Kinds of damage: truncated, zero-length, wrong format, a huge bitmap (one real and complete,
one whose header claims far more pixels than the file holds). The files come from the skin's
file list; those without damage are copied unchanged, so that the window still has something
to show.
"""
import os
import random
import shutil
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "skingen"))
import skin_list  # noqa: E402  (the skin folder's files, as res/skin_files.txt lists them)

HUGE_WIDTH, HUGE_HEIGHT = 8192, 6144  # 24 bits per pixel: 144 MiB of pixels


def truncated(data):
    return data[: len(data) // 2]


def row_bytes(width):
    return (width * 3 + 3) & ~3


def bitmap_header(width, height, file_pixel_bytes):
    """A 24-bit bitmap's file and info headers; the file holds file_pixel_bytes of pixels."""
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, row_bytes(width) * height,
                       2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + file_pixel_bytes, 0, 0, 14 + 40) + info


def write_huge_bitmap(path):
    row = row_bytes(HUGE_WIDTH)
    header = bitmap_header(HUGE_WIDTH, HUGE_HEIGHT, row * HUGE_HEIGHT)
    stripe = bytes(random.Random(7).getrandbits(8) for _ in range(row))
    with open(path, "wb") as out:
        out.write(header)
        for _ in range(HUGE_HEIGHT):
            out.write(stripe)


def claims_huge(_data):
    return bitmap_header(40000, 30000, 64) + bytes(64)  # claims 3.4 GiB of pixels


def icon_claiming_beyond_file(_data):
    # One directory entry whose image lies far past the end of the file.
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 48, 48, 0, 0, 1, 32, 1 << 30, 22)


def bitmap_instead(good):
    """Wrong format: the good level-3 popup bitmap under an icon's name."""
    with open(os.path.join(good, skin_list.POPUPS[-1]), "rb") as source:
        bitmap = source.read()
    return lambda _data: bitmap


def damage_plan(good):
    """File name -> damage, for the files of the skin list: the mode buttons' icons in the list's
    order get the icon damages in turn (None keeps one whole), the first window button's icon
    random bytes, the popup bitmaps one kind each; the rest stays whole."""
    mode_icon_damage = [truncated, lambda data: b"", bitmap_instead(good), lambda data: data[:10],
                        None, icon_claiming_beyond_file, lambda data: b""]
    mode_icons = [name for mode in skin_list.MODES for name in mode.files]
    plan = {name: damage for name, damage in zip(mode_icons, mode_icon_damage) if damage}
    plan[skin_list.WINDOW[0].files[0]] = lambda data: bytes(
        random.Random(11).getrandbits(8) for _ in range(len(data)))
    popup_damage = [lambda data: b"", truncated, claims_huge]
    plan.update(zip(skin_list.POPUPS, popup_damage))
    return plan


def main():
    good, damaged = sys.argv[1], sys.argv[2]
    shutil.rmtree(damaged, ignore_errors=True)
    shutil.copytree(good, damaged)
    for name, damage in damage_plan(good).items():
        with open(os.path.join(good, name), "rb") as source:
            data = source.read()
        with open(os.path.join(damaged, name), "wb") as out:
            out.write(damage(data))
    write_huge_bitmap(os.path.join(damaged, skin_list.BACKGROUND))
    for name in sorted(os.listdir(damaged)):
        print(f"note damaged skin: {name} {os.path.getsize(os.path.join(damaged, name))} bytes")


if __name__ == "__main__":
    main()
