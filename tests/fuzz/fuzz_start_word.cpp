// Fuzzes the starting-word check: the first byte picks the language; an accepted word is always 8 capitals,
// in English made letter for letter from the answer.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <cstdlib>
#include <string>

#include "input/start_word.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const loopword::Language language = loopword::kLanguages[data[0] % loopword::kLanguages.size()];
  const std::string answer(reinterpret_cast<const char*>(data + 1), size - 1);
  const loopword::StartWordCheck check = loopword::CheckStartWord(answer, language);
  using Verdict = loopword::StartWordCheck::Verdict;
  if (check.verdict != Verdict::Accepted) {
    if (!check.word.empty()) std::abort();
    if (check.verdict != Verdict::Cancelled && check.message.empty()) std::abort();
    return 0;
  }
  if (check.word.size() != 8) std::abort();
  for (std::size_t i = 0; i < 8; ++i) {
    const char c = check.word[i];
    if (c < 'A' || c > 'Z') std::abort();
    if (language == loopword::Language::English && (answer.size() != 8 || (answer[i] != c && answer[i] != c - 'A' + 'a'))) std::abort();
  }
  return 0;
}
