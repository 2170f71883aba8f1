// The exact fill engine of one dictionary: decides whether a puzzle exists, draws varied puzzles,
// and counts the letter grids a puzzle sheet allows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "board/hint_cells.h"
#include "board/placement_line.h"
#include "random/random_source.h"
#include "exact/fill_search.h"

namespace loopword::exact {

/// What a search for one puzzle found; `lines` (one per square) is set only when Found.
struct FillResult {
  SearchStatus status = SearchStatus::Impossible;
  SquareArray<PlacementLine> lines{};
};

/// Searches one fill of `model` around `centre` that repeats no word and leaves out the words
/// `excluded` (ids of the model; -1 stands for none): a random one when `varied`, else the first
/// found from random places in the lists. Takes the pairs it tried off `limits.budget`.
FillResult FillAround(const ChainModel& model, const Word& centre, const std::vector<int>& excluded, bool varied,
                      RandomSource& random, SearchLimits& limits);

/// The dictionary's pairs and completion counts, prepared once, and the searches over them.
class ExactEngine {
 public:
  /// Prepares the pair classes and the counts for every far-end letter (the costly part).
  explicit ExactEngine(const Dictionary& words);

  /// Number of different words in the dictionary.
  [[nodiscard]] int DistinctWordCount() const { return model_.WordCount(); }
  /// The pairs and counts of the dictionary's different words.
  [[nodiscard]] const ChainModel& Model() const { return model_; }
  /// Finds a complete puzzle around `startWord` (8 capitals, "" for square-12 words in random
  /// order), or proves there is none; the budget counts over all square-12 words tried.
  FillResult Decide(const std::string& startWord, RandomSource& random, const SearchLimits& limits) const;
  /// A puzzle drawn at random among all complete fills around `startWord` ("" for a random one).
  FillResult DrawVaried(const std::string& startWord, RandomSource& random, const SearchLimits& limits) const;

 private:
  enum class Mode { Decide, Varied };
  FillResult Search(const std::string& startWord, RandomSource& random, const SearchLimits& limits, Mode mode) const;

  ChainModel model_;
};

/// How many different letter grids fit a puzzle sheet, counted up to a limit.
struct SolutionCount {
  int grids = 0;
  /// False when the budget ran out or a stop was asked for before the count was settled.
  bool settled = true;
};

/// Counts the grids that fit the sheet of the puzzle given by its 23 placements: its 22 other
/// words each used once, square 12's ring as shown, the letters of the hint cells `hints`, shared
/// cells agreeing. Stops counting at `limit`. Placements that are not a complete puzzle count 0.
SolutionCount CountSheetSolutions(const std::vector<PlacementLine>& placements, int limit, const SearchLimits& limits,
                                  std::span<const RingCell> hints = HintCells);

}  // namespace loopword::exact
