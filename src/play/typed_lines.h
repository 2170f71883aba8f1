// Keeping the letters typed into a puzzle, its pencil letters and its progress as comment lines of its puzzle file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "play/solving.h"

namespace loopword {

/// How a comment line that keeps a square's letters begins: "# typed SS LLLLLLLL".
inline constexpr std::string_view kTypedPrefix = "# typed ";

/// Whether the comment line `comment` keeps a square's letters: it begins with kTypedPrefix.
inline bool IsTypedLine(std::string_view comment) { return comment.starts_with(kTypedPrefix); }

/// How a comment line that keeps a square's pencil letters begins: "# pencil SS LLLLLLLL".
inline constexpr std::string_view kPencilPrefix = "# pencil ";

/// How the comment line that keeps the progress begins: "# progress time=252 checks=2 revealed=1" (seconds, the
/// checks given and the letters revealed; a count of none is left out).
inline constexpr std::string_view kProgressPrefix = "# progress ";

/// Whether `comment` keeps the solving's progress or its letters: the lines a puzzle sheet given to a pupil leaves out.
inline bool IsSolvingLine(std::string_view comment) {
  return IsTypedLine(comment) || comment.starts_with(kPencilPrefix) || comment.starts_with(kProgressPrefix);
}

/// How far the solving of a puzzle has got besides its letters: the time spent, the checks given, the letters revealed.
struct SolvingProgress {
  std::int64_t ms = 0;
  int checks = 0;
  int revealed = 0;
  friend bool operator==(const SolvingProgress&, const SolvingProgress&) = default;
};

/// The comment line that keeps `progress`, the time in whole seconds.
std::string ProgressLine(const SolvingProgress& progress);

/// The progress a progress line among `comments` keeps; each value that is missing or damaged counts as none (other
/// names are passed over, so later versions may add some).
SolvingProgress SolvingProgressOf(const std::vector<std::string>& comments);

/// One comment line "# typed SS LLLLLLLL" for each square holding a sure letter the solver typed:
/// the square as two digits, then its 8 sure letters in ring-position order with '.' for an empty cell
/// (and for a pencil letter).
std::vector<std::string> TypedLines(const SolvingState& state);

/// One comment line "# pencil SS LLLLLLLL" for each square holding a pencil letter: its pencil letters in
/// ring-position order, '.' for every other cell.
std::vector<std::string> PencilLines(const SolvingState& state);

/// Puts the letters of the typed lines among `comments` into `state`, ignoring other lines.
/// Returns false and leaves `state` as it was when a typed line is damaged: not of the form
/// above, or disagreeing with a fixed cell or with another typed line over a shared cell.
bool ApplyTypedLines(SolvingState& state, const std::vector<std::string>& comments);

/// Writes the letters of the pencil lines among `comments` into `state` in pencil, each line whole or not at all:
/// a line not of the form above, or putting a letter on a fixed cell, on a sure letter or on a cell an earlier
/// pencil line gave another letter is left out. Returns how many were left out.
int ApplyPencilLines(SolvingState& state, const std::vector<std::string>& comments);

}  // namespace loopword
