// The letters a word may hold: the capitals A..Z, with lower case read as capitals where typed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string_view>

namespace loopword {

/// True for the capitals A..Z.
constexpr bool IsCapitalLetter(char c) { return c >= 'A' && c <= 'Z'; }

/// True for the lower-case letters a..z.
constexpr bool IsSmallLetter(char c) { return c >= 'a' && c <= 'z'; }

/// True when every character of `text` is a capital A..Z (so also for empty text).
constexpr bool IsCapitalsWord(std::string_view text) { return std::all_of(text.begin(), text.end(), IsCapitalLetter); }

/// A lower-case letter a..z as its capital; any other character unchanged.
constexpr char ToCapital(char c) { return IsSmallLetter(c) ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace loopword
