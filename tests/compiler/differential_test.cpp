// Runs the indexed and the reference search side by side: the same seeds must give the same puzzles.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "compiler/compiler.h"

namespace loopword {
namespace {

std::shared_ptr<const Dictionary> Load(const std::string& path) {
  ReadResult result = ReadDictionaryFile(path);
  EXPECT_EQ(result.outcome, LoadOutcome::Loaded) << path;
  return std::make_shared<const Dictionary>(std::move(result.dictionary));
}

/// `count` words of `from`, picked with a fixed seed, in their original order.
std::shared_ptr<const Dictionary> Sample(const Dictionary& from, int count, std::uint64_t seed) {
  std::vector<int> rows(static_cast<std::size_t>(from.WordCount()));
  for (int n = 1; n <= from.WordCount(); ++n) rows[static_cast<std::size_t>(n - 1)] = n;
  std::mt19937_64 random(seed);
  std::shuffle(rows.begin(), rows.end(), random);
  rows.resize(static_cast<std::size_t>(count));
  std::sort(rows.begin(), rows.end());
  std::string text;
  for (int row : rows) text += ToString(from.WordPool(row)) + "\r\n";
  return std::make_shared<const Dictionary>(ParseDictionaryText(text).dictionary);
}

/// Everything a compile placed, in order, and how it ended.
std::vector<std::string> Trace(Compiler& compiler, const std::string& start) {
  std::vector<std::string> trace;
  Puzzle puzzle;
  const CompileOutcome outcome = compiler.Compile(puzzle, start, [&trace](const CompileEvent& event) {
    if (event.kind == CompileEvent::Kind::WordPlaced || event.kind == CompileEvent::Kind::StartWordPlaced) {
      trace.push_back(event.line);
    }
  });
  trace.push_back("outcome " + std::to_string(static_cast<int>(outcome)));
  return trace;
}

/// Compiles `runs` puzzles with both searches from the same seed and compares every placement.
int CompareSearches(const std::shared_ptr<const Dictionary>& words, int runs, std::uint64_t seed,
                    const std::vector<std::string>& starts) {
  Compiler reference(words, MakeReferenceSearch(words), RandomSource(seed));
  Compiler indexed(words, MakeIndexedSearch(words), RandomSource(seed));
  int complete = 0;
  for (int run = 0; run < runs; ++run) {
    const std::string& start = starts[static_cast<std::size_t>(run) % starts.size()];
    const std::vector<std::string> expected = Trace(reference, start);
    const std::vector<std::string> actual = Trace(indexed, start);
    EXPECT_EQ(actual, expected) << "seed " << seed << " run " << run << " start '" << start << "'";
    if (actual != expected) return complete;
    complete += expected.back() == "outcome 0" ? 1 : 0;
  }
  return complete;
}

/// Fewer runs under the sanitizers, where everything is many times slower.
int Runs(int full) { return std::getenv("LOOPWORD_SANITIZED") ? std::max(1, full / 20) : full; }

const std::vector<std::string> kRandomAndTyped = {"", "", "", "TRIANGLE", "", "KEEPSAKE", "", "ZZZZZZZZ"};

TEST(Differential, Level1) {
  const auto words = Load(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt");
  EXPECT_GE(CompareSearches(words, Runs(1200), 1, {"", "", "", "TRIANGLE", "", "KEEPSAKE"}), Runs(1200) * 9 / 10);
}

TEST(Differential, Level3) {
  const auto words = Load(std::string(LOOPWORD_DATA_DIR) + "/L3words.txt");
  EXPECT_GE(CompareSearches(words, Runs(500), 2, {"", "", "", "PLATYPUS"}), Runs(500) * 9 / 10);
}

TEST(Differential, List49000) {
  const auto words = Load(std::string(LOOPWORD_BENCH_DATA_DIR) + "/W49000.txt");
  EXPECT_GE(CompareSearches(words, Runs(300), 3, {"", "", "ELEPHANT"}), Runs(300) * 9 / 10);
}

TEST(Differential, SmallListsThatOftenGiveUp) {
  const auto level1 = Load(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt");
  CompareSearches(Sample(*level1, 100, 4), Runs(40), 5, kRandomAndTyped);
  CompareSearches(Sample(*level1, 300, 6), Runs(200), 7, kRandomAndTyped);
}

}  // namespace
}  // namespace loopword
