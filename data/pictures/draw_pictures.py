#!/usr/bin/env python3
"""Draws the demonstration pictures Demo_Figure.xpm and Demo_Church.xpm.

Simple geometric drawings made by this project for the saint window: a figure with
a halo and a book, and a church with three domes. Neither is a picture of a saint.
XPM is text, so the pictures can be read in review; Qt loads it without a plug-in.

    python3 data/pictures/draw_pictures.py data/pictures
"""

import math
import sys
from pathlib import Path

W, H = 96, 128


def blank(fill):
    return [[fill] * W for _ in range(H)]


def frame(img, border, inner):
    for y in range(H):
        for x in range(W):
            edge = x < 3 or y < 3 or x >= W - 3 or y >= H - 3
            img[y][x] = border if edge else inner


def disc(img, cx, cy, r, ch, ring=None):
    """A filled circle; with ring, only the band between ring and r."""
    for y in range(H):
        for x in range(W):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d <= r and (ring is None or d >= ring):
                img[y][x] = ch


def ellipse(img, cx, cy, rx, ry, ch):
    for y in range(H):
        for x in range(W):
            if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1:
                img[y][x] = ch


def rect(img, x0, y0, x1, y1, ch):
    for y in range(max(0, y0), min(H, y1)):
        for x in range(max(0, x0), min(W, x1)):
            img[y][x] = ch


def trapezoid(img, top, bottom, cx, half_top, half_bottom, ch):
    for y in range(top, bottom):
        t = (y - top) / max(1, bottom - top - 1)
        half = half_top + (half_bottom - half_top) * t
        rect(img, int(round(cx - half)), y, int(round(cx + half)), y + 1, ch)


def cross(img, cx, top, height, arm, ch):
    rect(img, cx - 1, top, cx + 1, top + height, ch)
    rect(img, cx - arm, top + height // 3, cx + arm, top + height // 3 + 2, ch)


def figure():
    img = blank(".")
    frame(img, "#", ".")
    disc(img, 48, 34, 22, "o")              # halo
    trapezoid(img, 52, 124, 48, 12, 40, "+")  # robe
    trapezoid(img, 52, 124, 48, 5, 14, "b")   # inner garment
    ellipse(img, 48, 36, 11, 14, "s")       # face
    rect(img, 37, 22, 59, 27, "h")          # hair
    rect(img, 37, 22, 40, 44, "h")
    rect(img, 56, 22, 59, 44, "h")
    rect(img, 44, 38, 46, 40, "#")          # eyes
    rect(img, 50, 38, 52, 40, "#")
    rect(img, 28, 80, 46, 102, "w")         # the open book
    rect(img, 46, 80, 48, 102, "#")
    rect(img, 48, 80, 66, 102, "w")
    for y in (85, 89, 93, 97):
        rect(img, 31, y, 44, y + 1, "#")
        rect(img, 51, y, 63, y + 1, "#")
    return img, {".": "#F4ECD8", "#": "#5A3A1A", "o": "#D4A017", "+": "#8B1A1A", "b": "#1F3F7A",
                 "s": "#E2B98F", "h": "#3B2412", "w": "#FFFDF4"}


def church():
    img = blank(".")
    frame(img, "#", ".")
    rect(img, 3, 104, W - 3, H - 3, "g")    # ground
    rect(img, 18, 62, 78, 108, "w")         # walls
    rect(img, 42, 84, 54, 108, "d")         # door
    disc(img, 48, 84, 6, "d")
    for x in (24, 64):                       # windows
        rect(img, x, 72, x + 8, 86, "b")
        disc(img, x + 4, 72, 4, "b")
    rect(img, 40, 40, 56, 62, "w")          # drum of the middle dome
    disc(img, 48, 42, 13, "o")              # domes
    rect(img, 30, 42, 66, 56, ".")
    rect(img, 40, 42, 56, 62, "w")
    disc(img, 48, 42, 9, "o")
    rect(img, 38, 42, 58, 52, "w")
    for cx in (28, 68):
        disc(img, cx, 62, 8, "o")
        rect(img, cx - 9, 62, cx + 9, 71, "w")
        cross(img, cx, 44, 12, 4, "#")
    cross(img, 48, 14, 20, 6, "#")
    rect(img, 18, 62, 78, 64, "#")          # roof line
    return img, {".": "#DCEBF7", "#": "#4A3216", "o": "#C9961A", "w": "#F6F1E6", "d": "#6B3E1E",
                 "b": "#2E5C9A", "g": "#7C9A4E"}


def write_xpm(path, name, comment, picture):
    img, colours = picture
    used = sorted({ch for row in img for ch in row})
    lines = ["/* XPM */", f"/* {comment} */", f"static const char *{name}[] = {{",
             f'"{W} {H} {len(used)} 1",']
    lines += [f'"{ch} c {colours[ch]}",' for ch in used]
    rows = ['"' + "".join(row) + '"' for row in img]
    lines += [row + "," for row in rows[:-1]] + [rows[-1], "};"]
    Path(path).write_text("\n".join(lines) + "\n", encoding="ascii")


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
    write_xpm(out / "Demo_Figure.xpm", "demo_figure",
              "Demonstration picture drawn by draw_pictures.py; not a picture of a saint.", figure())
    write_xpm(out / "Demo_Church.xpm", "demo_church",
              "Demonstration picture drawn by draw_pictures.py; not a picture of a saint.", church())


if __name__ == "__main__":
    main()
