// Checks the compile driver: sound puzzles in every mode and their events, starting words, stopping, giving up, deciding.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/compiler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "support/brute_force.h"
#include "support/compiled_puzzles.h"
#include "support/puzzle_check.h"

namespace loopword {
namespace {

using Kind = CompileEvent::Kind;

using testing::RecordCompile;

TEST(Compiler, EveryModeMakesSoundPuzzlesShownAsBlankingThenTheStartWordThenEachSquareInTurnAndStops) {
  const auto words = testing::BundledList("L1words.txt");  // lists repeating their words: the window sessions
  std::vector<Kind> shown = {Kind::AttemptStarted};  // the last attempt; the exact modes search headless before it
  shown.insert(shown.end(), 184, Kind::CellBlanked);
  shown.push_back(Kind::StartWordPlaced);
  for (int i = 0; i < 22; ++i) shown.insert(shown.end(), {Kind::SquareHighlighted, Kind::WordPlaced});
  shown.push_back(Kind::PuzzleComplete);
  for (const CompileOptions& mode :
       {CompileOptions{}, CompileOptions{true, false}, CompileOptions{false, true}, CompileOptions{true, true}}) {
    const std::string what = std::string(mode.varied ? "varied" : "weighted") + (mode.unique ? ", one solution" : "");
    Compiler compiler(words, RandomSource(3));
    const struct { Kind kind; int at, placed; } stops[] = {{Kind::CellBlanked, 10, 0}, {Kind::WordPlaced, 3, 3}};
    for (const auto& stop : stops) {  // a Stop is seen at the next step, and the compiles after it run afresh
      int seen = 0;
      const auto run = RecordCompile(compiler, "", mode, [&](const CompileEvent& e) {
        if (e.kind == stop.kind && ++seen == stop.at) compiler.RequestStop();
      });
      EXPECT_EQ(run.outcome, CompileOutcome::Stopped) << what;
      EXPECT_EQ(run.kinds.back(), Kind::Stopped) << what;
      EXPECT_EQ(run.Count(Kind::CellBlanked), 184) << what;
      EXPECT_EQ(run.Count(Kind::SquareHighlighted), stop.placed) << what;
      EXPECT_EQ(run.Count(Kind::WordPlaced), stop.placed) << what;
    }
    std::set<std::string> starts;
    for (int i = 0; i < 12; ++i) {
      const std::string typed = i % 4 == 0 ? "EEEEEEEE" : i % 4 == 1 ? "TRIANGLE" : "";  // outside and inside the list
      const auto run = RecordCompile(compiler, typed, mode);
      ASSERT_EQ(run.outcome, CompileOutcome::Complete) << what;
      ASSERT_EQ(testing::CheckPuzzle(testing::TextLines(run.puzzle), testing::WordSet(*words), typed), "")
          << what << ", run " << i;
      EXPECT_TRUE(typed.empty() || (run.puzzle.placements[11] == PlacementLine{12, typed, 1, typed}));
      EXPECT_TRUE(run.puzzle.board.IsComplete());
      starts.insert(run.puzzle.board.SquareWord[12]);
      const auto last = run.kinds.end() - static_cast<std::ptrdiff_t>(shown.size());
      EXPECT_EQ(std::vector<Kind>(last, run.kinds.end()), shown) << what;
      const bool classic = !mode.varied && !mode.unique;
      EXPECT_EQ(classic ? run.kinds[0] : *(last - 1), Kind::RunStarted) << what;
      const std::ptrdiff_t before = last - 1 - run.kinds.begin();  // events before RunStarted
      EXPECT_EQ(std::count(run.kinds.begin(), last - 1, Kind::Searching), classic ? 0 : before) << what;
      const auto start = run.events.end() - 1 - 2 * 22;
      EXPECT_TRUE(start->square == 1 || start->square == 11 || start->square == 13 || start->square == 23)
          << what << ": the fill begins next to the crossing square";
      for (auto it = start; it != run.events.end() - 1; it += 2) {
        EXPECT_EQ((it + 1)->square, it->square);
        EXPECT_EQ((it + 1)->ring, run.puzzle.board.SquareWord[static_cast<std::size_t>(it->square)]);
      }
      EXPECT_EQ(mode.unique ? testing::BruteForceGrids(testing::SheetOf(testing::TextLines(run.puzzle)), 2).size() : 1u, 1u);
    }
    EXPECT_GE(starts.size(), 7u) << what << ": a random starting word for every untyped compile";
  }
}

TEST(Compiler, TellsAtOnceWhenTheListHasTooFewDifferentWords) {
  const std::tuple<std::string, std::string, int> tooFew[] = {
      {"ABCDEFGH\nBCDEFGHA\nABCDEFGH\n", "", 2}, {"", "", 0}, {"ABCDEFGH\nIJKLMNOP\n", "ZZZZZZZZ", 2}};
  for (const auto& [list, start, distinct] : tooFew) {
    Compiler compiler(testing::ListFromText(list), RandomSource(2));
    const auto run = RecordCompile(compiler, start);
    EXPECT_EQ(run.outcome, CompileOutcome::TooFewWords);
    EXPECT_EQ(run.Count(Kind::AttemptStarted), 0);
    EXPECT_EQ(EnglishText(TooFewWordsMessage(compiler.DistinctWordCount())), "A puzzle needs 23 different words; this dictionary has " + std::to_string(distinct) + ".");
  }
}

TEST(ExactCompile, DecidesWhenTheClassicFillGivesUp) {
  int madeAfterGivingUp = 0, proven = 0;
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    const std::vector<std::string> list = testing::PlantedList(seed, 26, 8, seed % 3 == 0 ? 1 : 0);
    Compiler compiler(testing::ListOf(list), RandomSource(seed));
    const auto run = RecordCompile(compiler, list[0]);
    // the brute force, the same in every build, is too slow under the sanitizers: there the compiler's answer is taken
    const bool exists = std::getenv("LOOPWORD_SANITIZED") ? run.outcome == CompileOutcome::Complete
                                                          : !testing::BruteForceGrids(testing::AroundFirstWord(list), 1).empty();
    ASSERT_EQ(run.outcome, exists ? CompileOutcome::Complete : CompileOutcome::Impossible) << "seed " << seed;
    EXPECT_EQ(run.kinds.back(), exists ? Kind::PuzzleComplete : Kind::Impossible);
    EXPECT_EQ(exists ? testing::CheckPuzzle(testing::TextLines(run.puzzle), {list.begin(), list.end()}, list[0]) : "", "");
    madeAfterGivingUp += exists && run.Count(Kind::AttemptFailed) == kAttemptLimit;
    proven += !exists;
    if (std::getenv("LOOPWORD_SANITIZED") && madeAfterGivingUp >= 2 && proven >= 2) break;  // slow there
  }
  EXPECT_TRUE(madeAfterGivingUp >= 2 && proven >= 2) << madeAfterGivingUp << " made after giving up, " << proven << " proven";
}

TEST(ThemeCompile, SquareTwelveWhoseWordTheSheetPrintsHoldsNoCluedThemeWordWhileAnotherWordFits) {
  const std::vector<std::string> theme = {"ELEPHANT", "DINOSAUR", "COMPUTER", "MOUNTAIN"};
  const Puzzle twentyThree = testing::CompiledPuzzles(1, 5).front();
  std::vector<std::string> all;  // every word of a puzzle the list makes, each a clued theme word
  for (const PlacementLine& placement : twentyThree.placements) all.push_back(placement.word);
  const struct { std::vector<std::string> theme, clued; bool varied, unique; std::string centreFrom; } cases[] = {
      {theme, {"ELEPHANT", "DINOSAUR", "COMPUTER"}, false, false, "MOUNTAIN"},  // the one plain theme word
      {theme, {"ELEPHANT", "DINOSAUR", "COMPUTER"}, true, true, "MOUNTAIN"},
      {theme, theme, false, false, "list"},  // every theme word clued: a word of the list
      {theme, theme, true, false, "list"},
      {theme, theme, false, true, "list"},
      {all, all, false, false, "theme"},  // every one of the 23 words clued: one of them all the same
  };
  const auto words = testing::BundledList("L1words.txt");
  for (const auto& [themeWords, clued, varied, unique, centreFrom] : cases) {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
      Compiler compiler(words, RandomSource(seed));
      CompileOptions options{varied, unique, themeWords};
      options.clued = clued;
      Puzzle puzzle;
      ASSERT_EQ(compiler.Compile(puzzle, "", [](const CompileEvent&) {}, options), CompileOutcome::Complete) << centreFrom << " seed " << seed;
      const std::string word = std::find_if(puzzle.placements.begin(), puzzle.placements.end(), [](const PlacementLine& p) { return p.square == kCrossingSquare; })->word;
      const bool isClued = std::find(clued.begin(), clued.end(), word) != clued.end();
      const bool isTheme = std::find(themeWords.begin(), themeWords.end(), word) != themeWords.end();
      if (centreFrom == "list") {
        EXPECT_FALSE(isTheme) << word << " seed " << seed;
      } else if (centreFrom == "theme") {
        EXPECT_TRUE(isClued) << word << " seed " << seed;
      } else {
        EXPECT_EQ(word, centreFrom) << " seed " << seed;
      }
    }
  }
}

}  // namespace
}  // namespace loopword
