#!/usr/bin/python3
"""Prints the size of each Windows program given, with and without one resource.

usage: pe_sizes.py TYPE_ID RESOURCE_ID LABEL=PROGRAM...
Lines: "figure size_kib.LABEL N", "figure size_without_resource_kib.LABEL N",
"figure resource_kib.LABEL N".
"""
import struct
import sys


def sections(image, pe):
    count = struct.unpack_from("<H", image, pe + 6)[0]
    optional_size = struct.unpack_from("<H", image, pe + 20)[0]
    table = pe + 24 + optional_size
    for i in range(count):
        virtual_size, rva, raw_size, raw_offset = struct.unpack_from("<IIII", image, table + 40 * i + 8)
        yield rva, max(virtual_size, raw_size), raw_offset


def file_offset(image, pe, rva):
    for start, size, raw in sections(image, pe):
        if start <= rva < start + size:
            return raw + rva - start
    raise ValueError(f"RVA {rva:#x} lies in no section")


def resource_directory(image, pe):
    magic = struct.unpack_from("<H", image, pe + 24)[0]
    directories = pe + 24 + (96 if magic == 0x10B else 112)
    rva, _ = struct.unpack_from("<II", image, directories + 8 * 2)
    return rva


def entries(image, directory):
    named, numbered = struct.unpack_from("<HH", image, directory + 12)
    for i in range(named + numbered):
        name, target = struct.unpack_from("<II", image, directory + 16 + 8 * i)
        yield name, target


def resource_size(image, type_id, resource_id):
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE image")
    root_rva = resource_directory(image, pe)
    if root_rva == 0:
        return 0
    root = file_offset(image, pe, root_rva)
    total = 0
    for name, target in entries(image, root):
        if name != type_id or not target & 0x80000000:
            continue
        for inner_name, inner_target in entries(image, root + (target & 0x7FFFFFFF)):
            if inner_name != resource_id or not inner_target & 0x80000000:
                continue
            for _, leaf in entries(image, root + (inner_target & 0x7FFFFFFF)):
                _, size = struct.unpack_from("<II", image, root + leaf)
                total += size
    return total


def main():
    type_id, resource_id = int(sys.argv[1], 0), int(sys.argv[2], 0)
    for argument in sys.argv[3:]:
        label, path = argument.split("=", 1)
        with open(path, "rb") as program:
            image = program.read()
        resource = resource_size(image, type_id, resource_id)
        print(f"figure size_kib.{label} {len(image) / 1024:.1f}")
        print(f"figure resource_kib.{label} {resource / 1024:.1f}")
        print(f"figure size_without_resource_kib.{label} {(len(image) - resource) / 1024:.1f}")


if __name__ == "__main__":
    main()
