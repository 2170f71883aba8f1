// The 22-character record of one placed word: "SS RRRRRRRR D WWWWWWWW".
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace loopword {

/// One placed word: its square, the ring string written there, the start digit and the word.
struct PlacementLine {
  /// Square number 1..23.
  int square = 0;
  /// The 8 letters in ring-position order.
  std::string ring;
  /// Ring position of the word's first letter, 1..9, where 9 also stands for position 1.
  int startDigit = 0;
  /// The dictionary word as it reads clockwise from its start cell.
  std::string word;

  /// The 22-character text: square with a leading zero, ring, start digit, word, single spaces between.
  [[nodiscard]] std::string ToString() const;
  /// The ring position (1..8) that holds the word's first letter; 9 is taken as 1.
  [[nodiscard]] int StartPosition() const { return startDigit == 9 ? 1 : startDigit; }
  /// True when every field is in range: square 1..23, start digit 1..9, ring and word 8 capitals.
  [[nodiscard]] bool IsWellFormed() const;
  /// Reads a line written by ToString; nullopt for any text of another form.
  static std::optional<PlacementLine> Parse(std::string_view line);

  friend bool operator==(const PlacementLine&, const PlacementLine&) = default;
};

/// A square number as placement lines write it, with a leading zero: "07".
std::string SquareLabel(int square);

/// Length of a placement line in characters.
inline constexpr std::size_t kPlacementLineLength = 22;

}  // namespace loopword
