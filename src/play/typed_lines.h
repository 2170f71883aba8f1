// Keeping the letters typed into a puzzle as comment lines of its puzzle file.
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

/// How the comment line that keeps the time spent solving begins: "# progress time=252" (seconds).
inline constexpr std::string_view kProgressPrefix = "# progress ";

/// Whether `comment` keeps the solving's progress or its letters: the lines a puzzle sheet given to a pupil leaves out.
inline bool IsSolvingLine(std::string_view comment) { return IsTypedLine(comment) || comment.starts_with(kProgressPrefix); }

/// The comment line that keeps `solvingMs` milliseconds spent solving, in whole seconds.
std::string ProgressLine(std::int64_t solvingMs);

/// The time spent solving that a progress line among `comments` keeps, in milliseconds; 0 when there is none or it
/// is damaged.
std::int64_t SolvingTimeOf(const std::vector<std::string>& comments);

/// One comment line "# typed SS LLLLLLLL" for each square holding a letter the solver typed:
/// the square as two digits, then its 8 letters in ring-position order with '.' for an empty cell.
std::vector<std::string> TypedLines(const SolvingState& state);

/// Puts the letters of the typed lines among `comments` into `state`, ignoring other lines.
/// Returns false and leaves `state` as it was when a typed line is damaged: not of the form
/// above, or disagreeing with a fixed cell or with another typed line over a shared cell.
bool ApplyTypedLines(SolvingState& state, const std::vector<std::string>& comments);

}  // namespace loopword
