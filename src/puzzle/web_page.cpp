// The web page's puzzle slot filled with a puzzle in base64.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/web_page.h"

#include "board/plain_text.h"

#include <algorithm>
#include <cstdint>

namespace loopword {

namespace {
constexpr std::string_view kBase64Digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}  // namespace

std::string Base64(std::string_view bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 3; ++k) group = group << 8 | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    for (std::size_t k = 0; k < 4; ++k) text += k <= count ? kBase64Digits[group >> (18 - 6 * k) & 0x3F] : '=';
  }
  return text;
}

std::optional<std::string> Base64Decoded(std::string_view text) {
  if (text.ends_with("==")) text.remove_suffix(2);
  else if (text.ends_with('=')) text.remove_suffix(1);
  if (text.size() % 4 == 1) return std::nullopt;
  std::string bytes;
  std::uint32_t group = 0;
  int bits = 0;
  for (const char c : text) {
    const std::size_t digit = kBase64Digits.find(c);
    if (digit == std::string_view::npos) return std::nullopt;
    group = (group << 6 | static_cast<std::uint32_t>(digit)) & 0xFFFFFF;
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes += static_cast<char>(group >> bits & 0xFF);
    }
  }
  return bytes;
}

std::optional<std::string> PageWithPuzzle(std::string_view page, std::string_view puzzle) {
  return PageWithPuzzles(page, {std::string(puzzle)});
}

std::optional<std::string> PageWithPuzzles(std::string_view page, const std::vector<std::string>& puzzles) {
  constexpr std::string_view kOpening = kPagePuzzleSlot.substr(0, kPagePuzzleSlot.find("\"\"") + 1);
  const std::size_t content = page.find(kOpening);
  const std::size_t end = content == std::string_view::npos ? content : page.find('"', content + kOpening.size());
  if (end == std::string_view::npos) return std::nullopt;
  std::string carried;
  for (const std::string& puzzle : puzzles) carried += (carried.empty() ? "" : " ") + Base64(puzzle);
  std::string filled(page);
  filled.replace(content + kOpening.size(), end - content - kOpening.size(), carried);
  return filled;
}

std::vector<std::string_view> CarriedPuzzles(std::string_view carried) {
  return BlankSeparated(carried);
}

}  // namespace loopword
