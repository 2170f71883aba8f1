// Checks theme fills against an independent brute-force solver on small made-up word lists.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/theme_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "compiler/compiler.h"
#include "support/brute_force.h"
#include "support/compiled_puzzles.h"
#include "support/puzzle_check.h"

namespace loopword::exact {
namespace {

using testing::BruteForceGrids;

/// Whether the 8-letter `ring` reads `word` from one of its cells.
bool IsTurnOf(const std::string& ring, const std::string& word) { return (ring + ring).find(word) != std::string::npos; }

/// Whether two words of `words` are rotations of each other, so that a grid would not tell them apart.
bool HasRotatedTwins(const std::set<std::string>& words) {
  for (auto a = words.begin(); a != words.end(); ++a) {
    if (std::any_of(std::next(a), words.end(), [&](const std::string& b) { return IsTurnOf(*a, b); })) return true;
  }
  return false;
}

/// Whether some grid around `centre` with words of `words`, each once, holds every theme word.
bool BruteForceThemeFill(const std::set<std::string>& words, const std::string& centre, const std::vector<std::string>& theme) {
  testing::GridProblem problem{words, centre, {}};
  problem.words.erase(centre);
  for (const std::string& grid : BruteForceGrids(problem, 1'000'000)) {
    if (std::all_of(theme.begin(), theme.end(), [&](const std::string& word) {
          for (std::size_t s = 0; s < grid.size(); s += 8) {
            if (IsTurnOf(grid.substr(s, 8), word)) return true;
          }
          return false;
        })) return true;
  }
  return false;
}

TEST(ThemeEngine, FindsAThemeFillExactlyWhenBruteForceDoesAndEveryThemeWordOnce) {
  // A planted list of 26 letters and its theme: the planted words at `themeAt`, every other one left out of the list,
  // and a made-up word when `foreign`.
  const struct { int decoys, dropped; std::vector<std::size_t> themeAt; bool foreign; } cases[] = {
      {4, 0, {1, 2}, false}, {6, 0, {3, 9, 14, 20, 21}, false}, {8, 1, {1, 5, 7}, false},
      {4, 0, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 0}, false}, {4, 2, {1, 2, 3}, false}, {4, 0, {4, 5}, true},
      {6, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}, false}};
  int found = 0, impossible = 0;
  const bool sanitized = std::getenv("LOOPWORD_SANITIZED") != nullptr;  // there the brute force, the same in every build, is too slow
  for (const auto& test : cases) {
    for (std::uint64_t seed = 1; seed <= 2; ++seed) {
      const std::vector<std::string> planted = testing::PlantedList(seed, 26, test.decoys, test.dropped);
      std::vector<std::string> theme;
      for (const std::size_t at : test.themeAt) theme.push_back(planted.at(at));
      if (test.foreign) theme.push_back("QXQXQXQX");
      std::set<std::string> list(planted.begin(), planted.end()), all = list;  // the list and the theme words
      all.insert(theme.begin(), theme.end());
      for (std::size_t i = 0; i < theme.size(); i += 2) list.erase(theme[i]);
      std::sort(theme.begin(), theme.end());
      theme.erase(std::unique(theme.begin(), theme.end()), theme.end());
      if (HasRotatedTwins(all)) continue;
      const ExactEngine listEngine(*testing::ListOf({list.begin(), list.end()}));
      const ThemeEngine engine(listEngine.Model(), theme);
      for (const std::string& start : {planted[0], std::string()}) {
        RandomSource random(seed);
        const ThemeResult result = engine.Fill(start, seed % 2 == 0, random, {});
        bool exists = sanitized && result.status == SearchStatus::Found;
        for (const std::string& centre : sanitized ? std::set<std::string>() : all) {
          if (start.empty() || centre == start) exists = exists || BruteForceThemeFill(all, centre, theme);
        }
        ASSERT_EQ(result.status, exists ? SearchStatus::Found : SearchStatus::Impossible)
            << test.decoys << " decoys, seed " << seed << ", start " << start;
        (exists ? found : impossible) += 1;
        if (!exists) continue;
        const std::vector<std::string> lines = testing::TextLines(result.lines);
        EXPECT_EQ(testing::CheckPuzzle(lines, all, start), "");
        for (const std::string& word : theme) {
          EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) { return line.substr(14) == word; }), 1) << word;
        }
      }
    }
  }
  EXPECT_TRUE(found >= 4 && impossible >= 4) << found << " found, " << impossible << " impossible";
}

TEST(ThemeEngine, OneSolutionThemePuzzlesHaveOneGridByAnIndependentCount) {
  int checked = 0;
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    const std::vector<std::string> planted = testing::PlantedList(seed, 26, 6, 0);
    Compiler compiler(testing::ListOf({planted.begin() + 3, planted.end()}), RandomSource(seed));
    const CompileOptions options{seed % 2 == 0, true, {planted[1], planted[2]}};
    Puzzle puzzle;
    if (compiler.Compile(puzzle, planted[0], [](const CompileEvent&) {}, options) != CompileOutcome::Complete) continue;
    EXPECT_EQ(BruteForceGrids(testing::SheetOf(testing::TextLines(puzzle)), 2).size(), 1u) << "seed " << seed;
    ++checked;
  }
  EXPECT_GE(checked, 3);
}

}  // namespace
}  // namespace loopword::exact
