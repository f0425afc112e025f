#!/usr/bin/env python3
"""Draws the program's bitmaps, cursors and icon, pixel by pixel.

    make_resources.py          writes the files next to this script
    make_resources.py --check  regenerates them into a temporary folder and
                               exits with 1 if any checked-in file differs

Standard library only; the output depends on nothing but this script.
"""
import os
import re
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


# ---------------------------------------------------------------- resolutions

def DrawnDpis():
    """The resolutions the images are drawn for: the list the program keeps in
    ruler/view/DrawnResolutions.h, read from there so that the two never differ."""
    header = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'ruler', 'view', 'DrawnResolutions.h')
    with open(header) as f:
        listed = re.search(r'kDrawnDpis\[\] = \{([0-9, ]+)\}', f.read())
    return tuple(int(dpi) for dpi in listed.group(1).split(','))


# ---------------------------------------------------------------- close button

# At 96 dpi a face is 12 by 13 pixels, with one-pixel edges and a cross of two-pixel strokes,
# 7 wide and 6 high.


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

def ReadingFigure(size, vertical, triangle_at_far_end):
    """Black cells of a one-pixel line through the middle with a triangle at one end, as wide
    as 3, 5, 7 ... pixels (3 to 9 at 32 pixels); its widest row lies on the image's edge."""
    mid, depth = size // 2 - 1, size // 8
    cells = set()
    for along in range(size):
        cells.add((along, mid))
    for step in range(depth):
        along = size - depth + step if triangle_at_far_end else depth - 1 - step
        for across in range(mid - step - 1, mid + step + 2):
            cells.add((along, across))
    # (along, across) -> (column, row)
    return {(across, along) if vertical else (along, across) for along, across in cells}


READING_CURSORS = {
    # name: (vertical, triangle at the far end); the hot spot is the middle of the triangle's
    # outer side
    'read_top.cur': (True, True),
    'read_bottom.cur': (True, False),
    'read_left.cur': (False, True),
    'read_right.cur': (False, False),
}


def HotSpot(size, vertical, far_end):
    mid, edge = size // 2 - 1, size - 1 if far_end else 0
    return (mid, edge) if vertical else (edge, mid)


def CursorImage(size, black):
    """One monochrome image: black where AND=0/XOR=0, transparent where AND=1/XOR=0."""
    xor_mask = PackRows(Grid(size, size, 0), size, 1)
    and_mask = PackRows([[0 if (x, y) in black else 1 for x in range(size)] for y in range(size)], size, 1)
    return (InfoHeader(size, 2 * size, 1, len(xor_mask) + len(and_mask))
            + PaletteBytes([(0, 0, 0), (0xFF, 0xFF, 0xFF)]) + xor_mask + and_mask)


def CursorFile(vertical, far_end):
    """A .cur with the figure drawn for each resolution: 32 pixels at 96 dpi, scaled."""
    sizes = [Scaled(32, dpi) for dpi in DrawnDpis()]
    images = [CursorImage(size, ReadingFigure(size, vertical, far_end)) for size in sizes]
    out = struct.pack('<HHH', 0, 2, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        x, y = HotSpot(size, vertical, far_end)
        out += struct.pack('<BBBBHHII', size, size, 2, 0, x, y, len(image), offset)
        offset += len(image)
    return out + b''.join(images)


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
    for dpi in DrawnDpis():
        suffix = '' if dpi == 96 else '_%d' % dpi
        files['close_up%s.bmp' % suffix] = BitmapFile(ButtonFace(pressed=False, dpi=dpi))
        files['close_down%s.bmp' % suffix] = BitmapFile(ButtonFace(pressed=True, dpi=dpi))
    for name, (vertical, far_end) in READING_CURSORS.items():
        files[name] = CursorFile(vertical, far_end)
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
