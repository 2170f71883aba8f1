// Fuzzes the word-list reader: the first byte picks the language, any further bytes give a sound result and only words of 8 capitals.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "words/dictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const loopword::Language language = loopword::kLanguages[data[0] % loopword::kLanguages.size()];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const loopword::ReadResult result = loopword::ParseDictionaryText(text, language);
  if (result.outcome == loopword::LoadOutcome::NotText && (result.badLine < 1 || result.dictionary.WordCount() != 0)) std::abort();
  if (result.outcome != loopword::LoadOutcome::Loaded) return 0;
  const loopword::Dictionary& words = result.dictionary;
  if (words.WordCount() < 1 || words.WordCount() > loopword::kWordLimit) std::abort();
  if (result.enyeWords < 0 || result.enyeWords > words.WordCount()) std::abort();
  if (result.enyeWords > 0 && language != loopword::Language::Spanish) std::abort();
  for (int n = 1; n <= words.WordCount(); ++n) {
    for (char c : words.WordPool(n)) {
      if (c < 'A' || c > 'Z') std::abort();
    }
    if (words.WordList(n, 1) != words.WordPool(n)) std::abort();
  }
  return 0;
}
