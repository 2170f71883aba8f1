// The text and the letters of the puzzle and solution sheets.
#include "display/sheets.h"

#include <algorithm>

#include "board/placement_line.h"
#include "display/board_drawing.h"
#include "display/colors.h"

namespace loopword {

namespace {

/// Inserts `entry` into the sorted `list` at its sorted place.
void InsertSorted(std::vector<std::string>& list, const std::string& entry) {
  list.insert(std::upper_bound(list.begin(), list.end(), entry), entry);
}

/// Prints the title in 10-point bold and `rows` below it in 8-point regular.
void DrawTitleAndRows(Picture& picture, const char* title, const std::vector<std::string>& rows) {
  picture.FontName = "Courier New";
  picture.FontSize = 10;
  picture.CurrentX = ListRowPoint(0).x;
  picture.CurrentY = 250;
  picture.FontBold = true;
  picture.Print(title);
  picture.FontSize = 8;
  picture.FontBold = false;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TwipPoint row = ListRowPoint(static_cast<int>(i));
    picture.CurrentX = row.x;
    picture.CurrentY = row.y;
    picture.Print(rows[i]);
  }
}

/// The puzzle sheet's text: title, the words in alphabetical order (kept in `list1`), instruction.
void DrawPuzzleText(Picture& picture, const std::vector<std::string>& placementLines,
                    std::vector<std::string>& list1) {
  list1.clear();
  for (const std::string& text : placementLines) {
    if (const auto line = PlacementLine::Parse(text)) InsertSorted(list1, line->word);
  }
  DrawTitleAndRows(picture, "PUZZLE", list1);
  picture.CurrentX = 160;
  picture.CurrentY = 6800;
  picture.FontSize = 6;
  picture.Print(kInstructionLine);
  picture.FontSize = 10;
  picture.FontBold = true;
}

/// The solution sheet's text: title and "SS WORD" for each placement line in its order.
void DrawSolutionText(Picture& picture, const std::vector<std::string>& placementLines) {
  std::vector<std::string> rows;
  for (const std::string& text : placementLines) {
    if (PlacementLine::Parse(text)) rows.push_back(text.substr(0, 2) + text.substr(13));
  }
  DrawTitleAndRows(picture, "SOLUTION", rows);
  picture.FontBold = true;
}

}  // namespace

TwipPoint ListRowPoint(int row) { return {5500, 500 + 250 * (row + 1)}; }

void DrawSheetText(Picture& picture, SheetKind kind, const std::vector<std::string>& placementLines,
                   std::vector<std::string>& list1) {
  if (kind == SheetKind::Puzzle) {
    DrawPuzzleText(picture, placementLines, list1);
  } else {
    DrawSolutionText(picture, placementLines);
  }
}

void DrawPuzzleFrame(Picture& picture, const std::vector<std::string>& placementLines,
                     std::vector<std::string>& list1) {
  DrawBoard(picture, ColorInk);
  DrawSheetText(picture, SheetKind::Puzzle, placementLines, list1);
}

void DrawPuzzleSheet(Picture& picture, const Board& board, const std::vector<std::string>& placementLines,
                     std::vector<std::string>& list1) {
  picture.Cls();
  DrawPuzzleFrame(picture, placementLines, list1);
  DrawSquareLetters(picture, kCrossingSquare, board.SquareWord[kCrossingSquare]);
  for (const RingCell& cell : HintCells) {
    const std::string& ring = board.SquareWord[static_cast<std::size_t>(cell.square)];
    DrawCellLetter(picture, cell.square, cell.position, RingLetter(ring, cell.position));
  }
}

void DrawSolutionSheet(Picture& picture, const Board& board, const std::vector<std::string>& placementLines) {
  picture.Cls();
  DrawBoard(picture, ColorInk);
  for (int square = 1; square <= kSquareCount; ++square) {
    DrawSquareLetters(picture, square, board.SquareWord[static_cast<std::size_t>(square)]);
  }
  DrawSolutionText(picture, placementLines);
  DrawStartMarks(picture, placementLines);
}

}  // namespace loopword
