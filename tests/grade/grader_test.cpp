// Checks the grader and graded puzzles against an independent brute-force solver.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "grade/grader.h"

#include <gtest/gtest.h>

#include <map>
#include <cstdlib>

#include "grade/graded_sheet.h"
#include "support/brute_force.h"
#include "support/compiled_puzzles.h"
#include "support/puzzle_check.h"

namespace loopword::grade {
namespace {

bool SolvesWithin(const Sheet& sheet, int ceiling) { return GradeSheet(sheet, ceiling).solved; }

// Sets first matter on real lists: the graded puzzles below need them for Medium.
TEST(Grader, SolvesWithoutSearchOnlySheetsWithOneGridNeedsSearchForSeveralAndFindsNoneWhereHintsContradict) {
  std::map<int, int> seenNeeded;
  std::mt19937_64 random(7);
  for (const int letters : {5, 8, 26}) {
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
      const std::vector<std::string> list = testing::PlantedList(seed, letters, 4, 0);
      RandomSource source(seed);
      const exact::FillResult fill = exact::ExactEngine(*testing::ListOf(list)).Decide(list[0], source, {});
      if (fill.status != exact::SearchStatus::Found) continue;
      const std::vector<PlacementLine> placements(fill.lines.begin(), fill.lines.end());
      const std::vector<std::string> lines = testing::TextLines(placements);
      for (const std::size_t count : letters < 26 ? std::vector<std::size_t>{18, 30, 200} : std::vector<std::size_t>{0, 2, 5, 18}) {
        std::vector<RingCell> hints = HintableCells();  // `count` of the cells a graded sheet may give
        std::shuffle(hints.begin(), hints.end(), random);
        hints.resize(std::min(count, hints.size()));
        const Sheet sheet = SheetOf(placements, hints);
        const std::size_t grids = testing::BruteForceGrids(testing::SheetOf(lines, hints), 2).size();
        const GradeReport report = GradeSheet(sheet);
        const std::string where = std::to_string(letters) + " letters, seed " + std::to_string(seed) + ", " + std::to_string(count) + " hints";
        ASSERT_EQ(grids, 1u + (report.needed == kTechniqueCount && grids > 1)) << where;  // a planted grid always fits
        EXPECT_TRUE(report.solved) << where;
        EXPECT_FALSE(SolvesWithin(sheet, report.needed - 1)) << where;
        EXPECT_EQ(SolvesWithin(sheet, std::min(report.needed, kTechniqueCount - 1)), report.needed < kTechniqueCount) << where;
        EXPECT_TRUE(hints.size() < HintableCells().size() || report.needed == 1) << where << ": every letter given";
        ++seenNeeded[report.needed];
        Sheet wrong = sheet;  // every hint a letter no word of the list holds: no grid
        for (Sheet::Hint& hint : wrong.hints) hint.letter = 'Q';
        for (int ceiling = 1; letters < 26 && ceiling <= kTechniqueCount; ++ceiling) {
          EXPECT_FALSE(SolvesWithin(wrong, ceiling)) << where;
        }
      }
    }
  }
  for (const Technique technique : {Technique::Singles, Technique::Neighbours, Technique::Lookahead, Technique::Search}) {
    EXPECT_GT(seenNeeded[static_cast<int>(technique)], 0) << "technique " << static_cast<int>(technique);
  }
}

TEST(GradedPuzzles, HaveOneGridAndNeedExactlyTheTechniquesOfTheirGrade) {
  std::map<Difficulty, std::size_t> hintTotals;  // over the same number of puzzles for each grade
  for (const char* list : {"L1words.txt", "L2words.txt", "L3words.txt"}) {
    Compiler compiler(testing::BundledList(list), RandomSource(11));
    for (const Difficulty grade : {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard, Difficulty::Expert}) {
      const CompileOptions options{.varied = true, .difficulty = grade};
      Puzzle puzzle;
      ASSERT_EQ(compiler.Compile(puzzle, "", [](const CompileEvent&) {}, options), CompileOutcome::Complete) << list;
      const std::string where = std::string(list) + ", " + std::string(DifficultyName(grade));
      const std::vector<RingCell> hints = SheetHintCells(puzzle);
      const std::vector<std::string> lines = testing::TextLines(puzzle);
      EXPECT_EQ(puzzle.difficulty, grade);
      EXPECT_EQ(testing::CheckPuzzle(lines, testing::WordSet(*compiler.Words())), "") << where;
      if (!std::getenv("LOOPWORD_SANITIZED")) {  // the brute force, the same in every build, is too slow there
        EXPECT_EQ(testing::BruteForceGrids(testing::SheetOf(lines, hints), 2).size(), 1u) << where;
      }
      EXPECT_TRUE(std::ranges::none_of(hints, [](RingCell cell) { return cell.square == kCrossingSquare; })) << where;
      const Sheet sheet = SheetOf(puzzle.placements, hints);
      const GradeReport report = GradeSheet(sheet);
      EXPECT_EQ(GradeOf(report), grade) << where << ": " << DescribeGrade(report);
      const int needed = std::min(report.needed, kTechniqueCount - 1);
      EXPECT_EQ(SolvesWithin(sheet, needed), report.needed < kTechniqueCount) << where;
      EXPECT_FALSE(SolvesWithin(sheet, std::max(needed - 1, 1))) << where;
      hintTotals[grade] += hints.size();
    }
  }
  std::size_t easier = ~std::size_t{0};
  for (const auto& [grade, total] : hintTotals) {
    EXPECT_LT(total, easier) << DifficultyName(grade);
    easier = total;
  }
}

}  // namespace
}  // namespace loopword::grade
