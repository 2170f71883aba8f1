// The cells whose letters the puzzle sheet gives away besides square 12's word.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "board/geometry.h"

namespace loopword {

/// The 18 hint cells, one in every square but 12 and its four neighbours, in drawing order.
/// None of them is shared with another square.
inline constexpr std::array<RingCell, 18> HintCells = {{
    {6, 2}, {3, 8}, {9, 4}, {15, 8}, {21, 4}, {18, 6},
    {7, 7}, {5, 5}, {4, 1}, {8, 3}, {2, 7}, {10, 5},
    {14, 1}, {22, 3}, {16, 7}, {20, 5}, {17, 3}, {19, 1},
}};

}  // namespace loopword
