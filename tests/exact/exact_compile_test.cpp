// Checks the compile driver's exact modes: decisions after the classic fill gives up, varied and
// one-solution fills shown through the classic events.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "board/hint_cells.h"
#include "compiler/compiler.h"
#include "support/brute_force.h"
#include "support/puzzle_check.h"

namespace loopword {
namespace {

using Kind = CompileEvent::Kind;

std::shared_ptr<const Dictionary> WordsOf(const std::string& text) {
  return std::make_shared<const Dictionary>(ParseDictionaryText(text).dictionary);
}

std::string Lines(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  return text;
}

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

/// The grids a finished puzzle's sheet allows, up to 2, by the independent solver.
std::size_t SheetGrids(const Puzzle& puzzle) {
  testing::GridProblem sheet{{}, puzzle.board.SquareWord[kCrossingSquare], {}};
  for (const std::string& line : puzzle.List2) {
    if (line.substr(0, 2) != "12") sheet.words.insert(line.substr(14, 8));
  }
  for (const RingCell& hint : HintCells) sheet.fixed[{hint.square, hint.position}] = puzzle.board.SquareWord[static_cast<std::size_t>(hint.square)][static_cast<std::size_t>(hint.position - 1)];
  return testing::BruteForceGrids(sheet, 2).size();
}

TEST(ExactCompile, EveryModeMakesSoundPuzzlesShownLikeAClassicFill) {
  std::ifstream file(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  const auto words = WordsOf(text.str());
  const std::set<std::string> wordSet = [&] {
    std::set<std::string> set;
    for (int n = 1; n <= words->WordCount(); ++n) set.insert(ToString(words->WordPool(n)));
    return set;
  }();
  const CompileOptions modes[] = {{true, false}, {false, true}, {true, true}};
  for (const CompileOptions& mode : modes) {
    Compiler compiler(words, MakeIndexedSearch(words), RandomSource(11));
    for (const std::string start : {"", "TRIANGLE", "QQQQQQQQ"}) {
      const Outcome run = CompileWith(compiler, start, mode);
      ASSERT_EQ(run.outcome, CompileOutcome::Complete);
      std::vector<Kind> expected = {Kind::RunStarted, Kind::AttemptStarted};
      expected.insert(expected.end(), 184, Kind::CellBlanked);
      expected.push_back(Kind::StartWordPlaced);
      for (int i = 0; i < 22; ++i) expected.insert(expected.end(), {Kind::SquareHighlighted, Kind::WordPlaced});
      expected.push_back(Kind::PuzzleComplete);
      std::vector<Kind> shown(run.kinds.end() - static_cast<std::ptrdiff_t>(expected.size()), run.kinds.end());
      EXPECT_EQ(shown, expected) << "the kept fill is shown like a classic one, after headless searching only";
      EXPECT_TRUE(std::all_of(run.kinds.begin(), run.kinds.end() - static_cast<std::ptrdiff_t>(expected.size()), [](Kind k) { return k == Kind::Searching; }));
      EXPECT_EQ(testing::CheckPuzzle(run.puzzle.List2, wordSet, start), "");
      EXPECT_TRUE(run.puzzle.board.IsComplete());
      EXPECT_EQ(mode.unique ? SheetGrids(run.puzzle) : 1u, 1u);
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
    const auto words = WordsOf(Lines(list));
    Compiler compiler(words, MakeIndexedSearch(words), RandomSource(seed));
    const Outcome run = CompileWith(compiler, list[0], {});
    testing::GridProblem problem{{list.begin() + 1, list.end()}, list[0], {}};
    problem.words.erase(list[0]);
    const bool exists = !testing::BruteForceGrids(problem, 1).empty();
    ASSERT_EQ(run.outcome, exists ? CompileOutcome::Complete : CompileOutcome::Impossible) << "seed " << seed;
    const bool gaveUp = std::count(run.kinds.begin(), run.kinds.end(), Kind::AttemptFailed) == kAttemptLimit;
    EXPECT_EQ(exists ? testing::CheckPuzzle(run.puzzle.List2, {list.begin(), list.end()}, list[0]) : "", "");
    madeAfterGivingUp += exists && gaveUp;
    proven += !exists;
    EXPECT_EQ(run.kinds.back(), exists ? Kind::PuzzleComplete : Kind::Impossible);
  }
  EXPECT_GE(madeAfterGivingUp, 2);
  EXPECT_GE(proven, 2);
  EXPECT_EQ(ImpossibleMessage("TRIANGLE"), "No puzzle can be made from this dictionary with the starting word TRIANGLE.");
  EXPECT_EQ(ImpossibleMessage(""), "No puzzle can be made from this dictionary.");
}

}  // namespace
}  // namespace loopword
