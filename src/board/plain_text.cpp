// Decoding UTF-8 one character at a time for the checks and the title; splitting text into words and lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/plain_text.h"

#include <algorithm>

namespace loopword {

namespace {

bool IsAsciiControl(char32_t code) { return code < 0x20 || code == 0x7F; }
bool IsControl(char32_t code) { return IsAsciiControl(code) || (code >= 0x80 && code < 0xA0); }

}  // namespace

std::optional<Character> FirstCharacter(std::string_view text) {
  const auto byte = static_cast<unsigned char>(text.front());
  if (byte < 0x80) return Character{byte, 1};
  const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 0;
  if (length == 0 || byte > 0xF4 || length > text.size()) return std::nullopt;
  char32_t code = byte & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
  return Character{code, length};
}

void AppendCharacter(std::string& text, char32_t code) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (code < 0x80) {
    text += byte(code);
  } else if (code < 0x800) {
    text += {byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F))};
  } else if (code < 0x10000) {
    text += {byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
  } else {
    text += {byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)), byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
  }
}

bool IsCleanText(std::string_view text) {
  while (!text.empty()) {
    const std::optional<Character> next = FirstCharacter(text);
    if (!next || (IsAsciiControl(next->code) && next->code != '\t')) return false;
    text.remove_prefix(next->length);
  }
  return true;
}

std::string PlainTitle(std::string_view text) { return PlainLine(text, kTitleLimit); }

std::string PlainLine(std::string_view text, int limit) {
  std::string title;
  int characters = 0;
  bool spaceDue = false;
  while (!text.empty() && characters < limit) {
    const std::optional<Character> next = FirstCharacter(text);
    const std::size_t length = next ? next->length : 1;
    if (next && (IsControl(next->code) || next->code == ' ')) {
      spaceDue = !title.empty();
    } else if (next) {
      if (spaceDue && characters + 1 < limit) {
        title += ' ';
        ++characters;
      }
      spaceDue = false;
      title.append(text.substr(0, length));
      ++characters;
    }
    text.remove_prefix(length);
  }
  return title;
}

int CharacterCount(std::string_view text) {
  int count = 0;
  for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

std::string FirstCharacters(std::string_view text, int count) {
  std::size_t end = 0;
  for (int taken = 0; end < text.size(); ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && taken++ == count) break;
  }
  return std::string(text.substr(0, end));
}

std::string XmlText(const std::string& text) {
  std::string xml;
  for (std::string_view rest = text; !rest.empty();) {
    const std::optional<Character> next = FirstCharacter(rest);
    const std::size_t length = next ? next->length : 1;  // a byte that is not UTF-8 is left out
    const char c = rest.front();
    if (c == '&') xml += "&amp;";
    else if (c == '<') xml += "&lt;";
    else if (c == '>') xml += "&gt;";
    else if (c == '"') xml += "&quot;";
    else if (next && (next->code >= 0x20 || c == '\t') && next->code != 0x7F) xml += rest.substr(0, length);
    rest.remove_prefix(length);
  }
  return xml;
}

std::vector<std::string_view> BlankSeparated(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const std::size_t end = std::min(text.find(' '), text.size());
    words.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

}  // namespace loopword
