// The text and the letters of the puzzle and solution sheets.
#include "display/sheets.h"

#include "board/hint_cells.h"
#include "display/board_drawing.h"
#include "display/colors.h"

namespace loopword {

namespace {

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

/// The puzzle sheet's text: title, the words in alphabetical order, instruction.
void DrawPuzzleText(Picture& picture, const Puzzle& puzzle) {
  DrawTitleAndRows(picture, "PUZZLE", SortedWords(puzzle));
  picture.CurrentX = 160;
  picture.CurrentY = 6800;
  picture.FontSize = 6;
  picture.Print(kInstructionLine);
  picture.FontSize = 10;
  picture.FontBold = true;
}

/// The solution sheet's text: title and "SS WORD" for each placement in square order.
void DrawSolutionText(Picture& picture, const Puzzle& puzzle) {
  std::vector<std::string> rows;
  for (const PlacementLine& placement : puzzle.placements) rows.push_back(SquareLabel(placement.square) + ' ' + placement.word);
  DrawTitleAndRows(picture, "SOLUTION", rows);
  picture.FontBold = true;
}

}  // namespace

TwipPoint ListRowPoint(int row) { return {5500, 500 + 250 * (row + 1)}; }

void DrawPuzzleFrame(Picture& picture, const Puzzle& puzzle) {
  DrawBoard(picture, ColorInk);
  DrawPuzzleText(picture, puzzle);
}

void DrawPuzzleSheet(Picture& picture, const Puzzle& puzzle) {
  const Board& board = puzzle.board;
  picture.Cls();
  DrawPuzzleFrame(picture, puzzle);
  DrawSquareLetters(picture, kCrossingSquare, board.SquareWord[kCrossingSquare]);
  for (const RingCell& cell : HintCells) {
    const std::string& ring = board.SquareWord[cell.square];
    DrawCellLetter(picture, cell.square, cell.position, RingLetter(ring, cell.position));
  }
}

void DrawSolutionSheet(Picture& picture, const Puzzle& puzzle) {
  picture.Cls();
  DrawBoard(picture, ColorInk);
  for (int square = 1; square <= kSquareCount; ++square) {
    DrawSquareLetters(picture, square, puzzle.board.SquareWord[square]);
  }
  DrawSolutionText(picture, puzzle);
  DrawStartMarks(picture, puzzle.placements);
}

}  // namespace loopword
