// Splitting theme text into entries and clue lines, and sorting out the ones a puzzle cannot use.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/theme_words.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "board/plain_text.h"
#include "words/dictionary.h"

namespace loopword {

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ','; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

constexpr Text kCluesTooLong = LOOPWORD_TEXT("Messages", "A clue may have up to 60 characters: these lines have longer ones and are left out: %1.");
constexpr Text kEqualsInClue = LOOPWORD_TEXT("Messages", "A clue cannot hold \"=\", so these words have none: %1.");
constexpr Text kCluedWords = LOOPWORD_COUNTED_TEXT("Messages", "%n of them are listed by their clues.", "1 of them is listed by its clue.");

/// `text` without separators at either end.
std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsSeparator(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSeparator(text.back())) text.remove_suffix(1);
  return text;
}

/// Entries a report names before it only counts the rest.
constexpr std::size_t kEntriesNamed = 8;

/// A report line, `pattern` filled with the entries it names: "Given twice: A, B and 3 more."
Phrase EntriesLine(Text pattern, const std::vector<std::string>& entries) {
  std::string named;
  for (std::size_t i = 0; i < std::min(entries.size(), kEntriesNamed); ++i) named += (i == 0 ? "" : ", ") + entries[i];
  if (entries.size() <= kEntriesNamed) return Phrase(pattern, {named});
  return Phrase(pattern, {Phrase(texts::kEntriesAndMore, {named, entries.size() - kEntriesNamed})});
}

/// Reads the theme text `text` into `read`.
class ThemeReader {
 public:
  ThemeReader(ThemeWords& read, Language language) : read_(read), language_(language) {}

  /// Takes one line: a clue line, or entries between separators.
  void Line(std::string_view line) {
    ++lineNumber_;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      Entries(line);
      return;
    }
    const std::string_view entry = Trimmed(line.substr(0, equals));
    if (entry.empty()) {
      read_.unusable.emplace_back(Trimmed(line));
      return;
    }
    const std::string_view given = line.substr(equals + 1);
    std::string clue = PlainLine(given, INT_MAX);
    if (CharacterCount(clue) > kClueLimit && given.find('=') == std::string_view::npos) {
      read_.longClueLines.push_back(std::to_string(lineNumber_));
      return;
    }
    const std::optional<std::string> word = Take(entry);
    if (!word) return;
    if (given.find('=') != std::string_view::npos) {
      read_.equalsInClue.push_back(*word);
      return;
    }
    if (!clue.empty()) read_.clues[*word] = std::move(clue);
  }

 private:
  void Entries(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size()) {
      if (IsSeparator(line[at])) {
        ++at;
        continue;
      }
      const auto end = static_cast<std::size_t>(std::find_if(line.begin() + static_cast<std::ptrdiff_t>(at), line.end(), IsSeparator) - line.begin());
      Take(line.substr(at, end - at));
      at = end;
    }
  }

  /// The word `entry` folds to when it is usable and new; else nullopt, the entry noted.
  std::optional<std::string> Take(std::string_view entry) {
    std::string word = FoldTypedWord(language_, entry);
    if (word.size() != kWordLength) {
      read_.unusable.emplace_back(entry);
      return std::nullopt;
    }
    if (std::find(read_.words.begin(), read_.words.end(), word) != read_.words.end()) {
      read_.repeated.emplace_back(entry);
      return std::nullopt;
    }
    read_.words.push_back(word);
    return word;
  }

  ThemeWords& read_;
  Language language_;
  int lineNumber_ = 0;
};

}  // namespace

ThemeWords ReadThemeWords(std::string_view text, Language language) {
  ThemeWords read;
  if (text.size() > kThemeTextLimit) {  // bytes, which are never fewer than its characters
    read.tooLong = text.size();
    return read;
  }
  ThemeReader reader(read, language);
  while (!text.empty()) {
    const auto end = static_cast<std::size_t>(std::find_if(text.begin(), text.end(), IsLineEnd) - text.begin());
    reader.Line(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return read;
}

std::string ThemeText(const std::vector<std::string>& words, const Clues& clues) {
  std::string text;
  for (const std::string& word : words) {
    const auto clue = clues.find(word);
    text += word + (clue == clues.end() ? "" : " = " + clue->second) + '\n';
  }
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
    if (!read.clues.empty()) report.Add(Phrase::Counted(kCluedWords, static_cast<long long>(read.clues.size())));
  }
  return report.Append(SkippedEntries(read));
}

Message SkippedEntries(const ThemeWords& read) {
  Message skipped;
  if (!read.unusable.empty()) skipped.Add(EntriesLine(texts::kNotEightLetters, read.unusable));
  if (!read.repeated.empty()) skipped.Add(EntriesLine(texts::kGivenTwice, read.repeated));
  if (!read.longClueLines.empty()) skipped.Add(EntriesLine(kCluesTooLong, read.longClueLines));
  if (!read.equalsInClue.empty()) skipped.Add(EntriesLine(kEqualsInClue, read.equalsInClue));
  return skipped;
}

}  // namespace loopword
