// Checks the exact engine against an independent brute-force solver on small made-up word lists.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/exact_engine.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/brute_force.h"
#include "support/compiled_puzzles.h"
#include "support/puzzle_check.h"

namespace loopword::exact {
namespace {

using testing::BruteForceGrids;
using testing::PlantedList;

TEST(ExactEngine, DecidesDrawsAndCountsSheetGridsLikeBruteForceAndASpentBudgetNeverClaimsAProof) {
  const std::array<int, 3> kinds[] = {{26, 6, 0}, {6, 8, 1}, {4, 4, 2}, {3, 6, 1}, {8, 12, 3}, {26, 4, 1}};  // letters, decoys, dropped
  int found = 0, impossible = 0;
  std::map<std::size_t, int> seenCounts;
  for (const auto& [letters, decoys, dropped] : kinds) {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
      const std::vector<std::string> list = PlantedList(seed, letters, decoys, dropped);
      const ExactEngine engine(*testing::ListOf(list));
      const bool exists = !BruteForceGrids(testing::AroundFirstWord(list), 1).empty();
      (exists ? found : impossible) += 1;
      RandomSource random(seed);
      const std::string where = std::to_string(letters) + " letters, seed " + std::to_string(seed);
      for (const auto search : {&ExactEngine::Decide, &ExactEngine::DrawVaried}) {
        const FillResult result = (engine.*search)(list[0], random, {});
        ASSERT_EQ(result.status, exists ? SearchStatus::Found : SearchStatus::Impossible) << where;
        EXPECT_EQ(exists ? testing::CheckPuzzle(testing::TextLines(result.lines), {list.begin(), list.end()}, list[0]) : "", "");
        const SearchStatus cut = (engine.*search)(list[0], random, {1, {}}).status;
        EXPECT_TRUE(cut == SearchStatus::BudgetSpent || cut == result.status);
        if (!exists || search != &ExactEngine::Decide) continue;  // the grids of the sheet the decided fill makes
        const std::size_t expected = BruteForceGrids(testing::SheetOf(testing::TextLines(result.lines)), 50).size();
        const std::vector<PlacementLine> placements(result.lines.begin(), result.lines.end());
        const SolutionCount counted = CountSheetSolutions(placements, 50, {});
        EXPECT_TRUE(counted.settled) << where;
        EXPECT_EQ(counted.grids, static_cast<int>(expected)) << where;
        EXPECT_EQ(CountSheetSolutions(placements, 2, {}).grids, std::min<int>(2, static_cast<int>(expected))) << where;
        ++seenCounts[std::min<std::size_t>(expected, 2)];
      }
    }
  }
  EXPECT_TRUE(found >= 4 && impossible >= 4) << found << " found, " << impossible << " impossible";
  EXPECT_GE(seenCounts[1], 3) << "sheets with one grid";
  EXPECT_GE(seenCounts[2], 3) << "sheets with several grids";
}

TEST(ExactEngine, VariedDrawsAreUniformOverAllFills) {
  std::uint64_t seed = 1;
  std::vector<std::string> list;
  std::set<std::string> fills;
  for (; fills.size() < 4 || fills.size() > 40; ++seed) {
    list = PlantedList(seed, 26, 4, 0);
    fills = BruteForceGrids(testing::AroundFirstWord(list), 41);
  }
  const ExactEngine engine(*testing::ListOf(list));
  RandomSource random(seed);
  std::map<std::string, int> drawn;
  for (std::size_t i = 0; i < 120 * fills.size(); ++i) {
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
}

}  // namespace
}  // namespace loopword::exact
