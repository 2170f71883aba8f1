// Splitting theme text into entries and sorting out the ones a puzzle cannot use.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/theme_words.h"

#include <algorithm>

#include "words/dictionary.h"

namespace loopword {

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ','; }

/// Entries a report names before it only counts the rest.
constexpr std::size_t kEntriesNamed = 8;

/// A report line, `pattern` filled with the entries it names: "Given twice: A, B and 3 more."
Phrase EntriesLine(Text pattern, const std::vector<std::string>& entries) {
  std::string named;
  for (std::size_t i = 0; i < std::min(entries.size(), kEntriesNamed); ++i) named += (i == 0 ? "" : ", ") + entries[i];
  if (entries.size() <= kEntriesNamed) return Phrase(pattern, {named});
  return Phrase(pattern, {Phrase(texts::kEntriesAndMore, {named, entries.size() - kEntriesNamed})});
}

}  // namespace

ThemeWords ReadThemeWords(std::string_view text, Language language) {
  ThemeWords read;
  if (text.size() > kThemeTextLimit) {  // bytes, which are never fewer than its characters
    read.tooLong = text.size();
    return read;
  }
  std::size_t at = 0;
  while (at < text.size()) {
    if (IsSeparator(text[at])) {
      ++at;
      continue;
    }
    const std::size_t end = std::min(text.size(), static_cast<std::size_t>(std::find_if(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), IsSeparator) - text.begin()));
    const std::string_view entry = text.substr(at, end - at);
    const std::string word = FoldTypedWord(language, entry);
    if (word.size() != kWordLength) {
      read.unusable.emplace_back(entry);
    } else if (std::find(read.words.begin(), read.words.end(), word) != read.words.end()) {
      read.repeated.emplace_back(entry);
    } else {
      read.words.push_back(word);
    }
    at = end;
  }
  return read;
}

std::string ThemeText(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + '\n';
  return text;
}

Message ThemeWordsReport(const ThemeWords& read) {
  const std::size_t count = read.words.size();
  Message report;
  if (read.tooLong > 0) {
    report = Message(LOOPWORD_TEXT("Messages", "The theme box takes up to %1 characters, and this is %2: keep the words a puzzle can hold."),
                     {static_cast<int>(kThemeTextLimit), static_cast<int>(read.tooLong)});
  } else if (count == 0) {
    report = LOOPWORD_TEXT("Messages", "No theme words: puzzles come from the word list alone.");
  } else if (count > kThemeWordLimit) {
    report = Message(texts::kTooManyThemeWords, {count});
  } else {
    report = Message(Phrase::Counted(texts::kThemeWordsInEveryPuzzle, static_cast<long long>(count)));
  }
  return report.Append(SkippedEntries(read));
}

Message SkippedEntries(const ThemeWords& read) {
  Message skipped;
  if (!read.unusable.empty()) skipped.Add(EntriesLine(texts::kNotEightLetters, read.unusable));
  if (!read.repeated.empty()) skipped.Add(EntriesLine(texts::kGivenTwice, read.repeated));
  return skipped;
}

}  // namespace loopword
