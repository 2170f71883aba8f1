// Writing and reading the "# typed", "# pencil" and "# progress" comment lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/typed_lines.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "board/board.h"
#include "board/letters.h"

namespace loopword {

namespace {

/// Longest solving time a progress line may keep: a year, in seconds.
constexpr std::int64_t kLongestSolvingSeconds = 366LL * 24 * 3600;
/// Most checks or revealed letters a progress line may keep.
constexpr int kMostCounted = 1'000'000;
/// How an empty cell is written.
constexpr char kEmptyMark = '.';

/// A typed line read back: its square and its 8 cells.
struct TypedSquare {
  int square;
  std::string_view cells;
};

/// Whether `c` is a decimal digit.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

/// Reads one line of a square's letters after `prefix`: two digits, a blank and 8 letters; nullopt when it is damaged.
std::optional<TypedSquare> ParseSquareLine(std::string_view line, std::string_view prefix) {
  if (!line.starts_with(prefix) || line.size() != prefix.size() + 3 + kRingSize) return std::nullopt;
  line.remove_prefix(prefix.size());
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

/// Puts one pencil line's letters into `state` in pencil; false, changing nothing, when one falls on a fixed cell, a
/// sure letter or a cell an earlier line gave another letter (kept in `given`).
bool ApplyPencilSquare(SolvingState& state, const TypedSquare& line, CellArray<char>& given) {
  SolvingState updated = state;
  CellArray<char> marked = given;
  for (int position = 1; position <= kRingSize; ++position) {
    const char letter = RingLetterAt(line.cells, position);
    if (letter == kEmptyMark) continue;
    const RingCell cell{line.square, position};
    const bool sure = state.LetterAt(cell) != ' ' && !state.IsPencil(cell);
    if (state.IsFixed(cell) || sure || (marked[cell] != 0 && marked[cell] != letter)) return false;
    marked[cell] = letter;
    updated.Put(cell, letter, true);
  }
  state = std::move(updated);
  given = marked;
  return true;
}

/// One line per square for which `shows` gives some cell a letter that is not fixed: the prefix, the square as two
/// digits, then the 8 cells in ring-position order, '.' where `shows` gives ' '.
template <typename Shows>
std::vector<std::string> SquareLines(const SolvingState& state, std::string_view prefix, const Shows& shows) {
  std::vector<std::string> lines;
  for (int square = 1; square <= kSquareCount; ++square) {
    std::string cells;
    bool typed = false;
    for (int position = 1; position <= kRingSize; ++position) {
      const char letter = shows(RingCell{square, position});
      typed = typed || (letter != ' ' && !state.IsFixed({square, position}));
      cells += letter == ' ' ? kEmptyMark : letter;
    }
    if (!typed) continue;
    const std::string number = (square < 10 ? "0" : "") + std::to_string(square);
    lines.push_back(std::string(prefix) + number + " " + cells);
  }
  return lines;
}

/// The whole number `text` gives from 0 to `most`; nullopt for anything else.
std::optional<std::int64_t> Count(std::string_view text, std::int64_t most) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || text.empty() || end != text.data() + text.size() || value < 0 || value > most) return std::nullopt;
  return value;
}

}  // namespace

std::vector<std::string> TypedLines(const SolvingState& state) {
  return SquareLines(state, kTypedPrefix, [&](RingCell cell) { return state.IsPencil(cell) ? ' ' : state.LetterAt(cell); });
}

std::vector<std::string> PencilLines(const SolvingState& state) {
  return SquareLines(state, kPencilPrefix, [&](RingCell cell) { return state.IsPencil(cell) ? state.LetterAt(cell) : ' '; });
}

bool ApplyTypedLines(SolvingState& state, const std::vector<std::string>& comments) {
  SolvingState updated = state;
  CellArray<char> given{};
  for (const std::string& comment : comments) {
    if (!IsTypedLine(comment)) continue;
    const auto line = ParseSquareLine(comment, kTypedPrefix);
    if (!line || !ApplyTypedSquare(updated, *line, given)) return false;
  }
  state = updated;
  return true;
}

int ApplyPencilLines(SolvingState& state, const std::vector<std::string>& comments) {
  CellArray<char> given{};
  int dropped = 0;
  for (const std::string& comment : comments) {
    if (!comment.starts_with(kPencilPrefix)) continue;
    const auto line = ParseSquareLine(comment, kPencilPrefix);
    if (!line || !ApplyPencilSquare(state, *line, given)) ++dropped;
  }
  return dropped;
}

std::string ProgressLine(const SolvingProgress& progress) {
  std::string line = std::string(kProgressPrefix) + "time=" + std::to_string(std::max<std::int64_t>(0, progress.ms) / 1000);
  if (progress.checks > 0) line += " checks=" + std::to_string(progress.checks);
  if (progress.revealed > 0) line += " revealed=" + std::to_string(progress.revealed);
  return line;
}

SolvingProgress SolvingProgressOf(const std::vector<std::string>& comments) {
  SolvingProgress progress;
  const auto line = std::find_if(comments.begin(), comments.end(), [](const std::string& comment) { return comment.starts_with(kProgressPrefix); });
  if (line == comments.end()) return progress;
  std::string_view rest = std::string_view(*line).substr(kProgressPrefix.size());
  while (!rest.empty()) {
    const std::string_view pair = rest.substr(0, rest.find(' '));
    rest.remove_prefix(std::min(rest.size(), pair.size() + 1));
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = pair.substr(0, equals);
    const std::string_view value = pair.substr(equals + 1);
    if (name == "time") progress.ms = Count(value, kLongestSolvingSeconds).value_or(0) * 1000;
    if (name == "checks") progress.checks = static_cast<int>(Count(value, kMostCounted).value_or(0));
    if (name == "revealed") progress.revealed = static_cast<int>(Count(value, kMostCounted).value_or(0));
  }
  return progress;
}

}  // namespace loopword
