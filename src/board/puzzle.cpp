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

std::vector<ListedEntry> SheetList(const Puzzle& puzzle) {
  std::vector<ListedEntry> plain, clued;
  for (std::string& word : SortedWords(puzzle)) {
    const auto clue = puzzle.clues.find(word);
    if (clue == puzzle.clues.end()) plain.push_back({std::move(word), ""});
    else clued.push_back({std::move(word), clue->second});
  }
  const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c; };
  std::stable_sort(clued.begin(), clued.end(), [&](const ListedEntry& a, const ListedEntry& b) {
    return std::lexicographical_compare(a.clue.begin(), a.clue.end(), b.clue.begin(), b.clue.end(),
                                        [&](char x, char y) { return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y)); });
  });
  plain.insert(plain.end(), clued.begin(), clued.end());
  return plain;
}

}  // namespace loopword
