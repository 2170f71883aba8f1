// Reading theme words from typed or pasted text: words separated by line ends, spaces or commas, and "WORD = clue" lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "board/puzzle.h"
#include "words/language.h"

namespace loopword {

/// Most theme words one puzzle can hold: one per square.
inline constexpr int kThemeWordLimit = 23;
/// Longest theme text read, in characters: far more than a puzzle's words; a longer paste is refused whole.
inline constexpr std::size_t kThemeTextLimit = 20000;

/// What a theme text gave: the usable words in their order (8 capitals, each once), their clues, and the
/// entries that cannot be used, as typed.
struct ThemeWords {
  std::vector<std::string> words;
  /// The clues of the words that have one.
  Clues clues;
  /// Entries that are not 8 letters A to Z once folded, and clue lines without a word.
  std::vector<std::string> unusable;
  /// Entries that repeat an earlier usable word.
  std::vector<std::string> repeated;
  /// The numbers of the lines (1 first) whose clue is longer than kClueLimit characters: left out, word and clue.
  std::vector<std::string> longClueLines;
  /// Words whose clue held another "=": they are kept without a clue.
  std::vector<std::string> equalsInClue;
  /// The characters of a text over kThemeTextLimit, which is not read; 0 for a text that was.
  std::size_t tooLong = 0;

  /// Whether the words fit in one puzzle: at most kThemeWordLimit of them, from a text that was read.
  [[nodiscard]] bool Fit() const { return words.size() <= kThemeWordLimit && tooLong == 0; }
};

/// Reads `text` line by line. A line holding "=" gives the word before it the clue after it ("ELEPHANT = a big grey
/// animal"; spaces round both trimmed, the clue made one line of plain text, none when empty; a line whose clue is
/// longer than kClueLimit characters is left out whole). Other lines are split at spaces, tabs and commas. Every word is folded by the rules of `language` in any
/// case (FoldTypedWord: "giraffes" is GIRAFFES, German "Mädchen" MAEDCHEN) and the usable ones are kept once each.
ThemeWords ReadThemeWords(std::string_view text, Language language);

/// What the theme dialog says of `read` while the words are typed, a line for each point: how many
/// words can be used (or that there are too many), then the entries that cannot, as typed.
Message ThemeWordsReport(const ThemeWords& read);

/// The entries of `read` that cannot be used as given, a line for each kind (not 8 letters, given before, a clue too
/// long, a clue holding "="); nothing when all can.
Message SkippedEntries(const ThemeWords& read);

/// `words` one a line, each with its clue from `clues` as "WORD = clue", as the theme box shows them and
/// ReadThemeWords reads them back.
std::string ThemeText(const std::vector<std::string>& words, const Clues& clues = {});

}  // namespace loopword
