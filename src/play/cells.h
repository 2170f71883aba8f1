// The figure's distinct letter cells: a ring cell that two squares share is one cell.
#pragma once

#include <optional>

#include "board/geometry.h"

namespace loopword {

/// Number of distinct letter cells: 184 ring cells, 36 pairs of them shared.
inline constexpr int kCellCount = 148;

/// Whether `cell` lies in the figure: square 1..23, ring position 1..8.
bool IsRingCell(RingCell cell);

/// The number (0..147) of the distinct cell at `cell`, the same for both ring cells of a shared
/// cell; -1 for a cell outside the figure.
int CellIndexOf(RingCell cell);

/// The ring cell at `point`, preferring one of square `preferred`; nullopt where none lies.
std::optional<RingCell> RingCellAt(TwipPoint point, int preferred);

}  // namespace loopword
