// Plain text a user gives the puzzle: well-formed UTF-8 checks, the one-line title, its words and lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopword {

/// Most characters a puzzle's title keeps.
inline constexpr int kTitleLimit = 60;

/// One character of UTF-8 text: its code point and its length in bytes.
struct Character {
  char32_t code;
  std::size_t length;
};

/// The character `text` (not empty) starts with; nullopt when its first bytes are not well-formed UTF-8.
std::optional<Character> FirstCharacter(std::string_view text);

/// Appends the code point `code` (at most U+10FFFF, no surrogate) to `text` in UTF-8.
void AppendCharacter(std::string& text, char32_t code);

/// True when `text` is well-formed UTF-8 without control characters other than tab.
bool IsCleanText(std::string_view text);

/// `text` as a title: one line of well-formed UTF-8, line ends, tabs and other control characters
/// turned into spaces, runs of spaces made one, no space at either end, at most kTitleLimit
/// characters. Bytes that are not UTF-8 are dropped.
std::string PlainTitle(std::string_view text);
/// `text` as one line of plain text, as PlainTitle makes it, of at most `limit` characters.
std::string PlainLine(std::string_view text, int limit);

/// `text` as XML character data: markup characters escaped, control characters and bytes that are not UTF-8 left out.
std::string XmlText(const std::string& text);

/// The words of `text` between blanks, runs of blanks taken as one.
std::vector<std::string_view> BlankSeparated(std::string_view text);
/// The lines of `text`, without their line ends ("\n" or "\r\n"); none for empty text.
std::vector<std::string_view> LinesOf(std::string_view text);

/// The number of characters (code points) of well-formed UTF-8 `text`.
int CharacterCount(std::string_view text);

/// The first `count` characters of well-formed UTF-8 `text`.
std::string FirstCharacters(std::string_view text, int count);

}  // namespace loopword
