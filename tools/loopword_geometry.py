"""The figure's geometry as the program defines it, read from src/board/geometry.h.

Scripts import this module instead of copying the tables: SQUARE_X, SQUARE_Y, RING_X, RING_Y
(index 0 unused: the program numbers them from 1) and cell_point(square, position), in twips.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import pathlib
import re

_HEADER = pathlib.Path(__file__).resolve().parent.parent / "src" / "board" / "geometry.h"


def _table(name, text):
    match = re.search(r"\b" + name + r"\s*=\s*\{([^}]*)\}", text)
    if not match:
        raise RuntimeError(f"{name} not found in {_HEADER}")
    # The program numbers squares and positions from 1; a leading 0 keeps index = number here.
    return [0] + [int(value) for value in match.group(1).replace("\n", " ").split(",") if value.strip()]


_TEXT = _HEADER.read_text()
SQUARE_X, SQUARE_Y = _table("SquareX", _TEXT), _table("SquareY", _TEXT)
RING_X, RING_Y = _table("RingX", _TEXT), _table("RingY", _TEXT)


def cell_point(square, position):
    """The letter point of ring position 1..9 of square 1..23, in twips."""
    return SQUARE_X[square] + RING_X[position], SQUARE_Y[square] + RING_Y[position]
