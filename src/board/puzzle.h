// A puzzle: the board with every square's ring and the placement that records each word.
#pragma once

#include <string>
#include <vector>

#include "board/board.h"
#include "board/placement_line.h"

namespace loopword {

/// The board, its placements in square order and its title.
struct Puzzle {
  Board board;
  /// One placement per filled square, in square order.
  std::vector<PlacementLine> placements;
  /// One line of plain text the sheets show beside the program's name; "" for none.
  std::string title;

  /// Inserts a placement after those of its square and the squares before it.
  void AddPlacement(const PlacementLine& placement);
};

/// The puzzle's words in alphabetical order, as the puzzle sheet lists them.
std::vector<std::string> SortedWords(const Puzzle& puzzle);

}  // namespace loopword
