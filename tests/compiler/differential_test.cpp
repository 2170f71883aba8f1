// Runs the indexed and the reference search side by side: from the same seeds both must answer alike at every step.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <random>
#include <sstream>

#include "support/compiled_puzzles.h"

namespace loopword {
namespace {

/// `count` words of `from`, picked with a fixed seed, in their original order.
std::shared_ptr<const Dictionary> Sample(const Dictionary& from, int count, std::uint64_t seed) {
  std::vector<std::string> all, words;
  for (int n = 1; n <= from.WordCount(); ++n) all.push_back(ToString(from.WordPool(n)));
  std::mt19937_64 random(seed);
  std::sample(all.begin(), all.end(), std::back_inserter(words), count, random);
  return testing::ListOf(words);
}

/// Level 1 with 150,000 more lines that are not words but count their letters: E weighs over a
/// million, so every pending cell that takes an E scores over 999,999.
std::shared_ptr<const Dictionary> HeavyScores() {
  std::string text = testing::ReadFile(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt");
  for (int i = 0; i < 150'000; ++i) text += "EEEEEEE-\n";
  return testing::ListFromText(text);
}

/// A search that passes every call on and writes down what it answered.
class RecordingSearch final : public CandidateSearch {
 public:
  explicit RecordingSearch(std::unique_ptr<CandidateSearch> inner) : inner_(std::move(inner)) {}

  void MakeAllAvailable() override { inner_->MakeAllAvailable(); }
  void Withdraw(int word) override { inner_->Withdraw(word); }
  std::vector<RankLine> RankOpenSquares(const Board& board) override {
    std::vector<RankLine> ranking = inner_->RankOpenSquares(board);
    log << "rank";
    for (const RankLine& line : ranking) log << ' ' << line.count << ':' << line.square;
    log << '\n';
    return ranking;
  }
  CandidateList FindCandidates(const std::string& pattern) override {
    CandidateList found = inner_->FindCandidates(pattern);
    log << "candidates " << pattern << ' ' << found.total;
    for (const Candidate& c : found.shortlist) {
      log << ' ' << c.score << ':' << c.word << ':' << ToString(c.ring) << ':' << c.startDigit;
      highestScore = std::max(highestScore, c.score);
    }
    log << '\n';
    return found;
  }

  std::ostringstream log;
  std::int64_t highestScore = 0;

 private:
  std::unique_ptr<CandidateSearch> inner_;
};

TEST(Differential, BothSearchesAnswerAlikeAtEveryStep) {
  const auto level1 = testing::BundledList("L1words.txt");
  const std::vector<std::string> randomAndTyped = {"", "", "", "TRIANGLE", "", "KEEPSAKE", "", "ZZZZZZZZ"};
  const struct {  // at least `mostlyComplete` per cent complete; some shortlist must reach the score `reached`
    const char* name; std::shared_ptr<const Dictionary> words; int runs; std::vector<std::string> starts; int mostlyComplete;
    std::int64_t reached = 0;
  } cases[] = {
      {"Level 1", level1, 600, {"", "", "", "TRIANGLE", "", "KEEPSAKE"}, 90},
      {"Level 3", testing::BundledList("L3words.txt"), 300, {"", "", "", "PLATYPUS"}, 90},
      {"49,000 words", testing::BundledList("W49000.txt", LOOPWORD_BENCH_DATA_DIR), 150, {"", "", "ELEPHANT"}, 90},
      {"100 words", Sample(*level1, 100, 4), 30, randomAndTyped, 0},
      {"300 words", Sample(*level1, 300, 6), 150, randomAndTyped, 0},
      {"scores above a million keep their order", HeavyScores(), 40, {"", "TRIANGLE"}, 0, 1'000'000},
  };
  for (const auto& c : cases) {  // both searches compile from the same seed, every answer compared
    const int runs = std::getenv("LOOPWORD_SANITIZED") ? std::max(1, c.runs / 20) : c.runs;  // many times slower there
    const std::uint64_t seed = static_cast<std::uint64_t>(&c - cases + 1);
    std::array<RecordingSearch*, 2> recorders{new RecordingSearch(MakeReferenceSearch(c.words)),
                                              new RecordingSearch(MakeIndexedSearch(c.words))};
    Compiler reference(c.words, std::unique_ptr<CandidateSearch>(recorders[0]), RandomSource(seed));
    Compiler indexed(c.words, std::unique_ptr<CandidateSearch>(recorders[1]), RandomSource(seed));
    int complete = 0;
    for (int run = 0; run < runs; ++run) {
      const std::string& start = c.starts[static_cast<std::size_t>(run) % c.starts.size()];
      std::array<Puzzle, 2> puzzles;
      for (RecordingSearch* recorder : recorders) recorder->log.str("");
      const CompileOutcome outcome = reference.Compile(puzzles[0], start, [](const CompileEvent&) {});
      if (indexed.Compile(puzzles[1], start, [](const CompileEvent&) {}) != outcome || recorders[0]->log.str() != recorders[1]->log.str()) {
        ADD_FAILURE() << c.name << ", run " << run << " start '" << start << "': the searches part ways";
        break;
      }
      complete += outcome == CompileOutcome::Complete ? 1 : 0;
    }
    EXPECT_GE(complete * 100, runs * c.mostlyComplete) << c.name;
    EXPECT_GE(recorders[1]->highestScore, c.reached) << c.name << ": the list must reach such scores to check anything";
  }
}

}  // namespace
}  // namespace loopword
