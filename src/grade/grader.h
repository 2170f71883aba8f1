// Grading a puzzle sheet by the hardest technique a person needs to solve it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "board/placement_line.h"
#include "board/puzzle.h"

namespace loopword::grade {

/// The techniques in the order a solver tries them, 1 the simplest.
enum class Technique {
  Singles = 1,     ///< a square with one candidate, or a word that fits one square
  Neighbours = 2,  ///< a candidate whose letter in a shared cell no candidate of the neighbour puts there
  Sets = 3,        ///< n squares whose candidates come from n words, or n words that fit only n squares
  Lookahead = 4,   ///< a candidate that leads to a contradiction through techniques 1 to 3
  Search = 5,      ///< trial and error
};
inline constexpr int kTechniqueCount = 5;

/// Effort (tentative placements) above which a sheet that needs lookahead is graded Expert.
inline constexpr std::int64_t kExpertEffort = 1000;

/// What a puzzle sheet shows: square 12's ring, the other 22 words, the letters of the hint cells.
struct Sheet {
  std::string centre;
  std::vector<std::string> words;
  struct Hint {
    RingCell cell;
    char letter = 'A';
  };
  std::vector<Hint> hints;
};

/// The sheet of a complete puzzle (placements in square order) with the letters of `hints`.
Sheet SheetOf(const std::vector<PlacementLine>& placements, const std::vector<RingCell>& hints);

/// How a sheet was solved.
struct GradeReport {
  /// The highest technique used (1..5); 0 when the sheet was solved without any.
  int needed = 0;
  /// steps[t]: squares placed by singles, candidates dropped by techniques 2 to 4, guesses of search.
  std::array<int, kTechniqueCount + 1> steps{};
  /// Tentative placements of lookahead and search.
  std::int64_t effort = 0;
  /// True when a grid fitting the sheet was found. Without search (needed < 5) it is the only one.
  bool solved = false;
  /// Grids found: 0, 1 or 2 (for two or more). Search looks for a second grid.
  int grids = 0;
  /// False when search gave up before it had looked everywhere.
  bool settled = true;
};

/// Solves `sheet` as a person would, trying techniques up to `ceiling` (1..5) only: each round
/// applies the first that makes progress. When the ceiling is reached without a solution, the
/// report has needed = ceiling + 1 and is not solved.
GradeReport GradeSheet(const Sheet& sheet, int ceiling = kTechniqueCount);

/// The grade of a report: Easy for techniques 1-2, Medium for 3, Hard for 4, Expert for search or
/// for lookahead with an effort above kExpertEffort.
Difficulty GradeOf(const GradeReport& report);

/// One line about a report: "grade: Hard, technique 4, steps 20 5 0 3 0, effort 212", saying
/// when the sheet has several solutions or none.
std::string DescribeGrade(const GradeReport& report);

}  // namespace loopword::grade
