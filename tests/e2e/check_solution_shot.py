#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a screenshot of the main window after a compile: 23 dark tags and ink in all 184 ring cells."""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path[:0] = [str(HERE.parent / "support"), str(HERE.parent.parent / "tools")]
import netpbm  # noqa: E402
from loopword_geometry import SQUARE_X, SQUARE_Y, cell_point  # noqa: E402

TWIPS_PER_PIXEL = 15
CLIENT_HEIGHT_PX = round(7248 / TWIPS_PER_PIXEL)
PICTURE_OFFSET_PX = 2 + 2  # picture frame inside the client area, then its border


def main():
    width, height, _, pixels = netpbm.read(sys.argv[1])
    top = height - CLIENT_HEIGHT_PX + PICTURE_OFFSET_PX  # below the menu bar
    left = PICTURE_OFFSET_PX

    def dark(x, y):
        i = ((top + y) * width + left + x) * 3
        return max(pixels[i:i + 3]) < 90  # ink, not the dark red of an empty figure's tags

    def dark_share(x0, y0, w, h):
        return sum(1 for y in range(y0, y0 + h) for x in range(x0, x0 + w) if dark(x, y)) / (w * h)

    failures = []
    for s in range(1, 24):
        tag_x, tag_y = (SQUARE_X[s] + 625) // TWIPS_PER_PIXEL + 2, (SQUARE_Y[s] + 625) // TWIPS_PER_PIXEL + 2
        if dark_share(tag_x, tag_y, 13, 13) < 0.5:
            failures.append(f"tag of square {s} is not dark")
        for p in range(1, 9):
            x, y = (v // TWIPS_PER_PIXEL for v in cell_point(s, p))
            if dark_share(x, y, 10, 14) == 0:
                failures.append(f"no letter in square {s} position {p}")
    print("\n".join(failures) or "23 dark tags and 184 lettered cells")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
