#!/usr/bin/env python3
"""Draws SwiftDash's pictures (main.bmp, the button bitmaps, the two icons) into this folder.

Needs Python 3 and ImageMagick's `convert` with the DejaVu fonts (only to rasterise the
title lettering). The build uses the files this writes, never this script.
Run: python3 draw_pictures.py [output folder]
"""
import math
import os
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TITLE_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-BoldOblique.ttf"

KEY = (255, 0, 255)  # the program turns exactly this colour into the transparent part

# The standard VGA palette in Windows' order: Windows 95 draws 16-colour icons with it.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, TEAL, SILVER, GRAY, RED, LIME, YELLOW, AQUA, WHITE = 0, 1, 6, 7, 8, 9, 10, 11, 14, 15
CLEAR = None  # icon pixel left to the AND mask


def bmp_bytes(pixels):
    """24-bit bottom-up BMP with a plain BITMAPINFOHEADER, the form every GDI reads."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        for r, g, b in row:
            body += bytes((b, g, r))
        body += bytes(stride - width * 3)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return head + info + bytes(body)


def icon_image(indices):
    """One 4-bpp icon image: header (height doubled for the mask), palette, colour bits, AND mask."""
    size = len(indices)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor, mask = bytearray(), bytearray()
    for row in reversed(indices):
        # Clear pixels keep colour 0 (black) so that the AND-then-XOR draw leaves the screen as it was.
        nibbles = [0 if i is CLEAR else i for i in row]
        line = bytearray((nibbles[x] << 4) | nibbles[x + 1] for x in range(0, size, 2))
        xor += line + bytes(xor_stride - len(line))
        bits = bytearray(and_stride)
        for x, i in enumerate(row):
            if i is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    return info + palette + bytes(xor) + bytes(mask)


def ico_bytes(images):
    data = [icon_image(img) for img in images]
    offset = 6 + 16 * len(data)
    out = bytearray(struct.pack("<HHH", 0, 1, len(data)))
    for img, blob in zip(images, data):
        out += struct.pack("<BBBBHHII", len(img), len(img), 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    for blob in data:
        out += blob
    return bytes(out)


# ---- main window picture ----

def text_mask(width, height, size, stroke, dy, blur=0.0):
    """Coverage (0..1) of the title lettering, rasterised by ImageMagick."""
    cmd = ["convert", "-size", f"{width}x{height}", "xc:black", "-font", TITLE_FONT,
           "-pointsize", str(size), "-fill", "white"]
    cmd += ["-stroke", "white", "-strokewidth", str(stroke)] if stroke else ["-stroke", "none"]
    cmd += ["-gravity", "center", "-annotate", f"+0+{dy}", "SwiftDash"]
    if blur:
        cmd += ["-blur", f"0x{blur}"]
    cmd += ["-depth", "8", "gray:-"]
    raw = subprocess.run(cmd, check=True, stdout=subprocess.PIPE).stdout
    if len(raw) != width * height:
        sys.exit("convert returned an unexpected image size")
    return [[raw[y * width + x] / 255.0 for x in range(width)] for y in range(height)]


def mix(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


def main_picture():
    width, height = 228, 68
    # Soft colour blobs blended by weight: the look of a blurred painting, with no blur pass.
    # Cool colours keep the orange title readable; the heavy dark blob calms the button corner.
    base = (40, 30, 110)
    blobs = [  # x, y, spread, weight, colour
        (10, 10, 22, 1.0, (230, 60, 150)), (60, 60, 26, 1.0, (30, 170, 200)),
        (95, 8, 24, 1.0, (120, 60, 200)), (140, 62, 24, 1.0, (40, 190, 110)),
        (175, 20, 22, 0.9, (200, 50, 170)), (225, 62, 26, 1.0, (60, 110, 230)),
        (30, 64, 18, 0.8, (150, 200, 60)), (120, 34, 30, 0.6, (70, 40, 160)),
        (200, 44, 16, 0.7, (20, 200, 190)), (213, 4, 16, 6.0, (22, 20, 62)),
    ]
    picture = []
    for y in range(height):
        row = []
        for x in range(width):
            total, acc = 0.35, [c * 0.35 for c in base]
            for bx, by, spread, weight, colour in blobs:
                g = weight * math.exp(-((x - bx) ** 2 + (y - by) ** 2) / (2 * spread * spread))
                total += g
                acc = [a + c * g for a, c in zip(acc, colour)]
            row.append(tuple(a / total for a in acc))
        picture.append(row)

    size, dy = 40, 5
    shadow = text_mask(width, height, size, 4, dy + 2, blur=1.5)
    outline = text_mask(width, height, size, 4, dy)
    letters = text_mask(width, height, size, 0, dy)
    rows = [y for y in range(height) if any(v > 0.5 for v in letters[y])]
    top, bottom = rows[0], rows[-1]
    light, deep, dark = (255, 196, 70), (244, 112, 12), (36, 14, 0)
    out = []
    for y in range(height):
        face = mix(light, deep, min(1.0, max(0.0, (y - top) / max(1, bottom - top))))
        line = []
        for x in range(width):
            # The shadow sits one step right as well as down.
            s = shadow[y][x - 1] if x else 0.0
            c = mix(picture[y][x], (0, 0, 0), 0.55 * s)
            c = mix(c, dark, outline[y][x])
            c = mix(c, face, letters[y][x])
            line.append(tuple(int(round(v)) for v in c))
        out.append(line)
    return out


# ---- buttons ----

def button(size, colour, symbol):
    grid = [[KEY] * size for _ in range(size)]
    last = size - 1
    for i in range(size):
        grid[0][i] = grid[last][i] = grid[i][0] = grid[i][last] = colour
    if symbol == "min":
        for y in range(last - 4, last - 1):  # three rows, one clear row above the frame
            for x in range(3, last - 2):
                grid[y][x] = colour
    else:
        for i in range(3, last - 2):
            grid[i][i] = grid[i][last - i] = colour
    return grid


# ---- icons ----

GLYPHS_32 = {
    "S": [
        "..######.",
        ".########",
        "###....##",
        "##.......",
        "###......",
        ".#######.",
        "..#######",
        "......###",
        ".......##",
        "##....###",
        "########.",
        ".######..",
    ],
    "D": [
        "#######..",
        "########.",
        "##....###",
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##",
        "##....###",
        "########.",
        "#######..",
    ],
}
GLYPHS_16 = {
    "S": [".###", "#...", "#...", ".##.", "...#", "...#", "###."],
    "D": ["###.", "#..#", "#..#", "#..#", "#..#", "#..#", "###."],
}


def stamp(grid, glyph, left, top, colour):
    for dy, line in enumerate(glyph):
        for dx, ch in enumerate(line):
            if ch == "#":
                grid[top + dy][left + dx] = colour


def disc_icon(size, glyphs, gap):
    centre, radius = (size - 1) / 2, size / 2

    def inside(x, y):
        return 0 <= x < size and 0 <= y < size and math.hypot(x - centre, y - centre) <= radius

    grid = [[CLEAR] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if inside(x, y):
                # A dark rim one pixel wide keeps the disc's edge visible on a red or busy desktop.
                rim = not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                grid[y][x] = MAROON if rim else RED
    s, d = glyphs["S"], glyphs["D"]
    span = len(s[0]) + gap + len(d[0])
    left, top = (size - span) // 2, (size - len(s)) // 2
    if size >= 32:  # a dark drop shadow lifts the letters off the red
        stamp(grid, s, left + 1, top + 1, MAROON)
        stamp(grid, d, left + len(s[0]) + gap + 1, top + 1, MAROON)
    stamp(grid, s, left, top, YELLOW)
    stamp(grid, d, left + len(s[0]) + gap, top, YELLOW)
    return grid


def fill(grid, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            grid[y][x] = colour


def frame(grid, x0, y0, x1, y1, top_left, bottom_right):
    for x in range(x0, x1 + 1):
        grid[y0][x], grid[y1][x] = top_left, bottom_right
    for y in range(y0, y1 + 1):
        grid[y][x0], grid[y][x1] = top_left, bottom_right
    grid[y1][x0], grid[y0][x1] = bottom_right, bottom_right


def monitor_icon():
    g = [[CLEAR] * 32 for _ in range(32)]
    # Stand first, so the case overlaps its top.
    fill(g, 8, 26, 23, 29, BLACK)
    fill(g, 9, 27, 22, 28, SILVER)
    fill(g, 9, 28, 22, 28, GRAY)
    fill(g, 12, 23, 19, 26, BLACK)
    fill(g, 13, 23, 18, 26, SILVER)
    fill(g, 17, 23, 18, 26, GRAY)
    # Case: black rim, raised silver bezel.
    fill(g, 1, 1, 30, 24, BLACK)
    fill(g, 2, 2, 29, 23, SILVER)
    frame(g, 2, 2, 29, 23, WHITE, GRAY)
    # Screen: sunken edge, teal glass with a glare.
    frame(g, 5, 4, 26, 19, GRAY, WHITE)
    fill(g, 6, 5, 25, 18, BLACK)
    fill(g, 7, 6, 24, 17, TEAL)
    for i in range(5):
        g[11 - i][8 + i] = AQUA
    for i in range(3):
        g[11 - i][11 + i] = AQUA
    g[7][12] = WHITE
    g[21][25] = LIME  # power light
    g[21][23] = GRAY
    return g


# ---- browse button ----

def bmp4_bytes(indices):
    """4-bpp bottom-up BMP with the VGA palette: a 16-colour picture as Windows 95 draws it."""
    height, width = len(indices), len(indices[0])
    stride = ((width * 4 + 31) // 32) * 4
    body = bytearray()
    for row in reversed(indices):
        line = bytearray((row[x] << 4) | row[x + 1] for x in range(0, width, 2))
        body += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(body), 2835, 2835, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(palette) + len(body), 0, 0,
                       14 + len(info) + len(palette))
    return head + info + palette + bytes(body)


def browse_picture():
    """An open yellow folder with a small curved arrow above it, on light grey."""
    OLIVE = 3
    g = [[SILVER] * 16 for _ in range(16)]
    # The arrow: an arc from the folder's mouth, bending right and pointing down at its end.
    for x, y in ((9, 3), (9, 2), (9, 1), (10, 0), (11, 0), (12, 0), (13, 1), (13, 4),
                 (11, 2), (12, 2), (13, 2), (14, 2), (15, 2), (12, 3), (13, 3), (14, 3)):
        g[y][x] = BLACK
    # The back of the folder with its tab, lit along the top and left.
    fill(g, 1, 5, 4, 5, BLACK)
    fill(g, 0, 6, 12, 14, BLACK)
    fill(g, 1, 6, 4, 13, YELLOW)
    fill(g, 5, 7, 11, 13, OLIVE)
    fill(g, 1, 6, 4, 6, WHITE)
    # The front flap, open: a slanted face leaning out to the right.
    for y in range(9, 15):
        left = 3 - (y - 9) * 3 // 5
        right = left + 12
        fill(g, left, y, right, y, BLACK if y in (9, 14) else YELLOW)
        g[y][left], g[y][right] = BLACK, BLACK
    return g


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    files = {
        "main.bmp": bmp_bytes(main_picture()),
        "min_normal.bmp": bmp_bytes(button(12, (0xDA, 0x25, 0x1D), "min")),
        "close_normal.bmp": bmp_bytes(button(12, (0xDA, 0x25, 0x1D), "close")),
        "min_hot.bmp": bmp_bytes(button(13, (0xE7, 0x79, 0x19), "min")),
        "close_hot.bmp": bmp_bytes(button(13, (0xE7, 0x79, 0x19), "close")),
        "swiftdash.ico": ico_bytes([disc_icon(32, GLYPHS_32, 2), disc_icon(16, GLYPHS_16, 1)]),
        "monitor.ico": ico_bytes([monitor_icon()]),
        "browse.bmp": bmp4_bytes(browse_picture()),
    }
    files.update(about_files())
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        print(name, len(data), "bytes")


# ---- About dialog background ----

ABOUT_SIZE = (348, 228)
# Sixteen colours: a pale sky in ten bands for the black lettering, the red and orange of the
# icon and buttons for the speed streaks, navy for the rule above the buttons.
ABOUT_PALETTE = [
    (168, 196, 236), (178, 203, 239), (188, 210, 241), (198, 217, 243), (207, 223, 245),
    (216, 229, 247), (225, 235, 249), (233, 241, 251), (241, 246, 253), (248, 251, 255),
    (0xDA, 0x25, 0x1D), (0xE7, 0x79, 0x19), (250, 190, 60), (24, 40, 110), (255, 255, 255),
    (128, 128, 128),
]
STREAKS = [  # right end x, centre y, length, half thickness, colour index
    (348, 30, 120, 2, 12), (348, 44, 96, 3, 11), (348, 60, 140, 4, 10),
    (348, 78, 104, 3, 11), (348, 92, 70, 2, 12),
]


def about_picture():
    width, height = ABOUT_SIZE
    rows = []
    for y in range(height):
        band = min(9, y * 10 // height)
        row = [band] * width
        for right, cy, length, half, colour in STREAKS:
            dy = abs(y - cy)
            if dy > half:
                continue
            # Each streak tapers to a point on the left, as if the program had just shot by.
            taper = length * dy // (half + 1)
            for x in range(right - length + taper, right):
                row[x] = colour
        if y == 158:
            for x in range(16, 289):
                row[x] = 13
        rows.append(row)
    return rows


def rle8_bytes(rows, palette):
    """8-bit BMP with BI_RLE8 runs: flat bands and streaks cost a few bytes a row."""
    height, width = len(rows), len(rows[0])
    body = bytearray()
    for row in reversed(rows):
        x = 0
        while x < width:
            run = 1
            while x + run < width and run < 255 and row[x + run] == row[x]:
                run += 1
            body += bytes((run, row[x]))
            x += run
        body += b"\0\0"  # end of line
    body[-1] = 1  # the last end of line becomes end of bitmap
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(body), 2835, 2835,
                       len(palette), len(palette))
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + len(info) + len(colours)
    head = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return head + info + colours + bytes(body)


def about_files():
    return {"about.bmp": rle8_bytes(about_picture(), ABOUT_PALETTE)}


if __name__ == "__main__":
    main()
