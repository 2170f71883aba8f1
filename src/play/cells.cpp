// Numbering the distinct cells of the figure from the overlap rules.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/cells.h"

#include <map>

namespace loopword {

namespace {

using CellTable = SquareArray<RingArray<int>>;

/// Cell numbers by square and position: a ring cell takes its partner's number when the partner,
/// of a lower square, already has one, and the next free number otherwise.
CellTable NumberCells() {
  CellTable partner{};  // partner square * 10 + position, 0 for a cell of one square
  for (const Overlap& rule : Overlaps()) {
    partner[rule.squareA][rule.positionA] = rule.squareB * 10 + rule.positionB;
    partner[rule.squareB][rule.positionB] = rule.squareA * 10 + rule.positionA;
  }
  CellTable number{};
  int next = 0;
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) {
      const int other = partner[s][p];
      const bool earlier = other != 0 && other / 10 < s;
      number[s][p] = earlier ? number[other / 10][other % 10] : next++;
    }
  }
  return number;
}

}  // namespace

bool IsRingCell(RingCell cell) {
  return cell.square >= 1 && cell.square <= kSquareCount && cell.position >= 1 && cell.position <= kRingSize;
}

int CellIndexOf(RingCell cell) {
  static const CellTable number = NumberCells();
  if (!IsRingCell(cell)) return -1;
  return number[cell.square][cell.position];
}

std::vector<RingCell> RingCellsAt(TwipPoint point) {
  static const std::map<TwipPoint, std::vector<RingCell>> cellsAt = [] {
    std::map<TwipPoint, std::vector<RingCell>> table;
    for (int square = 1; square <= kSquareCount; ++square) {
      for (int position = 1; position <= kRingSize; ++position) table[CellPoint(square, position)].push_back({square, position});
    }
    return table;
  }();
  const auto found = cellsAt.find(point);
  return found == cellsAt.end() ? std::vector<RingCell>{} : found->second;
}

TwipPoint LetterPointUnder(TwipPoint point) {
  return {point.x / kCellSide * kCellSide + 100, point.y / kCellSide * kCellSide + 50};
}

}  // namespace loopword
