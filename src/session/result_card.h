// The card a solved puzzle shows: its title and place in a class set, the time and help taken, and the result code.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/message.h"
#include "board/puzzle.h"
#include "puzzle/puzzle_document.h"

namespace loopword {

/// What a pupil shows the teacher once their puzzle is solved.
struct ResultCard {
  /// The puzzle's title; "" for none.
  std::string title;
  /// The puzzle's place in its class set, with the set's short id; none outside a class set.
  std::optional<ClassPlace> place;
  std::string setId;
  /// The time taken, "m:ss"; "" where the puzzle's rules turn the timer off.
  std::string time;
  int checks = 0;
  int revealed = 0;
  /// The result code the teacher's copy of the class set checks; "" outside a class set.
  std::string code;

  friend bool operator==(const ResultCard&, const ResultCard&) = default;
};

/// The card of `puzzle`, solved in `progress` (its place `place` in a class set, if any); the time left out unless
/// `timed`.
ResultCard ResultCardOf(const Puzzle& puzzle, const std::optional<ClassPlace>& place, const SolvingProgress& progress, bool timed);

/// The line that names a puzzle's place in its class set: "Puzzle 3 of 30 · set ABCD".
Message PlaceLine(const ClassPlace& place);

/// The card's lines as a front end shows them, one under the other: "Solved", the title, the place, the time, the
/// checks and letters revealed, the result code.
std::vector<Message> CardLines(const ResultCard& card);

}  // namespace loopword
