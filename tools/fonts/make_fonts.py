#!/usr/bin/env python3
"""Builds the LED block fonts (BDF) in resources/fonts/ from the dot art in glyphs_5x7.py.

Every font "VELDO CxR" puts each character's dots in the top-left C by R dots of a cell
C+1 wide and R+1 high.  The 5 by 7 master is stretched or narrowed to each size by
repeating or dropping rows and columns that repeat their neighbour (the straight parts of
a stroke), so bars, bowls and diagonals keep their places from size to size; where that
cannot give a good letter, an override below draws it by hand.

    make_fonts.py            write the BDF files
    make_fonts.py --show 4x7 print a font as dot art, to check it by eye
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from glyphs_5x7 import COMPOSED, GLYPHS, MARKS_1, MARKS_2  # noqa: E402

# (face name, file name, columns, rows)
FONTS = [
    ("VELDO 4x5", "veldo-4x5.bdf", 4, 5),
    ("VELDO 4x6", "veldo-4x6.bdf", 4, 6),
    ("VELDO 3x7", "veldo-3x7.bdf", 3, 7),
    ("VELDO 4x7", "veldo-4x7.bdf", 4, 7),
    ("VELDO 5x7", "veldo-5x7.bdf", 5, 7),
    ("VELDO 4x8", "veldo-4x8.bdf", 4, 8),
    ("VELDO 5x8", "veldo-5x8.bdf", 5, 8),
    ("VELDO 5x9", "veldo-5x9.bdf", 5, 9),
    ("VELDO 5x10", "veldo-5x10.bdf", 5, 10),
    ("VELDO 5x11", "veldo-5x11.bdf", 5, 11),
    ("VELDO 5x12", "veldo-5x12.bdf", 5, 12),
    ("VELDO 6x12", "veldo-6x12.bdf", 6, 12),
    ("VELDO 7x12", "veldo-7x12.bdf", 7, 12),
    ("VELDO 8x12", "veldo-8x12.bdf", 8, 12),
    ("UK5x7", "uk5x7.bdf", 5, 7),
]

# Hand-drawn letters for the narrow widths, on 7 rows; they are then stretched like the rest.
OVERRIDES = {
    4: {
        "$": ".##.|#.##|##..|.##.|..##|##.#|.##.",
        "%": "##..|##.#|..#.|..#.|.#..|#.##|..##",
        "&": ".#..|#.#.|#.#.|.#..|#.##|#..#|.##.",
        "M": "#..#|####|####|#..#|#..#|#..#|#..#",
        "N": "#..#|#..#|##.#|#.##|#..#|#..#|#..#",
        "W": "#..#|#..#|#..#|#..#|####|####|#..#",
        "Y": "#..#|#..#|#..#|.##.|..#.|..#.|..#.",
        "m": "....|....|##.#|#.##|#.##|#..#|#..#",
        "w": "....|....|#..#|#..#|#..#|####|.##.",
    },
    3: {
        "#": "#.#|#.#|###|#.#|###|#.#|#.#",
        "$": ".#.|.##|#..|.#.|..#|##.|.#.",
        "%": "#.#|..#|..#|.#.|#..|#..|#.#",
        "&": ".#.|#.#|#.#|.#.|#.#|#.#|.##",
        "*": "...|#.#|.#.|###|.#.|#.#|...",
        "0": "###|#.#|#.#|#.#|#.#|#.#|###",
        "4": "#.#|#.#|#.#|###|..#|..#|..#",
        "6": ".##|#..|#..|##.|#.#|#.#|.#.",
        "G": ".##|#..|#..|#.#|#.#|#.#|.##",
        "K": "#.#|#.#|##.|#..|##.|#.#|#.#",
        "M": "#.#|###|###|#.#|#.#|#.#|#.#",
        "Q": ".#.|#.#|#.#|#.#|#.#|##.|.##",
        "R": "##.|#.#|#.#|##.|#.#|#.#|#.#",
        "S": ".##|#..|#..|.#.|..#|..#|##.",
        "W": "#.#|#.#|#.#|#.#|###|###|#.#",
        "X": "#.#|#.#|#.#|.#.|#.#|#.#|#.#",
        "b": "#..|#..|##.|#.#|#.#|#.#|##.",
        "d": "..#|..#|.##|#.#|#.#|#.#|.##",
        "h": "#..|#..|##.|#.#|#.#|#.#|#.#",
        "k": "#..|#..|#.#|##.|#..|##.|#.#",
        "m": "...|...|##.|###|###|#.#|#.#",
        "n": "...|...|##.|#.#|#.#|#.#|#.#",
        "r": "...|...|#.#|##.|#..|#..|#..",
        "u": "...|...|#.#|#.#|#.#|#.#|.##",
        "w": "...|...|#.#|#.#|###|###|#.#",
    },
}

# Marks drawn by hand where narrowing the five-dot marks would lose them.
MARK_OVERRIDES = {
    3: {"grave": "#..", "acute": "..#", "circumflex": ".#.", "tilde": "###",
        "diaeresis": "#.#", "ring": ".#.", "cedilla": ".#."},
}

# Lower-case letters whose bodies sit in the x-height zone (rows 2-6 of the master).
LOWER_ZONED = set("abcdefghijklmnopqrstuvwxyz") | set("\u00e6\u00f0\u00fe")
MASTER_ASCENT = 2
# x-height by font height: the zone above it carries ascenders and marks.
X_HEIGHT = {7: 5, 8: 6, 9: 6, 10: 7, 11: 8, 12: 8}


def parse(art):
    return art.split("|")


def ink(line):
    return line.count("#")


def diff(a, b):
    return sum(1 for x, y in zip(a, b) if x != y)


def merge(a, b):
    return "".join("#" if "#" in (x, y) else "." for x, y in zip(a, b))


def halves(n, lower_half):
    centre = (n - 1) / 2
    half_centre = (centre + n - 1) / 2 if lower_half else centre / 2
    return centre, half_centre


def is_bar(line):
    return "###" in line


def grow(rows, target):
    """Repeats rows until there are `target` of them, spread evenly over the rows that are not
    bars (so bars stay one dot thick and diagonals stretch whole), blank rows first, taking
    the lower and upper half in turn."""
    n = len(rows)
    counts = [1] * n
    centre = (n - 1) / 2
    candidates = [i for i in range(n) if not is_bar(rows[i])] or list(range(n))
    step = 0
    while sum(counts) < target:
        lower = step % 2 == 0
        half_centre = (centre + n - 1) / 2 if lower else centre / 2

        def key(i):
            in_half = i >= centre if lower else i <= centre
            return (counts[i], 1 if ink(rows[i]) else 0, 0 if in_half else 1, abs(i - half_centre))

        counts[min(candidates, key=key)] += 1
        step += 1
    return [row for row, count in zip(rows, counts) for _ in range(count)]


def pick_merge(rows, lower_half):
    """Index i of the two rows i, i+1 to fold into one: the pair that differs least."""
    n = len(rows)
    centre, half_centre = halves(n, lower_half)
    pairs = [i for i in range(n - 1) if (i + 0.5 >= centre if lower_half else i + 0.5 <= centre)]
    return min(pairs, key=lambda i: (diff(rows[i], rows[i + 1]), ink(rows[i]) + ink(rows[i + 1]),
                                     abs(i + 0.5 - half_centre), abs(i + 0.5 - centre)))


def resize_rows(rows, target):
    if len(rows) < target:
        return grow(rows, target)
    rows = list(rows)
    step = 0
    while len(rows) > target:
        i = pick_merge(rows, lower_half=(step % 2 == 0))
        rows[i:i + 2] = [merge(rows[i], rows[i + 1])]
        step += 1
    return rows


def transpose(rows):
    return ["".join(r[c] for r in rows) for c in range(len(rows[0]))]


def resize_cols(rows, target):
    return transpose(resize_rows(transpose(rows), target))


def blank(cols, count):
    return ["." * cols] * count


def fit_lower(rows, height):
    """A lower-case letter: its ascender zone and x-height zone sized apart."""
    x = X_HEIGHT[height]
    top = resize_rows(rows[:MASTER_ASCENT], height - x) if height - x != MASTER_ASCENT else rows[:2]
    return top + resize_rows(rows[MASTER_ASCENT:], x)


def base_glyph(char, cols, height):
    if char not in GLYPHS:
        return None
    if height < 7 and char.islower() and char.isascii():
        char = char.upper()  # no room for lower case: small capitals
    rows = parse(GLYPHS[char])
    if cols in OVERRIDES and char in OVERRIDES[cols]:
        rows = parse(OVERRIDES[cols][char])
    elif cols < 5:
        rows = resize_cols(rows, cols)
    if char in LOWER_ZONED and height >= 7:
        rows = fit_lower(rows, height)
    else:
        rows = resize_rows(rows, height)
    if cols > 5:
        rows = resize_cols(rows, cols)
    return rows


def mark(name, cols, count):
    if cols in MARK_OVERRIDES:
        return [MARK_OVERRIDES[cols][name]] + blank(cols, count - 1)
    art = parse((MARKS_2 if count == 2 else MARKS_1)[name])
    return resize_cols(art, cols)


def overlay(rows, other):
    return ["".join("#" if "#" in (a, b) else "." for a, b in zip(r, o)) for r, o in zip(rows, other)]


def stroke(rows, top, bottom):
    """Strikes a letter through from its lower left to its upper right (O to Ø)."""
    rows = [list(r) for r in rows]
    cols = len(rows[0])
    for x in range(cols):
        y = bottom - round(x * (bottom - top) / (cols - 1))
        rows[y][x] = "#"
    return ["".join(r) for r in rows]


def composed_glyph(code, cols, height):
    base, name = COMPOSED[code]
    if height < 7:
        return None
    if base.islower():
        body = base_glyph(base, cols, height)
        ascent = height - X_HEIGHT[height]
        lines = 2 if ascent >= 3 else 1
        if name == "stroke":
            return stroke(body, ascent, height - 1)
        if name == "cedilla":
            zone = resize_rows(body[ascent:], X_HEIGHT[height] - lines)
            return blank(cols, ascent) + zone + mark(name, cols, lines)
        top = blank(cols, ascent - lines - 1) + mark(name, cols, lines) + blank(cols, 1)
        return top + body[ascent:]
    lines = 2 if height >= 10 else 1
    if name == "stroke":
        body = base_glyph(base, cols, height)
        return stroke(body, 0, height - 1)
    if name == "cedilla":
        return base_glyph(base, cols, height - lines) + mark(name, cols, lines)
    return mark(name, cols, lines) + blank(cols, 1) + base_glyph(base, cols, height - lines - 1)


def font_glyphs(cols, height):
    glyphs = {}
    for code in list(range(32, 127)) + list(range(0xA0, 0x100)):
        char = chr(code)
        if code in COMPOSED:
            rows = composed_glyph(code, cols, height)
        elif code >= 0xA0 and height < 7:
            rows = None
        else:
            rows = base_glyph(char, cols, height)
        if rows is not None:
            assert len(rows) == height and all(len(r) == cols for r in rows), (char, cols, height)
            glyphs[code] = rows
    return glyphs


def bdf(name, cols, height, glyphs):
    # Dots start at the cell's top-left; the blank column and row complete the cell.
    out = [
        "STARTFONT 2.1",
        f"FONT -VELDO-{name.replace(' ', '')}-Medium-R-Normal--{height + 1}-{(height + 1) * 10}-96-96-C-{(cols + 1) * 10}-ISO10646-1",
        f"SIZE {height + 1} 96 96",
        f"FONTBOUNDINGBOX {cols} {height} 0 0",
        "STARTPROPERTIES 4",
        f'FAMILY_NAME "{name}"',
        'COPYRIGHT "VELDO LED block font"',
        f"FONT_ASCENT {height}",
        "FONT_DESCENT 1",
        "ENDPROPERTIES",
        f"CHARS {len(glyphs)}",
    ]
    for code, rows in sorted(glyphs.items()):
        out += [
            f"STARTCHAR U+{code:04X}",
            f"ENCODING {code}",
            f"SWIDTH {round((cols + 1) * 1000 / (height + 1))} 0",
            f"DWIDTH {cols + 1} 0",
            f"BBX {cols} {height} 0 0",
            "BITMAP",
        ]
        for r in rows:
            bits = int(r.replace("#", "1").replace(".", "0"), 2) << (8 - cols)
            out.append(f"{bits:02X}")
        out.append("ENDCHAR")
    out.append("ENDFONT")
    return "\n".join(out) + "\n"


def show(size):
    cols, height = (int(v) for v in size.split("x"))
    glyphs = font_glyphs(cols, height)
    codes = sorted(glyphs)
    for start in range(0, len(codes), 16):
        chunk = codes[start:start + 16]
        print("  ".join(chr(c).ljust(cols) for c in chunk))
        for y in range(height):
            print("  ".join(glyphs[c][y] for c in chunk))
        print()


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--show":
        show(sys.argv[2])
        return
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    folder = os.path.join(root, "resources", "fonts")
    os.makedirs(folder, exist_ok=True)
    for name, file, cols, height in FONTS:
        with open(os.path.join(folder, file), "w") as f:
            f.write(bdf(name, cols, height, font_glyphs(cols, height)))


if __name__ == "__main__":
    main()
