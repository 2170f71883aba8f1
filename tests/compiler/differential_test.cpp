// Runs the indexed and the reference search side by side: through many compiles both must answer alike at every step.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <random>

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

/// Both searches behind one: every call goes to both, the reference's answer is used, and any difference is noted.
class TwinSearch final : public CandidateSearch {
 public:
  explicit TwinSearch(const std::shared_ptr<const Dictionary>& words)
      : reference_(MakeReferenceSearch(words)), indexed_(MakeIndexedSearch(words)) {}

  void MakeAllAvailable() override {
    reference_->MakeAllAvailable();
    indexed_->MakeAllAvailable();
  }
  void Withdraw(int word) override {
    reference_->Withdraw(word);
    indexed_->Withdraw(word);
  }
  std::vector<RankLine> RankOpenSquares(const Board& board) override {
    std::vector<RankLine> ranking = reference_->RankOpenSquares(board);
    if (indexed_->RankOpenSquares(board) != ranking) parted = true;
    return ranking;
  }
  CandidateList FindCandidates(const std::string& pattern) override {
    CandidateList found = reference_->FindCandidates(pattern);
    const CandidateList indexed = indexed_->FindCandidates(pattern);
    if (indexed.total != found.total || indexed.shortlist != found.shortlist) parted = true;
    for (const Candidate& c : indexed.shortlist) highestScore = std::max(highestScore, c.score);
    return found;
  }

  bool parted = false;
  std::int64_t highestScore = 0;

 private:
  std::unique_ptr<CandidateSearch> reference_, indexed_;
};

TEST(Differential, BothSearchesAnswerAlikeAtEveryStep) {
  const auto level1 = testing::BundledList("L1words.txt");
  const std::vector<std::string> randomAndTyped = {"", "", "", "TRIANGLE", "", "KEEPSAKE", "", "ZZZZZZZZ"};
  const struct {  // at least `mostlyComplete` per cent complete; some shortlist must reach the score `reached`
    const char* name; std::shared_ptr<const Dictionary> words; int runs; std::vector<std::string> starts; int mostlyComplete;
    std::int64_t reached = 0;
  } cases[] = {
      {"Level 1", level1, 240, {"", "", "", "TRIANGLE", "", "KEEPSAKE"}, 90},
      {"Level 3", testing::BundledList("L3words.txt"), 120, {"", "", "", "PLATYPUS"}, 90},
      {"49,000 words", testing::BundledList("W49000.txt", LOOPWORD_BENCH_DATA_DIR), 60, {"", "", "ELEPHANT"}, 90},
      {"100 words", Sample(*level1, 100, 4), 30, randomAndTyped, 0},
      {"300 words", Sample(*level1, 300, 6), 80, randomAndTyped, 0},
      {"scores above a million keep their order", HeavyScores(), 40, {"", "TRIANGLE"}, 0, 1'000'000},
  };
  for (const auto& c : cases) {  // every answer of both searches compared
    const int runs = std::getenv("LOOPWORD_SANITIZED") ? std::max(1, c.runs / 20) : c.runs;  // many times slower there
    const std::uint64_t seed = static_cast<std::uint64_t>(&c - cases + 1);
    auto* twin = new TwinSearch(c.words);
    Compiler compiler(c.words, std::unique_ptr<CandidateSearch>(twin), RandomSource(seed));
    int complete = 0;
    for (int run = 0; run < runs && !twin->parted; ++run) {
      const std::string& start = c.starts[static_cast<std::size_t>(run) % c.starts.size()];
      Puzzle puzzle;
      complete += compiler.Compile(puzzle, start, [](const CompileEvent&) {}) == CompileOutcome::Complete ? 1 : 0;
      EXPECT_FALSE(twin->parted) << c.name << ", run " << run << " start '" << start << "': the searches part ways";
    }
    EXPECT_GE(complete * 100, runs * c.mostlyComplete) << c.name;
    EXPECT_GE(twin->highestScore, c.reached) << c.name << ": the list must reach such scores to check anything";
  }
}

}  // namespace
}  // namespace loopword
