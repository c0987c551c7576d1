#!/usr/bin/env python3
"""Writes the editor's cursors as 32 x 32 XPM images, each drawn here at 16 x 16 and doubled.

'#' black, 'o' white, 'r' red, 'g' green, 'y' yellow, '.' transparent. The hot spot of each
cursor is listed in src/editor/DrawingCursors.cpp (in 32 x 32 pixels)."""
import pathlib

ARROW = [
    "#...............",
    "##..............",
    "#o#.............",
    "#oo#............",
    "#ooo#...........",
    "#oooo#..........",
    "#ooooo#.........",
    "#oooooo#........",
    "#ooooooo#.......",
    "#oooo#####......",
    "#oo#o#..........",
    "#o#.#o#.........",
    "##..#o#.........",
    "#....#o#........",
    ".....#o#........",
    "......#.........",
]

HAND = [
    "......##........",
    ".....#oo#.......",
    ".....#oo#.......",
    ".....#oo###.....",
    ".....#oo#oo###..",
    ".....#oo#oo#oo#.",
    ".###.#oo#oo#oo#.",
    "#ooo##oooooooo#.",
    "#oooo#ooooooooo#",
    ".#oooooooooooo#.",
    "..#ooooooooooo#.",
    "..#oooooooooo#..",
    "...#ooooooooo#..",
    "....#oooooooo#..",
    "....#ooooooo#...",
    "....#########...",
]

def pen(tip):
    """A wiring pen pointing to the top left, its tip marked with `tip`."""
    return [
        tip * 2 + "..............",
        tip * 3 + ".............",
        "." + tip + "##............",
        "..#oo#..........",
        "...#oo#.........",
        "....#oo#........",
        ".....#oo#.......",
        "......#oo#......",
        ".......#oo#.....",
        "........#oo#....",
        ".........#oo#...",
        "..........#oo#..",
        "...........#oo#.",
        "............#o#.",
        ".............##.",
        "................",
    ]

def probe(tip):
    """A logic probe pointing to the top left, its lamp coloured by `tip`."""
    return [
        "##..............",
        "##..............",
        "..#.............",
        "...#............",
        "....####........",
        "....#" + tip * 3 + "#.......",
        "....#" + tip * 4 + "#......",
        ".....#" + tip * 4 + "#.....",
        "......#" + tip * 4 + "#....",
        ".......#oooo#...",
        "........#oooo#..",
        ".........#oooo#.",
        "..........#ooo##",
        "...........#oo##",
        "............####",
        "................",
    ]

PARTDRAG = [row[:10] + "......" for row in ARROW[:9]] + [
    "#oooo#####......",
    "#oo#o#..........",
    "#o#.#o#.........",
    "##..#o########..",
    "#....#oooooooo#.",
    ".....#o#oooo#o#.",
    "......########..",
]

CURSORS = {
    "logivanearrow": ARROW,
    "logivanehand": HAND,
    "hand": HAND,
    "wiredefault": pen("#"),
    "wireconnect": pen("g"),
    "wireiswiring": pen("r"),
    "probefloat": probe("y"),
    "probeon": probe("r"),
    "probeoff": probe("g"),
    "partdrag": PARTDRAG,
}

COLOURS = {".": "None", "#": "#000000", "o": "#FFFFFF", "r": "#E00000", "g": "#00A000",
           "y": "#E0C000"}

def xpm(name, art):
    rows = []
    for row in art:
        assert len(row) == 16, (name, row)
        doubled = "".join(c * 2 for c in row)
        rows += [doubled, doubled]
    lines = ["/* XPM */", f"static const char* {name}[] = {{", f'"32 32 {len(COLOURS)} 1",']
    lines += [f'"{c} c {v}",' for c, v in COLOURS.items()]
    lines += [f'"{r}",' for r in rows[:-1]] + [f'"{rows[-1]}"', "};"]
    return "\n".join(lines) + "\n"

folder = pathlib.Path(__file__).resolve().parent.parent / "resources" / "cursors"
for name, art in CURSORS.items():
    (folder / f"{name}.xpm").write_text(xpm(name, art))
