// The figure's distinct letter cells: a ring cell that two squares share is one cell.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <vector>

#include "board/geometry.h"

namespace loopword {

/// Number of distinct letter cells: 184 ring cells, 36 pairs of them shared.
inline constexpr int kCellCount = 148;

/// Whether `cell` lies in the figure: square 1..23, ring position 1..8.
bool IsRingCell(RingCell cell);

/// The number (0..147) of the distinct cell at `cell`, the same for both ring cells of a shared
/// cell; -1 for a cell outside the figure.
int CellIndexOf(RingCell cell);

/// One value per distinct cell, reached through either ring cell of a shared cell; the ring cell
/// must lie in the figure (checked in debug builds). Iteration runs over the distinct cells.
template <typename T>
struct CellArray {
  std::array<T, kCellCount> values;

  T& operator[](RingCell cell) { return values[Index(cell)]; }
  const T& operator[](RingCell cell) const { return values[Index(cell)]; }
  auto begin() { return values.begin(); }
  auto end() { return values.end(); }
  auto begin() const { return values.begin(); }
  auto end() const { return values.end(); }

  friend bool operator==(const CellArray&, const CellArray&) = default;

 private:
  static std::size_t Index(RingCell cell) {
    const int index = CellIndexOf(cell);
    assert(index >= 0);
    return static_cast<std::size_t>(index);
  }
};

/// The ring cells whose letter point is `point`, in square order: two for a shared cell, none
/// where no ring cell lies.
std::vector<RingCell> RingCellsAt(TwipPoint point);

/// The side of a letter cell in twips: every cell's top-left corner lies on a grid of this size.
inline constexpr int kCellSide = 300;

/// The letter point of the grid cell that holds `point` (twips, not negative).
TwipPoint LetterPointUnder(TwipPoint point);

}  // namespace loopword
