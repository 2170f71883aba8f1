// Per-square state of the puzzle being built: ring strings, cell letters, patterns and marks.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "board/geometry.h"

namespace loopword {

/// Flag value of a square that has received its word in the current attempt.
inline constexpr int MarkOn = 1;
/// Flag value of a square still waiting for its word.
inline constexpr int MarkOff = 0;

/// Pattern character of a cell not shared with any other square.
inline constexpr char kFreeCell = '.';
/// Pattern character of a shared cell whose other square has no word yet.
inline constexpr char kPendingCell = '*';

/// The word, letters, pattern and mark of every square.
class Board {
 public:
  /// An empty figure: every square holds 8 spaces, pattern "........", mark off.
  Board();

  /// Ring string of each square: character p-1 is the letter at ring position p; 8 spaces when empty.
  SquareArray<std::string> SquareWord;
  /// CellLetter[s][p]: letter of square s at ring position p (1..8); '\0' where the ring string is short.
  SquareArray<RingArray<char>> CellLetter{};
  /// What the neighbours impose on each square: '.' free, '*' pending, or a fixed letter.
  SquareArray<std::string> SquarePattern;
  /// MarkOn once a square has its word in the current attempt, MarkOff otherwise.
  SquareArray<int> SquareMark{};

  /// Copies every square's ring string into CellLetter.
  void FillCellLetters();
  /// Writes the other square's letter at (otherSquare, otherPosition) into the pattern of
  /// `square` at `position`; a space becomes the pending mark '*'.
  void CopySharedLetter(int square, int position, int otherSquare, int otherPosition);
  /// Rebuilds the pattern of one square from its neighbours' current ring strings.
  void BuildSquarePattern(int square);
  /// Rebuilds the pattern of every square from the current ring strings.
  void BuildSquarePatterns();
  /// 0 when every shared cell of two filled squares agrees, 1 otherwise.
  [[nodiscard]] int CheckOverlaps() const;

  /// Empties every square (8 spaces, mark off) and rebuilds all patterns.
  void Clear();
  /// True when all 23 squares hold a word and every shared cell agrees.
  [[nodiscard]] bool IsComplete() const;
 private:
  /// The pattern of `square` from the letters in CellLetter.
  void CopyNeighbourLetters(int square);
};

/// A ring string of 8 spaces: a square without a word.
inline const std::string kEmptyRing(kRingSize, ' ');

/// The letter at ring position `position` (1..8) of a ring string; '\0' where the string is shorter.
constexpr char RingLetterAt(std::string_view ring, int position) {
  const auto index = static_cast<std::size_t>(position - 1);
  return index < ring.size() ? ring[index] : '\0';
}

}  // namespace loopword
