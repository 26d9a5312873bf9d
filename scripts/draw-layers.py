#!/usr/bin/env python3
"""Draws the includes between the program's folders as an SVG picture.

Each library folder is one box, its ui/ folder counted with it; an arrow runs
from a folder to each folder it includes, marked with the number of include
lines. A folder stands above every folder it includes, one box a row, so
every arrow runs down. Includes that go round in a circle
cannot all run down: those arrows are drawn red, running up, named on
standard error, and the script fails.

    scripts/draw-layers.py [OUT.svg]     (default docs/layers.svg)
"""

import collections
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDERS = ["base", "sheet", "regress", "files", "stats", "graph", "print", "widgets", "app", "cli", "python"]
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([a-z_]+)/', re.MULTILINE)

BOX_WIDTH, BOX_HEIGHT, COLUMN, ROW, MARGIN = 96, 30, 110, 56, 16


def include_counts():
    counts = collections.Counter()
    for folder in FOLDERS:
        for source in sorted((ROOT / folder).rglob("*")):
            if source.suffix not in (".h", ".cpp"):
                continue
            for included in INCLUDE.findall(source.read_text(encoding="utf-8", errors="replace")):
                if included in FOLDERS and included != folder:
                    counts[(folder, included)] += 1
    return counts


def rows_of(counts):
    """A row for each folder, and the arrows that must run up: the folders
    are put in order by the greedy rule of Eades, Lin and Smyth (sinks to
    the bottom, sources to the top, else the folder that includes the most
    more than it is included, weighted by include lines), which leaves few
    include lines running against the order when the includes go round in
    a circle, and none when they do not."""
    left = set(FOLDERS)
    top, bottom = [], []

    def weight(folder, outward):
        return sum(count for (a, b), count in counts.items()
                   if a in left and b in left and (a if outward else b) == folder)

    while left:
        changed = True
        while changed:
            changed = False
            for folder in [f for f in FOLDERS if f in left]:
                if weight(folder, True) == 0:
                    bottom.insert(0, folder)
                    left.discard(folder)
                    changed = True
                elif weight(folder, False) == 0:
                    top.append(folder)
                    left.discard(folder)
                    changed = True
        if left:
            folder = max((f for f in FOLDERS if f in left), key=lambda f: weight(f, True) - weight(f, False))
            top.append(folder)
            left.discard(folder)
    position = {folder: number for number, folder in enumerate(top + bottom)}
    upward = {edge for edge in counts if position[edge[0]] > position[edge[1]]}
    row = {}
    for folder in reversed(top + bottom):
        below = [row[b] for (a, b) in counts if a == folder and (a, b) not in upward]
        row[folder] = max(below, default=-1) + 1
    return row, upward


def svg(counts, row, upward):
    """One box a row, the lowest folder at the bottom; an arrow is an arc on
    the right that bulges the more, the more rows it passes (an arc running
    up is on the left, red)."""
    order = sorted(FOLDERS, key=lambda folder: (-row[folder], FOLDERS.index(folder)))
    level = {folder: number for number, folder in enumerate(order)}
    reach = 2 * COLUMN - 20  # the widest bulge of an arc
    left = MARGIN + (reach if upward else COLUMN // 2)
    width = left + BOX_WIDTH + reach + MARGIN
    height = 2 * MARGIN + (len(order) - 1) * ROW + BOX_HEIGHT
    centre = {folder: (left + BOX_WIDTH / 2, MARGIN + level[folder] * ROW + BOX_HEIGHT / 2) for folder in order}
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width:.0f}" height="{height:.0f}" '
           f'font-family="sans-serif" font-size="13">',
           '<defs><marker id="head" markerWidth="8" markerHeight="8" refX="7" refY="4" orient="auto">'
           '<path d="M0,0 L8,4 L0,8 z" fill="#606060"/></marker>'
           '<marker id="up" markerWidth="8" markerHeight="8" refX="7" refY="4" orient="auto">'
           '<path d="M0,0 L8,4 L0,8 z" fill="#c00000"/></marker></defs>',
           f'<rect width="{width:.0f}" height="{height:.0f}" fill="white"/>']
    for (folder, included), count in sorted(counts.items(), key=lambda edge: (level[edge[0][0]], level[edge[0][1]])):
        (x, y1), (_, y2) = centre[folder], centre[included]
        going_up = (folder, included) in upward
        side = -1 if going_up else 1
        x += side * BOX_WIDTH / 2
        bulge = side * min(reach - 20, 18 + 1.65 * abs(y2 - y1) * COLUMN / (len(order) * ROW))
        colour, head = ("#c00000", "up") if going_up else ("#606060", "head")
        out.append(f'<path d="M{x:.1f},{y1 - 4:.1f} C{x + bulge:.1f},{y1:.1f} {x + bulge:.1f},{y2:.1f} '
                   f'{x:.1f},{y2 + 4:.1f}" fill="none" stroke="{colour}" marker-end="url(#{head})">'
                   f'<title>{folder}/ includes {included}/: {count}</title></path>')
        out.append(f'<text x="{x + 0.75 * bulge + (2 if side > 0 else -14):.1f}" y="{(y1 + y2) / 2 + 4:.1f}" '
                   f'font-size="10" fill="{colour}">{count}</text>')
    for folder in order:
        x, y = centre[folder]
        out.append(f'<rect x="{x - BOX_WIDTH / 2:.1f}" y="{y - BOX_HEIGHT / 2:.1f}" width="{BOX_WIDTH}" '
                   f'height="{BOX_HEIGHT}" rx="4" fill="#eef3fa" stroke="#34507a"/>')
        out.append(f'<text x="{x:.1f}" y="{y + 4:.1f}" text-anchor="middle">{folder}/</text>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    target = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "docs" / "layers.svg"
    counts = include_counts()
    row, upward = rows_of(counts)
    target.write_text(svg(counts, row, upward), encoding="utf-8")
    for folder, included in sorted(upward):
        print(f"{folder}/ includes {included}/ ({counts[(folder, included)]}), whose includes lead back to "
              f"{folder}/: the arrow runs up", file=sys.stderr)
    return 1 if upward else 0


if __name__ == "__main__":
    sys.exit(main())
