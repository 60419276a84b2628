#!/usr/bin/env python3
"""Checks that the committed pictures are in forms Windows 95's GDI reads, at the sizes the program expects.

Run: python3 check_pictures.py [resources folder]; exits non-zero and names every fault.
"""
import os
import struct
import sys

KEY = (255, 0, 255)
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# name: (size, the one drawing colour, or None for the title picture)
BITMAPS = {
    "main.bmp": ((228, 68), None),
    "min_normal.bmp": ((12, 12), (0xDA, 0x25, 0x1D)),
    "close_normal.bmp": ((12, 12), (0xDA, 0x25, 0x1D)),
    "min_hot.bmp": ((13, 13), (0xE7, 0x79, 0x19)),
    "close_hot.bmp": ((13, 13), (0xE7, 0x79, 0x19)),
}
ICONS = ["swiftdash.ico", "monitor.ico"]

faults = []


def fault(name, text):
    faults.append(f"{name}: {text}")


def info_header(name, data, at):
    """Validates a plain BITMAPINFOHEADER (V4/V5 headers and compression are beyond Windows 95)."""
    size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, at)
    if size != 40:
        fault(name, f"info header is {size} bytes, not a plain BITMAPINFOHEADER")
    if planes != 1 or compression != 0:
        fault(name, f"planes {planes}, compression {compression}")
    return width, height, bits


def bitmap_file(name, data, want_size, want_bits):
    """The pixel offset of a BMP file of that size and depth, or None after a fault."""
    if data[:2] != b"BM" or struct.unpack_from("<I", data, 2)[0] != len(data):
        return fault(name, "not a BMP, or its file size field is wrong")
    width, height, bits = info_header(name, data, 14)
    if (width, height) != want_size or bits != want_bits:
        return fault(name, f"{width}x{height} at {bits} bpp, want {want_size[0]}x{want_size[1]} "
                           f"at {want_bits}")
    return struct.unpack_from("<I", data, 10)[0]


def check_bitmap(name, data, want_size, ink):
    offset = bitmap_file(name, data, want_size, 24)
    if offset is None:
        return
    width, height = want_size
    stride = (width * 3 + 3) & ~3
    if offset + stride * height > len(data):
        return fault(name, "pixel data is cut short")
    colours = {tuple(data[offset + y * stride + 3 * x + i] for i in (2, 1, 0))
               for y in range(height) for x in range(width)}
    if ink is None:
        return
    # A colour near magenta but not equal to it would be drawn as a pink fringe.
    if colours != {KEY, ink}:
        fault(name, f"colours {sorted(colours)}, want only key {KEY} and ink {ink}")


def check_icon(name, data):
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        return fault(name, "not an ICO file")
    sizes = set()
    for n in range(count):
        w, h, colours, _, _, _, length, at = struct.unpack_from("<BBBBHHII", data, 6 + 16 * n)
        if at + length > len(data):
            return fault(name, f"image {n} runs past the end of the file")
        width, height, bits = info_header(name, data, at)
        if (width, height, bits, colours) != (w, h * 2, 4, 16):
            fault(name, f"image {n} is {width}x{height} at {bits} bpp; want 4 bpp, height doubled for the mask")
            continue
        palette = [tuple(data[at + 40 + 4 * i + j] for j in (2, 1, 0)) for i in range(16)]
        if palette != VGA:
            fault(name, f"image {n} does not use the standard VGA palette")
        xor_stride, and_stride = ((w * 4 + 31) // 32) * 4, ((w + 31) // 32) * 4
        xor_at = at + 40 + 64
        and_at = xor_at + xor_stride * h
        if and_at + and_stride * h != at + length:
            fault(name, f"image {n} is {length} bytes, its colour bits and mask need otherwise")
            continue
        clear = tinted = 0
        for y in range(h):
            for x in range(w):
                if data[and_at + y * and_stride + x // 8] & (0x80 >> (x % 8)):
                    clear += 1
                    index = (data[xor_at + y * xor_stride + x // 2] >> (4 * (1 - x % 2))) & 15
                    tinted += palette[index] != (0, 0, 0)
        # A clear pixel with colour would invert the screen under it.
        if tinted:
            fault(name, f"image {n} has {tinted} masked-out pixels that are not black")
        if not 0 < clear < w * h:
            fault(name, f"image {n} mask leaves {clear} of {w * h} pixels clear")
        sizes.add(w)
    if 32 not in sizes:
        fault(name, "no 32x32 4-bpp image")


# 16-colour pictures: name: size. Their background is the light grey of a button face.
BITMAPS_16_COLOURS = {"browse.bmp": (16, 16)}


def check_bitmap4(name, data, want_size):
    offset = bitmap_file(name, data, want_size, 4)
    if offset is None:
        return
    width, height = want_size
    palette = [tuple(data[54 + 4 * i + j] for j in (2, 1, 0)) for i in range(16)]
    if palette != VGA:
        fault(name, "does not use the standard VGA palette")
    stride = ((width * 4 + 31) // 32) * 4
    if offset != 54 + 64 or offset + stride * height > len(data):
        return fault(name, "pixel data is misplaced or cut short")
    corners = {(data[offset + y * stride] >> 4) for y in (0, height - 1)}
    if corners != {VGA.index((192, 192, 192))}:
        fault(name, "the left corners are not the light grey background")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, (size, ink) in BITMAPS.items():
        with open(os.path.join(folder, name), "rb") as f:
            check_bitmap(name, f.read(), size, ink)
    for name in ICONS:
        with open(os.path.join(folder, name), "rb") as f:
            check_icon(name, f.read())
    with open(os.path.join(folder, "about.bmp"), "rb") as f:
        check_about(f.read())
    for name, size in BITMAPS_16_COLOURS.items():
        with open(os.path.join(folder, name), "rb") as f:
            check_bitmap4(name, f.read(), size)
    for line in faults:
        print(line, file=sys.stderr)
    print(f"{len(BITMAPS) + len(ICONS) + 1 + len(BITMAPS_16_COLOURS)} pictures checked, {len(faults)} faults")
    return 1 if faults else 0


# ---- About dialog background ----

def check_about(data, name="about.bmp"):
    """A 348x228 8-bpp BI_RLE8 bitmap (GDI has read RLE since Windows 3.0) whose runs fill
    every row exactly and end with the end-of-bitmap mark."""
    if data[:2] != b"BM" or struct.unpack_from("<I", data, 2)[0] != len(data):
        return fault(name, "not a BMP, or its file size field is wrong")
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, planes, bits, compression, _, _, _, used = struct.unpack_from("<IiiHHIIiiI", data, 14)
    if (size, width, height, planes, bits, compression) != (40, 348, 228, 1, 8, 1):
        return fault(name, f"header {size}, {width}x{height}, {bits} bpp, compression {compression}; want 348x228 RLE8")
    if not 0 < used <= 256 or offset != 14 + 40 + 4 * used:
        return fault(name, f"{used} palette entries and pixels at {offset} do not agree")
    at, x, y = offset, 0, 0
    while at + 1 < len(data):
        count, value = data[at], data[at + 1]
        at += 2
        if count:
            if value >= used:
                return fault(name, f"row {y} uses colour {value} beyond the palette")
            x += count
        elif value == 0:
            if x != width:
                return fault(name, f"row {y} holds {x} pixels, not {width}")
            x, y = 0, y + 1
        elif value == 1:
            if x != width or y != height - 1 or at != len(data):
                return fault(name, f"end of bitmap at row {y}, pixel {x}, byte {at} of {len(data)}")
            return None
        else:
            return fault(name, "escapes beyond end of line and end of bitmap are not used")
        if x > width:
            return fault(name, f"row {y} runs past the right edge")
    return fault(name, "no end-of-bitmap mark")


if __name__ == "__main__":
    sys.exit(main())
