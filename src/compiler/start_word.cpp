// The starting-word rules: 8 letters A..Z, lower case accepted, blanks count as characters.
#include "compiler/start_word.h"

#include <algorithm>

namespace loopword {

StartWordCheck CheckStartWord(const std::string& answer) {
  using Verdict = StartWordCheck::Verdict;
  StartWordCheck check;
  const bool blank = std::all_of(answer.begin(), answer.end(), [](char c) { return c == ' '; });
  if (blank) return check;
  if (answer.size() != 8) {
    check.verdict = Verdict::WrongLength;
    check.message = "Specify 8-letter word";
    return check;
  }
  std::string word = answer;
  for (char& c : word) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') {
      check.verdict = Verdict::NotLetters;
      check.message = "Specify A..Z leters";
      return check;
    }
  }
  check.verdict = Verdict::Accepted;
  check.word = word;
  return check;
}

}  // namespace loopword
