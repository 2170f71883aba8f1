// The web page's puzzle slot filled with a puzzle in base64.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/web_page.h"

#include <algorithm>
#include <cstdint>

namespace loopword {

std::string Base64(std::string_view bytes) {
  constexpr std::string_view kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 3; ++k) group = group << 8 | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    for (std::size_t k = 0; k < 4; ++k) text += k <= count ? kDigits[group >> (18 - 6 * k) & 0x3F] : '=';
  }
  return text;
}

std::optional<std::string> PageWithPuzzle(std::string_view page, std::string_view puzzle) {
  const std::size_t slot = page.find(kPagePuzzleSlot);
  if (slot == std::string_view::npos) return std::nullopt;
  const std::size_t content = slot + kPagePuzzleSlot.find("\"\"") + 1;
  std::string filled(page);
  filled.insert(content, Base64(puzzle));
  return filled;
}

}  // namespace loopword
