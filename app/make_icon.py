#!/usr/bin/env python3
"""Generate app/hueprobe.xpm and app/hueprobe.ico, the 32x32 Hueprobe icon.

The XPM is compiled into the program; the ICO, a 16-colour Windows icon with
a transparency mask, is the Windows executable's icon resource.

The icon spells "HUE" over "PROBE" in thick block letters, each letter in its
own saturated colour, with a shared 1-pixel dark outline on a transparent
background.  Run from anywhere:  python3 app/make_icon.py
"""
import os
import struct

SIZE = 32
OUTLINE = "#181820"

# Letter bitmaps: '#' is ink, '.' is empty.  Top row 8x13, bottom row 5x13.
BIG = {
    "H": ["##....##"] * 5 + ["########"] * 2 + ["##....##"] * 6,
    "U": ["##....##"] * 11 + ["########", ".######."],
    "E": ["########"] * 2 + ["##......"] * 3 + ["######.."] * 2
    + ["##......"] * 4 + ["########"] * 2,
}
SMALL = {
    "P": ["####.", "#####"] + ["##.##"] * 3 + ["#####", "####."]
    + ["##..."] * 6,
    "R": ["####.", "#####"] + ["##.##"] * 3 + ["#####", "####."]
    + ["##.##"] * 6,
    "O": [".###.", "#####"] + ["##.##"] * 9 + ["#####", ".###."],
    "B": ["####.", "#####"] + ["##.##"] * 3 + ["####.", "#####"]
    + ["##.##"] * 4 + ["#####", "####."],
    "E": ["#####"] * 2 + ["##..."] * 3 + ["####."] * 2
    + ["##..."] * 4 + ["#####"] * 2,
}
# (text, glyphs, top row of letters, gap between letters, colours)
ROWS = [
    ("HUE", BIG, 1, 2, ["#E8202A", "#FF8A00", "#FFD21A"]),
    ("PROBE", SMALL, 18, 1,
     ["#1FC23B", "#00B4E6", "#2A5BFF", "#9A3CFF", "#FF2DB2"]),
]


def render():
    """Return a SIZE x SIZE grid of colour strings (None = transparent)."""
    grid = [[None] * SIZE for _ in range(SIZE)]
    for text, glyphs, top, gap, colours in ROWS:
        width = sum(len(glyphs[c][0]) for c in text) + gap * (len(text) - 1)
        x = (SIZE - width) // 2
        for ch, colour in zip(text, colours):
            for dy, line in enumerate(glyphs[ch]):
                for dx, bit in enumerate(line):
                    if bit == "#":
                        grid[top + dy][x + dx] = colour
            x += len(glyphs[ch][0]) + gap
    # Outline: every empty pixel touching ink (8-neighbourhood).
    ink = [row[:] for row in grid]
    for y in range(SIZE):
        for x in range(SIZE):
            if ink[y][x] is None and any(
                    0 <= y + j < SIZE and 0 <= x + i < SIZE
                    and ink[y + j][x + i] is not None
                    for j in (-1, 0, 1) for i in (-1, 0, 1)):
                grid[y][x] = OUTLINE
    return grid


def palette():
    """The icon's colours, transparent first; at most 16."""
    colours = [None, OUTLINE] + [c for row in ROWS for c in row[4]]
    colours = list(dict.fromkeys(colours))
    assert len(colours) <= 16
    return colours


def to_xpm(grid):
    colours = palette()
    keys = " .abcdefghijklmn"
    key = {c: keys[i] for i, c in enumerate(colours)}
    lines = ['"%d %d %d 1"' % (SIZE, SIZE, len(colours))]
    lines += ['"%s c %s"' % (key[c], c or "None") for c in colours]
    lines += ['"%s"' % "".join(key[c] for c in row) for row in grid]
    return ("/* XPM */\nstatic const char *const hueprobe_xpm[] = {\n"
            + ",\n".join(lines) + "\n};\n")


def to_ico(grid):
    """A 4-bit ICO: 16-entry palette, colour rows, then the transparency mask,
    both bottom-up; transparent pixels have index 0 and a set mask bit."""
    colours = palette()
    index = {c: i for i, c in enumerate(colours)}
    quads = b"".join(
        bytes([int(c[5:7], 16), int(c[3:5], 16), int(c[1:3], 16), 0])
        if c else bytes(4) for c in colours + [None] * (16 - len(colours)))
    pixels = b""
    mask = b""
    for row in reversed(grid):
        pixels += bytes((index[row[x]] << 4) | index[row[x + 1]]
                        for x in range(0, SIZE, 2))
        bits = "".join("1" if c is None else "0" for c in row)
        mask += int(bits, 2).to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(pixels) + len(mask), 0, 0, 16, 0)
    image = header + quads + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + image


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    grid = render()
    with open(os.path.join(here, "hueprobe.xpm"), "w") as f:
        f.write(to_xpm(grid))
    with open(os.path.join(here, "hueprobe.ico"), "wb") as f:
        f.write(to_ico(grid))
    print("wrote hueprobe.xpm and hueprobe.ico in", here)
