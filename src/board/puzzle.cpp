// Keeping a puzzle's placement lines in square order.
#include "board/puzzle.h"

#include <algorithm>

namespace loopword {

void Puzzle::AddPlacement(const std::string& line) {
  List2.insert(std::upper_bound(List2.begin(), List2.end(), line), line);
}

}  // namespace loopword
