#!/usr/bin/env python3
"""Generate app/hueprobe.xpm, the 32x32 Hueprobe application icon.

The icon spells "HUE" over "PROBE" in thick block letters, each letter in its
own saturated colour, with a shared 1-pixel dark outline on a transparent
background.  Run from anywhere:  python3 app/make_icon.py
"""
import os

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


def to_xpm(grid):
    colours = [None, OUTLINE] + [c for row in ROWS for c in row[4]]
    colours = list(dict.fromkeys(colours))
    keys = " .abcdefghijklmn"
    assert len(colours) <= 16
    key = {c: keys[i] for i, c in enumerate(colours)}
    lines = ['"%d %d %d 1"' % (SIZE, SIZE, len(colours))]
    lines += ['"%s c %s"' % (key[c], c or "None") for c in colours]
    lines += ['"%s"' % "".join(key[c] for c in row) for row in grid]
    return ("/* XPM */\nstatic const char *const hueprobe_xpm[] = {\n"
            + ",\n".join(lines) + "\n};\n")


if __name__ == "__main__":
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                       "hueprobe.xpm")
    with open(out, "w") as f:
        f.write(to_xpm(render()))
    print("wrote", out)
