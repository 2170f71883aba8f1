// Taking the sure and pencil letters of a solving square by square, and putting kept letters back, checked.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/kept_letters.h"

#include <utility>

#include "board/board.h"
#include "board/letters.h"

namespace loopword {

namespace {

/// Puts one square's letters into `state`; false when a letter disagrees with a fixed cell or with
/// the letter an earlier square gave the same cell (kept in `given`).
bool ApplyTypedSquare(SolvingState& state, const SquareLetters& square, CellArray<char>& given) {
  for (int position = 1; position <= kRingSize; ++position) {
    const char letter = RingLetterAt(square.cells, position);
    if (letter == kNoLetter) continue;
    const RingCell cell{square.square, position};
    char& earlier = given[cell];
    const bool fixedDiffers = state.IsFixed(cell) && state.LetterAt(cell) != letter;
    if (fixedDiffers || (earlier != 0 && earlier != letter)) return false;
    earlier = letter;
    state.Put(cell, letter);
  }
  return true;
}

/// Puts one square's pencil letters into `state` in pencil; false, changing nothing, when one falls on a fixed cell, a
/// sure letter or a cell an earlier square gave another letter (kept in `given`).
bool ApplyPencilSquare(SolvingState& state, const SquareLetters& square, CellArray<char>& given) {
  SolvingState updated = state;
  CellArray<char> marked = given;
  for (int position = 1; position <= kRingSize; ++position) {
    const char letter = RingLetterAt(square.cells, position);
    if (letter == kNoLetter) continue;
    const RingCell cell{square.square, position};
    const bool sure = state.LetterAt(cell) != ' ' && !state.IsPencil(cell);
    if (state.IsFixed(cell) || sure || (marked[cell] != 0 && marked[cell] != letter)) return false;
    marked[cell] = letter;
    updated.Put(cell, letter, true);
  }
  state = std::move(updated);
  given = marked;
  return true;
}

/// The squares for which `shows` gives some cell a letter that is not fixed, each with its 8 cells in ring-position
/// order, kNoLetter where `shows` gives ' '.
template <typename Shows>
std::vector<SquareLetters> SquaresShowing(const SolvingState& state, const Shows& shows) {
  std::vector<SquareLetters> squares;
  for (int square = 1; square <= kSquareCount; ++square) {
    std::string cells;
    bool typed = false;
    for (int position = 1; position <= kRingSize; ++position) {
      const char letter = shows(RingCell{square, position});
      typed = typed || (letter != ' ' && !state.IsFixed({square, position}));
      cells += letter == ' ' ? kNoLetter : letter;
    }
    if (typed) squares.push_back({square, std::move(cells)});
  }
  return squares;
}

/// Whether `square` names a square and holds 8 cells, each a capital or kNoLetter.
bool IsWellFormed(const SquareLetters& square) {
  if (square.square < 1 || square.square > kSquareCount || square.cells.size() != kRingSize) return false;
  for (const char c : square.cells) {
    if (c != kNoLetter && !IsCapitalLetter(c)) return false;
  }
  return true;
}

}  // namespace

KeptLetters LettersOf(const SolvingState& state) {
  return {SquaresShowing(state, [&](RingCell cell) { return state.IsPencil(cell) ? ' ' : state.LetterAt(cell); }),
          SquaresShowing(state, [&](RingCell cell) { return state.IsPencil(cell) ? state.LetterAt(cell) : ' '; })};
}

bool ApplyTypedLetters(SolvingState& state, const KeptSolving& kept) {
  if (kept.typedDamaged) return false;
  SolvingState updated = state;
  CellArray<char> given{};
  for (const SquareLetters& square : kept.letters.typed) {
    if (!IsWellFormed(square) || !ApplyTypedSquare(updated, square, given)) return false;
  }
  state = std::move(updated);
  return true;
}

int ApplyPencilLetters(SolvingState& state, const KeptSolving& kept) {
  CellArray<char> given{};
  int dropped = kept.pencilDamaged;
  for (const SquareLetters& square : kept.letters.pencil) {
    if (!IsWellFormed(square) || !ApplyPencilSquare(state, square, given)) ++dropped;
  }
  return dropped;
}

}  // namespace loopword
