// Parsing of the overlap rules and the neighbour table derived from them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/geometry.h"

#include <algorithm>
#include <limits>

#include "board/whole_number.h"

namespace loopword {

namespace {

/// Reads the whole number before the first "," of `text` into `value` and passes over it and the comma; false when
/// that field is no whole number.
bool ReadField(std::string_view& text, int& value) {
  const std::size_t comma = std::min(text.find(','), text.size());
  const std::optional<int> number = WholeNumber(text.substr(0, comma), 0, std::numeric_limits<int>::max());
  if (!number) return false;
  value = *number;
  text.remove_prefix(std::min(comma + 1, text.size()));
  return true;
}

SquareArray<NeighbourRows> BuildNeighbourTable() {
  SquareArray<NeighbourRows> table{};
  auto add = [&table](int square, SharedCell cell) {
    if (square == kCrossingSquare) return;  // square 12 is filled first and never re-patterned
    NeighbourRows& entry = table[square];
    entry.rows[entry.count++] = cell;
  };
  for (const Overlap& rule : Overlaps()) {
    add(rule.squareA, {rule.positionA, rule.squareB, rule.positionB});
    add(rule.squareB, {rule.positionB, rule.squareA, rule.positionA});
  }
  return table;
}

}  // namespace

Overlap ParseOverlapRule(std::string_view rule) {
  Overlap parsed{};
  if (ReadField(rule, parsed.squareA) && ReadField(rule, parsed.positionA) &&
      ReadField(rule, parsed.squareB) && ReadField(rule, parsed.positionB) && rule.empty()) {
    return parsed;
  }
  return Overlap{};
}

const std::array<Overlap, kOverlapCount>& Overlaps() {
  static const std::array<Overlap, kOverlapCount> parsed = [] {
    std::array<Overlap, kOverlapCount> rules{};
    std::transform(OverlapRule.begin(), OverlapRule.end(), rules.begin(), ParseOverlapRule);
    return rules;
  }();
  return parsed;
}

const NeighbourRows& NeighboursOf(int square) {
  static const SquareArray<NeighbourRows> table = BuildNeighbourTable();
  static const NeighbourRows none{};
  if (square < 1 || square > kSquareCount) return none;
  return table[square];
}

}  // namespace loopword
