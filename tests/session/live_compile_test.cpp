// Checks the live compile's hand-over: steps in order and one at a time, its end, stopped or destroyed mid-run.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "session/live_compile.h"
#include "support/compiled_puzzles.h"

namespace loopword {
namespace {

using Kind = CompileEvent::Kind;

/// Events compared by what the screen draws from them.
std::vector<std::tuple<Kind, int, int, std::string>> Drawn(const std::vector<CompileEvent>& events) {
  std::vector<std::tuple<Kind, int, int, std::string>> drawn;
  for (const CompileEvent& event : events) drawn.emplace_back(event.kind, event.square, event.position, event.ring);
  return drawn;
}

TEST(LiveCompile, HandsOverTheEventsOfAPlainCompileOneScreenStepAtATimeThenEnds) {
  const auto words = testing::BundledList("L1words.txt");
  const struct { std::string name; std::shared_ptr<const Dictionary> list; std::string start; CompileOptions fill; } cases[] = {
      {"classic", words, "", {}},
      {"classic from a starting word", words, "ABSOLUTE", {}},
      {"varied, one solution", words, "", {.varied = true, .unique = true}},
      {"graded", words, "", {.difficulty = Difficulty::Medium}},
      {"too few words", testing::ListOf({"ABSOLUTE", "GATEWAYS", "SCHEDULE"}), "", {}},
  };
  for (const auto& [name, list, start, fill] : cases) {
    SCOPED_TRACE(name);
    Compiler plain(list, RandomSource(5));
    const testing::RecordedCompile expected = testing::RecordCompile(plain, start, fill);

    Compiler compiler(list, RandomSource(5));
    LiveCompile live(compiler, start, fill);
    std::vector<CompileEvent> events;
    std::optional<Puzzle> completed;  // what the event that ends a complete compile carries
    while (!live.Finished()) {
      const std::vector<LiveEvent> step = live.NextStep();
      for (std::size_t e = 0; e < step.size(); ++e) {
        const Kind kind = step[e].event.kind;
        // A placed word opens its step; a blanked cell or a search report closes it.
        EXPECT_TRUE(kind != Kind::WordPlaced || e == 0) << "event " << events.size();
        EXPECT_TRUE(!EndsLiveStep(kind) || e + 1 == step.size()) << "event " << events.size();
        EXPECT_EQ(step[e].puzzle.has_value(), kind == Kind::PuzzleComplete);
        if (step[e].puzzle) completed = step[e].puzzle;
        events.push_back(step[e].event);
      }
    }
    EXPECT_EQ(Drawn(events), Drawn(expected.events));
    EXPECT_TRUE(live.NextStep().empty());
    EXPECT_EQ(live.Outcome(), expected.outcome);
    const Puzzle puzzle = live.TakePuzzle();
    EXPECT_EQ(testing::TextLines(puzzle), testing::TextLines(expected.puzzle));
    EXPECT_EQ(completed.has_value(), expected.outcome == CompileOutcome::Complete);
    EXPECT_EQ(testing::TextLines(completed.value_or(puzzle)), testing::TextLines(puzzle)) << "the completing event's";
  }
}

TEST(LiveCompile, StoppedWhileTheExactSearchRunsItEndsStoppedNeverWithAProofOrAPuzzle) {
  const auto words = testing::BundledList("L1words.txt");  // an Expert sheet from it takes long searches
  int stopped = 0;
  for (const bool unique : {false, true}) {
    for (std::uint64_t seed = 1; seed <= 12 && stopped < 2 + 2 * unique; ++seed) {  // until two of each are stopped
      const CompileOptions fill{.unique = unique, .difficulty = Difficulty::Expert};
      Compiler compiler(words, RandomSource(seed));
      LiveCompile live(compiler, "", fill, false);
      while (!live.Finished() && !live.Progress().searching) live.Run(std::chrono::milliseconds(1));
      if (live.Finished()) continue;  // made before the search's first report: nothing to stop
      live.Stop();
      while (!live.Finished()) live.Run(std::chrono::milliseconds(1));
      EXPECT_EQ(live.Outcome(), CompileOutcome::Stopped) << FillName(fill) << ", seed " << seed;
      EXPECT_TRUE(compiler.FailureMessage(live.Outcome(), "", fill).empty()) << "a stop is not reported";
      ++stopped;
    }
  }
  EXPECT_GE(stopped, 4) << "stops that came while the search ran";
}

TEST(LiveCompile, StoppedOrDestroyedWhileItsWorkerWaitsItEndsWhereItIsAndLeavesTheCompilerToTheNextRun) {
  const auto words = testing::BundledList("L1words.txt");
  Compiler compiler(words, RandomSource(8));
  for (const int taken : {0, 1, 6, 40}) {
    for (const bool stop : {true, false}) {
      SCOPED_TRACE(std::to_string(taken) + (stop ? " steps, stopped" : " steps, destroyed"));
      auto live = std::make_unique<LiveCompile>(compiler, "", CompileOptions{});
      int steps = 0;
      while (steps < taken) steps += live->NextStep().empty() ? 0 : 1;
      if (stop) {
        live->Stop();
        EXPECT_TRUE(live->NextStep().empty()) << "the events not taken are dropped";
        EXPECT_TRUE(live->Finished());
        EXPECT_EQ(live->Outcome(), CompileOutcome::Stopped);
        EXPECT_FALSE(live->TakePuzzle().board.IsComplete());
      }
      live.reset();  // joins the worker: the compiler is this thread's again
    }
  }
  Compiler plain(words, RandomSource(2));
  const testing::RecordedCompile expected = testing::RecordCompile(plain);
  compiler.UseRandom(RandomSource(2));
  const testing::RecordedCompile again = testing::RecordCompile(compiler);
  EXPECT_EQ(again.outcome, CompileOutcome::Complete);
  EXPECT_EQ(testing::TextLines(again.puzzle), testing::TextLines(expected.puzzle));
}

}  // namespace
}  // namespace loopword
