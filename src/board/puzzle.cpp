// Keeping a puzzle's placements in square order, and its word list.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/puzzle.h"

#include <algorithm>
#include <array>

#include "board/hint_cells.h"

namespace loopword {

void Puzzle::AddPlacement(const PlacementLine& placement) {
  const auto after = std::upper_bound(placements.begin(), placements.end(), placement.square,
                                      [](int square, const PlacementLine& placed) { return square < placed.square; });
  placements.insert(after, placement);
}

namespace {

/// The names files and the command line use; messages name a difficulty by them too, so they are marked for translation.
constexpr std::array<Text, 5> kDifficultyNames = {
    LOOPWORD_TEXT("Messages", "standard"), LOOPWORD_TEXT("Messages", "easy"), LOOPWORD_TEXT("Messages", "medium"),
    LOOPWORD_TEXT("Messages", "hard"), LOOPWORD_TEXT("Messages", "expert")};

}  // namespace

Text DifficultyText(Difficulty difficulty) { return kDifficultyNames[static_cast<std::size_t>(difficulty)]; }

std::string_view DifficultyName(Difficulty difficulty) { return DifficultyText(difficulty).source; }

std::string DifficultyLabel(Difficulty difficulty) {
  std::string label(DifficultyName(difficulty));
  label.front() = static_cast<char>(label.front() - 'a' + 'A');
  return label;
}

std::optional<Difficulty> DifficultyNamed(std::string_view name) {
  const auto found = std::find_if(kDifficultyNames.begin(), kDifficultyNames.end(), [&](const Text& text) { return text.source == name; });
  if (found == kDifficultyNames.end()) return std::nullopt;
  return static_cast<Difficulty>(found - kDifficultyNames.begin());
}

std::vector<RingCell> SheetHintCells(const Puzzle& puzzle) {
  if (puzzle.hints) return *puzzle.hints;
  return {HintCells.begin(), HintCells.end()};
}

std::vector<std::string> SortedWords(const Puzzle& puzzle) {
  std::vector<std::string> words;
  for (const PlacementLine& placement : puzzle.placements) words.push_back(placement.word);
  std::sort(words.begin(), words.end());
  return words;
}

}  // namespace loopword
