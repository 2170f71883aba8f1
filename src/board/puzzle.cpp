// Keeping a puzzle's placements in square order, and its word list.
#include "board/puzzle.h"

#include <algorithm>

namespace loopword {

void Puzzle::AddPlacement(const PlacementLine& placement) {
  const auto after = std::upper_bound(placements.begin(), placements.end(), placement.square,
                                      [](int square, const PlacementLine& placed) { return square < placed.square; });
  placements.insert(after, placement);
}

std::vector<std::string> SortedWords(const Puzzle& puzzle) {
  std::vector<std::string> words;
  for (const PlacementLine& placement : puzzle.placements) words.push_back(placement.word);
  std::sort(words.begin(), words.end());
  return words;
}

}  // namespace loopword
