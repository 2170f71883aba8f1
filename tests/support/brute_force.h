// An independent solver for tests: every letter grid that a word list allows around square 12,
// found by trying the open square with the fewest fitting words first; planted lists and sheets.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "board/hint_cells.h"

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
  std::array<std::array<std::size_t, 8>, 24> cell{};  // cell number of each square's positions
  for (int s = 1; s <= 23; ++s) {
    for (int p = 1; p <= 8; ++p) cell[s][p - 1] = cellOf.emplace(CellPoint(s, p), cellOf.size()).first->second;
  }
  std::vector<std::set<std::string>> turns;  // the different rings of each word
  for (const std::string& word : problem.words) {
    turns.emplace_back();
    for (int r = 0; r < 8; ++r) turns.back().insert(Rotate(word, r));
  }
  std::vector<char> used(turns.size(), 0);
  std::array<std::string, 24> rings;
  std::set<std::string> grids;
  const auto fits = [&](const std::vector<char>& letter, int s, const std::string& ring) {
    for (int p = 0; p < 8; ++p) {
      if (letter[cell[s][p]] && letter[cell[s][p]] != ring[p]) return false;
    }
    return true;
  };
  const auto place = [&](std::vector<char> letter, int s, const std::string& ring) {
    rings[s] = ring;
    for (int p = 0; p < 8; ++p) letter[cell[s][p]] = ring[p];
    return letter;
  };
  std::function<void(const std::vector<char>&)> search = [&](const std::vector<char>& letter) {
    if (grids.size() >= limit) return;
    int best = 0;
    std::vector<std::pair<std::size_t, std::string>> bestOptions;  // (word, ring)
    for (int s = 1; s <= 23; ++s) {
      if (!rings[s].empty()) continue;
      std::vector<std::pair<std::size_t, std::string>> options;
      for (std::size_t w = 0; w < turns.size(); ++w) {
        for (const std::string& ring : turns[w]) {
          if (!used[w] && fits(letter, s, ring)) options.emplace_back(w, ring);
        }
      }
      if (options.empty()) return;
      if (best == 0 || options.size() < bestOptions.size()) best = s, bestOptions.swap(options);
    }
    if (best == 0) {
      std::string grid;
      for (int s = 1; s <= 23; ++s) grid += rings[s];
      grids.insert(grid);
    }
    for (const auto& [w, ring] : bestOptions) {
      used[w] = 1;
      search(place(letter, best, ring));
      rings[best].clear();
      used[w] = 0;
    }
  };
  std::vector<char> letter(cellOf.size(), 0);
  for (const auto& [at, c] : problem.fixed) letter[cell[at.first][at.second - 1]] = c;
  search(place(letter, 12, problem.centre));
  return grids;
}

/// The problem of filling `list` around its first word, the typed starting word.
inline GridProblem AroundFirstWord(const std::vector<std::string>& list) {
  GridProblem problem{{list.begin() + 1, list.end()}, list[0], {}};
  problem.words.erase(list[0]);
  return problem;
}

/// The problem a puzzle sheet poses: its 22 other words around square 12's ring, the letters of
/// its hint cells (the standard ones unless given) given.
inline GridProblem SheetOf(const std::vector<std::string>& lines, std::span<const RingCell> hints = HintCells) {
  GridProblem sheet{{}, lines[kCrossingSquare - 1].substr(3, 8), {}};
  for (const std::string& line : lines) {
    if (line.substr(0, 2) != "12") sheet.words.insert(line.substr(14, 8));
  }
  for (const RingCell& hint : hints) {
    sheet.fixed[{hint.square, hint.position}] = lines[static_cast<std::size_t>(hint.square - 1)][static_cast<std::size_t>(2 + hint.position)];
  }
  return sheet;
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
