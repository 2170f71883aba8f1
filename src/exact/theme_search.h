// Theme fills: a puzzle holding every theme word once, found by placing the theme words one by one
// while letters can still pass round both loops, then filling the other squares from the list.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "board/placement_line.h"
#include "exact/chain_model.h"
#include "exact/fill_search.h"
#include "random/random_source.h"
#include "words/dictionary.h"

namespace loopword::exact {

/// How long a theme search may take and how it learns of a stop request.
struct ThemeLimits {
  std::chrono::milliseconds time{20'000};
  /// Called every few hundred steps; a true result stops the search.
  std::function<bool()> poll;
};

/// What a theme search found. `lines` (one per square) is set only when Found; when Impossible,
/// `withoutWord` may name a theme word without which the others fit.
struct ThemeResult {
  SearchStatus status = SearchStatus::Impossible;
  SquareArray<PlacementLine> lines{};
  std::string withoutWord;
};

/// The theme words' key pairs for every square, beside the list's model, and the theme searches.
class ThemeEngine {
 public:
  /// `list`: the model of the list's different words, which must outlive the engine; `theme`:
  /// 1..23 distinct words of 8 capitals, which need not be in the list.
  ThemeEngine(const ChainModel& list, std::vector<std::string> theme);

  /// The theme words, as given.
  [[nodiscard]] const std::vector<std::string>& Theme() const { return theme_; }
  /// A puzzle with every theme word once and the other squares from the list, no word twice, with
  /// `startWord` in square 12 ("" for a theme or list word there, a theme word of `clued` only when no other word
  /// fits): drawn at random among the fills of its theme places when `varied`. Impossible only when proven; then, as
  /// time allows, looks for one theme word without which the others fit.
  ThemeResult Fill(const std::string& startWord, bool varied, RandomSource& random, const ThemeLimits& limits,
                   const std::vector<std::string>& clued = {}) const;

  /// The key pairs (left, right) that the rings of theme word `theme` give chain square k of `chain`.
  using KeyPairs = std::vector<std::pair<std::uint16_t, std::uint16_t>>;
  [[nodiscard]] const KeyPairs& ThemePairs(int theme, int chain, int k) const { return themePairs_[static_cast<std::size_t>(theme)][chain][k]; }
  /// The model of the list's words.
  [[nodiscard]] const ChainModel& List() const { return list_; }
  /// The theme words as words.
  [[nodiscard]] const std::vector<Word>& ThemeWords() const { return themeWords_; }
  /// The ids of the theme words the list holds, which no free square may take.
  [[nodiscard]] const std::vector<int>& ListedThemeIds() const { return listedThemeIds_; }
  /// What every search passes letters through a free square with, built once from the list.
  struct FreePasses;
  [[nodiscard]] const FreePasses& Passes() const { return *passes_; }

 private:
  const ChainModel& list_;
  std::vector<std::string> theme_;
  std::vector<Word> themeWords_;
  std::vector<int> listedThemeIds_;
  std::vector<IndexedArray<IndexedArray<KeyPairs, kChainLength>, kChainCount>> themePairs_;
  std::shared_ptr<const FreePasses> passes_;
};

}  // namespace loopword::exact
