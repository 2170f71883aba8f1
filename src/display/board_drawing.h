// Drawing the figure: the header line, the 23 numbered squares, their letters and the start marks.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "board/geometry.h"
#include "display/canvas.h"
#include "display/picture.h"

namespace loopword {

/// The header line printed at the top left of the figure: "Loopword - free download at " and
/// the web address the build was configured with, or "Loopword" alone when it has none.
std::string HeaderLine();

/// Character `position` (1-based) of `ring` as a one-letter text; "" when the ring is shorter.
std::string RingLetter(const std::string& ring, int position);

/// Draws the 3x3 cell grid of the square whose block origin is (x, y) (twips): grey 1-pixel cell
/// lines, then the ink frame 2 pixels wide. Leaves DrawWidth at 2.
void DrawSquareGrid(Picture& picture, int x, int y);

/// Draws square `square` (1..23): its tag filled with `tagColor`, its grid and its number in
/// 9-point ColorPaper. Leaves DrawWidth 2, ForeColor ColorInk and FontSize 10.
void DrawSquare(Picture& picture, int square, Color tagColor);

/// Draws the header line and all 23 squares with `tagColor` tags, square 12 again with an ink tag.
/// Does not clear first. Leaves DrawWidth 2, ForeColor ColorInk, "Courier New", 10 points.
void DrawBoard(Picture& picture, Color tagColor);

/// Prints `letter` at the anchor of ring position `position` (1..9) of square `square` (1..23),
/// in the current font and colour.
void DrawCellLetter(Picture& picture, int square, int position, const std::string& letter);

/// Prints the first 8 characters of `ring` round square `square`, character p at ring position p.
void DrawSquareLetters(Picture& picture, int square, const std::string& ring);

/// Draws a 25-twip ColorPaper mark on the tag edge of `start`'s square that faces the cell where its word starts.
void DrawStartMark(Picture& picture, RingCell start);

}  // namespace loopword
