// Comparing the program's texts, and filling the patterns of its messages with their values.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/program_text.h"

namespace loopword {

bool operator==(const Text& a, const Text& b) {
  return std::string_view(a.context) == b.context && std::string_view(a.source) == b.source;
}

std::string FillText(std::string_view pattern, const std::vector<std::string>& values) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
    const auto index = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
    if (index < values.size()) {
      text += values[index];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace loopword
