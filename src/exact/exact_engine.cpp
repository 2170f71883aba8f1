// Choosing square-12 words, drawing and searching fills, and counting a sheet's grids.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/exact_engine.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <set>

#include "board/hint_cells.h"
#include "board/letters.h"

namespace loopword::exact {

namespace {

/// Random walks tried before a varied fill falls back to a weighted random search; a walk that
/// meets a repeated word stops there, so a try costs a few steps.
constexpr int kWalkTries = 1000;
/// Pairs the first weighted search of a varied fill may try before it starts again with new
/// random choices; each new start may try twice as many as the one before.
constexpr std::int64_t kFirstRunPairs = 1000;

std::vector<Word> DistinctWords(const Dictionary& words) {
  std::vector<Word> distinct;
  distinct.reserve(static_cast<std::size_t>(words.WordCount()));
  for (int n = 1; n <= words.WordCount(); ++n) distinct.push_back(words.WordPool(n));
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  return distinct;
}

bool IsEightCapitals(const std::string& text) {
  return text.size() == kWordLength && IsCapitalsWord(text);
}

/// Runs the weighted search until it ends by itself, starting again whenever a run spends its
/// share of the budget, so that one unlucky early choice cannot hold a draw up for long.
SearchStatus RunWithRestarts(FillSearch& search, const SearchLimits& limits, RandomSource& random,
                             const std::function<bool(const ChainFill&)>& visit) {
  for (std::int64_t share = kFirstRunPairs;; share *= 2) {
    const SearchLimits run{std::min(limits.budget, search.Nodes() + share), limits.poll};
    const SearchStatus status = search.Run(run, PairOrder::Weighted, &random, visit);
    if (status != SearchStatus::BudgetSpent || run.budget == limits.budget) return status;
  }
}

FillResult ToResult(const ChainModel& model, const Word& centre, const ChainFill& fill) {
  FillResult result{SearchStatus::Found, {}};
  const std::string centreText = ToString(centre);
  result.lines[kCrossingSquare] = {kCrossingSquare, centreText, 1, centreText};
  for (int c = 0; c < kChainCount; ++c) {
    for (int k = 0; k < kChainLength; ++k) {
      const PairCode code = fill[c * kChainLength + k];
      const int square = ChainSquare(c, k);
      result.lines[square] = {square, ToString(model.RingOf(code)), 9 - static_cast<int>(code & 7),
                              ToString(model.WordAt(static_cast<int>(code >> 3)))};
    }
  }
  return result;
}

}  // namespace

FillResult FillAround(const ChainModel& model, const Word& centre, const std::vector<int>& excluded, bool varied,
                      RandomSource& random, SearchLimits& limits) {
  FillSearch search(model, centre, -1);
  for (const int word : excluded) {
    if (word >= 0) search.Exclude(word);
  }
  if (search.WalkCount() == 0.0) return {};
  if (varied) {
    if (const std::optional<ChainFill> fill = search.DrawRepeatFreeWalk(random, kWalkTries)) return ToResult(model, centre, *fill);
  }
  // Decide takes the first fill of a search from random places in the lists. A varied fill whose
  // walks keep repeating words takes the first fill of a search that tries the pairs like a walk.
  std::optional<ChainFill> found;
  const auto takeFirst = [&found](const ChainFill& fill) {
    found = fill;
    return false;
  };
  const SearchStatus status = varied ? RunWithRestarts(search, limits, random, takeFirst)
                                     : search.Run(limits, PairOrder::RandomStart, &random, takeFirst);
  limits.budget -= search.Nodes();
  if (!found) return {status, {}};
  return ToResult(model, centre, *found);
}

ExactEngine::ExactEngine(const Dictionary& words) : model_(DistinctWords(words)) { model_.PrepareAllCounts(); }

FillResult ExactEngine::Decide(const std::string& startWord, RandomSource& random, const SearchLimits& limits) const {
  return Search(startWord, random, limits, Mode::Decide);
}

FillResult ExactEngine::DrawVaried(const std::string& startWord, RandomSource& random, const SearchLimits& limits) const {
  return Search(startWord, random, limits, Mode::Varied);
}

FillResult ExactEngine::Search(const std::string& startWord, RandomSource& random, const SearchLimits& limits, Mode mode) const {
  SearchLimits remaining = limits;
  if (!startWord.empty()) {
    if (!IsEightCapitals(startWord)) return {};
    const Word centre = ToWord(startWord);
    return FillAround(model_, centre, {model_.Find(centre)}, mode == Mode::Varied, random, remaining);
  }
  std::vector<int> order(static_cast<std::size_t>(model_.WordCount()));
  std::iota(order.begin(), order.end(), 0);
  for (std::size_t i = 0; i < order.size(); ++i) {  // a lazy shuffle: each start drawn from the rest
    std::swap(order[i], order[i + static_cast<std::size_t>(random.Draw(static_cast<int>(order.size() - i))) - 1]);
    FillResult result = FillAround(model_, model_.WordAt(order[i]), {order[i]}, mode == Mode::Varied, random, remaining);
    if (result.status != SearchStatus::Impossible) return result;
  }
  return {};
}

SolutionCount CountSheetSolutions(const std::vector<PlacementLine>& placements, int limit, const SearchLimits& limits,
                                  std::span<const RingCell> hints) {
  if (placements.size() != kSquareCount) return {0, true};
  SquareArray<std::string> rings;
  std::vector<Word> others;
  for (const PlacementLine& line : placements) {
    if (!line.IsWellFormed()) return {0, true};
    rings[line.square] = line.ring;
    if (line.square != kCrossingSquare) others.push_back(ToWord(line.word));
  }
  SquareArray<std::string> filters;
  for (const RingCell& hint : hints) {
    if (hint.square < 1 || hint.square > kSquareCount || hint.position < 1 || hint.position > kRingSize) return {0, true};
    std::string& filter = filters[hint.square];
    if (filter.empty()) filter = std::string(kWordLength, '.');
    const auto index = static_cast<std::size_t>(hint.position - 1);
    filter[index] = rings[hint.square][index];
  }
  std::sort(others.begin(), others.end());
  others.erase(std::unique(others.begin(), others.end()), others.end());
  if (others.size() != kSquareCount - 1 || rings[kCrossingSquare].size() != kWordLength) return {0, true};
  const ChainModel model(others, filters);
  FillSearch search(model, ToWord(rings[kCrossingSquare]), -1);
  std::set<std::string> grids;  // rings, not pairs: two rotations with equal rings are one grid
  const SearchStatus status = search.Run(limits, PairOrder::Listed, nullptr, [&](const ChainFill& fill) {
    std::string letters;
    for (PairCode code : fill) letters += ToString(model.RingOf(code));
    grids.insert(letters);
    return static_cast<int>(grids.size()) < limit;
  });
  const bool settled = status == SearchStatus::Found || status == SearchStatus::Impossible;
  return {static_cast<int>(grids.size()), settled};
}

}  // namespace loopword::exact
