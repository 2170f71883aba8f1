// Checks the compile driver's exact modes: decisions after the classic fill gives up, varied and
// one-solution fills shown through the classic events.
#include <gtest/gtest.h>

#include <cstdlib>

#include "compiler/compiler.h"
#include "support/brute_force.h"
#include "support/compiled_puzzles.h"
#include "support/puzzle_check.h"

namespace loopword {
namespace {

using Kind = CompileEvent::Kind;

using testing::RecordCompile;

TEST(ExactCompile, EveryModeMakesSoundPuzzlesShownLikeAClassicFill) {
  const auto words = testing::BundledList("L1words.txt");
  std::vector<Kind> shown = {Kind::RunStarted, Kind::AttemptStarted};  // after headless searching only
  shown.insert(shown.end(), 184, Kind::CellBlanked);
  shown.push_back(Kind::StartWordPlaced);
  for (int i = 0; i < 22; ++i) shown.insert(shown.end(), {Kind::SquareHighlighted, Kind::WordPlaced});
  shown.push_back(Kind::PuzzleComplete);
  for (const CompileOptions& mode : {CompileOptions{true, false}, CompileOptions{false, true}, CompileOptions{true, true}}) {
    Compiler compiler = testing::IndexedCompiler(words, 11);
    for (const std::string start : {"", "TRIANGLE", "QQQQQQQQ"}) {
      const auto run = RecordCompile(compiler, start, mode);
      ASSERT_EQ(run.outcome, CompileOutcome::Complete);
      const auto searching = run.kinds.end() - static_cast<std::ptrdiff_t>(shown.size());
      EXPECT_EQ(std::vector<Kind>(searching, run.kinds.end()), shown);
      EXPECT_EQ(std::count(run.kinds.begin(), searching, Kind::Searching), searching - run.kinds.begin());
      EXPECT_EQ(testing::CheckPuzzle(testing::TextLines(run.puzzle), testing::WordSet(*words), start), "");
      EXPECT_TRUE(run.puzzle.board.IsComplete());
      EXPECT_EQ(mode.unique ? testing::BruteForceGrids(testing::SheetOf(testing::TextLines(run.puzzle)), 2).size() : 1u, 1u);
    }
    int placed = 0;
    const auto stopped = RecordCompile(compiler, "", mode, [&](const CompileEvent& e) {
      if (e.kind == Kind::WordPlaced && ++placed == 3) compiler.RequestStop();
    });
    EXPECT_TRUE(stopped.outcome == CompileOutcome::Stopped && stopped.Count(Kind::WordPlaced) == 3);
  }
}

TEST(ExactCompile, DecidesWhenTheClassicFillGivesUp) {
  int madeAfterGivingUp = 0, proven = 0;
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    const std::vector<std::string> list = testing::PlantedList(seed, 26, 8, seed % 3 == 0 ? 1 : 0);
    Compiler compiler = testing::IndexedCompiler(testing::ListOf(list), seed);
    const auto run = RecordCompile(compiler, list[0]);
    const bool exists = !testing::BruteForceGrids(testing::AroundFirstWord(list), 1).empty();
    ASSERT_EQ(run.outcome, exists ? CompileOutcome::Complete : CompileOutcome::Impossible) << "seed " << seed;
    EXPECT_EQ(run.kinds.back(), exists ? Kind::PuzzleComplete : Kind::Impossible);
    EXPECT_EQ(exists ? testing::CheckPuzzle(testing::TextLines(run.puzzle), {list.begin(), list.end()}, list[0]) : "", "");
    madeAfterGivingUp += exists && run.Count(Kind::AttemptFailed) == kAttemptLimit;
    proven += !exists;
    if (std::getenv("LOOPWORD_SANITIZED") && madeAfterGivingUp >= 2 && proven >= 2) break;  // slow there
  }
  EXPECT_TRUE(madeAfterGivingUp >= 2 && proven >= 2);
  EXPECT_EQ(ImpossibleMessage("TRIANGLE"), "No puzzle can be made from this dictionary with the starting word TRIANGLE.");
  EXPECT_EQ(ImpossibleMessage(""), "No puzzle can be made from this dictionary.");
}

}  // namespace
}  // namespace loopword
