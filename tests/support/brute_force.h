// An independent solver for tests: every letter grid that a word list allows around square 12,
// found by trying the open square with the fewest fitting words first, and planted word lists.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "board/geometry.h"

namespace loopword::testing {

/// A word list around a fixed ring of square 12, with letters the solver must respect.
struct GridProblem {
  std::set<std::string> words;                 ///< words for squares other than 12, each once
  std::string centre;                          ///< ring of square 12
  std::map<std::pair<int, int>, char> fixed;   ///< (square, position) -> letter
};

inline std::string Rotate(const std::string& word, int r) { return word.substr(r) + word.substr(0, r); }

/// Every distinct grid (the 23 rings joined) that fits `problem`, up to `limit` of them.
inline std::set<std::string> BruteForceGrids(const GridProblem& problem, std::size_t limit) {
  std::map<TwipPoint, int> cellOf;
  std::array<std::array<int, 8>, 24> cell{};
  for (int s = 1; s <= 23; ++s) {
    for (int p = 1; p <= 8; ++p) cell[s][p - 1] = cellOf.emplace(CellPoint(s, p), static_cast<int>(cellOf.size())).first->second;
  }
  std::vector<char> letter(cellOf.size(), 0);
  for (const auto& [at, c] : problem.fixed) letter[static_cast<std::size_t>(cell[at.first][at.second - 1])] = c;
  std::array<std::string, 24> rings;
  std::vector<std::string> words(problem.words.begin(), problem.words.end());
  std::vector<std::vector<std::string>> turns(words.size());  // the different rings of each word
  for (std::size_t w = 0; w < words.size(); ++w) {
    for (int r = 0; r < 8; ++r) {
      if (std::find(turns[w].begin(), turns[w].end(), Rotate(words[w], r)) == turns[w].end()) turns[w].push_back(Rotate(words[w], r));
    }
  }
  std::vector<char> used(words.size(), 0);
  std::set<std::string> grids;
  const auto fits = [&](int s, const std::string& ring) {
    for (int p = 0; p < 8; ++p) {
      const char c = letter[static_cast<std::size_t>(cell[s][p])];
      if (c && c != ring[p]) return false;
    }
    return true;
  };
  std::vector<int> stack;  // cells written by each placement, for undoing it
  const auto place = [&](int s, const std::string& ring) {
    rings[s] = ring;
    for (int p = 0; p < 8; ++p) {
      char& c = letter[static_cast<std::size_t>(cell[s][p])];
      if (!c) c = ring[p], stack.push_back(cell[s][p]);
    }
    stack.push_back(-1 - s);
  };
  place(12, problem.centre);
  std::function<void()> search = [&] {
    if (grids.size() >= limit) return;
    int best = 0;
    std::vector<std::pair<std::size_t, std::size_t>> bestOptions;  // (word, ring)
    for (int s = 1; s <= 23; ++s) {
      if (!rings[s].empty()) continue;
      std::vector<std::pair<std::size_t, std::size_t>> options;
      for (std::size_t w = 0; w < words.size(); ++w) {
        for (std::size_t r = 0; r < turns[w].size() && !used[w]; ++r) {
          if (fits(s, turns[w][r])) options.emplace_back(w, r);
        }
      }
      if (options.empty()) return;
      if (best == 0 || options.size() < bestOptions.size()) best = s, bestOptions.swap(options);
    }
    if (best == 0) {
      std::string grid;
      for (int s = 1; s <= 23; ++s) grid += rings[s];
      grids.insert(grid);
      return;
    }
    for (const auto& [w, r] : bestOptions) {
      used[w] = 1;
      place(best, turns[w][r]);
      search();
      for (stack.pop_back(); !stack.empty() && stack.back() >= 0; stack.pop_back()) letter[static_cast<std::size_t>(stack.back())] = 0;
      rings[best].clear();
      used[w] = 0;
    }
  };
  search();
  return grids;
}

/// A made-up word list: the 23 words of a random grid over the first `letters` capitals (word
/// 12 unrotated first), minus `dropped` of them, plus `decoys` copies with one letter changed.
inline std::vector<std::string> PlantedList(std::uint64_t seed, int letters, int decoys, int dropped) {
  std::mt19937_64 random(seed);
  const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); };
  std::map<TwipPoint, char> grid;
  std::vector<std::string> words;
  for (int s : {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}) {
    std::string ring;
    for (int p = 1; p <= 8; ++p) ring += grid.emplace(CellPoint(s, p), static_cast<char>('A' + pick(letters))).first->second;
    words.push_back(s == 12 ? ring : Rotate(ring, pick(8)));
  }
  for (int i = 0; i < decoys; ++i) {
    std::string decoy = words[static_cast<std::size_t>(1 + pick(22))];
    decoy[static_cast<std::size_t>(pick(8))] = static_cast<char>('A' + pick(letters));
    words.push_back(decoy);
  }
  for (int i = 0; i < dropped; ++i) words.erase(words.begin() + 1 + pick(22 - i));
  return words;
}

}  // namespace loopword::testing
