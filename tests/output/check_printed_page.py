#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a printed PDF: one page, ink only inside the two sheet images, each title in its place.

Usage: check_printed_page.py PDF GEOMETRY   (GEOMETRY: paper width, height, printable left, top, in points)
"""
import pathlib
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "support"))
import netpbm  # noqa: E402

TWIPS_PER_POINT = 20
SHEET_WIDTH, SHEET_HEIGHT = 6936, 7092  # the picture area's inner size in twips
SCALE = 1.1
SHEETS = {"PUZZLE": (2200, 440), "SOLUTION": (2200, 8195)}  # each sheet image's corner on the printable area
TITLE_AT = (5500, 250)  # where each sheet prints its title, in its own twips


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def main():
    pdf = sys.argv[1]
    _, _, left, top = (float(v) for v in open(sys.argv[2]).read().split())
    failures = [] if re.search(r"^Pages: +1$", run("pdfinfo", pdf), re.M) else ["not one page"]
    with tempfile.TemporaryDirectory() as work:  # one pixel a point
        run("pdftoppm", "-r", "72", "-gray", "-singlefile", pdf, f"{work}/page")
        width, height, _, pixels = netpbm.read(f"{work}/page.pgm")
    corners = {name: (left + x / TWIPS_PER_POINT, top + y / TWIPS_PER_POINT) for name, (x, y) in SHEETS.items()}
    size = (SCALE * SHEET_WIDTH / TWIPS_PER_POINT, SCALE * SHEET_HEIGHT / TWIPS_PER_POINT)
    ink = dict.fromkeys([*SHEETS, "outside"], 0)
    for y in range(height):
        for x in (x for x in range(width) if pixels[y * width + x] < 128):
            where = [name for name, (x0, y0) in corners.items() if x0 - 1 <= x <= x0 + size[0] + 1 and y0 - 1 <= y <= y0 + size[1] + 1]
            ink[(where or ["outside"])[0]] += 1
    if min(ink["PUZZLE"], ink["SOLUTION"]) < 2000 or ink["outside"]:
        failures.append(f"ink should fill the sheet images only: {ink}")
    # The printing system turns the text into glyph drawings without letter codes, so each
    # title is recognised as a word of its length at the title's place in its image.
    words = re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>', run("pdftotext", "-bbox", pdf, "-"))
    for title, (x0, y0) in corners.items():
        x, y = x0 + SCALE * TITLE_AT[0] / TWIPS_PER_POINT, y0 + SCALE * TITLE_AT[1] / TWIPS_PER_POINT
        if not any(abs(float(wx) - x) < 3 and abs(float(wy) - y) < 4 and len(glyphs) == len(title) for wx, wy, glyphs in words):
            failures.append(f"no {title} title at ({x:.0f}, {y:.0f})")
    print("\n".join(failures) or f"one page; ink inside the images only {ink}; both titles in place")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
