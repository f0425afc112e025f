#!/usr/bin/env python3
"""Draws the program's bitmaps, cursors and icon, pixel by pixel.

    make_resources.py          writes the files next to this script
    make_resources.py --check  regenerates them into a temporary folder and
                               exits with 1 if any checked-in file differs

Standard library only; the output depends on nothing but this script.
"""
import os
import struct
import sys
import tempfile

# The standard 16-colour palette as (red, green, blue), in its usual order.
PALETTE16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, TEAL, LIGHT_GREY, DARK_GREY, CYAN, WHITE = 0, 6, 7, 8, 14, 15

CURSOR_SIZE = 32


# ---------------------------------------------------------------- DIB pieces

def Stride(width, bits):
    """Bytes in one DIB row: rows are padded to whole 32-bit words."""
    return (width * bits + 31) // 32 * 4


def PackRows(pixels, width, bits):
    """Packs rows of palette indices (top row first) into bottom-up DIB rows."""
    per_byte = 8 // bits
    out = bytearray()
    for row in reversed(pixels):
        packed = bytearray(Stride(width, bits))
        for x, value in enumerate(row):
            shift = 8 - bits * (x % per_byte + 1)
            packed[x // per_byte] |= value << shift
        out += packed
    return bytes(out)


def InfoHeader(width, height, bits, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 0, 0,
                       1 << bits, 0)


def PaletteBytes(colours):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in colours)


def Grid(width, height, value):
    return [[value] * width for _ in range(height)]


# ---------------------------------------------------------------- close button

# The faces are drawn for each resolution the program has faces for; at 96 dpi a face is
# 12 by 13 pixels, with one-pixel edges and a cross of two-pixel strokes, 7 wide and 6 high.
FACE_DPIS = (96, 120, 144, 192)


def Scaled(value, dpi):
    """A 96-dpi length at dpi, rounded as MulDiv rounds (halves up)."""
    return (value * dpi + 48) // 96


def CrossPixels(left, top, width, height, stroke):
    """A diagonal cross: in each row, two strokes that run from the corners to meet in the middle."""
    run = width - stroke
    for i in range(height):
        offset = (i * run + (height - 1) // 2) // (height - 1)
        for dx in range(stroke):
            yield left + offset + dx, top + i
            yield left + run - offset + dx, top + i


def ButtonFace(pressed, dpi=96):
    w, h = Scaled(12, dpi), Scaled(13, dpi)
    edge = max(1, Scaled(1, dpi))  # each of the two bevel lines
    face = Grid(w, h, LIGHT_GREY)
    for y in range(h):
        for x in range(w):
            near = min(x, y)                   # depth from the upper or left edge
            far = min(w - 1 - x, h - 1 - y)    # depth from the lower or right edge
            if pressed:   # sunken: dark upper and left edge, white lower and right edge
                if near < edge:
                    face[y][x] = BLACK
                elif far < edge:
                    face[y][x] = WHITE
                elif near < 2 * edge:
                    face[y][x] = DARK_GREY
            else:         # raised: white upper and left edge, dark lower and right edge
                if far < edge:
                    face[y][x] = BLACK
                elif near < edge:
                    face[y][x] = WHITE
                elif far < 2 * edge:
                    face[y][x] = DARK_GREY
    # The cross sits centred in the face and moves down-right by one edge when pressed.
    cw, ch, stroke = Scaled(7, dpi), Scaled(6, dpi), Scaled(2, dpi)
    shift = edge if pressed else 0
    for x, y in CrossPixels((w - cw) // 2 + shift, (h - ch) // 2 + shift, cw, ch, stroke):
        face[y][x] = BLACK
    return face


def BitmapFile(pixels):
    height, width = len(pixels), len(pixels[0])
    bits = PackRows(pixels, width, 4)
    info = InfoHeader(width, height, 4, len(bits)) + PaletteBytes(PALETTE16)
    offset = 14 + len(info)
    return struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset) + info + bits


# ---------------------------------------------------------------- reading cursors

def ReadingFigure(vertical, triangle_at_far_end):
    """Black cells of a one-pixel line through the middle with a 3/5/7/9 pixel
    triangle at one end; the widest row of the triangle lies on the image's edge."""
    n, mid = CURSOR_SIZE, 15
    cells = set()
    for along in range(n):
        cells.add((along, mid))
    for step, half in enumerate((1, 2, 3, 4)):  # half widths of 3, 5, 7, 9 pixels
        along = n - 4 + step if triangle_at_far_end else 3 - step
        for across in range(mid - half, mid + half + 1):
            cells.add((along, across))
    # (along, across) -> (column, row)
    return {(across, along) if vertical else (along, across) for along, across in cells}


READING_CURSORS = {
    # name: (vertical, triangle at the far end, hot spot column and row)
    'read_top.cur': (True, True, (15, 31)),
    'read_bottom.cur': (True, False, (15, 0)),
    'read_left.cur': (False, True, (31, 15)),
    'read_right.cur': (False, False, (0, 15)),
}


def CursorFile(black, hot_spot):
    """A one-image 32x32 monochrome .cur: black where AND=0/XOR=0, transparent
    where AND=1/XOR=0."""
    n = CURSOR_SIZE
    xor_mask = PackRows(Grid(n, n, 0), n, 1)
    and_mask = PackRows([[0 if (x, y) in black else 1 for x in range(n)] for y in range(n)],
                        n, 1)
    image = (InfoHeader(n, 2 * n, 1, len(xor_mask) + len(and_mask))
             + PaletteBytes([(0, 0, 0), (0xFF, 0xFF, 0xFF)]) + xor_mask + and_mask)
    header = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', n, n, 2, 0, hot_spot[0], hot_spot[1], len(image),
                        6 + 16)
    return header + entry + image


# ---------------------------------------------------------------- icon

def RulerIcon(size):
    """A cyan ruler lying across the middle with dark ticks hanging from its top edge."""
    top, bottom = size * 9 // 32, size * 23 // 32 - 1      # 9..22 at 32, 4..10 at 16
    left, right = (1, size - 2) if size >= 32 else (0, size - 1)
    pixels = Grid(size, size, BLACK)
    opaque = set()
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            pixels[y][x] = BLACK if edge else CYAN
            opaque.add((x, y))
    pitch = 3 if size >= 32 else 2
    first = left + pitch
    for x in range(first, right - 1, pitch):
        k = (x - first) // pitch
        length = (size // 6 if k % 4 == 0 else size // 10 if k % 2 == 0 else size // 16)
        for y in range(top + 1, top + 1 + max(1, length)):
            pixels[y][x] = TEAL if size >= 32 and k % 2 else BLACK
    # Outside the ruler the icon is transparent: AND 1, XOR colour 0.
    mask = [[0 if (x, y) in opaque else 1 for x in range(size)] for y in range(size)]
    return pixels, mask


def IconFile(sizes):
    images = []
    for size in sizes:
        pixels, mask = RulerIcon(size)
        xor_bits = PackRows(pixels, size, 4)
        and_bits = PackRows(mask, size, 1)
        images.append(InfoHeader(size, 2 * size, 4, len(xor_bits) + len(and_bits))
                      + PaletteBytes(PALETTE16) + xor_bits + and_bits)
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b''.join(images)


# ---------------------------------------------------------------- driver

def AllFiles():
    files = {'velmar.ico': IconFile([32, 16])}
    for dpi in FACE_DPIS:
        suffix = '' if dpi == 96 else '_%d' % dpi
        files['close_up%s.bmp' % suffix] = BitmapFile(ButtonFace(pressed=False, dpi=dpi))
        files['close_down%s.bmp' % suffix] = BitmapFile(ButtonFace(pressed=True, dpi=dpi))
    for name, (vertical, far_end, hot_spot) in READING_CURSORS.items():
        files[name] = CursorFile(ReadingFigure(vertical, far_end), hot_spot)
    return files


def WriteAll(folder):
    for name, data in AllFiles().items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)


def Check(folder):
    """Regenerates into a temporary folder and compares; returns the names that differ."""
    differing = []
    with tempfile.TemporaryDirectory() as scratch:
        WriteAll(scratch)
        for name in sorted(os.listdir(scratch)):
            with open(os.path.join(scratch, name), 'rb') as f:
                fresh = f.read()
            try:
                with open(os.path.join(folder, name), 'rb') as f:
                    kept = f.read()
            except OSError:
                kept = None
            if kept != fresh:
                differing.append(name)
    return differing


def Main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    if argv == ['--check']:
        differing = Check(here)
        for name in differing:
            print('differs from its generated form: ' + name, file=sys.stderr)
        return 1 if differing else 0
    if argv:
        print(__doc__, file=sys.stderr)
        return 2
    WriteAll(here)
    return 0


if __name__ == '__main__':
    sys.exit(Main(sys.argv[1:]))
