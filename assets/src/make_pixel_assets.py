#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build duset's pixel assets from their sources.

    python3 assets/src/make_pixel_assets.py        (from the repository root)

writes, next to this script's parent folder (assets/):

    starfield.gif      the star-field background of every screen, drawn by
                       the seeded procedure below (640 x 480, interlaced,
                       one frame, 128-entry global colour table)
    chart.ico          window icons, from pixel_art.txt: two 16-colour
    menu.ico           images each, 32 x 32 and 16 x 16
    information.ico
    hand.cur           the pointing hand drawn on the entry screen's predict
                       button, in cursor format, from pixel_art.txt
                       (32 x 32, 16 colours)

Only the Python standard library is used and nothing depends on the clock,
the locale or the platform, so every run produces the same bytes.
"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.dirname(HERE)
ART = os.path.join(HERE, "pixel_art.txt")

ICONS = ("chart", "menu", "information")
CURSOR = "hand"


# --------------------------------------------------------------------------
# pixel_art.txt

class Picture:
    def __init__(self, name, width, height, rows, hotspot):
        self.name = name
        self.width = width
        self.height = height
        self.rows = rows          # list of strings, top row first
        self.hotspot = hotspot    # (x, y) or None


def read_art(path):
    """Return (colours, pictures): colours maps a character to a palette
    index (None for transparent) and carries the 16 RGB triples under the
    key 'palette'; pictures maps (name, width) to a Picture."""
    sections = []
    with open(path, encoding="utf-8") as f:
        for lineno, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if line.startswith("["):
                if not line.endswith("]"):
                    sys.exit(f"{path}:{lineno}: unterminated section header")
                sections.append((line[1:-1].split(), lineno, []))
            elif not sections:
                sys.exit(f"{path}:{lineno}: text before the first section")
            else:
                sections[-1][2].append((lineno, line))

    colours = {}
    palette = []
    pictures = {}
    for header, lineno, body in sections:
        if header == ["colours"]:
            for ln, line in body:
                fields = line.split()
                if len(fields[0]) != 1:
                    sys.exit(f"{path}:{ln}: colour key must be one character")
                if fields[1] == "transparent":
                    colours[fields[0]] = None
                else:
                    colours[fields[0]] = len(palette)
                    palette.append(bytes.fromhex(fields[1]))
            if len(palette) != 16:
                sys.exit(f"{path}:{lineno}: need exactly 16 colours, got {len(palette)}")
            continue

        name, size = header[0], header[1]
        width, height = (int(v) for v in size.split("x"))
        hotspot = None
        if len(header) == 4 and header[2] == "hotspot":
            hotspot = tuple(int(v) for v in header[3].split(","))
        elif len(header) != 2:
            sys.exit(f"{path}:{lineno}: cannot read section header {header}")
        rows = [line for _, line in body]
        if len(rows) != height:
            sys.exit(f"{path}:{lineno}: [{name} {size}] has {len(rows)} rows")
        for ln, line in body:
            if len(line) != width:
                sys.exit(f"{path}:{ln}: row is {len(line)} pixels wide, not {width}")
            for ch in line:
                if ch not in colours:
                    sys.exit(f"{path}:{ln}: unknown colour character {ch!r}")
        pictures[(name, width)] = Picture(name, width, height, rows, hotspot)
    colours["palette"] = palette
    return colours, pictures


# --------------------------------------------------------------------------
# .ico / .cur

def dib_4bpp(pic, colours):
    """One icon image: BITMAPINFOHEADER, 16-entry palette, 4-bit XOR bitmap
    and 1-bit AND mask, both stored bottom row first with rows padded to
    32 bits.  Transparent pixels are index 0 with the mask bit set."""
    w, h = pic.width, pic.height
    xor_stride = (w * 4 + 31) // 32 * 4
    and_stride = (w + 31) // 32 * 4
    header = struct.pack("<IiiHHIIiiII",
                         40, w, 2 * h,      # height covers XOR + AND
                         1, 4, 0,           # planes, bits per pixel, BI_RGB
                         (xor_stride + and_stride) * h,
                         0, 0, 0, 0)        # resolution, colours used/important
    pal = b"".join(bytes((c[2], c[1], c[0], 0)) for c in colours["palette"])

    xor_rows = []
    and_rows = []
    for row in reversed(pic.rows):
        nibbles = []
        mask_bits = []
        for ch in row:
            index = colours[ch]
            nibbles.append(0 if index is None else index)
            mask_bits.append(1 if index is None else 0)
        xb = bytearray(xor_stride)
        for x, v in enumerate(nibbles):
            xb[x // 2] |= v << (4 if x % 2 == 0 else 0)
        ab = bytearray(and_stride)
        for x, bit in enumerate(mask_bits):
            if bit:
                ab[x // 8] |= 0x80 >> (x % 8)
        xor_rows.append(bytes(xb))
        and_rows.append(bytes(ab))
    return header + pal + b"".join(xor_rows) + b"".join(and_rows)


def icon_file(pics, colours, cursor=False):
    """ICONDIR + one ICONDIRENTRY per picture + the images.  For a cursor
    (type 2) the planes/bit-count fields of the entry hold the hotspot."""
    images = [dib_4bpp(p, colours) for p in pics]
    out = struct.pack("<HHH", 0, 2 if cursor else 1, len(pics))
    offset = 6 + 16 * len(pics)
    for pic, img in zip(pics, images):
        if cursor:
            f1, f2 = pic.hotspot
        else:
            f1, f2 = 1, 4
        out += struct.pack("<BBBBHHII", pic.width % 256, pic.height % 256,
                           16, 0, f1, f2, len(img), offset)
        offset += len(img)
    return out + b"".join(images)


# --------------------------------------------------------------------------
# star field

WIDTH, HEIGHT = 640, 480
SEED = 0x5EED_D05E

BLACK = 0
BRIGHT = 1   # #989898
MID = 2      # #666666
FAINT = 3    # #333333
STAR_GREYS = {BRIGHT: 0x98, MID: 0x66, FAINT: 0x33}

STAR_COUNT = 1650


class XorShift32:
    """Small fixed PRNG so the sky does not depend on Python's random."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF or 1

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x

    def below(self, n):
        return self.next() % n


def star_pixels(rng):
    """Pick one star: list of (dx, dy, colour) around its centre.  Most
    stars are single faint points; a few are two-pixel pairs or small
    crosses with a brighter core."""
    roll = rng.below(100)
    if roll < 88:
        shade = rng.below(20)
        colour = FAINT if shade < 11 else MID if shade < 17 else BRIGHT
        return [(0, 0, colour)]
    if roll < 97:
        other = FAINT if rng.below(2) else MID
        if rng.below(2):
            return [(0, 0, MID), (1, 0, other)]
        return [(0, 0, MID), (0, 1, other)]
    arm = FAINT if rng.below(3) else MID
    return [(0, 0, BRIGHT), (-1, 0, arm), (1, 0, arm), (0, -1, arm), (0, 1, arm)]


def make_sky():
    rng = XorShift32(SEED)
    sky = bytearray(WIDTH * HEIGHT)
    placed = 0
    while placed < STAR_COUNT:
        cx = rng.below(WIDTH)
        cy = rng.below(HEIGHT)
        shape = star_pixels(rng)
        cells = [(cx + dx, cy + dy, c) for dx, dy, c in shape]
        # keep stars apart: no lit pixel within one pixel of another star
        clear = all(
            0 <= x < WIDTH and 0 <= y < HEIGHT and
            all(sky[yy * WIDTH + xx] == BLACK
                for yy in range(max(y - 1, 0), min(y + 2, HEIGHT))
                for xx in range(max(x - 1, 0), min(x + 2, WIDTH)))
            for x, y, _ in cells)
        if not clear:
            continue
        for x, y, c in cells:
            sky[y * WIDTH + x] = c
        placed += 1
    return sky


# --------------------------------------------------------------------------
# GIF

GIF_TABLE_BITS = 7            # 2 ** 7 = 128 colour table entries


def lzw_encode(pixels, min_code_size):
    """GIF-flavoured LZW: variable code width from min_code_size + 1 up to
    12 bits, codes packed LSB first, a clear code when the table fills."""
    clear = 1 << min_code_size
    eoi = clear + 1
    out = bytearray()
    acc = 0
    nbits = 0

    def emit(code, width):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    width = min_code_size + 1
    table = {}
    next_code = eoi + 1
    emit(clear, width)
    prefix = pixels[0]
    for k in pixels[1:]:
        key = (prefix << 8) | k
        code = table.get(key)
        if code is not None:
            prefix = code
            continue
        emit(prefix, width)
        if next_code == 4096:
            emit(clear, width)
            table = {}
            next_code = eoi + 1
            width = min_code_size + 1
        else:
            if next_code >= (1 << width):
                width += 1
            table[key] = next_code
            next_code += 1
        prefix = k
    emit(prefix, width)
    emit(eoi, width)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def interlaced_rows(height):
    for start, step in ((0, 8), (4, 8), (2, 4), (1, 2)):
        yield from range(start, height, step)


def gif_file(sky, width, height, greys):
    table_size = 1 << GIF_TABLE_BITS
    colour_table = bytearray(3 * table_size)          # unused entries black
    for index, level in greys.items():
        colour_table[3 * index:3 * index + 3] = bytes((level,) * 3)

    bits = GIF_TABLE_BITS - 1
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height,
                       0x80 | (bits << 4) | bits,      # global table, 7-bit colour
                       0, 0)                           # background index, pixel ratio
    out += colour_table
    out += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0x40)  # interlaced

    ordered = bytearray()
    for y in interlaced_rows(height):
        ordered += sky[y * width:(y + 1) * width]
    min_code_size = GIF_TABLE_BITS
    data = lzw_encode(ordered, min_code_size)
    out.append(min_code_size)
    for i in range(0, len(data), 255):
        block = data[i:i + 255]
        out.append(len(block))
        out += block
    out += b"\x00\x3B"
    return bytes(out)


# --------------------------------------------------------------------------

def write(name, data):
    path = os.path.join(ASSETS, name)
    with open(path, "wb") as f:
        f.write(data)
    print(f"{os.path.relpath(path)}: {len(data)} bytes")


def main():
    colours, pictures = read_art(ART)
    for name in ICONS:
        pics = [pictures[(name, 32)], pictures[(name, 16)]]
        write(f"{name}.ico", icon_file(pics, colours))
    write(f"{CURSOR}.cur", icon_file([pictures[(CURSOR, 32)]], colours, cursor=True))
    write("starfield.gif", gif_file(make_sky(), WIDTH, HEIGHT, STAR_GREYS))


if __name__ == "__main__":
    main()
