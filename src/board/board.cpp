// Cell letters, square patterns and the overlap check.
#include "board/board.h"

namespace loopword {

Board::Board() { Clear(); }

void Board::Clear() {
  for (int s = 0; s <= kSquareCount; ++s) {
    SquareWord[static_cast<std::size_t>(s)] = kEmptyRing;
    SquareMark[static_cast<std::size_t>(s)] = MarkOff;
  }
  for (int s = 0; s <= kSquareCount; ++s) BuildSquarePattern(s);
}

void Board::FillCellLetters() {
  for (std::size_t s = 1; s <= kSquareCount; ++s) {
    const std::string& ring = SquareWord[s];
    for (std::size_t p = 1; p <= kRingSize; ++p) {
      CellLetter[s][p] = p <= ring.size() ? ring[p - 1] : '\0';
    }
  }
}

void Board::CopySharedLetter(int square, int position, int otherSquare, int otherPosition) {
  char letter = CellLetter[static_cast<std::size_t>(otherSquare)][static_cast<std::size_t>(otherPosition)];
  if (letter == ' ') letter = kPendingCell;
  if (letter == '\0') return;  // a short ring string has no letter to give
  SquarePattern[static_cast<std::size_t>(square)][static_cast<std::size_t>(position - 1)] = letter;
}

void Board::BuildSquarePattern(int square) {
  FillCellLetters();
  if (square < 0 || square > kSquareCount) return;
  SquarePattern[static_cast<std::size_t>(square)] = std::string(kRingSize, kFreeCell);
  const NeighbourRows& neighbours = NeighboursOf(square);
  for (int i = 0; i < neighbours.count; ++i) {
    const SharedCell& cell = neighbours.rows[static_cast<std::size_t>(i)];
    CopySharedLetter(square, cell.position, cell.otherSquare, cell.otherPosition);
  }
}

int Board::CheckOverlaps() const {
  int result = 0;
  for (const Overlap& rule : Overlaps()) {
    const auto a = static_cast<std::size_t>(rule.squareA);
    const auto b = static_cast<std::size_t>(rule.squareB);
    if (SquareMark[a] == MarkOff || SquareMark[b] == MarkOff) continue;
    const std::string& wordA = SquareWord[a];
    const std::string& wordB = SquareWord[b];
    const auto pa = static_cast<std::size_t>(rule.positionA - 1);
    const auto pb = static_cast<std::size_t>(rule.positionB - 1);
    const char letterA = pa < wordA.size() ? wordA[pa] : '\0';
    const char letterB = pb < wordB.size() ? wordB[pb] : '\0';
    if (letterA != letterB) result = 1;
  }
  return result;
}

bool Board::IsComplete() const {
  for (std::size_t s = 1; s <= kSquareCount; ++s) {
    if (SquareMark[s] != MarkOn || SquareWord[s].size() != kRingSize) return false;
    for (char letter : SquareWord[s]) {
      if (letter < 'A' || letter > 'Z') return false;
    }
  }
  return CheckOverlaps() == 0;
}

}  // namespace loopword
