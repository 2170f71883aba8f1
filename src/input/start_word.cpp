// The starting-word rules: 8 letters A..Z, lower case accepted, blanks count as characters; other languages fold.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/start_word.h"

#include <algorithm>

#include "board/letters.h"
#include "board/plain_text.h"
#include "words/dictionary.h"

namespace loopword {

namespace {

/// The English rules, kept as they always were.
StartWordCheck CheckEnglishStartWord(const std::string& answer) {
  using Verdict = StartWordCheck::Verdict;
  StartWordCheck check;
  if (CharacterCount(answer) != 8) {
    check.verdict = Verdict::WrongLength;
    check.message = LOOPWORD_TEXT("Messages", "Specify 8-letter word");
    return check;
  }
  std::string word = answer;
  for (char& c : word) {
    c = ToCapital(c);
    if (!IsCapitalLetter(c)) {
      check.verdict = Verdict::NotLetters;
      check.message = LOOPWORD_TEXT("Messages", "Specify A..Z leters");
      return check;
    }
  }
  check.verdict = Verdict::Accepted;
  check.word = word;
  return check;
}

/// A word typed in `language`, folded by its rules.
StartWordCheck CheckFoldedStartWord(const std::string& answer, Language language) {
  using Verdict = StartWordCheck::Verdict;
  const std::string word = FoldTypedWord(language, answer);
  if (word.size() == kWordLength) return {Verdict::Accepted, word, {}};
  if (word.empty()) return {Verdict::NotLetters, {}, Message(texts::kNotEightLetters, {answer})};
  return {Verdict::WrongLength, {}, Message(texts::kReadsAsOtherLength, {answer, word})};
}

}  // namespace

StartWordCheck CheckStartWord(const std::string& answer, Language language) {
  const bool blank = std::all_of(answer.begin(), answer.end(), [](char c) { return c == ' '; });
  if (blank) return {};
  return language == Language::English ? CheckEnglishStartWord(answer) : CheckFoldedStartWord(answer, language);
}

}  // namespace loopword
