// The figure's drawing routines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/board_drawing.h"

#include "board/board.h"
#include "board/geometry.h"
#include "display/colors.h"
#include "play/cells.h"

namespace loopword {

namespace {

/// Side of a square's tag in twips.
constexpr int kTagSide = 260;
/// Side of a start mark in twips.
constexpr int kMarkSide = 25;

/// Offset of the start mark from the centre anchor for ring positions 1..8.
constexpr RingArray<int> kMarkDx = {-80, 50, 160, 160, 160, 50, -80, -80};
constexpr RingArray<int> kMarkDy = {-25, -25, -25, 80, 195, 195, 195, 80};

/// Fills a `side`-twip box over cell `position` (1..9) of `square`, from 75 twips left of and 25
/// above the cell's letter point.
void FillCellBox(Picture& picture, int square, int position, int side, Color color) {
  const TwipPoint point = CellPoint(square, position);
  const int left = point.x - 75;
  const int top = point.y - 25;
  picture.LineBoxFilled(left, top, left + side, top + side, color);
}

/// Prints the square's number on its tag in 9-point ColorPaper, then restores ink and 10 points.
void DrawSquareNumber(Picture& picture, int square, int x, int y) {
  picture.CurrentX = x + (square > 9 ? 660 : 680);
  picture.CurrentY = y + 650;
  picture.ForeColor = ColorPaper;
  picture.FontSize = 9;
  picture.Print(std::to_string(square));
  picture.ForeColor = ColorInk;
  picture.FontSize = 10;
}

}  // namespace

std::string HeaderLine() {
  const std::string address = LOOPWORD_WEB_ADDRESS;
  return address.empty() ? "Loopword" : "Loopword - free download at " + address;
}

std::string RingLetter(const std::string& ring, int position) {
  const char letter = RingLetterAt(ring, position);
  return letter == '\0' ? std::string() : std::string(1, letter);
}

void DrawSquareGrid(Picture& picture, int x, int y) {
  picture.DrawWidth = 1;
  for (int r = 1; r <= 3; ++r) {
    for (int c = 1; c <= 3; ++c) {
      const int left = x + kCellSide * c;
      const int top = y + kCellSide * r;
      picture.LineBox(left, top, left + kCellSide, top + kCellSide, picture.GridColor);
    }
  }
  picture.DrawWidth = 2;
  picture.LineBox(x + kCellSide, y + kCellSide, x + 4 * kCellSide, y + 4 * kCellSide, ColorInk);
}

void DrawSquare(Picture& picture, int square, Color tagColor) {
  const int x = SquareX[square];
  const int y = SquareY[square];
  FillCellBox(picture, square, kCentre, kTagSide, tagColor);
  DrawSquareGrid(picture, x, y);
  DrawSquareNumber(picture, square, x, y);
}

void DrawBoard(Picture& picture, Color tagColor) {
  picture.FontSize = 6;
  picture.CurrentX = 20;
  picture.CurrentY = 20;
  picture.Print(HeaderLine());
  picture.FontName = "Courier New";
  for (int square = 1; square <= kSquareCount; ++square) DrawSquare(picture, square, tagColor);
  DrawSquare(picture, kCrossingSquare, ColorInk);
  picture.ForeColor = ColorInk;
  picture.FontSize = 10;
}

void DrawCellLetter(Picture& picture, int square, int position, const std::string& letter) {
  const TwipPoint point = CellPoint(square, position);
  picture.CurrentX = point.x;
  picture.CurrentY = point.y;
  picture.Print(letter);
}

void DrawSquareLetters(Picture& picture, int square, const std::string& ring) {
  for (int position = 1; position <= kRingSize; ++position) {
    DrawCellLetter(picture, square, position, RingLetter(ring, position));
  }
}

void DrawStartMark(Picture& picture, RingCell start) {
  const TwipPoint centre = CellPoint(start.square, kCentre);
  const int x = centre.x + kMarkDx[start.position];
  const int y = centre.y + kMarkDy[start.position];
  picture.LineBoxFilled(x, y, x + kMarkSide, y + kMarkSide, ColorPaper);
}

}  // namespace loopword
