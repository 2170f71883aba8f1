// A puzzle: the board with every square's ring and the placement lines that record each word.
#pragma once

#include <string>
#include <vector>

#include "board/board.h"

namespace loopword {

/// The board and its placement lines in square order.
struct Puzzle {
  Board board;
  /// One placement line per filled square, kept in ascending text order (so in square order).
  std::vector<std::string> List2;

  /// Inserts a placement line at its sorted place.
  void AddPlacement(const std::string& line);
};

}  // namespace loopword
