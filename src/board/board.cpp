// Cell letters, square patterns and the overlap check.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board.h"

#include "board/letters.h"

namespace loopword {

Board::Board() { Clear(); }

void Board::Clear() {
  SquareWord.values.fill(kEmptyRing);
  SquareMark.values.fill(MarkOff);
  BuildSquarePatterns();
}

void Board::FillCellLetters() {
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) CellLetter[s][p] = RingLetterAt(SquareWord[s], p);
  }
}

void Board::CopySharedLetter(int square, int position, int otherSquare, int otherPosition) {
  char letter = CellLetter[otherSquare][otherPosition];
  if (letter == ' ') letter = kPendingCell;
  if (letter == '\0') return;  // a short ring string has no letter to give
  SquarePattern[square][static_cast<std::size_t>(position - 1)] = letter;
}

void Board::BuildSquarePattern(int square) {
  FillCellLetters();
  CopyNeighbourLetters(square);
}

void Board::BuildSquarePatterns() {
  FillCellLetters();
  for (int s = 1; s <= kSquareCount; ++s) CopyNeighbourLetters(s);
}

void Board::CopyNeighbourLetters(int square) {
  if (square < 1 || square > kSquareCount) return;
  SquarePattern[square] = std::string(kRingSize, kFreeCell);
  const NeighbourRows& neighbours = NeighboursOf(square);
  for (int i = 0; i < neighbours.count; ++i) {
    const SharedCell& cell = neighbours.rows[i];
    CopySharedLetter(square, cell.position, cell.otherSquare, cell.otherPosition);
  }
}

int Board::CheckOverlaps() const {
  int result = 0;
  for (const Overlap& rule : Overlaps()) {
    if (SquareMark[rule.squareA] == MarkOff || SquareMark[rule.squareB] == MarkOff) continue;
    if (RingLetterAt(SquareWord[rule.squareA], rule.positionA) != RingLetterAt(SquareWord[rule.squareB], rule.positionB)) {
      result = 1;
    }
  }
  return result;
}

bool Board::IsComplete() const {
  for (int s = 1; s <= kSquareCount; ++s) {
    if (SquareMark[s] != MarkOn || SquareWord[s].size() != kRingSize || !IsCapitalsWord(SquareWord[s])) return false;
  }
  return CheckOverlaps() == 0;
}

}  // namespace loopword
