// Fuzzes the word-list reader: any bytes give a sound result and only words of 8 capitals.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "words/dictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const loopword::ReadResult result = loopword::ParseDictionaryText(text);
  if (result.outcome != loopword::LoadOutcome::Loaded) return 0;
  const loopword::Dictionary& words = result.dictionary;
  if (words.WordCount() < 1 || words.WordCount() > loopword::kWordLimit) std::abort();
  for (int n = 1; n <= words.WordCount(); ++n) {
    for (char c : words.WordPool(n)) {
      if (c < 'A' || c > 'Z') std::abort();
    }
    if (words.WordList(n, 1) != words.WordPool(n)) std::abort();
  }
  return 0;
}
