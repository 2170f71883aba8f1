// The text and the letters of the puzzle and solution sheets.
#include "display/sheets.h"

#include "board/plain_text.h"
#include "display/board_drawing.h"
#include "display/colors.h"

namespace loopword {

namespace {

SheetTexts& ChosenSheetTexts() {
  static SheetTexts texts;
  return texts;
}

/// The puzzle's title and grade in the header line: 8-point bold after the program's name, the
/// title cut short with "..." where the grade or the sheet ends. Courier's characters are 0.6 of
/// its size wide.
constexpr int kHeaderLeft = 20;
constexpr int kHeaderTop = 20;
constexpr int kHeaderRightMargin = 160;  // clear of the frame round the picture
constexpr int kHeaderCharWidth = 6 * 20 * 6 / 10;
constexpr int kTitleCharWidth = 8 * 20 * 6 / 10;

void PrintHeaderText(Picture& picture, int left, const std::string& text) {
  picture.FontName = "Courier New";
  picture.FontSize = 8;
  picture.FontBold = true;
  picture.CurrentX = left;
  picture.CurrentY = kHeaderTop;
  picture.Print(text);
}

/// The title after the program's name, in the room left of `right`.
void DrawTitle(Picture& picture, const std::string& title, int right) {
  if (title.empty()) return;
  const int left = kHeaderLeft + (CharacterCount(HeaderLine()) + 2) * kHeaderCharWidth;
  const int room = (right - left) / kTitleCharWidth;
  if (room < 4) return;
  const bool fits = CharacterCount(title) <= room;
  PrintHeaderText(picture, left, fits ? title : FirstCharacters(title, room - 3) + "...");
}

/// A graded sheet's "Difficulty: Hard" at the right end of the header line, and the title before it.
void DrawHeader(Picture& picture, const Puzzle& puzzle) {
  int right = kSheetWidth - kHeaderRightMargin;
  if (puzzle.difficulty != Difficulty::Standard) {
    const SheetTexts& texts = ChosenSheetTexts();
    const std::string grade = texts.difficulty + " " + texts.grades[static_cast<std::size_t>(puzzle.difficulty) - 1];
    right -= CharacterCount(grade) * kTitleCharWidth;
    PrintHeaderText(picture, right, grade);
    right -= 2 * kTitleCharWidth;
  }
  DrawTitle(picture, puzzle.title, right);
}

/// Prints the header, the sheet's heading in 10-point bold and `rows` below it in 8-point regular.
void DrawHeadingAndRows(Picture& picture, const Puzzle& puzzle, const std::string& heading, const std::vector<std::string>& rows) {
  DrawHeader(picture, puzzle);
  picture.FontName = "Courier New";
  picture.FontSize = 10;
  picture.CurrentX = ListRowPoint(0).x;
  picture.CurrentY = 250;
  picture.FontBold = true;
  picture.Print(heading);
  picture.FontSize = 8;
  picture.FontBold = false;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TwipPoint row = ListRowPoint(static_cast<int>(i));
    picture.CurrentX = row.x;
    picture.CurrentY = row.y;
    picture.Print(rows[i]);
  }
}

/// The puzzle sheet's text: titles, the words in alphabetical order, instruction.
void DrawPuzzleText(Picture& picture, const Puzzle& puzzle) {
  DrawHeadingAndRows(picture, puzzle, ChosenSheetTexts().puzzleHeading, SortedWords(puzzle));
  picture.CurrentX = 160;
  picture.CurrentY = 6800;
  picture.FontSize = 6;
  picture.Print(ChosenSheetTexts().instructionLine);
  picture.FontSize = 10;
  picture.FontBold = true;
}

/// The solution sheet's text: titles and "SS WORD" for each placement in square order.
void DrawSolutionText(Picture& picture, const Puzzle& puzzle) {
  std::vector<std::string> rows;
  for (const PlacementLine& placement : puzzle.placements) rows.push_back(SquareLabel(placement.square) + ' ' + placement.word);
  DrawHeadingAndRows(picture, puzzle, ChosenSheetTexts().solutionHeading, rows);
  picture.FontBold = true;
}

}  // namespace

void UseSheetTexts(const SheetTexts& texts) { ChosenSheetTexts() = texts; }

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
  for (const RingCell& cell : SheetHintCells(puzzle)) {
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
