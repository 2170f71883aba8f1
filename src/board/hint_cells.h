// The cells whose letters the puzzle sheet gives away besides the word of square 12.
#pragma once

#include <array>

namespace loopword {

/// One cell shown on the puzzle sheet: a square (1..23) and a ring position (1..8).
struct HintCell {
  int square;
  int position;
};

/// The 18 cells whose letters the puzzle sheet shows besides square 12's word, in drawing order.
inline constexpr std::array<HintCell, 18> HintCells = {{
    {6, 2}, {3, 8}, {9, 4}, {15, 8}, {21, 4}, {18, 6},
    {7, 7}, {5, 5}, {4, 1}, {8, 3}, {2, 7}, {10, 5},
    {14, 1}, {22, 3}, {16, 7}, {20, 5}, {17, 3}, {19, 1},
}};

}  // namespace loopword
