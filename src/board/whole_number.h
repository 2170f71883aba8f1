// Reading a whole number written in decimal digits: the one reader every file, link and option goes through.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace loopword {

/// The whole number from `least` to `most` that `text` writes in decimal digits and nothing else; nullopt for other
/// text (a sign, a space, a letter, an empty text or a number out of range).
template <typename Number>
std::optional<Number> WholeNumber(std::string_view text, Number least, Number most) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < least || value > most) return std::nullopt;
  return value;
}

}  // namespace loopword
