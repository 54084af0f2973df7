#!/usr/bin/env python3
"""Looks at a screenshot of the card table the way a player's eyes would.

    table_probe.py columns IMAGE   the grip point of the top card of every
                                   column of cards crossing the table's
                                   upper middle, left to right ("x y")
    table_probe.py top IMAGE       the centre of every card or empty place
                                   of the top row, left to right ("x y")
    table_probe.py box IMAGE       the table's area: "WIDTHxHEIGHT+LEFT+TOP"
    table_probe.py choose FILE     from a session of the text front end
                                   with the same deal that ends "snapshot",
                                   "moves", "quit" (FILE), the
                                   first move a player makes by dragging a
                                   top card ("FROM TO CARD", pile names), or
                                   "stock" when there is none

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


# The snapshot's lines: the stock list, 16 foundations, 26 tableau piles,
# 8 reserves; a pile is groups of a three-digit card and a face flag.
PILES = (["Mazzo", "Mazzo_Vis", "Waste"] + [f"Dest{n}" for n in range(1, 17)] +
         [f"Fila{n}" for n in range(1, 27)] + [f"Appogg{n}" for n in range(1, 9)])


def choose(path):
    # The answers of the session, each ended by a line ".": those of the
    # moves replayed, then the snapshot, the moves and the quit.
    blocks, block = [], []
    for line in open(path).read().split("\n"):
        if line == ".":
            blocks.append(block)
            block = []
        else:
            block.append(line)
    snapshot, moves = blocks[-3], blocks[-2]
    top_of = {}
    for name, pile in zip(PILES, snapshot):
        if len(pile) >= 4:
            top_of[int(pile[-4:-1])] = name
    for move in moves:
        parts = move.split()
        if len(parts) != 2 or not parts[0].isdigit():
            continue
        source = top_of.get(int(parts[0]))
        if source and source.startswith(("Fila", "Mazzo_Vis")) and parts[1].startswith(("Fila", "Dest")):
            return f"{source} {parts[1]} {parts[0]}"
    return "stock"


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "choose":
        print(choose(sys.argv[2]))
        return
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
