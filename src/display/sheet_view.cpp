// Making the sheet views and drawing them: the figure with a compile's steps, the sheets' text and letters, the solving marks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/sheet_view.h"

#include <algorithm>
#include <utility>

#include "board/board.h"
#include "board/plain_text.h"
#include "display/board_drawing.h"
#include "display/colors.h"
#include "display/sheets.h"

namespace loopword {

namespace {

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
void DrawHeader(Picture& picture, const SheetView& view) {
  int right = kSheetWidth - kHeaderRightMargin;
  if (view.grade != Difficulty::Standard) {
    const SheetTexts& texts = view.texts;
    const std::string grade = texts.difficulty + " " + texts.grades[static_cast<std::size_t>(view.grade) - 1];
    right -= CharacterCount(grade) * kTitleCharWidth;
    PrintHeaderText(picture, right, grade);
    right -= 2 * kTitleCharWidth;
  }
  DrawTitle(picture, view.title, right);
}

/// Where the list starts when its rows are longer than a word: just right of the figure.
constexpr int kWideListLeft = 4950;
/// Where the list's lines must end: above the puzzle sheet's instruction line.
constexpr int kListBottom = 6780;
/// The largest and the smallest type of the list, in points: the rows of a word each take the largest.
constexpr int kListSize = 8;
constexpr int kSmallestListSize = 3;
/// The width of a Courier character of `size` points, and the distance from one list line to the next, in twips.
constexpr int CharWidth(int size) { return size * 20 * 6 / 10; }
constexpr int LineHeight(int size) { return 250 * size / kListSize; }

/// One line of the list as it is printed: the row it belongs to, where it stands and its text.
struct ListLine {
  std::size_t row = 0;
  TwipPoint at{};
  std::string text;
};

/// The list laid out: the left edge its heading shares, the size of its type and its lines.
struct ListLayout {
  int left = 0;
  int size = kListSize;
  std::vector<ListLine> lines;
};

/// `text` cut into lines of at most `width` characters, the lines after the first `indent` characters less, at spaces
/// where it can, within a word where it must.
std::vector<std::string> Wrapped(std::string_view text, int width, int indent) {
  std::vector<std::string> lines;
  std::string line;
  const auto room = [&] { return lines.empty() ? width : width - indent; };
  const auto endLine = [&] {
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
  };
  while (!text.empty()) {
    const std::size_t space = std::min(text.find(' '), text.size());
    std::string_view word = text.substr(0, space);
    text.remove_prefix(std::min(space + 1, text.size()));
    if (word.empty()) continue;
    if (!line.empty() && CharacterCount(line) + 1 + CharacterCount(word) > room()) endLine();
    while (CharacterCount(word) > room()) {  // a word longer than a line: as much as the line holds, the rest below
      const std::string part = FirstCharacters(word, room());
      word.remove_prefix(part.size());
      line = part;
      endLine();
    }
    line += (line.empty() ? "" : " ") + std::string(word);
  }
  endLine();
  return lines;
}

/// The list of `view`: a row a line in the sheet's usual 8-point type where every row fits in one; otherwise wider,
/// from just right of the figure, each row wrapped (on the solution sheet with " = " and its clue after it), in the
/// largest type from 8 to 3 points that holds them all above kListBottom, with a little room between rows where it
/// fits (lines that would still pass it are left out).
ListLayout LayOutList(const SheetView& view) {
  const auto clueOf = [&](std::size_t row) { return row < view.clues.size() ? view.clues[row] : std::string(); };
  const int classicWidth = (kSheetWidth - kHeaderRightMargin - ListRowPoint(0).x) / CharWidth(kListSize);
  bool classic = true;
  for (std::size_t row = 0; row < view.rows.size(); ++row) classic = classic && clueOf(row).empty() && CharacterCount(view.rows[row]) <= classicWidth;
  ListLayout layout{ListRowPoint(0).x, kListSize, {}};
  if (classic) {
    for (std::size_t row = 0; row < view.rows.size(); ++row) layout.lines.push_back({row, ListRowPoint(static_cast<int>(row)), view.rows[row]});
    return layout;
  }
  constexpr int kIndent = 2;  // characters the lines after a row's first stand in
  layout.left = kWideListLeft;
  for (int size = kListSize; size >= kSmallestListSize; --size) {
    for (const int gap : {LineHeight(size) / 4, 0}) {
      const int width = (kSheetWidth - kHeaderRightMargin - kWideListLeft) / CharWidth(size);
      layout.size = size;
      layout.lines.clear();
      int y = ListRowPoint(0).y;
      for (std::size_t row = 0; row < view.rows.size(); ++row) {
        const std::string clue = clueOf(row);
        for (std::string& line : Wrapped(clue.empty() ? view.rows[row] : view.rows[row] + " = " + clue, width, kIndent)) {
          const bool more = !layout.lines.empty() && layout.lines.back().row == row;  // a line after the row's first
          const int x = kWideListLeft + (more ? kIndent * CharWidth(size) : 0);
          layout.lines.push_back({row, {x, y}, std::move(line)});
          y += LineHeight(size);
        }
        y += gap;
      }
      if (layout.lines.empty() || layout.lines.back().at.y + LineHeight(size) <= kListBottom) return layout;
    }
  }
  std::erase_if(layout.lines, [&](const ListLine& line) { return line.at.y + LineHeight(layout.size) > kListBottom; });
  return layout;
}

/// Prints the header, the sheet's heading in 10-point bold and the list below it in regular type.
void DrawHeadingAndRows(Picture& picture, const SheetView& view, const std::string& heading) {
  DrawHeader(picture, view);
  const ListLayout list = LayOutList(view);
  picture.FontName = "Courier New";
  picture.FontSize = 10;
  picture.CurrentX = list.left;
  picture.CurrentY = 250;
  picture.FontBold = true;
  picture.Print(heading);
  picture.FontSize = list.size;
  picture.FontBold = false;
  for (const ListLine& line : list.lines) {
    picture.CurrentX = line.at.x;
    picture.CurrentY = line.at.y;
    picture.Print(line.text);
  }
}

/// The puzzle sheet without its letters: the ink-tagged figure, the titles, the words and the instruction line.
/// Leaves "Courier New" bold, 10 points.
void DrawPuzzleFrame(Picture& picture, const SheetView& view) {
  DrawBoard(picture, ColorInk);
  DrawHeadingAndRows(picture, view, view.texts.puzzleHeading);
  picture.CurrentX = 160;
  picture.CurrentY = 6800;
  picture.FontSize = 6;
  picture.Print(view.texts.instructionLine);
  picture.FontSize = 10;
  picture.FontBold = true;
}

/// Whether `cell` is the ring cell a shared cell is counted by: the one of the lower square.
bool FirstOfItsCell(RingCell cell) { return RingCellsAt(CellPoint(cell.square, cell.position)).front() == cell; }

void DrawPuzzleSheet(Picture& picture, const SheetView& view) {
  DrawPuzzleFrame(picture, view);
  DrawSquareLetters(picture, kCrossingSquare, view.rings[kCrossingSquare]);
  for (const RingCell& cell : view.hints) DrawCellLetter(picture, cell.square, cell.position, RingLetter(view.rings[cell.square], cell.position));
}

void DrawSolutionSheet(Picture& picture, const SheetView& view) {
  DrawBoard(picture, ColorInk);
  for (int square = 1; square <= kSquareCount; ++square) DrawSquareLetters(picture, square, view.rings[square]);
  DrawHeadingAndRows(picture, view, view.texts.solutionHeading);
  picture.FontBold = true;
  for (const RingCell& start : view.starts) DrawStartMark(picture, start);
}

/// Fills the whole 300-twip cell of `cell`, whose letter point lies 100 twips right of and 50
/// below the cell's top-left corner.
void ShadeCell(Picture& picture, RingCell cell, Color color) {
  const TwipPoint point = CellPoint(cell.square, cell.position);
  picture.LineBoxFilled(point.x - 100, point.y - 50, point.x + 200, point.y + 250, color);
}

/// Shades the selected square's ring, then the selected cell over it.
void DrawSelection(Picture& picture, RingCell selected) {
  for (int position = 1; position <= kRingSize; ++position) ShadeCell(picture, {selected.square, position}, ColorSquareShade);
  ShadeCell(picture, selected, ColorSelection);
}

/// A pencil letter: 8-point regular in the pencil colour, set off from a sure letter's place so that it stands in
/// the middle of where a sure letter would.
constexpr int kPencilSize = 8;
constexpr int kPencilDx = 12;
constexpr int kPencilDy = 21;

void DrawPencilLetter(Picture& picture, RingCell cell, char letter) {
  const TwipPoint point = CellPoint(cell.square, cell.position);
  picture.FontSize = kPencilSize;
  picture.FontBold = false;
  picture.ForeColor = ColorPencil;
  picture.CurrentX = point.x + kPencilDx;
  picture.CurrentY = point.y + kPencilDy;
  picture.Print(std::string(1, letter));
  picture.FontSize = 10;
  picture.FontBold = true;
}

/// Prints every filled cell's letter once, marked letters in the error colour, pencil letters grey and smaller.
void DrawSolvingLetters(Picture& picture, const SheetView& view) {
  CellArray<bool> marked{};
  for (const RingCell& cell : view.marked) marked[cell] = true;
  CellArray<bool> pencil{};
  for (const RingCell& cell : view.pencil) pencil[cell] = true;
  CellArray<bool> drawn{};
  for (int square = 1; square <= kSquareCount; ++square) {
    for (int position = 1; position <= kRingSize; ++position) {
      const RingCell cell{square, position};
      const char letter = RingLetterAt(view.rings[square], position);
      bool& done = drawn[cell];
      if (done || letter == ' ' || letter == '\0') continue;
      done = true;
      if (pencil[cell]) {
        DrawPencilLetter(picture, cell, letter);
        continue;
      }
      picture.ForeColor = marked[cell] ? ColorError : ColorInk;
      DrawCellLetter(picture, square, position, std::string(1, letter));
    }
  }
  picture.ForeColor = ColorInk;
}

/// Draws a line through each line of every listed word or clue whose word some ring reads, at the middle of its letters.
void StrikeWords(Picture& picture, const SheetView& view) {
  const ListLayout list = LayOutList(view);
  const int size = list.size;
  for (const ListLine& line : list.lines) {
    if (line.row >= view.struck.size() || !view.struck[line.row]) continue;
    const TwipPoint at = line.at;
    const int right = at.x + CharacterCount(line.text) * CharWidth(size) + 22 * size / kListSize;
    picture.LineBoxFilled(at.x - 20 * size / kListSize, at.y + 65 * size / kListSize, right, at.y + 85 * size / kListSize, ColorInk);
  }
}

void DrawSolving(Picture& picture, const SheetView& view) {
  if (view.cursor) DrawSelection(picture, *view.cursor);
  DrawPuzzleFrame(picture, view);
  DrawSolvingLetters(picture, view);
  StrikeWords(picture, view);
}

/// The view of a sheet of `puzzle` with its header; for the puzzle sheet and solving, its word list and hint cells.
SheetView SheetOf(Sheet sheet, const Puzzle& puzzle, const SheetTexts& texts) {
  SheetView view;
  view.sheet = sheet;
  view.texts = texts;
  view.title = puzzle.title;
  view.grade = puzzle.difficulty;
  if (sheet == Sheet::Solution) return view;
  for (ListedEntry& entry : SheetList(puzzle)) view.rows.push_back(entry.clue.empty() ? std::move(entry.word) : std::move(entry.clue));
  view.hints = SheetHintCells(puzzle);
  return view;
}

}  // namespace

void FigureSteps::DrawSquare(int square, Color tag) {
  std::erase_if(squares_, [square](const SquareTag& drawn) { return drawn.square == square; });
  squares_.push_back({square, tag});
}

void FigureSteps::PrintRing(int square, const std::string& ring) {
  for (int position = 1; position <= kRingSize; ++position) {
    const char letter = RingLetterAt(ring, position);
    if (letter != '\0') printed_[{square, position}] += letter;
  }
}

void FigureSteps::Blank(int square, int position) { printed_[{square, position}].clear(); }

SheetView FigureView(FigureSteps figure) {
  SheetView view;
  view.figure = std::move(figure);
  return view;
}

SheetView PuzzleSheetView(const Puzzle& puzzle, const SheetTexts& texts) {
  SheetView view = SheetOf(Sheet::Puzzle, puzzle, texts);
  for (int square = 1; square <= kSquareCount; ++square) view.rings[square] = std::string(puzzle.board.SquareWord[square].size(), ' ');
  view.rings[kCrossingSquare] = puzzle.board.SquareWord[kCrossingSquare];
  for (const RingCell& cell : view.hints) {
    const char letter = RingLetterAt(puzzle.board.SquareWord[cell.square], cell.position);
    if (letter != '\0') view.rings[cell.square][static_cast<std::size_t>(cell.position - 1)] = letter;
  }
  return view;
}

SheetView SolutionSheetView(const Puzzle& puzzle, const SheetTexts& texts) {
  SheetView view = SheetOf(Sheet::Solution, puzzle, texts);
  for (int square = 1; square <= kSquareCount; ++square) view.rings[square] = puzzle.board.SquareWord[square];
  for (const PlacementLine& placement : puzzle.placements) {
    view.rows.push_back(SquareLabel(placement.square) + ' ' + placement.word);
    const auto clue = puzzle.clues.find(placement.word);
    view.clues.push_back(clue == puzzle.clues.end() ? "" : clue->second);
    view.starts.push_back({placement.square, placement.StartPosition()});
  }
  return view;
}

SheetView SolvingSheetView(const SolvingState& state, const Puzzle& puzzle, const SheetTexts& texts) {
  SheetView view = SheetOf(Sheet::Solving, puzzle, texts);
  for (int square = 1; square <= kSquareCount; ++square) {
    view.rings[square] = state.Ring(square);
    for (int position = 1; position <= kRingSize; ++position) {
      const RingCell cell{square, position};
      if (state.IsMarked(cell) && FirstOfItsCell(cell)) view.marked.push_back(cell);
      if (state.IsPencil(cell) && FirstOfItsCell(cell)) view.pencil.push_back(cell);
    }
  }
  for (const ListedEntry& entry : SheetList(puzzle)) view.struck.push_back(state.IsStruck(entry.word));
  view.cursor = state.Selected();
  return view;
}

TwipBox FigureBox() {
  TwipBox box{SquareX[1], SquareY[1], SquareX[1], SquareY[1]};
  for (int square = 1; square <= kSquareCount; ++square) {
    box.left = std::min(box.left, SquareX[square]);
    box.top = std::min(box.top, SquareY[square]);
    box.right = std::max(box.right, SquareX[square]);
    box.bottom = std::max(box.bottom, SquareY[square]);
  }
  // a square's block of cells lies one cell in from its corner and is three cells wide
  return {box.left + kCellSide, box.top + kCellSide, box.right + 4 * kCellSide, box.bottom + 4 * kCellSide};
}

PrintedSheets SheetsOf(const Puzzle& puzzle, const SheetTexts& texts) {
  return {PuzzleSheetView(puzzle, texts), SolutionSheetView(puzzle, texts)};
}

void DrawSheetView(Picture& picture, const SheetView& view) {
  picture.Cls();
  switch (view.sheet) {
    case Sheet::Figure:
      DrawBoard(picture, ColorFrame);  // the empty figure, its square tags in the frame colour
      DrawFigureSteps(picture, view.figure);
      break;
    case Sheet::Puzzle: DrawPuzzleSheet(picture, view); break;
    case Sheet::Solution: DrawSolutionSheet(picture, view); break;
    case Sheet::Solving: DrawSolving(picture, view); break;
  }
}

void DrawFigureSteps(Picture& picture, const FigureSteps& figure) {
  // the font and colour the empty figure leaves
  picture.FontName = "Courier New";
  picture.FontSize = 10;
  picture.FontBold = true;
  picture.ForeColor = ColorInk;
  for (const FigureSteps::SquareTag& drawn : figure.Squares()) DrawSquare(picture, drawn.square, drawn.tag);
  for (int square = 1; square <= kSquareCount; ++square) {
    for (int position = 1; position <= kRingSize; ++position) {
      const RingCell cell{square, position};
      if (!FirstOfItsCell(cell)) continue;
      for (const char letter : figure.Printed(cell)) DrawCellLetter(picture, square, position, std::string(1, letter));
    }
  }
}

}  // namespace loopword
