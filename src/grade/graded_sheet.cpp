// Graded sheets: well-spread hints until the sheet is easy, then hints taken away down to the grade.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "grade/graded_sheet.h"

#include <algorithm>

#include "exact/exact_engine.h"

namespace loopword::grade {

namespace {

/// Hints an Easy sheet may gain beyond one in each square away from square 12.
constexpr int kExtraEasyHints = 8;
/// Removal orders tried on one puzzle before it is given up for the grade.
constexpr int kRemovalOrders = 3;

/// The squares that share a cell with square 12.
bool TouchesCrossing(int square) {
  return std::any_of(Overlaps().begin(), Overlaps().end(), [square](const Overlap& rule) {
    return (rule.squareA == square && rule.squareB == kCrossingSquare) || (rule.squareB == square && rule.squareA == kCrossingSquare);
  });
}

/// Whether ring cell `cell` is shared with another square.
bool IsShared(RingCell cell) {
  return std::any_of(Overlaps().begin(), Overlaps().end(), [cell](const Overlap& rule) {
    return RingCell{rule.squareA, rule.positionA} == cell || RingCell{rule.squareB, rule.positionB} == cell;
  });
}

/// The other name of a shared cell, or the cell itself.
RingCell Partner(RingCell cell) {
  for (const Overlap& rule : Overlaps()) {
    if (RingCell{rule.squareA, rule.positionA} == cell) return {rule.squareB, rule.positionB};
    if (RingCell{rule.squareB, rule.positionB} == cell) return {rule.squareA, rule.positionA};
  }
  return cell;
}

bool InSquareOrder(RingCell a, RingCell b) { return a.square != b.square ? a.square < b.square : a.position < b.position; }

template <typename T>
const T& Pick(const std::vector<T>& among, RandomSource& random) {
  return among[static_cast<std::size_t>(random.Draw(static_cast<int>(among.size())) - 1)];
}

template <typename T>
void Shuffle(std::vector<T>& items, RandomSource& random) {
  for (std::size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[static_cast<std::size_t>(random.Draw(static_cast<int>(i)) - 1)]);
}

/// Makes and checks the sheets of one puzzle with different hint cells.
class HintChooser {
 public:
  HintChooser(const std::vector<PlacementLine>& placements, const exact::SearchLimits& limits)
      : placements_(placements), limits_(limits) {}

  /// One unshared cell in each square away from square 12, then more in the squares with the
  /// fewest until techniques 1-2 solve the sheet.
  std::optional<GradedHints> Easy(RandomSource& random) const {
    GradedHints easy;
    for (int s = 1; s <= kSquareCount; ++s) {
      if (s != kCrossingSquare && !TouchesCrossing(s)) easy.hints.push_back(Pick(UnsharedCellsOf(s), random));
    }
    for (int added = 0;; ++added) {
      easy.report = Grade(easy.hints, static_cast<int>(Technique::Neighbours));
      if (easy.report.solved) return Sorted(std::move(easy));
      if (added == kExtraEasyHints) return std::nullopt;
      easy.hints.push_back(Pick(FreeCellsOfSparsestSquares(easy.hints), random));
    }
  }

  /// Takes hints of `start` away in random order while the sheet keeps one grid and grades at
  /// most `target`; for Medium only until the sheet first needs sets.
  GradedHints Reduce(GradedHints start, Difficulty target, RandomSource& random) const {
    std::vector<RingCell> order = start.hints;
    Shuffle(order, random);
    for (const RingCell& cell : order) {
      std::vector<RingCell> fewer = start.hints;
      std::erase(fewer, cell);
      if (std::optional<GradeReport> report = OneGridWithin(fewer, target)) start = {std::move(fewer), *report};
      if (target == Difficulty::Medium && GradeOf(start.report) == target) break;
    }
    if (target == Difficulty::Expert) start.report = Grade(start.hints, kTechniqueCount);
    return start;
  }

 private:
  GradeReport Grade(const std::vector<RingCell>& hints, int ceiling) const { return GradeSheet(SheetOf(placements_, hints), ceiling); }

  /// The report of the sheet with `hints` when it has one grid and grades at most `target`.
  std::optional<GradeReport> OneGridWithin(const std::vector<RingCell>& hints, Difficulty target) const {
    const GradeReport report = Grade(hints, static_cast<int>(Technique::Lookahead));
    if (report.solved && GradeOf(report) <= target) return report;
    if (target != Difficulty::Expert) return std::nullopt;
    const exact::SolutionCount count = exact::CountSheetSolutions(placements_, 2, limits_, hints);
    if (count.settled && count.grids == 1) return report;
    return std::nullopt;
  }

  static std::vector<RingCell> UnsharedCellsOf(int square) {
    std::vector<RingCell> cells;
    for (int p = 1; p <= kRingSize; ++p) {
      if (!IsShared({square, p})) cells.push_back({square, p});
    }
    return cells;
  }

  /// The cells not yet given of the squares (other than 12) with the fewest hints.
  static std::vector<RingCell> FreeCellsOfSparsestSquares(const std::vector<RingCell>& hints) {
    SquareArray<int> given{};
    for (const RingCell& hint : hints) ++given[hint.square];
    std::vector<RingCell> cells;
    int fewest = kRingSize;
    for (const RingCell& cell : HintableCells()) {
      if (std::find(hints.begin(), hints.end(), cell) != hints.end() || given[cell.square] > fewest) continue;
      if (given[cell.square] < fewest) cells.clear();
      fewest = given[cell.square];
      cells.push_back(cell);
    }
    return cells;
  }

  static GradedHints Sorted(GradedHints graded) {
    std::sort(graded.hints.begin(), graded.hints.end(), InSquareOrder);
    return graded;
  }

  const std::vector<PlacementLine>& placements_;
  const exact::SearchLimits& limits_;
};

}  // namespace

const std::vector<RingCell>& HintableCells() {
  static const std::vector<RingCell> cells = [] {
    std::vector<RingCell> all;
    for (int s = 1; s <= kSquareCount; ++s) {
      for (int p = 1; p <= kRingSize; ++p) {
        const RingCell other = Partner({s, p});
        if (s != kCrossingSquare && other.square != kCrossingSquare && other.square >= s) all.push_back({s, p});
      }
    }
    return all;
  }();
  return cells;
}

std::optional<GradedHints> ChooseHints(const std::vector<PlacementLine>& placements, Difficulty target,
                                       RandomSource& random, const exact::SearchLimits& limits) {
  const HintChooser chooser(placements, limits);
  const std::optional<GradedHints> easy = chooser.Easy(random);
  if (!easy || target == Difficulty::Easy) return easy;
  for (int order = 0; order < kRemovalOrders; ++order) {
    GradedHints reduced = chooser.Reduce(*easy, target, random);
    if (GradeOf(reduced.report) != target) continue;
    std::sort(reduced.hints.begin(), reduced.hints.end(), InSquareOrder);
    return reduced;
  }
  return std::nullopt;
}

std::string GradeLine(const Puzzle& puzzle) {
  return DescribeGrade(GradeSheet(SheetOf(puzzle.placements, SheetHintCells(puzzle))));
}

}  // namespace loopword::grade
