// An independent check of a finished puzzle: 23 words from the list, agreeing cells, no repeats.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "board/geometry.h"
#include "board/whole_number.h"

namespace loopword::testing {

/// Returns "" for a sound puzzle, otherwise what is wrong with it. `words` is the dictionary;
/// `startWord` (if not empty) is allowed in square 12 even when the dictionary lacks it.
inline std::string CheckPuzzle(const std::vector<std::string>& lines, const std::set<std::string>& words,
                               const std::string& startWord = "") {
  if (lines.size() != 23) return "expected 23 placement lines, got " + std::to_string(lines.size());
  std::map<TwipPoint, char> letterAt;  // cell point -> letter
  std::set<std::string> used;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.size() != 22) return "bad line length: " + line;
    const int square = static_cast<int>(i) + 1;
    if (WholeNumber(std::string_view(line).substr(0, 2), 1, kSquareCount) != square) return "lines not in square order: " + line;
    const std::string ring = line.substr(3, 8);
    const int start = line[12] == '9' ? 1 : line[12] - '0';
    const std::string word = line.substr(14, 8);
    if (!words.count(word) && !(square == 12 && word == startWord)) return "not a dictionary word: " + line;
    if (!used.insert(word).second) return "word used twice: " + word;
    const std::size_t from = static_cast<std::size_t>(start - 1);  // the word read clockwise from its start cell
    if (ring.substr(from) + ring.substr(0, from) != word) return "ring is not the word from its start cell: " + line;
    for (int p = 1; p <= 8; ++p) {
      const char letter = ring[static_cast<std::size_t>(p - 1)];
      if (letter < 'A' || letter > 'Z') return "not a capital letter: " + line;
      const auto [it, fresh] = letterAt.emplace(CellPoint(square, p), letter);
      if (!fresh && it->second != letter) return "shared cell disagrees in square " + std::to_string(square);
    }
  }
  if (letterAt.size() != 148) return "expected 148 distinct cells";
  return "";
}

}  // namespace loopword::testing
