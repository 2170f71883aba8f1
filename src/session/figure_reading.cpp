// Reading the figure on screen from the session: the sheet on show, or the grid being solved.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/figure_reading.h"

#include "play/cells.h"

namespace loopword {

namespace {

/// A letter of a ring string as a cell shows it: `shows`, or empty where the ring has none.
CellReading RingCellReading(const std::string& ring, int position, CellShows shows) {
  const char letter = RingLetterAt(ring, position);
  if (letter == ' ' || letter == '\0') return {};
  return {letter, shows};
}

/// Sets every ring cell of the 23 squares to what `read` makes of it.
template <typename Read>
void ReadEachCell(FigureReading& reading, const Read& read) {
  for (int square = 1; square <= kSquareCount; ++square) {
    for (int position = 1; position <= kRingSize; ++position) reading.cells[square][position] = read(RingCell{square, position});
  }
}

/// The sheet's words in the order the puzzle sheet lists them, none found.
std::vector<ListedWord> ListedWords(const Puzzle& puzzle) {
  std::vector<ListedWord> listed;
  for (std::string& word : SortedWords(puzzle)) listed.push_back({std::move(word), false});
  return listed;
}

void ReadPuzzleSheet(const Puzzle& puzzle, FigureReading& reading) {
  std::vector<RingCell> given = SheetHintCells(puzzle);
  for (int position = 1; position <= kRingSize; ++position) given.push_back({kCrossingSquare, position});
  CellArray<bool> isGiven{};
  for (const RingCell& cell : given) isGiven[cell] = true;
  ReadEachCell(reading, [&](RingCell cell) {  // a shared cell is given from either of its squares
    return isGiven[cell] ? RingCellReading(puzzle.board.SquareWord[cell.square], cell.position, CellShows::Hint) : CellReading{};
  });
}

void ReadSolutionSheet(const Puzzle& puzzle, FigureReading& reading) {
  ReadEachCell(reading, [&](RingCell cell) {
    return RingCellReading(puzzle.board.SquareWord[cell.square], cell.position, CellShows::Letter);
  });
}

CellReading SolvingCellReading(const SolvingState& solving, RingCell cell) {
  const char letter = solving.LetterAt(cell);
  if (letter == ' ') return {};
  if (solving.IsFixed(cell)) return {letter, CellShows::Hint};
  return {letter, solving.IsMarked(cell) ? CellShows::Wrong : CellShows::Letter};
}

void ReadSolving(const SolvingState& solving, FigureReading& reading) {
  ReadEachCell(reading, [&](RingCell cell) { return SolvingCellReading(solving, cell); });
  reading.current = solving.Selected();
  for (ListedWord& listed : reading.words) listed.found = solving.IsStruck(listed.word);
}

}  // namespace

FigureReading ReadFigure(const Session& session) {
  FigureReading reading;
  const Puzzle& puzzle = session.CurrentPuzzle();
  if (session.HasPuzzle()) reading.words = ListedWords(puzzle);
  switch (session.CurrentMode()) {
    case Mode::ShowingPuzzle:
      reading.sheet = FigureSheet::Puzzle;
      ReadPuzzleSheet(puzzle, reading);
      break;
    case Mode::ShowingSolution:
      reading.sheet = FigureSheet::Solution;
      ReadSolutionSheet(puzzle, reading);
      break;
    case Mode::Solving:
      reading.sheet = FigureSheet::Solving;
      if (const SolvingState* solving = session.Solving()) ReadSolving(*solving, reading);
      break;
    case Mode::Compiling: reading.sheet = FigureSheet::Compiling; break;
    case Mode::Idle:
    case Mode::Closed: break;
  }
  return reading;
}

}  // namespace loopword
