// Choosing the hint cells of a complete puzzle so that its sheet has one solution and a chosen grade.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/puzzle.h"
#include "exact/fill_search.h"
#include "grade/grader.h"
#include "random/random_source.h"

namespace loopword::grade {

/// The cells a graded sheet may give away: every ring cell outside square 12, a shared cell once
/// under its lower square, in square order.
const std::vector<RingCell>& HintableCells();

/// Hint cells in square order and the grade of the sheet they make.
struct GradedHints {
  std::vector<RingCell> hints;
  GradeReport report;
};

/// The grade of `puzzle`'s sheet by its own hint cells, as one line: "grade: Hard, technique 4, steps …, effort 212".
std::string GradeLine(const Puzzle& puzzle);

/// Chooses hint cells for the complete puzzle `placements` (in square order) so that its sheet
/// has exactly one grid and grades `target` (Easy to Expert): many well-spread hints for Easy,
/// then hints taken away in random order while the grade stays within the target. nullopt when
/// the puzzle does not reach the grade within a few tries; `limits` bounds each solution count.
std::optional<GradedHints> ChooseHints(const std::vector<PlacementLine>& placements, Difficulty target,
                                       RandomSource& random, const exact::SearchLimits& limits);

}  // namespace loopword::grade
