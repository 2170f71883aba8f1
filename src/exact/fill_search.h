// Complete, repeat-free fills of both chains around one square-12 ring: a depth-first search
// that only takes completable pairs, and random walks drawn from the completion counts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "random/random_source.h"
#include "exact/chain_model.h"

namespace loopword::exact {

/// One pair per chain square: fill[chain * 11 + k].
using ChainFill = IndexedArray<PairCode, kChainCount * kChainLength>;

/// How far a search may go and how it learns of a stop request.
struct SearchLimits {
  /// Most pairs the search may try before it gives up without a proof.
  std::int64_t budget = 2'000'000;
  /// Called every few thousand pairs tried; a true result stops the search.
  std::function<bool()> poll;
};

/// How a search ended.
enum class SearchStatus {
  Found,        ///< at least one fill was found (all of them, if the visitor never said stop)
  Impossible,   ///< every possibility was tried: there is no fill
  BudgetSpent,  ///< the budget ran out first: nothing is proven
  Stopped,      ///< the poll asked to stop
};

/// The order in which a search tries the pairs of a square.
enum class PairOrder {
  Listed,       ///< as the model lists them
  RandomStart,  ///< as listed, starting at a random class and a random pair of each class
  Weighted,     ///< at random, each pair as likely to come first as a walk is to take it
};

/// Pairs tried between two polls.
inline constexpr std::int64_t kPollInterval = 4096;

/// Searches the fills of `model` around `centre` (the ring of square 12) that use no word twice
/// and not the word `excludedWord` (an id of the model, or -1).
class FillSearch {
 public:
  FillSearch(const ChainModel& model, const Word& centre, int excludedWord);

  /// Leaves word `word` (an id of the model) out of every fill from now on.
  void Exclude(int word) {
    if (!used_[static_cast<std::size_t>(word)]) SetUsed(static_cast<std::uint32_t>(word), true);
  }
  /// Number of fills if words could repeat: 0 proves that no fill exists.
  [[nodiscard]] double WalkCount() const;
  /// Visits repeat-free fills in depth-first order until `visit` returns false, trying each
  /// square's pairs in `order` (`random` may be null only for PairOrder::Listed). The budget
  /// counts the pairs tried by every run of this search, so a run may follow a halted one.
  SearchStatus Run(const SearchLimits& limits, PairOrder order, RandomSource* random,
                   const std::function<bool(const ChainFill&)>& visit);
  /// Draws up to `tries` walks, each fill equally likely (words may repeat), and returns the
  /// first that uses no word twice and not the excluded word: a uniform draw among those fills.
  std::optional<ChainFill> DrawRepeatFreeWalk(RandomSource& random, int tries) const;
  /// Pairs tried by Run so far.
  [[nodiscard]] std::int64_t Nodes() const { return nodes_; }

 private:
  enum class Step { Continue, Done, Halt };
  /// A pair that may go into a square, the key it leaves for the next one and its place in a
  /// weighted random order.
  struct Candidate {
    PairCode code = 0;
    std::uint16_t right = 0;
    double rank = 0.0;
  };

  bool WalkWithoutRepeats(RandomSource& random, int walk, std::vector<int>& lastWalk, ChainFill& fill) const;
  Step Visit(int position, int leftKey);
  Step VisitInListOrder(int position, int leftKey);
  Step VisitWeighted(int position, int leftKey);
  Step TryPair(int position, PairCode code, int rightKey);
  bool StillFeasible(int position, int rightKey);
  bool ChainAlive(int chain, int k, int key, std::vector<std::vector<int>>& wordsPerSquare) const;
  [[nodiscard]] bool HasFreePair(int chain, int k, std::size_t cls) const;
  void SetUsed(std::uint32_t word, bool used);

  const ChainModel& model_;
  IndexedArray<int, kChainCount> nearKey_{};
  IndexedArray<int, kChainCount> farKey_{};
  IndexedArray<const ChainCounts*, kChainCount> counts_{};
  std::vector<std::uint8_t> used_;
  ChainFill fill_{};
  bool pruneByWords_ = false;
  // With pruning: free pairs per class (classes numbered across all squares) and each word's classes.
  IndexedArray<IndexedArray<std::uint32_t, kChainLength>, kChainCount> classBase_{};
  std::vector<std::uint32_t> freePairs_;
  std::vector<std::vector<std::uint32_t>> classesOfWord_;
  std::int64_t nodes_ = 0;
  const SearchLimits* limits_ = nullptr;
  PairOrder order_ = PairOrder::Listed;
  RandomSource* random_ = nullptr;
  IndexedArray<std::vector<Candidate>, kChainCount * kChainLength> candidates_;  // per square, for PairOrder::Weighted
  const std::function<bool(const ChainFill&)>* visit_ = nullptr;
  bool foundAny_ = false;
  SearchStatus halt_ = SearchStatus::Found;
};

}  // namespace loopword::exact
