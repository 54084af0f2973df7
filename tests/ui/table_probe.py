#!/usr/bin/env python3
"""Looks at a screenshot of the card table the way a player's eyes would.

    table_probe.py columns IMAGE   the grip point of the top card of every
                                   column of cards crossing the table's
                                   upper middle, left to right ("x y")
    table_probe.py top IMAGE       the centre of every card or empty place
                                   of the top row, left to right ("x y")
    table_probe.py box IMAGE       the table's area: "WIDTHxHEIGHT+LEFT+TOP"

The table is the area of the default green; everything else in the
screenshot (menus, toolbar, status bar with its clock) is left out.
"""
import subprocess
import sys

GREEN = (0, 96, 0)


def load(path):
    """The screenshot as (width, height, rows of RGB tuples), read through ImageMagick."""
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    # P6 header: magic, width, height, maximum, each followed by white space.
    fields, position = [], 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        start = position
        while not data[position:position + 1].isspace():
            position += 1
        fields.append(data[start:position])
    position += 1
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position:]
    rows = [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)] for y in range(height)]
    return width, height, rows


def table_box(width, height, rows):
    """The bounding box of the green table: left, top, right, bottom (exclusive)."""
    xs, ys = [], []
    for y in range(0, height, 2):
        row = rows[y]
        for x in range(0, width, 2):
            if row[x] == GREEN:
                xs.append(x)
                ys.append(y)
    if not xs:
        sys.exit("no table in the picture")
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def runs(row, left, right):
    """Runs of pixels that are not table green along a row: (start, end)."""
    found, start = [], None
    for x in range(left, right):
        on_card = row[x] != GREEN
        if on_card and start is None:
            start = x
        elif not on_card and start is not None:
            if x - start > 10:
                found.append((start, x))
            start = None
    return found


def columns(width, height, rows):
    left, top, right, bottom = table_box(width, height, rows)
    line = top + (bottom - top) * 33 // 100
    points = []
    for start, end in runs(rows[line], left, right):
        centre = (start + end) // 2
        y = line
        while y + 1 < bottom and rows[y + 1][centre] != GREEN:
            y += 1
        points.append((centre, y - 8))
    return points


def top_row(width, height, rows):
    left, top, right, bottom = table_box(width, height, rows)
    line = top + (bottom - top) * 12 // 100
    return [((start + end) // 2, line) for start, end in runs(rows[line], left, right)]


def box(width, height, rows):
    left, top, right, bottom = table_box(width, height, rows)
    return f"{right - left}x{bottom - top}+{left}+{top}"


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("columns", "top", "box"):
        sys.exit(__doc__)
    picture = load(sys.argv[2])
    if sys.argv[1] == "columns":
        for x, y in columns(*picture):
            print(x, y)
    elif sys.argv[1] == "top":
        for x, y in top_row(*picture):
            print(x, y)
    else:
        print(box(*picture))


if __name__ == "__main__":
    main()
