#!/usr/bin/python3
"""Makes a skin folder of damaged files from a good one, for the soak with a broken skin.

usage: damage_skin.py GOOD_SKIN_FOLDER DAMAGED_SKIN_FOLDER
Kinds of damage: truncated, zero-length, wrong format, a huge bitmap (one real and complete,
one whose header claims far more pixels than the file holds). Files not named here are copied
unchanged, so that the window still has something to show.
"""
import os
import random
import shutil
import struct
import sys

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


DAMAGE = {
    "01_On_0.ico": truncated,
    "01_On_1.ico": lambda data: b"",
    "03_Breath_0.ico": None,  # wrong format: the level-3 popup bitmap under an icon's name
    "03_Breath_1.ico": lambda data: data[:10],
    "04_ColorLoop_1.ico": icon_claiming_beyond_file,
    "05_RainBow_0.ico": lambda data: b"",
    "06_Exit.ico": lambda data: bytes(random.Random(11).getrandbits(8) for _ in range(len(data))),
    "Perf_P1_Blue.bmp": lambda data: b"",
    "Perf_P2_Green.bmp": truncated,
    "Perf_P3_Red.bmp": claims_huge,
}


def main():
    good, damaged = sys.argv[1], sys.argv[2]
    shutil.rmtree(damaged, ignore_errors=True)
    shutil.copytree(good, damaged)
    for name, damage in DAMAGE.items():
        target = os.path.join(damaged, name)
        if damage is None:
            shutil.copyfile(os.path.join(good, "Perf_P3_Red.bmp"), target)
            continue
        with open(os.path.join(good, name), "rb") as source:
            data = source.read()
        with open(target, "wb") as out:
            out.write(damage(data))
    write_huge_bitmap(os.path.join(damaged, "0_BG.bmp"))
    for name in sorted(os.listdir(damaged)):
        print(f"note damaged skin: {name} {os.path.getsize(os.path.join(damaged, name))} bytes")


if __name__ == "__main__":
    main()
