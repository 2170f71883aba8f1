// Percent-encoding of the texts an address carries.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/percent_encoding.h"

#include <charconv>

namespace loopword {

namespace {

bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '~';
}

}  // namespace

std::string PercentEncoded(std::string_view text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (Unreserved(byte)) {
      encoded += c;
    } else if (c == ' ') {
      encoded += '+';
    } else {
      encoded += '%';
      encoded += kDigits[byte >> 4];
      encoded += kDigits[byte & 15];
    }
  }
  return encoded;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      decoded += ' ';
    } else if (text[i] != '%') {
      decoded += text[i];
    } else {
      unsigned value = 0;
      if (i + 2 >= text.size()) return std::nullopt;
      const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
      if (error != std::errc() || end != text.data() + i + 3) return std::nullopt;
      decoded += static_cast<char>(value);
      i += 2;
    }
  }
  return decoded;
}

}  // namespace loopword
