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

/// A difficulty's two texts.
struct DifficultyTexts {
  /// The name files and the command line use; messages name a difficulty by it too, so it is marked for translation.
  Text name;
  /// The name as menus, lists and graded sheets show it.
  Text label;
};

/// Every difficulty's texts, in the order of Difficulty: what the window's menu, the command line's help, the page's
/// list and the graded sheets are made from. The page's build reads these lines too (web/page_texts.py): one entry a line.
constexpr std::array<DifficultyTexts, kDifficulties.size()> kDifficultyTexts = {{
    {LOOPWORD_TEXT("Messages", "standard"), LOOPWORD_TEXT("Sheets", "Standard")},
    {LOOPWORD_TEXT("Messages", "easy"), LOOPWORD_TEXT("Sheets", "Easy")},
    {LOOPWORD_TEXT("Messages", "medium"), LOOPWORD_TEXT("Sheets", "Medium")},
    {LOOPWORD_TEXT("Messages", "hard"), LOOPWORD_TEXT("Sheets", "Hard")},
    {LOOPWORD_TEXT("Messages", "expert"), LOOPWORD_TEXT("Sheets", "Expert")},
}};

}  // namespace

Text DifficultyText(Difficulty difficulty) { return kDifficultyTexts[static_cast<std::size_t>(difficulty)].name; }

std::string_view DifficultyName(Difficulty difficulty) { return DifficultyText(difficulty).source; }

Text DifficultyLabelText(Difficulty difficulty) { return kDifficultyTexts[static_cast<std::size_t>(difficulty)].label; }

std::string DifficultyLabel(Difficulty difficulty) { return DifficultyLabelText(difficulty).source; }

std::optional<Difficulty> DifficultyNamed(std::string_view name) {
  const auto found = std::find_if(kDifficulties.begin(), kDifficulties.end(), [&](Difficulty difficulty) { return DifficultyName(difficulty) == name; });
  if (found == kDifficulties.end()) return std::nullopt;
  return *found;
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
