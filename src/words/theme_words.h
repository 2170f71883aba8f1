// Reading theme words from typed or pasted text: words separated by line ends, spaces or commas.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "words/language.h"

namespace loopword {

/// Most theme words one puzzle can hold: one per square.
inline constexpr int kThemeWordLimit = 23;
/// Longest theme text read, in characters: far more than a puzzle's words; a longer paste is refused whole.
inline constexpr std::size_t kThemeTextLimit = 20000;

/// What a theme text gave: the usable words in their order (8 capitals, each once), and the
/// entries that cannot be used, as typed.
struct ThemeWords {
  std::vector<std::string> words;
  /// Entries that are not 8 letters A to Z once folded.
  std::vector<std::string> unusable;
  /// Entries that repeat an earlier usable word.
  std::vector<std::string> repeated;
  /// The characters of a text over kThemeTextLimit, which is not read; 0 for a text that was.
  std::size_t tooLong = 0;

  /// Whether the words fit in one puzzle: at most kThemeWordLimit of them, from a text that was read.
  [[nodiscard]] bool Fit() const { return words.size() <= kThemeWordLimit && tooLong == 0; }
};

/// Splits `text` at line ends, spaces, tabs and commas, folds every entry by the rules of `language`
/// in any case (FoldTypedWord: "giraffes" is GIRAFFES, German "Mädchen" MAEDCHEN) and keeps the
/// usable ones once each.
ThemeWords ReadThemeWords(std::string_view text, Language language);

/// What the theme dialog says of `read` while the words are typed, a line for each point: how many
/// words can be used (or that there are too many), then the entries that cannot, as typed.
Message ThemeWordsReport(const ThemeWords& read);

/// The entries of `read` that cannot be used, a line for each kind (not 8 letters, given before); nothing when all can.
Message SkippedEntries(const ThemeWords& read);

/// `words` one a line, as the theme box shows them and ReadThemeWords reads them back.
std::string ThemeText(const std::vector<std::string>& words);

}  // namespace loopword
