// Writing and reading placement lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/placement_line.h"

#include <cstdio>

#include "board/geometry.h"
#include "board/letters.h"

namespace loopword {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string SquareLabel(int square) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", square);
  return number;
}

std::string PlacementLine::ToString() const {
  std::string line = SquareLabel(square);
  line += ' ';
  line += ring;
  line += ' ';
  line += static_cast<char>('0' + startDigit);
  line += ' ';
  line += word;
  return line;
}

bool PlacementLine::IsWellFormed() const {
  return square >= 1 && square <= kSquareCount && startDigit >= 1 && startDigit <= 9 && ring.size() == kRingSize &&
         word.size() == kRingSize && IsCapitalsWord(ring) && IsCapitalsWord(word);
}

std::optional<PlacementLine> PlacementLine::Parse(std::string_view line) {
  if (line.size() != kPlacementLineLength) return std::nullopt;
  if (!IsDigit(line[0]) || !IsDigit(line[1]) || line[2] != ' ' || line[11] != ' ' ||
      line[13] != ' ' || !IsDigit(line[12])) {
    return std::nullopt;
  }
  PlacementLine parsed;
  parsed.square = (line[0] - '0') * 10 + (line[1] - '0');
  parsed.ring = std::string(line.substr(3, 8));
  parsed.startDigit = line[12] - '0';
  parsed.word = std::string(line.substr(14, 8));
  if (!parsed.IsWellFormed()) return std::nullopt;
  return parsed;
}

}  // namespace loopword
