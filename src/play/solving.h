// Solving a puzzle on screen: the letters typed into the figure, sure or in pencil, the selected cell and the checks.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/puzzle.h"
#include "play/cells.h"

namespace loopword {

/// The keys that move the selection or clear a cell while solving; letters go through Type.
enum class SolvingKey { Backspace, Delete, Left, Right, Up, Down, NextSquare, PreviousSquare };

/// A puzzle being solved: its solution, the fixed cells (square 12's word and the hints), the
/// letters typed so far (each sure or in pencil), the cells Check marked and the selected cell.
/// A pencil letter is a guess: it shows, but Check, the words found and "solved" pass over it.
class SolvingState {
 public:
  /// Starts solving `puzzle`: only the fixed cells filled, the selection on square 1's first
  /// empty cell. The listed words are the words of its placements.
  explicit SolvingState(const Puzzle& puzzle);

  /// The letter in `cell`, ' ' when it is empty or outside the figure.
  [[nodiscard]] char LetterAt(RingCell cell) const;
  /// The 8 letters round `square` in ring-position order, ' ' for an empty cell.
  [[nodiscard]] std::string Ring(int square) const;
  /// Whether `cell` is given by the puzzle and cannot be overwritten.
  [[nodiscard]] bool IsFixed(RingCell cell) const;
  /// Whether Check marked the letter in `cell` as wrong and it has not been changed since.
  [[nodiscard]] bool IsMarked(RingCell cell) const;
  /// Whether the letter in `cell` is written in pencil.
  [[nodiscard]] bool IsPencil(RingCell cell) const;
  /// The selected cell.
  [[nodiscard]] RingCell Selected() const { return selected_; }
  /// Whether some ring reads `word` clockwise from some cell in sure letters.
  [[nodiscard]] bool IsStruck(std::string_view word) const;
  /// Whether any cell that is not fixed holds a letter, sure or in pencil.
  [[nodiscard]] bool HasTypedLetters() const;
  /// Whether every cell holds a sure letter and the 23 rings read 23 different listed words.
  [[nodiscard]] bool IsSolved() const;
  /// Whether every cell holds the same letter, pencil and mark as in `other` (a state of the same puzzle).
  [[nodiscard]] bool SameCells(const SolvingState& other) const { return cells_ == other.cells_; }

  /// Selects `cell`; returns false and changes nothing for a cell outside the figure.
  bool Select(RingCell cell);
  /// Selects the ring cell under `point` (twips of the picture): of a shared cell the square in
  /// which it comes earlier round the ring, or the other square when it was just selected by a click.
  /// Returns false and changes nothing where no ring cell lies.
  bool SelectAt(TwipPoint point);
  /// Writes a letter A-Z (either case), in pencil when `pencil`, into the selected cell unless it is fixed, over
  /// whatever it held, and moves the selection one cell clockwise round its square; returns false and does nothing
  /// for other characters.
  bool Type(char letter, bool pencil = false);
  /// Backspace clears and moves back, Delete clears, the arrows move to the neighbouring cell on
  /// screen, NextSquare and PreviousSquare go to the next or previous square's first empty cell.
  void Press(SolvingKey key);
  /// Writes `letter` (A-Z, or ' ' to clear), in pencil when `pencil`, into `cell` unless it is fixed; the
  /// selection stays. Returns false for a fixed cell, a cell outside the figure or another character.
  bool Put(RingCell cell, char letter, bool pencil = false);
  /// Marks every sure letter that differs from the solution.
  void Check();
  /// Fills the selected cell with its sure letter of the solution.
  void RevealLetter();

 private:
  /// The sure letter in `cell`, ' ' for an empty cell or a pencil letter.
  [[nodiscard]] char SureLetterAt(RingCell cell) const;
  /// The 8 sure letters round `square` from ring position `start` on.
  [[nodiscard]] std::string ReadClockwise(int square, int start) const;
  /// The sure letters round `square` twice over: every clockwise reading of the ring is a part of it.
  [[nodiscard]] std::string RingTwice(int square) const;
  /// Whether the 8-letter `word` reads clockwise round the ring given twice over, from any start.
  [[nodiscard]] static bool ReadsClockwise(const std::string& ringTwice, std::string_view word);
  [[nodiscard]] std::vector<int> WordsReadBy(int square) const;
  void MoveRound(int steps);
  void MoveOnScreen(int dx, int dy);
  void GoToSquare(int square);

  /// What one distinct cell shows and holds.
  struct Cell {
    char letter = ' ';
    char solution = ' ';
    bool fixed = false;   // given: square 12 and the hint cells
    bool marked = false;  // found wrong by the last check
    bool pencil = false;  // the letter is a guess
    friend bool operator==(const Cell&, const Cell&) = default;
  };

  CellArray<Cell> cells_{};
  std::vector<std::string> words_;
  RingCell selected_;
  bool clickedLast_ = false;  // the selection was made by a click and nothing happened since
};

/// A time spent solving as "m:ss": "3:07" for 187 seconds; a negative time counts as none.
std::string SolvingTimeText(long long seconds);

}  // namespace loopword
