#!/usr/bin/env python3
"""Writes the program's icons: qx410.ico and the two PNG copies that a Linux desktop shows.

The .ico holds three images in this order: 32 x 32 in 2 colours (1 bit), 32 x 32 in 16 colours
(4 bit) and 16 x 16 in 16 colours (4 bit). ImageMagick cannot be told to write those depths, so the
bitmaps are written here by hand. Run it from anywhere; it writes beside itself.

    python3 resources/make_icons.py
"""

import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent

# The 16 colours of the standard Windows palette, in its order.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREY, SILVER, YELLOW, BLUE, CYAN, WHITE = 0, 8, 7, 11, 12, 14, 15
TRANSPARENT = None


def camera(size, two_colours):
    """A camera with an aerial, drawn on a 32-unit grid and sampled at `size` pixels."""
    pixels = []
    for row in range(size):
        line = []
        for column in range(size):
            # The centre of the pixel on the 32-unit grid.
            x = (column + 0.5) * 32 / size
            y = (row + 0.5) * 32 / size
            line.append(camera_colour(x, y, two_colours))
        pixels.append(line)
    return pixels


def camera_colour(x, y, two_colours):
    lens = (x - 15) ** 2 + (y - 19) ** 2
    in_body = 2 <= x < 30 and 10 <= y < 28
    in_body_edge = in_body and not (3 <= x < 29 and 11 <= y < 27)
    in_viewfinder = 7 <= x < 14 and 7 <= y < 10
    in_aerial = 25 <= x < 27 and 2 <= y < 10
    in_flash = 21 <= x < 27 and 12 <= y < 15
    if two_colours:
        if in_body_edge or in_viewfinder or in_aerial or (in_body and 42 <= lens < 64):
            return BLACK
        if in_body and lens < 42 and not (lens < 12):
            return BLACK if (int(x) + int(y)) % 2 == 0 else WHITE
        if in_body or in_flash:
            return WHITE
        return TRANSPARENT
    if in_body_edge or in_aerial:
        return BLACK
    if in_viewfinder:
        return GREY
    if in_body and lens < 64:
        if lens < 9:
            return CYAN
        return BLUE if lens < 42 else BLACK
    if in_flash:
        return YELLOW
    if in_body:
        return SILVER
    return TRANSPARENT


def rows_bottom_up(pixels):
    return list(reversed(pixels))


def pack_bits(values, bits):
    """One bitmap row, most significant bits first, padded to a multiple of 4 bytes."""
    data = bytearray()
    per_byte = 8 // bits
    for start in range(0, len(values), per_byte):
        byte = 0
        for offset in range(per_byte):
            value = values[start + offset] if start + offset < len(values) else 0
            byte |= value << (8 - bits * (offset + 1))
        data.append(byte)
    while len(data) % 4:
        data.append(0)
    return bytes(data)


def ico_image(pixels, bits):
    size = len(pixels)
    palette = [(0, 0, 0), (255, 255, 255)] if bits == 1 else VGA
    # In the 2-colour image index 0 is black and 1 is white.
    index = (lambda c: 1 if c == WHITE else 0) if bits == 1 else (lambda c: c)
    colour_rows = b"".join(pack_bits([0 if c is None else index(c) for c in row], bits)
                           for row in rows_bottom_up(pixels))
    mask_rows = b"".join(pack_bits([1 if c is None else 0 for c in row], 1) for row in rows_bottom_up(pixels))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, len(palette), 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + table + colour_rows + mask_rows


def write_ico(path, images):
    """images: (pixels, bits) in directory order."""
    blobs = [ico_image(pixels, bits) for pixels, bits in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (pixels, bits), blob in zip(images, blobs):
        size = len(pixels)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 1 << bits, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    path.write_bytes(directory + b"".join(blobs))


def write_png(path, pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    size = len(pixels)
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for c in row:
            raw += bytes((0, 0, 0, 0)) if c is None else bytes(VGA[c] + (255,))
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    path.write_bytes(png)


def main():
    large_mono = camera(32, two_colours=True)
    large = camera(32, two_colours=False)
    small = camera(16, two_colours=False)
    write_ico(HERE / "qx410.ico", [(large_mono, 1), (large, 4), (small, 4)])
    write_png(HERE / "qx410-32.png", large)
    write_png(HERE / "qx410-16.png", small)


if __name__ == "__main__":
    main()
