#!/usr/bin/env python3
"""Draws the pictures that the whiteboard reads from the application folder:
Hand.bmp (the hand pointer, 24-bit BMP) and laser.gif (the laser dot, GIF89a with a
transparent background). Run it from any folder; it writes beside itself."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The hand: index finger pointing up. '#' outline, '.' skin, 'o' nail, 'c' cuff, ' ' paper.
HAND = [
    "          ##            ",
    "         #..#           ",
    "         #oo#           ",
    "         #..#           ",
    "         #..#           ",
    "         #..###         ",
    "         #..#..##       ",
    "         #..#..#.##     ",
    "         #..#..#..#.#   ",
    "    ##   #..#..#..#..#  ",
    "   #..#  #..#..#..#..#  ",
    "   #...# #...........#  ",
    "    #...##...........#  ",
    "     #...#...........#  ",
    "     #...............#  ",
    "      #..............#  ",
    "      #..............#  ",
    "       #.............#  ",
    "       #............#   ",
    "        #...........#   ",
    "        #..........#    ",
    "         #.........#    ",
    "         ###########    ",
    "         #ccccccccc#    ",
    "         #ccccccccc#    ",
    "         ###########    ",
]
HAND_COLOURS = {
    "#": (40, 40, 40),
    ".": (255, 222, 186),
    "o": (255, 240, 230),
    "c": (60, 110, 200),
    " ": (255, 255, 255),
}


def write_bmp(path, rows, colours):
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # bottom row first
        line = bytearray()
        for ch in row:
            r, g, b = colours[ch]
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def laser_pixels(size):
    """A red dot fading to its rim: palette indices, 0 is the transparent paper."""
    centre = (size - 1) / 2.0
    radius = size / 2.0
    indices = []
    for y in range(size):
        for x in range(size):
            d = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5 / radius
            indices.append(0 if d > 1.0 else 1 + min(7, int(d * 8)))
    return indices


LASER_PALETTE = [(255, 255, 255), (255, 250, 240), (255, 200, 190), (255, 120, 110), (255, 40, 30),
                 (235, 20, 20), (210, 10, 10), (180, 0, 0), (150, 0, 0)]


def lzw_literals(indices, min_code_size=8):
    """LZW data that sends every pixel as a literal code and clears the table before it would
    grow past the first code width, so the code width never changes."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    width = min_code_size + 1
    codes = []
    for start in range(0, len(indices), 200):
        codes.append(clear)
        codes.extend(indices[start:start + 200])
    codes.append(end)
    bits, nbits, out = 0, 0, bytearray()
    for code in codes:
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 0xFF)
    return out


def write_gif(path, size, indices, palette):
    table = bytearray()
    for i in range(256):
        table += bytes(palette[i] if i < len(palette) else (0, 0, 0))
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", size, size, 0xF7, 0, 0)  # global table of 256 colours
    data += table
    data += bytes((0x21, 0xF9, 4, 0x01, 0, 0, 0, 0))  # transparent colour: index 0
    data += b"," + struct.pack("<HHHHB", 0, 0, size, size, 0)
    data.append(8)
    lzw = lzw_literals(indices)
    for start in range(0, len(lzw), 255):
        block = lzw[start:start + 255]
        data.append(len(block))
        data += block
    data += b"\0;"
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    width = max(len(r) for r in HAND)
    write_bmp(os.path.join(HERE, "Hand.bmp"), [r.ljust(width) for r in HAND], HAND_COLOURS)
    write_gif(os.path.join(HERE, "laser.gif"), 16, laser_pixels(16), LASER_PALETTE)
