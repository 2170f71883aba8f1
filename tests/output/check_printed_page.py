#!/usr/bin/env python3
"""Checks a printed PDF: one page, ink only inside the two sheet images, each title in its place.

Usage: check_printed_page.py PDF GEOMETRY   (GEOMETRY: paper width, height, printable left, top, in points)
"""
import pathlib
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "support"))
import netpbm  # noqa: E402

TWIPS_PER_POINT = 20
SHEET_WIDTH, SHEET_HEIGHT = 6936, 7092  # the picture area's inner size in twips
SCALE = 1.1
PUZZLE_AT, SOLUTION_AT = (2200, 440), (2200, 8195)
TITLE_AT = (5500, 250)  # where each sheet prints its title, in its own twips
DPI = 72


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def inside_image(x, y, corner, left, top):
    """Whether page point (x, y) lies in the sheet image placed at `corner`, with a point of slack."""
    x0, y0 = left + corner[0] / TWIPS_PER_POINT, top + corner[1] / TWIPS_PER_POINT
    return (x0 - 1 <= x <= x0 + SCALE * SHEET_WIDTH / TWIPS_PER_POINT + 1
            and y0 - 1 <= y <= y0 + SCALE * SHEET_HEIGHT / TWIPS_PER_POINT + 1)


def main():
    pdf, geometry = sys.argv[1], sys.argv[2]
    _, _, left, top = (float(v) for v in open(geometry).read().split())
    failures = []
    pages = [line.split()[1] for line in run("pdfinfo", pdf).splitlines() if line.startswith("Pages:")]
    if pages != ["1"]:
        failures.append(f"expected one page, pdfinfo says {pages}")

    with tempfile.TemporaryDirectory() as work:
        run("pdftoppm", "-r", str(DPI), "-gray", "-singlefile", pdf, f"{work}/page")
        width, height, _, pixels = netpbm.read(f"{work}/page.pgm")
    ink = {"puzzle": 0, "solution": 0, "outside": 0}
    for y in range(height):
        for x in (x for x in range(width) if pixels[y * width + x] < 128):
            where = [name for name, corner in (("puzzle", PUZZLE_AT), ("solution", SOLUTION_AT))
                     if inside_image(x, y, corner, left, top)]
            ink[(where or ["outside"])[0]] += 1
    if ink["puzzle"] < 2000 or ink["solution"] < 2000:
        failures.append(f"too little ink in the sheet images: {ink}")
    if ink["outside"]:
        failures.append(f"ink outside the sheet images: {ink}")

    # The printing system turns the text into glyph drawings without letter codes, so each
    # title is recognised as a word of its length at the title's place in its image.
    words = []
    for line in run("pdftotext", "-bbox", pdf, "-").splitlines():
        if "<word " in line:
            attrs = dict(part.split("=", 1) for part in line.split(">")[0].split()[1:5])
            glyphs = line.split(">", 1)[1].rsplit("<", 1)[0]
            words.append((float(attrs["xMin"].strip('"')), float(attrs["yMin"].strip('"')), len(glyphs)))
    for title, corner in (("PUZZLE", PUZZLE_AT), ("SOLUTION", SOLUTION_AT)):
        x = left + (corner[0] + SCALE * TITLE_AT[0]) / TWIPS_PER_POINT
        y = top + (corner[1] + SCALE * TITLE_AT[1]) / TWIPS_PER_POINT
        if not any(abs(wx - x) < 3 and abs(wy - y) < 4 and n == len(title) for wx, wy, n in words):
            failures.append(f"no {title} title at ({x:.0f}, {y:.0f})")
    if failures:
        print("\n".join(failures))
        sys.exit(1)
    print(f"one page; ink inside the images only {ink}; both titles in place")


if __name__ == "__main__":
    main()
