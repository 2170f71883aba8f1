// Runs the indexed and the reference search side by side: from the same seeds both must rank the
// same squares and list the same candidates at every step, and so place the same words.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <numeric>
#include <random>
#include <set>
#include <sstream>

#include "compiler/compiler.h"

namespace loopword {
namespace {

std::shared_ptr<const Dictionary> Load(const std::string& path) {
  ReadResult result = ReadDictionaryFile(path);
  EXPECT_EQ(result.outcome, LoadOutcome::Loaded) << path;
  return std::make_shared<const Dictionary>(std::move(result.dictionary));
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::shared_ptr<const Dictionary> FromWords(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\r\n";
  return std::make_shared<const Dictionary>(ParseDictionaryText(text).dictionary);
}

/// `count` words of `from`, picked with a fixed seed, in their original order.
std::shared_ptr<const Dictionary> Sample(const Dictionary& from, int count, std::uint64_t seed) {
  std::vector<int> rows(static_cast<std::size_t>(from.WordCount()));
  std::iota(rows.begin(), rows.end(), 1);
  std::mt19937_64 random(seed);
  std::shuffle(rows.begin(), rows.end(), random);
  rows.resize(static_cast<std::size_t>(count));
  std::sort(rows.begin(), rows.end());
  std::vector<std::string> words;
  for (int row : rows) words.push_back(ToString(from.WordPool(row)));
  return FromWords(words);
}

/// Level 1 with 150,000 more lines that are not words but count their letters: E weighs over a
/// million, so every pending cell that takes an E scores over 999,999.
std::shared_ptr<const Dictionary> HeavyScores() {
  std::string text = ReadAll(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt");
  for (int i = 0; i < 150'000; ++i) text += "EEEEEEE-\n";
  return std::make_shared<const Dictionary>(ParseDictionaryText(text).dictionary);
}

/// A search that passes every call on and writes down what it answered.
class RecordingSearch final : public CandidateSearch {
 public:
  RecordingSearch(std::unique_ptr<CandidateSearch> inner, std::ostringstream& log) : inner_(std::move(inner)), log_(log) {}

  void MakeAllAvailable() override { inner_->MakeAllAvailable(); }
  void Withdraw(int word) override { inner_->Withdraw(word); }
  std::vector<RankLine> RankOpenSquares(const Board& board) override {
    std::vector<RankLine> ranking = inner_->RankOpenSquares(board);
    log_ << "rank";
    for (const RankLine& line : ranking) log_ << ' ' << line.count << ':' << line.square;
    log_ << '\n';
    return ranking;
  }
  CandidateList FindCandidates(const std::string& pattern) override {
    CandidateList found = inner_->FindCandidates(pattern);
    log_ << "candidates " << pattern << ' ' << found.total;
    for (const Candidate& c : found.shortlist) {
      log_ << ' ' << c.score << ':' << c.word << ':' << ToString(c.ring) << ':' << c.startDigit;
      highestScore = std::max(highestScore, c.score);
    }
    log_ << '\n';
    return found;
  }

  std::int64_t highestScore = 0;

 private:
  std::unique_ptr<CandidateSearch> inner_;
  std::ostringstream& log_;
};

/// One search's compiles, every answer of its search written down.
struct Side {
  Side(const std::shared_ptr<const Dictionary>& words, std::unique_ptr<CandidateSearch> search, std::uint64_t seed)
      : recorder(new RecordingSearch(std::move(search), log)),
        compiler(words, std::unique_ptr<CandidateSearch>(recorder), RandomSource(seed)) {}

  /// Compiles once; the log of the compile and its outcome.
  std::string Compile(const std::string& start) {
    log.str("");
    Puzzle puzzle;
    const CompileOutcome outcome = compiler.Compile(puzzle, start, [](const CompileEvent&) {});
    log << "outcome " << static_cast<int>(outcome) << '\n';
    return log.str();
  }

  std::ostringstream log;
  RecordingSearch* recorder;  // owned by the compiler
  Compiler compiler;
};

/// Compiles `runs` puzzles with both searches from the same seed, comparing every answer; returns
/// how many were complete and the highest score met.
std::pair<int, std::int64_t> CompareSearches(const std::shared_ptr<const Dictionary>& words, int runs,
                                             std::uint64_t seed, const std::vector<std::string>& starts) {
  Side reference(words, MakeReferenceSearch(words), seed);
  Side indexed(words, MakeIndexedSearch(words), seed);
  int complete = 0;
  for (int run = 0; run < runs; ++run) {
    const std::string& start = starts[static_cast<std::size_t>(run) % starts.size()];
    const std::string expected = reference.Compile(start);
    const std::string actual = indexed.Compile(start);
    if (actual != expected) {
      ADD_FAILURE() << "seed " << seed << " run " << run << " start '" << start << "': the searches part ways";
      break;
    }
    complete += expected.ends_with("outcome 0\n") ? 1 : 0;
  }
  return {complete, indexed.recorder->highestScore};
}

/// Fewer runs under the sanitizers, where everything is many times slower.
int Runs(int full) { return std::getenv("LOOPWORD_SANITIZED") ? std::max(1, full / 20) : full; }

struct Case {
  const char* name;
  std::function<std::shared_ptr<const Dictionary>()> words;
  int runs;
  std::vector<std::string> starts;
  int mostlyComplete;  // percentage of complete compiles expected at least
};

TEST(Differential, BothSearchesAnswerAlikeAtEveryStep) {
  const auto level1 = Load(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt");
  const std::vector<std::string> randomAndTyped = {"", "", "", "TRIANGLE", "", "KEEPSAKE", "", "ZZZZZZZZ"};
  const Case cases[] = {
      {"Level 1", [&] { return level1; }, 600, {"", "", "", "TRIANGLE", "", "KEEPSAKE"}, 90},
      {"Level 3", [] { return Load(std::string(LOOPWORD_DATA_DIR) + "/L3words.txt"); }, 300, {"", "", "", "PLATYPUS"}, 90},
      {"49,000 words", [] { return Load(std::string(LOOPWORD_BENCH_DATA_DIR) + "/W49000.txt"); }, 150, {"", "", "ELEPHANT"}, 90},
      {"100 words", [&] { return Sample(*level1, 100, 4); }, 30, randomAndTyped, 0},
      {"300 words", [&] { return Sample(*level1, 300, 6); }, 150, randomAndTyped, 0},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    const int runs = Runs(c.runs);
    const auto [complete, highest] = CompareSearches(c.words(), runs, i + 1, c.starts);
    EXPECT_GE(complete * 100, runs * c.mostlyComplete) << c.name;
  }
}

TEST(Differential, ScoresAboveAMillionKeepTheirOrder) {
  const auto [complete, highest] = CompareSearches(HeavyScores(), Runs(40), 9, {"", "TRIANGLE"});
  EXPECT_GT(highest, 999'999) << "the list must reach seven-digit scores to check anything";
}

}  // namespace
}  // namespace loopword
