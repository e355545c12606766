#!/usr/bin/env python3
"""Checks the resources of QX410_SETTING_TOOLS_version01.01.04.EXE.

    check_resources.py --picture resources/registered.jpg PROGRAM.EXE...

A program must carry exactly two kinds of resource: its version record and icon group 1 with
the images 30001 to 30003. The version record is read from its raw bytes, so that the order of
its entries is checked as the file holds it. The registered-trademark picture must be part of
the program's data and not a resource.
"""

import argparse
import os
import struct
import sys

import pefile

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16

EXPECTED_STRINGS = [
    ("CompanyName", "Zelvane"),
    ("ProductName", "QX730"),
    ("FileVersion", "1.00"),
    ("ProductVersion", "1.00"),
    ("InternalName", "QX410_SETTING_TOOLS_version01.01.04"),
    ("OriginalFilename", "QX410_SETTING_TOOLS_version01.01.04.EXE"),
]

# id: (width, height, colours, bits per pixel)
EXPECTED_ICONS = {
    30001: (32, 32, 2, 1),
    30002: (32, 32, 16, 4),
    30003: (16, 16, 16, 4),
}

VS_FIXEDFILEINFO_SIGNATURE = 0xFEEF04BD
VOS__WINDOWS32 = 0x00000004
VFT_APP = 0x00000001


class Faults:
    def __init__(self, program):
        self.program = program
        self.found = []

    def check(self, condition, message):
        if not condition:
            self.found.append(message)
        return condition


def resources(pe):
    """{type id: {name id: [data bytes per language]}}"""
    table = {}
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return table
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        names = table.setdefault(kind.id if kind.id is not None else str(kind.name), {})
        for name in kind.directory.entries:
            languages = names.setdefault(name.id if name.id is not None else str(name.name), [])
            for language in name.directory.entries:
                entry = language.data.struct
                languages.append(pe.get_data(entry.OffsetToData, entry.Size))
    return table


def version_block(data, offset):
    """One block of a version record: (key, value bytes, children, end offset)."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    position = offset + 6
    key_end = position
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[position:key_end].decode("utf-16-le")
    position = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if value_type == 1 else value_length
    value = data[position:position + value_size]
    position = (position + value_size + 3) & ~3
    children = []
    while position < end:
        child = version_block(data, position)
        children.append(child)
        position = (child[3] + 3) & ~3
    return key, value, children, end


def text_of(value):
    text = value.decode("utf-16-le")
    return text[:-1] if text.endswith("\0") else text


def check_version(faults, data, file_name):
    key, fixed, children, _ = version_block(data, 0)
    faults.check(key == "VS_VERSION_INFO", f"the version record is named {key!r}")
    if faults.check(len(fixed) == 52, "the version record has no fixed part"):
        fields = struct.unpack_from("<13I", fixed)
        signature, _, file_ms, file_ls, product_ms, product_ls, _, flags, os_kind, file_type = fields[:10]
        faults.check(signature == VS_FIXEDFILEINFO_SIGNATURE, "the fixed part has a wrong signature")
        faults.check((file_ms, file_ls) == (0x00010000, 0), "the file version is not 1.0.0.0")
        faults.check((product_ms, product_ls) == (0x00010000, 0), "the product version is not 1.0.0.0")
        faults.check(flags == 0, f"the file flags are {flags:#x}, not none")
        faults.check(os_kind == VOS__WINDOWS32, f"the operating system is {os_kind:#x}, not 32-bit Windows")
        faults.check(file_type == VFT_APP, f"the file type is {file_type:#x}, not an application")

    names = [child[0] for child in children]
    faults.check(names == ["StringFileInfo", "VarFileInfo"], f"the version record holds {names}")
    for name, _, blocks, _ in children:
        if name == "StringFileInfo":
            tables = [block[0] for block in blocks]
            if faults.check(tables == ["080404B0"], f"the string blocks are {tables}, not one 080404B0"):
                strings = [(entry[0], text_of(entry[1])) for entry in blocks[0][2]]
                faults.check(strings == EXPECTED_STRINGS, f"the version strings are {strings}")
                original = dict(strings).get("OriginalFilename")
                faults.check(original == file_name, f"OriginalFilename {original!r} is not the file's name {file_name!r}")
        elif name == "VarFileInfo":
            entries = [(block[0], block[1]) for block in blocks]
            faults.check(
                entries == [("Translation", struct.pack("<HH", 0x0804, 1200))],
                f"the translation entries are {entries}, not 0x0804 with code page 1200",
            )


def check_icons(faults, table):
    images = table.get(RT_ICON, {})
    faults.check(sorted(images) == sorted(EXPECTED_ICONS), f"the icon images are {sorted(images)}")
    groups = table.get(RT_GROUP_ICON, {})
    if not faults.check(list(groups) == [1], f"the icon groups are {list(groups)}, not group 1 alone"):
        return
    if not faults.check(len(groups[1]) == 1, "icon group 1 exists in more than one language"):
        return
    group = groups[1][0]
    reserved, kind, count = struct.unpack_from("<HHH", group, 0)
    faults.check((reserved, kind) == (0, 1), "icon group 1 is no icon directory")
    faults.check(count == len(EXPECTED_ICONS), f"icon group 1 lists {count} images")
    listed = []
    for index in range(count):
        width, height, colours, _, planes, bits, size, image_id = struct.unpack_from("<BBBBHHIH", group, 6 + index * 14)
        listed.append(image_id)
        expected = EXPECTED_ICONS.get(image_id)
        if not faults.check(expected is not None, f"icon group 1 lists the unknown image {image_id}"):
            continue
        faults.check(
            (width, height, colours, bits) == expected,
            f"image {image_id} is listed as {width}x{height}, {colours} colours, {bits} bits, not {expected}",
        )
        faults.check(planes == 1, f"image {image_id} is listed with {planes} planes")
        data = images.get(image_id, [b""])[0]
        faults.check(size == len(data), f"image {image_id} is listed with {size} bytes but holds {len(data)}")
        if faults.check(len(data) >= 40, f"image {image_id} has no bitmap header"):
            header_size, bitmap_width, bitmap_height, _, bitmap_bits = struct.unpack_from("<IiiHH", data, 0)
            faults.check(
                (header_size, bitmap_width, bitmap_height, bitmap_bits) == (40, expected[0], expected[1] * 2, expected[3]),
                f"image {image_id} is a {bitmap_width}x{bitmap_height // 2} bitmap of {bitmap_bits} bits",
            )
    faults.check(listed == sorted(EXPECTED_ICONS), f"icon group 1 lists the images {listed}")


def check_program(path, picture):
    faults = Faults(path)
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    table = resources(pe)
    kinds = set(table)
    faults.check(
        kinds == {RT_ICON, RT_GROUP_ICON, RT_VERSION}, f"the resource types are {sorted(map(str, kinds))}, not icons and version alone"
    )
    versions = table.get(RT_VERSION, {})
    if faults.check(list(versions) == [1] and len(versions[1]) == 1, f"the version records are {list(versions)}"):
        check_version(faults, versions[1][0], os.path.basename(path))
    check_icons(faults, table)
    with open(path, "rb") as program:
        faults.check(picture in program.read(), "the registered-trademark picture is not in the program's data")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--picture", required=True, help="the JPEG that the program must hold in its data")
    parser.add_argument("programs", nargs="+")
    arguments = parser.parse_args()
    with open(arguments.picture, "rb") as picture_file:
        picture = picture_file.read()
    failed = False
    for path in arguments.programs:
        faults = check_program(path, picture)
        for fault in faults.found:
            print(f"{path}: {fault}", file=sys.stderr)
        if faults.found:
            failed = True
        else:
            print(f"{path}: version record and icon group 1 as required, and no other resource")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
