#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a printed PDF: one page, ink only on the printable area, two full sheets one above the other.

Usage: check_printed_page.py PDF GEOMETRY   (GEOMETRY: paper width, height, printable left, top, in points)
"""
import pathlib
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "support"))
import netpbm  # noqa: E402


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def main():
    pdf = sys.argv[1]
    _, _, left, top = (float(v) for v in open(sys.argv[2]).read().split())
    failures = [] if re.search(r"^Pages: +1$", run("pdfinfo", pdf), re.M) else ["not one page"]
    with tempfile.TemporaryDirectory() as work:  # one pixel a point
        run("pdftoppm", "-r", "72", "-gray", "-singlefile", pdf, f"{work}/page")
        width, height, _, pixels = netpbm.read(f"{work}/page.pgm")
    ink = [(x, y) for y in range(height) for x in range(width) if pixels[y * width + x] < 128]
    if any(x < left - 1 or y < top - 1 for x, y in ink):
        failures.append(f"ink in the margin left of {left} or above {top}")
    ys = sorted(y for _, y in ink) or [0]
    middle = (ys[0] + ys[-1]) / 2
    halves = (sum(y < middle for y in ys), sum(y >= middle for y in ys))
    if min(halves) < 2000:
        failures.append(f"ink of two sheets one above the other expected, not {halves}")
    print("\n".join(failures) or f"one page; ink on the printable area only, {halves} in its upper and lower half")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
