// Checks the exact engine against an independent brute-force solver on small made-up word lists.
#include "exact/exact_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "board/hint_cells.h"
#include "support/brute_force.h"
#include "support/puzzle_check.h"

namespace loopword::exact {
namespace {

using testing::BruteForceGrids;
using testing::GridProblem;
using testing::PlantedList;

Dictionary DictionaryOf(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  return ParseDictionaryText(text).dictionary;
}

std::vector<std::string> LinesOf(const FillResult& result) {
  std::vector<std::string> lines;
  for (int s = 1; s <= kSquareCount; ++s) lines.push_back(result.lines[static_cast<std::size_t>(s)].ToString());
  return lines;
}

/// The brute-force problem of filling a list around its first word, the typed starting word.
GridProblem AroundFirstWord(const std::vector<std::string>& list) {
  GridProblem problem{{list.begin() + 1, list.end()}, list[0], {}};
  problem.words.erase(list[0]);
  return problem;
}

struct Planted {
  int letters, decoys, dropped;
};

TEST(ExactEngine, DecidesLikeBruteForceAndASpentBudgetNeverClaimsAProof) {
  const Planted kinds[] = {{26, 6, 0}, {6, 8, 1}, {4, 4, 2}, {3, 6, 1}, {8, 12, 3}, {26, 4, 1}};
  int found = 0, impossible = 0;
  for (const Planted& kind : kinds) {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
      const std::vector<std::string> list = PlantedList(seed, kind.letters, kind.decoys, kind.dropped);
      const ExactEngine engine(DictionaryOf(list));
      RandomSource random(seed);
      const FillResult result = engine.Decide(list[0], random, {});
      const bool exists = !BruteForceGrids(AroundFirstWord(list), 1).empty();
      ASSERT_EQ(result.status, exists ? SearchStatus::Found : SearchStatus::Impossible) << kind.letters << " letters, seed " << seed;
      (exists ? found : impossible) += 1;
      EXPECT_EQ(exists ? testing::CheckPuzzle(LinesOf(result), {list.begin(), list.end()}, list[0]) : "", "");
      const SearchStatus cut = engine.Decide(list[0], random, {1, {}}).status;
      EXPECT_TRUE(cut == SearchStatus::BudgetSpent || cut == (exists ? SearchStatus::Found : SearchStatus::Impossible));
    }
  }
  EXPECT_GE(found, 4);
  EXPECT_GE(impossible, 4);
}

TEST(ExactEngine, CountsTheGridsOfASheetLikeBruteForce) {
  std::map<int, int> seenCounts;
  for (int letters : {2, 3, 4, 26}) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
      const std::vector<std::string> list = PlantedList(seed, letters, 0, 0);
      RandomSource random(seed);
      const FillResult fill = ExactEngine(DictionaryOf(list)).Decide(list[0], random, {});
      if (fill.status != SearchStatus::Found) continue;  // planted lists can repeat a word
      GridProblem sheet{{}, fill.lines[kCrossingSquare].ring, {}};
      for (const PlacementLine& line : fill.lines) {
        if (line.square != 0 && line.square != kCrossingSquare) sheet.words.insert(line.word);
      }
      for (const RingCell& hint : HintCells) sheet.fixed[{hint.square, hint.position}] = fill.lines[static_cast<std::size_t>(hint.square)].ring[static_cast<std::size_t>(hint.position - 1)];
      const std::size_t expected = BruteForceGrids(sheet, 50).size();
      const SolutionCount counted = CountSheetSolutions(LinesOf(fill), 50, {});
      EXPECT_TRUE(counted.settled);
      EXPECT_EQ(counted.grids, static_cast<int>(expected)) << letters << " letters, seed " << seed;
      EXPECT_EQ(CountSheetSolutions(LinesOf(fill), 2, {}).grids, std::min<int>(2, static_cast<int>(expected)));
      ++seenCounts[std::min<int>(static_cast<int>(expected), 2)];
    }
  }
  EXPECT_GE(seenCounts[1], 3);
  EXPECT_GE(seenCounts[2], 3) << "some sheets allow several grids";
}

TEST(ExactEngine, VariedDrawsAreUniformOverAllFills) {
  for (std::uint64_t seed = 1;; ++seed) {
    const std::vector<std::string> list = PlantedList(seed, 26, 4, 0);
    const std::set<std::string> fills = BruteForceGrids(AroundFirstWord(list), 41);
    if (fills.size() < 4 || fills.size() > 40) continue;
    const ExactEngine engine(DictionaryOf(list));
    RandomSource random(seed);
    std::map<std::string, int> drawn;
    const int draws = 120 * static_cast<int>(fills.size());
    for (int i = 0; i < draws; ++i) {
      const FillResult result = engine.DrawVaried(list[0], random, {});
      std::string grid;
      for (int s = 1; s <= kSquareCount; ++s) grid += result.lines[static_cast<std::size_t>(s)].ring;
      ASSERT_TRUE(fills.count(grid)) << "a draw outside the fills";
      ++drawn[grid];
    }
    double chiSquare = 0;
    for (const std::string& fill : fills) chiSquare += std::pow(drawn[fill] - 120.0, 2) / 120.0;
    const double df = static_cast<double>(fills.size() - 1);  // critical value at p = 0.001
    EXPECT_LT(chiSquare, df * std::pow(1 - 2 / (9 * df) + 3.09 * std::sqrt(2 / (9 * df)), 3)) << fills.size() << " fills";
    return;
  }
}

}  // namespace
}  // namespace loopword::exact
