// Writing and reading the "# typed" comment lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/typed_lines.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "board/board.h"
#include "board/letters.h"

namespace loopword {

namespace {

/// Length of a typed line: prefix, two digits, a blank and 8 letters.
constexpr std::size_t kTypedLineLength = kTypedPrefix.size() + 3 + kRingSize;
/// Longest solving time a progress line may keep: a year, in seconds.
constexpr std::int64_t kLongestSolvingSeconds = 366LL * 24 * 3600;
/// How an empty cell is written.
constexpr char kEmptyMark = '.';

/// A typed line read back: its square and its 8 cells.
struct TypedSquare {
  int square;
  std::string_view cells;
};

/// Whether `c` is a decimal digit.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

/// Reads one typed line; nullopt when it is damaged.
std::optional<TypedSquare> ParseTypedLine(std::string_view line) {
  if (line.size() != kTypedLineLength) return std::nullopt;
  line.remove_prefix(kTypedPrefix.size());
  if (!IsDigit(line[0]) || !IsDigit(line[1]) || line[2] != ' ') return std::nullopt;
  const int square = (line[0] - '0') * 10 + (line[1] - '0');
  const std::string_view cells = line.substr(3);
  for (const char c : cells) {
    if (c != kEmptyMark && !IsCapitalLetter(c)) return std::nullopt;
  }
  if (square < 1 || square > kSquareCount) return std::nullopt;
  return TypedSquare{square, cells};
}

/// Puts one line's letters into `state`; false when a letter disagrees with a fixed cell or with
/// the letter an earlier line gave the same cell (kept in `given`).
bool ApplyTypedSquare(SolvingState& state, const TypedSquare& line, CellArray<char>& given) {
  for (int position = 1; position <= kRingSize; ++position) {
    const char letter = RingLetterAt(line.cells, position);
    if (letter == kEmptyMark) continue;
    const RingCell cell{line.square, position};
    char& earlier = given[cell];
    const bool fixedDiffers = state.IsFixed(cell) && state.LetterAt(cell) != letter;
    if (fixedDiffers || (earlier != 0 && earlier != letter)) return false;
    earlier = letter;
    state.Put(cell, letter);
  }
  return true;
}

}  // namespace

std::vector<std::string> TypedLines(const SolvingState& state) {
  std::vector<std::string> lines;
  for (int square = 1; square <= kSquareCount; ++square) {
    std::string cells;
    bool typed = false;
    for (int position = 1; position <= kRingSize; ++position) {
      const char letter = state.LetterAt({square, position});
      typed = typed || (letter != ' ' && !state.IsFixed({square, position}));
      cells += letter == ' ' ? kEmptyMark : letter;
    }
    if (!typed) continue;
    const std::string number = (square < 10 ? "0" : "") + std::to_string(square);
    lines.push_back(std::string(kTypedPrefix) + number + " " + cells);
  }
  return lines;
}

bool ApplyTypedLines(SolvingState& state, const std::vector<std::string>& comments) {
  SolvingState updated = state;
  CellArray<char> given{};
  for (const std::string& comment : comments) {
    if (!IsTypedLine(comment)) continue;
    const auto line = ParseTypedLine(comment);
    if (!line || !ApplyTypedSquare(updated, *line, given)) return false;
  }
  state = updated;
  return true;
}

std::string ProgressLine(std::int64_t solvingMs) {
  return std::string(kProgressPrefix) + "time=" + std::to_string(std::max<std::int64_t>(0, solvingMs) / 1000);
}

std::int64_t SolvingTimeOf(const std::vector<std::string>& comments) {
  for (const std::string& comment : comments) {
    if (!comment.starts_with(kProgressPrefix)) continue;
    std::string_view value = std::string_view(comment).substr(kProgressPrefix.size());
    if (!value.starts_with("time=")) return 0;
    value.remove_prefix(5);
    std::int64_t seconds = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
    if (error != std::errc() || end == value.data() || seconds < 0 || seconds > kLongestSolvingSeconds) return 0;
    return seconds * 1000;
  }
  return 0;
}

}  // namespace loopword
