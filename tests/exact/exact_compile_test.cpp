// Checks the compile driver's exact modes: decisions after the classic fill gives up, varied and
// one-solution fills shown through the classic events.
#include <gtest/gtest.h>

#include "compiler/compiler.h"
#include "support/brute_force.h"
#include "support/compiled_puzzles.h"
#include "support/puzzle_check.h"

namespace loopword {
namespace {

using Kind = CompileEvent::Kind;

struct Outcome {
  CompileOutcome outcome;
  std::vector<Kind> kinds;
  Puzzle puzzle;
};

Outcome CompileWith(Compiler& compiler, const std::string& start, const CompileOptions& options, int stopAtPlacement = 0) {
  Outcome run{};
  int placed = 0;
  run.outcome = compiler.Compile(run.puzzle, start, [&](const CompileEvent& event) {
    run.kinds.push_back(event.kind);
    if (event.kind == Kind::WordPlaced && ++placed == stopAtPlacement) compiler.RequestStop();
  }, options);
  return run;
}

TEST(ExactCompile, EveryModeMakesSoundPuzzlesShownLikeAClassicFill) {
  const auto words = testing::BundledList("L1words.txt");
  std::vector<Kind> shown = {Kind::RunStarted, Kind::AttemptStarted};  // after headless searching only
  shown.insert(shown.end(), 184, Kind::CellBlanked);
  shown.push_back(Kind::StartWordPlaced);
  for (int i = 0; i < 22; ++i) shown.insert(shown.end(), {Kind::SquareHighlighted, Kind::WordPlaced});
  shown.push_back(Kind::PuzzleComplete);
  for (const CompileOptions& mode : {CompileOptions{true, false}, CompileOptions{false, true}, CompileOptions{true, true}}) {
    Compiler compiler(words, MakeIndexedSearch(words), RandomSource(11));
    for (const std::string start : {"", "TRIANGLE", "QQQQQQQQ"}) {
      const Outcome run = CompileWith(compiler, start, mode);
      ASSERT_EQ(run.outcome, CompileOutcome::Complete);
      const auto searching = run.kinds.end() - static_cast<std::ptrdiff_t>(shown.size());
      EXPECT_EQ(std::vector<Kind>(searching, run.kinds.end()), shown);
      EXPECT_EQ(std::count(run.kinds.begin(), searching, Kind::Searching), searching - run.kinds.begin());
      EXPECT_EQ(testing::CheckPuzzle(run.puzzle.List2, testing::WordSet(*words), start), "");
      EXPECT_TRUE(run.puzzle.board.IsComplete());
      EXPECT_EQ(mode.unique ? testing::BruteForceGrids(testing::SheetOf(run.puzzle.List2), 2).size() : 1u, 1u);
    }
    const Outcome stopped = CompileWith(compiler, "", mode, 3);
    EXPECT_EQ(stopped.outcome, CompileOutcome::Stopped);
    EXPECT_EQ(std::count(stopped.kinds.begin(), stopped.kinds.end(), Kind::WordPlaced), 3);
  }
}

TEST(ExactCompile, DecidesWhenTheClassicFillGivesUp) {
  int madeAfterGivingUp = 0, proven = 0;
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    const std::vector<std::string> list = testing::PlantedList(seed, 26, 8, seed % 3 == 0 ? 1 : 0);
    const auto words = testing::ListOf(list);
    Compiler compiler(words, MakeIndexedSearch(words), RandomSource(seed));
    const Outcome run = CompileWith(compiler, list[0], {});
    const bool exists = !testing::BruteForceGrids(testing::AroundFirstWord(list), 1).empty();
    ASSERT_EQ(run.outcome, exists ? CompileOutcome::Complete : CompileOutcome::Impossible) << "seed " << seed;
    EXPECT_EQ(run.kinds.back(), exists ? Kind::PuzzleComplete : Kind::Impossible);
    EXPECT_EQ(exists ? testing::CheckPuzzle(run.puzzle.List2, {list.begin(), list.end()}, list[0]) : "", "");
    madeAfterGivingUp += exists && std::count(run.kinds.begin(), run.kinds.end(), Kind::AttemptFailed) == kAttemptLimit;
    proven += !exists;
  }
  EXPECT_TRUE(madeAfterGivingUp >= 2 && proven >= 2);
  EXPECT_EQ(ImpossibleMessage("TRIANGLE"), "No puzzle can be made from this dictionary with the starting word TRIANGLE.");
  EXPECT_EQ(ImpossibleMessage(""), "No puzzle can be made from this dictionary.");
}

}  // namespace
}  // namespace loopword
