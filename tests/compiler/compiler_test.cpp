// Checks the compile driver: event order, starting words, stopping, giving up and sound puzzles.
#include "compiler/compiler.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "support/puzzle_check.h"

namespace loopword {
namespace {

using Kind = CompileEvent::Kind;

std::shared_ptr<const Dictionary> Level1() {
  ReadResult result = ReadDictionaryFile(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt");
  EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
  return std::make_shared<const Dictionary>(std::move(result.dictionary));
}

std::shared_ptr<const Dictionary> WordsFrom(const std::string& text) {
  return std::make_shared<const Dictionary>(ParseDictionaryText(text).dictionary);
}

std::set<std::string> WordSet(const Dictionary& words) {
  std::set<std::string> set;
  for (int n = 1; n <= words.WordCount(); ++n) set.insert(ToString(words.WordPool(n)));
  return set;
}

Compiler MakeCompiler(const std::shared_ptr<const Dictionary>& words, std::uint64_t seed) {
  return Compiler(words, MakeIndexedSearch(words), RandomSource(seed));
}

/// Runs one compile and keeps every event.
struct Recorded {
  CompileOutcome outcome;
  std::vector<CompileEvent> events;

  [[nodiscard]] int Count(Kind kind) const {
    return static_cast<int>(std::count_if(events.begin(), events.end(), [kind](const CompileEvent& e) { return e.kind == kind; }));
  }
};

Recorded Record(Compiler& compiler, Puzzle& puzzle, const std::string& start,
                const std::function<void(const CompileEvent&)>& also = {}) {
  Recorded recorded{};
  recorded.outcome = compiler.Compile(puzzle, start, [&](const CompileEvent& event) {
    recorded.events.push_back(event);
    if (also) also(event);
  });
  return recorded;
}

/// Compiles `runs` puzzles with random starting words; each must complete and be sound.
void ExpectSoundPuzzles(const std::shared_ptr<const Dictionary>& words, std::uint64_t seed, int runs) {
  const std::set<std::string> dictionary = WordSet(*words);
  Compiler compiler = MakeCompiler(words, seed);
  for (int run = 0; run < runs; ++run) {
    Puzzle puzzle;
    ASSERT_EQ(compiler.Compile(puzzle, "", [](const CompileEvent&) {}), CompileOutcome::Complete);
    ASSERT_EQ(testing::CheckPuzzle(puzzle.List2, dictionary), "") << "run " << run;
    EXPECT_TRUE(puzzle.board.IsComplete());
  }
}

TEST(Compiler, CompletePuzzlesAreSoundAndUseNoWordTwice) { ExpectSoundPuzzles(Level1(), 7, 200); }

TEST(Compiler, ReportsEachStepInOrder) {
  const auto words = Level1();
  Compiler compiler = MakeCompiler(words, 3);
  Puzzle puzzle;
  const Recorded run = Record(compiler, puzzle, "");
  ASSERT_EQ(run.outcome, CompileOutcome::Complete);
  ASSERT_GE(run.events.size(), 2u + 184u + 1u);
  EXPECT_EQ(run.events[0].kind, Kind::RunStarted);
  EXPECT_EQ(run.events[1].kind, Kind::AttemptStarted);
  EXPECT_EQ(run.events[2].kind, Kind::CellBlanked);
  EXPECT_EQ(run.events[2].square, 1);
  EXPECT_EQ(run.events[2].position, 1);
  EXPECT_EQ(run.events[185].square, 23);
  EXPECT_EQ(run.events[185].position, 8);
  EXPECT_EQ(run.events.back().kind, Kind::PuzzleComplete);
  // The last attempt: start word, then 22 highlight/placement pairs.
  const auto lastStart = std::find_if(run.events.rbegin(), run.events.rend(),
                                      [](const CompileEvent& e) { return e.kind == Kind::StartWordPlaced; });
  const std::ptrdiff_t fromStart = std::distance(run.events.rbegin(), lastStart);
  EXPECT_EQ(fromStart, 1 + 2 * 22);
  std::set<int> placed;
  for (auto it = lastStart.base(); it != run.events.end() - 1; it += 2) {
    EXPECT_EQ(it->kind, Kind::SquareHighlighted);
    EXPECT_EQ((it + 1)->kind, Kind::WordPlaced);
    EXPECT_EQ((it + 1)->square, it->square);
    EXPECT_EQ((it + 1)->line.substr(3, 8), (it + 1)->ring);
    placed.insert(it->square);
  }
  EXPECT_EQ(placed.size(), 22u);
  EXPECT_EQ(placed.count(12), 0u);
}

TEST(Compiler, FillSpreadsFromTheCrossingSquare) {
  const auto words = Level1();
  Compiler compiler = MakeCompiler(words, 11);
  Puzzle puzzle;
  const Recorded run = Record(compiler, puzzle, "");
  const auto first = std::find_if(run.events.rbegin(), run.events.rend(),
                                  [](const CompileEvent& e) { return e.kind == Kind::StartWordPlaced; });
  const int firstSquare = (first.base())->square;
  EXPECT_TRUE(firstSquare == 1 || firstSquare == 11 || firstSquare == 13 || firstSquare == 23) << firstSquare;
}

TEST(Compiler, TypedStartingWordStaysUnrotatedInSquareTwelve) {
  const auto words = Level1();
  const std::set<std::string> dictionary = WordSet(*words);
  Compiler compiler = MakeCompiler(words, 5);
  const std::string start = "TRIANGLE";
  for (int run = 0; run < 20; ++run) {
    Puzzle puzzle;
    ASSERT_EQ(compiler.Compile(puzzle, start, [](const CompileEvent&) {}), CompileOutcome::Complete);
    EXPECT_EQ(puzzle.List2[11], "12 " + start + " 1 " + start);
    EXPECT_EQ(testing::CheckPuzzle(puzzle.List2, dictionary, start), "");
  }
}

TEST(Compiler, StartingWordOutsideTheDictionaryIsUsedAsTyped) {
  const auto words = Level1();
  Compiler compiler = MakeCompiler(words, 9);
  Puzzle puzzle;
  ASSERT_EQ(compiler.Compile(puzzle, "EEEEEEEE", [](const CompileEvent&) {}), CompileOutcome::Complete);
  EXPECT_EQ(puzzle.board.SquareWord[12], "EEEEEEEE");
  EXPECT_EQ(testing::CheckPuzzle(puzzle.List2, WordSet(*words), "EEEEEEEE"), "");
}

TEST(Compiler, RandomStartingWordsVaryFromRunToRun) {
  const auto words = Level1();
  Compiler compiler = MakeCompiler(words, 21);
  std::set<std::string> starts;
  for (int run = 0; run < 10; ++run) {
    Puzzle puzzle;
    compiler.Compile(puzzle, "", [](const CompileEvent&) {});
    starts.insert(puzzle.board.SquareWord[12]);
  }
  EXPECT_GE(starts.size(), 9u);
}

TEST(Compiler, StopDuringBlankingEndsBeforeTheFirstSquare) {
  const auto words = Level1();
  Compiler compiler = MakeCompiler(words, 1);
  Puzzle puzzle;
  int blanked = 0;
  const Recorded run = Record(compiler, puzzle, "", [&](const CompileEvent& event) {
    if (event.kind == Kind::CellBlanked && ++blanked == 10) compiler.RequestStop();
  });
  EXPECT_EQ(run.outcome, CompileOutcome::Stopped);
  EXPECT_EQ(run.Count(Kind::CellBlanked), 184) << "the blanking finishes before the request is read";
  EXPECT_EQ(run.Count(Kind::SquareHighlighted), 0);
  EXPECT_EQ(run.events.back().kind, Kind::Stopped);
}

TEST(Compiler, StopDuringFillingEndsAfterThePlacementInHand) {
  const auto words = Level1();
  Compiler compiler = MakeCompiler(words, 1);
  Puzzle puzzle;
  int placed = 0;
  const Recorded run = Record(compiler, puzzle, "", [&](const CompileEvent& event) {
    if (event.kind == Kind::AttemptStarted) placed = 0;
    if (event.kind == Kind::WordPlaced && ++placed == 3) compiler.RequestStop();
  });
  EXPECT_EQ(run.outcome, CompileOutcome::Stopped);
  EXPECT_EQ(placed, 3);
  EXPECT_EQ(run.events.back().kind, Kind::Stopped);
  // A later compile starts afresh and is not stopped by the old request.
  Puzzle next;
  EXPECT_EQ(compiler.Compile(next, "", [](const CompileEvent&) {}), CompileOutcome::Complete);
}

TEST(Compiler, GivesUpAfterTheAttemptLimit) {
  const auto tiny = WordsFrom("ABCDEFGH\nBCDEFGHA\n");
  Compiler compiler = MakeCompiler(tiny, 2);
  Puzzle puzzle;
  const Recorded run = Record(compiler, puzzle, "");
  EXPECT_EQ(run.outcome, CompileOutcome::GaveUp);
  EXPECT_EQ(run.Count(Kind::AttemptFailed), kAttemptLimit);
  EXPECT_EQ(run.Count(Kind::PuzzleComplete), 0);
  EXPECT_EQ(run.events.back().kind, Kind::GaveUp);
  EXPECT_FALSE(puzzle.board.IsComplete());
}

TEST(Compiler, EmptyDictionaryGivesUpWithoutPlacingAnything) {
  const auto none = std::make_shared<const Dictionary>();
  Compiler compiler = MakeCompiler(none, 2);
  Puzzle puzzle;
  const Recorded run = Record(compiler, puzzle, "");
  EXPECT_EQ(run.outcome, CompileOutcome::GaveUp);
  EXPECT_EQ(run.Count(Kind::WordPlaced), 0);
  EXPECT_TRUE(puzzle.List2.empty());
}

TEST(Compiler, TypedWordThatNothingFitsGivesUp) {
  const auto words = WordsFrom("ABCDEFGH\nIJKLMNOP\nQRSTUVWX\n");
  Compiler compiler = MakeCompiler(words, 2);
  Puzzle puzzle;
  const Recorded run = Record(compiler, puzzle, "ZZZZZZZZ");
  EXPECT_EQ(run.outcome, CompileOutcome::GaveUp);
  EXPECT_EQ(run.Count(Kind::SquareHighlighted), 0);
  EXPECT_EQ(puzzle.board.SquareWord[12], "ZZZZZZZZ");
}

TEST(Compiler, WordsListedTwiceAreStillUsedOnce) {
  std::ifstream file(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  const std::string once = text.str();
  ExpectSoundPuzzles(WordsFrom(once + once), 13, 50);
}

TEST(RandomSource, DrawsCoverTheRangeEvenly) {
  RandomSource random(99);
  std::vector<int> seen(5, 0);
  for (int i = 0; i < 50'000; ++i) {
    const int k = random.Draw(4);
    ASSERT_GE(k, 1);
    ASSERT_LE(k, 4);
    ++seen[static_cast<std::size_t>(k)];
  }
  for (int k = 1; k <= 4; ++k) EXPECT_NEAR(seen[static_cast<std::size_t>(k)], 12'500, 600);
  EXPECT_EQ(random.Draw(1), 1);
  EXPECT_EQ(random.Draw(0), 1);
}

}  // namespace
}  // namespace loopword
