// Reading the figure for screen readers from the picture: the sheet on show, or the grid being solved; what Check found.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/view.h"

#include "play/cells.h"

namespace loopword {

namespace {

constexpr Text kCellSaid = LOOPWORD_TEXT("Accessibility", "Square %1, cell %2: %3");
constexpr Text kEmpty = LOOPWORD_TEXT("Accessibility", "empty");
constexpr Text kHint = LOOPWORD_TEXT("Accessibility", "hint %1");
constexpr Text kWrong = LOOPWORD_TEXT("Accessibility", "%1, wrong");
constexpr Text kPencil = LOOPWORD_TEXT("Accessibility", "%1, pencil");
constexpr Text kFound = LOOPWORD_TEXT("Accessibility", "%1 (found)");

/// What a screen reader says of a cell's content.
Phrase CellContent(const CellReading& reading) {
  const std::string letter(1, reading.letter);
  switch (reading.shows) {
    case CellShows::Hint: return Phrase(kHint, {letter});
    case CellShows::Wrong: return Phrase(kWrong, {letter});
    case CellShows::Pencil: return Phrase(kPencil, {letter});
    case CellShows::Letter: return Phrase(letter);
    case CellShows::Empty: break;
  }
  return Phrase(kEmpty);
}

/// Whether each ring cell is among `cells`, a shared cell from either of its squares.
CellArray<bool> AmongCells(const std::vector<RingCell>& cells) {
  CellArray<bool> among{};
  for (const RingCell& cell : cells) among[cell] = true;
  return among;
}

/// The letter `picture` shows in `cell`, read from either of its squares' rings: a shared cell's letter may stand in
/// one ring only (the puzzle sheet gives square 12's word in its own ring).
char LetterShown(const SheetView& picture, RingCell cell) {
  for (const RingCell& same : RingCellsAt(CellPoint(cell.square, cell.position))) {
    const char letter = RingLetterAt(picture.rings[same.square], same.position);
    if (letter != ' ' && letter != '\0') return letter;
  }
  return ' ';
}

}  // namespace

Message CheckReport(const SheetView& picture) {
  const auto wrong = static_cast<long long>(picture.marked.size());
  if (wrong == 0) return LOOPWORD_TEXT("Messages", "Check: every letter so far is right.");
  return Message(Phrase::Counted(LOOPWORD_COUNTED_TEXT("Messages", "Check: %n letters are wrong, marked in the figure.",
                                                       "Check: 1 letter is wrong, marked in the figure."), wrong));
}

FigureReading ReadFigure(const SheetView& picture, Mode mode, std::vector<ListedWord> words) {
  FigureReading reading;
  reading.sheet = picture.sheet;
  reading.filling = mode == Mode::Compiling;
  reading.words = std::move(words);
  if (picture.sheet == Sheet::Figure) return reading;
  std::vector<RingCell> given = picture.hints;
  for (int position = 1; position <= kRingSize; ++position) given.push_back({kCrossingSquare, position});
  const CellArray<bool> isGiven = AmongCells(given);
  const CellArray<bool> isMarked = AmongCells(picture.marked);
  const CellArray<bool> isPencil = AmongCells(picture.pencil);
  for (int square = 1; square <= kSquareCount; ++square) {
    for (int position = 1; position <= kRingSize; ++position) {
      const RingCell cell{square, position};
      const char letter = LetterShown(picture, cell);
      if (letter == ' ') continue;
      CellShows shows = CellShows::Letter;
      if (picture.sheet != Sheet::Solution && isGiven[cell]) shows = CellShows::Hint;
      else if (isMarked[cell]) shows = CellShows::Wrong;
      else if (isPencil[cell]) shows = CellShows::Pencil;
      reading.cells[square][position] = {letter, shows};
    }
  }
  if (picture.sheet == Sheet::Solving) reading.current = picture.cursor;
  return reading;
}

Message CellSaid(RingCell cell, const CellReading& reading) {
  return Message(kCellSaid, {cell.square, cell.position, CellContent(reading)});
}

Message WordSaid(const ListedWord& word) {
  return word.found ? Message(kFound, {word.Shown()}) : Message(Phrase(word.Shown()));
}

}  // namespace loopword
