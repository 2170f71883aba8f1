// Depth-first search over completable pairs, pruned for small word sets by the words still free,
// and the weighted random walk down both chains.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/fill_search.h"

#include <algorithm>
#include <cmath>

namespace loopword::exact {

namespace {

/// Word sets up to this size are pruned at every step by what the free words can still complete.
constexpr int kPruneWordLimit = 1000;
constexpr int kPositions = kChainCount * kChainLength;

/// Kuhn's augmenting paths: can every square get a different word from its set?
class SquareWordMatching {
 public:
  SquareWordMatching(const std::vector<std::vector<int>>& choices, int wordCount)
      : choices_(choices), owner_(static_cast<std::size_t>(wordCount), -1), seen_(static_cast<std::size_t>(wordCount), 0) {}

  bool CoversEverySquare() {
    for (std::size_t square = 0; square < choices_.size(); ++square) {
      ++stamp_;
      if (!Augment(static_cast<int>(square))) return false;
    }
    return true;
  }

 private:
  bool Augment(int square) {
    for (int word : choices_[static_cast<std::size_t>(square)]) {
      if (seen_[static_cast<std::size_t>(word)] == stamp_) continue;
      seen_[static_cast<std::size_t>(word)] = stamp_;
      int& owner = owner_[static_cast<std::size_t>(word)];
      if (owner < 0 || Augment(owner)) {
        owner = square;
        return true;
      }
    }
    return false;
  }

  const std::vector<std::vector<int>>& choices_;
  std::vector<int> owner_;
  std::vector<int> seen_;
  int stamp_ = 0;
};

}  // namespace

FillSearch::FillSearch(const ChainModel& model, const Word& centre, int excludedWord)
    : model_(model), used_(static_cast<std::size_t>(model.WordCount()), 0),
      pruneByWords_(model.WordCount() <= kPruneWordLimit) {
  for (int c = 0; c < kChainCount; ++c) {
    nearKey_[c] = CentreKey(centre, c, false);
    farKey_[c] = CentreKey(centre, c, true);
    counts_[c] = &model.Counts(c, farKey_[c]);
  }
  if (pruneByWords_) {
    classesOfWord_.resize(used_.size());
    for (int c = 0; c < kChainCount; ++c) {
      for (int k = 0; k < kChainLength; ++k) {
        const SquareTable& table = model.Table(c, k);
        classBase_[c][k] = static_cast<std::uint32_t>(freePairs_.size());
        for (const PairClass& cls : table.classes) {
          for (std::uint32_t j = 0; j < cls.count; ++j) classesOfWord_[table.pairs[cls.first + j] >> 3].push_back(static_cast<std::uint32_t>(freePairs_.size()));
          freePairs_.push_back(cls.count);
        }
      }
    }
  }
  if (excludedWord >= 0) SetUsed(static_cast<std::uint32_t>(excludedWord), true);
}

void FillSearch::SetUsed(std::uint32_t word, bool used) {
  used_[word] = used ? 1 : 0;
  if (!pruneByWords_) return;
  for (std::uint32_t cls : classesOfWord_[word]) freePairs_[cls] += used ? static_cast<std::uint32_t>(-1) : 1u;
}

double FillSearch::WalkCount() const {
  double walks = 1.0;
  for (int c = 0; c < kChainCount; ++c) walks *= (*counts_[c])[0][static_cast<std::size_t>(nearKey_[c])];
  return walks;
}

SearchStatus FillSearch::Run(const SearchLimits& limits, PairOrder order, RandomSource* random,
                             const std::function<bool(const ChainFill&)>& visit) {
  limits_ = &limits;
  order_ = order;
  random_ = random;
  visit_ = &visit;
  foundAny_ = false;
  if (WalkCount() == 0.0) return SearchStatus::Impossible;
  if (pruneByWords_ && !StillFeasible(-1, 0)) return SearchStatus::Impossible;
  const Step step = Visit(0, nearKey_[0]);
  if (step == Step::Halt) return halt_;
  return foundAny_ ? SearchStatus::Found : SearchStatus::Impossible;
}

FillSearch::Step FillSearch::Visit(int position, int leftKey) {
  if (position == kPositions) {
    foundAny_ = true;
    return (*visit_)(fill_) ? Step::Continue : Step::Done;
  }
  if (position % kChainLength == 0) leftKey = nearKey_[position / kChainLength];
  return order_ == PairOrder::Weighted ? VisitWeighted(position, leftKey) : VisitInListOrder(position, leftKey);
}

FillSearch::Step FillSearch::VisitInListOrder(int position, int leftKey) {
  const int chain = position / kChainLength;
  const SquareTable& table = model_.Table(chain, position % kChainLength);
  const std::vector<double>& after = (*counts_[chain])[position % kChainLength + 1];
  const bool shuffled = order_ == PairOrder::RandomStart;
  const std::uint32_t begin = table.classBegin[static_cast<std::size_t>(leftKey)];
  const std::uint32_t classCount = table.classBegin[static_cast<std::size_t>(leftKey) + 1] - begin;
  const std::uint32_t classOffset = shuffled && classCount > 0 ? static_cast<std::uint32_t>(random_->Draw(static_cast<int>(classCount)) - 1) : 0;
  for (std::uint32_t i = 0; i < classCount; ++i) {
    const PairClass& cls = table.classes[begin + (classOffset + i) % classCount];
    if (after[cls.right] == 0.0) continue;
    const std::uint32_t pairOffset = shuffled ? static_cast<std::uint32_t>(random_->Draw(static_cast<int>(cls.count)) - 1) : 0;
    for (std::uint32_t j = 0; j < cls.count; ++j) {
      const Step step = TryPair(position, table.pairs[cls.first + (pairOffset + j) % cls.count], cls.right);
      if (step != Step::Continue) return step;
    }
  }
  return Step::Continue;
}

FillSearch::Step FillSearch::VisitWeighted(int position, int leftKey) {
  const int chain = position / kChainLength;
  const SquareTable& table = model_.Table(chain, position % kChainLength);
  const std::vector<double>& after = (*counts_[chain])[position % kChainLength + 1];
  std::vector<Candidate>& candidates = candidates_[position];
  candidates.clear();
  for (std::uint32_t i = table.classBegin[static_cast<std::size_t>(leftKey)]; i < table.classBegin[static_cast<std::size_t>(leftKey) + 1]; ++i) {
    const PairClass& cls = table.classes[i];
    if (after[cls.right] == 0.0) continue;
    for (std::uint32_t j = 0; j < cls.count; ++j) {
      const PairCode code = table.pairs[cls.first + j];
      // Sorting by -ln(u) / weight orders the pairs as weighted draws without replacement.
      if (!used_[code >> 3]) candidates.push_back({code, cls.right, -std::log1p(-random_->Fraction()) / after[cls.right]});
    }
  }
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) { return a.rank < b.rank; });
  for (const Candidate& candidate : candidates) {
    const Step step = TryPair(position, candidate.code, candidate.right);
    if (step != Step::Continue) return step;
  }
  return Step::Continue;
}

FillSearch::Step FillSearch::TryPair(int position, PairCode code, int rightKey) {
  if (used_[code >> 3]) return Step::Continue;
  if (++nodes_ > limits_->budget) {
    halt_ = SearchStatus::BudgetSpent;
    return Step::Halt;
  }
  if (nodes_ % kPollInterval == 0 && limits_->poll && limits_->poll()) {
    halt_ = SearchStatus::Stopped;
    return Step::Halt;
  }
  SetUsed(code >> 3, true);
  fill_[position] = code;
  const Step step = pruneByWords_ && !StillFeasible(position, rightKey) ? Step::Continue : Visit(position + 1, rightKey);
  SetUsed(code >> 3, false);
  return step;
}

bool FillSearch::StillFeasible(int position, int rightKey) {
  std::vector<std::vector<int>> wordsPerSquare;
  const int chain = position < 0 ? 0 : position / kChainLength;
  const int next = position < 0 ? 0 : position % kChainLength + 1;
  if (next < kChainLength && !ChainAlive(chain, next, next == 0 ? nearKey_[0] : rightKey, wordsPerSquare)) return false;
  if (chain == 0 && !ChainAlive(1, 0, nearKey_[1], wordsPerSquare)) return false;
  return SquareWordMatching(wordsPerSquare, model_.WordCount()).CoversEverySquare();
}

bool FillSearch::HasFreePair(int chain, int k, std::size_t cls) const {
  return freePairs_[classBase_[chain][k] + cls] > 0;
}

bool FillSearch::ChainAlive(int chain, int k, int key, std::vector<std::vector<int>>& wordsPerSquare) const {
  IndexedArray<std::vector<std::uint8_t>, kBoundaryCount> alive;
  IndexedArray<std::vector<std::uint8_t>, kBoundaryCount> reached;
  for (int b = k; b < kBoundaryCount; ++b) {
    alive[b].assign(static_cast<std::size_t>(ChainBoundary(chain, b).KeyCount()), 0);
    reached[b].assign(alive[b].size(), 0);
  }
  alive[kBoundaryCount - 1][static_cast<std::size_t>(farKey_[chain])] = 1;
  for (int square = kChainLength - 1; square >= k; --square) {
    const SquareTable& table = model_.Table(chain, square);
    for (std::size_t i = 0; i < table.classes.size(); ++i) {
      const PairClass& cls = table.classes[i];
      if (alive[square + 1][cls.right] && HasFreePair(chain, square, i)) alive[square][cls.left] = 1;
    }
  }
  if (!alive[k][static_cast<std::size_t>(key)]) return false;
  reached[k][static_cast<std::size_t>(key)] = 1;
  std::vector<std::uint8_t> listed(used_.size(), 0);
  for (int square = k; square < kChainLength; ++square) {
    const SquareTable& table = model_.Table(chain, square);
    std::vector<int>& words = wordsPerSquare.emplace_back();
    std::fill(listed.begin(), listed.end(), 0);
    for (const PairClass& cls : table.classes) {
      if (!reached[square][cls.left] || !alive[square + 1][cls.right]) continue;
      for (std::uint32_t j = 0; j < cls.count; ++j) {
        const std::uint32_t word = table.pairs[cls.first + j] >> 3;
        if (used_[word]) continue;
        reached[square + 1][cls.right] = 1;
        if (!listed[word]) words.push_back(static_cast<int>(word));
        listed[word] = 1;
      }
    }
  }
  return true;
}

std::optional<ChainFill> FillSearch::DrawRepeatFreeWalk(RandomSource& random, int tries) const {
  std::vector<int> lastWalk(used_.size(), -1);  // the walk that last took each word
  ChainFill fill{};
  for (int walk = 0; walk < tries; ++walk) {
    if (WalkWithoutRepeats(random, walk, lastWalk, fill)) return fill;
  }
  return std::nullopt;
}

/// One walk down both chains, each step a pair drawn in proportion to the completions after it;
/// it stops early, returning false, at the first word that is excluded or already taken.
bool FillSearch::WalkWithoutRepeats(RandomSource& random, int walk, std::vector<int>& lastWalk, ChainFill& fill) const {
  for (int c = 0; c < kChainCount; ++c) {
    const ChainCounts& counts = *counts_[c];
    int key = nearKey_[c];
    for (int k = 0; k < kChainLength; ++k) {
      const SquareTable& table = model_.Table(c, k);
      const std::vector<double>& after = counts[k + 1];
      double x = random.Fraction() * counts[k][static_cast<std::size_t>(key)];
      const PairClass* chosen = nullptr;
      for (std::uint32_t i = table.classBegin[static_cast<std::size_t>(key)]; i < table.classBegin[static_cast<std::size_t>(key) + 1]; ++i) {
        const PairClass& cls = table.classes[i];
        const double weight = cls.count * after[cls.right];
        if (weight == 0.0) continue;
        chosen = &cls;
        if (x < weight) break;
        x -= weight;
      }
      if (!chosen) return false;  // no walk at all: callers check WalkCount first
      const PairCode code = table.pairs[chosen->first + static_cast<std::uint32_t>(random.Draw(static_cast<int>(chosen->count)) - 1)];
      int& taken = lastWalk[code >> 3];
      if (used_[code >> 3] || taken == walk) return false;
      taken = walk;
      fill[c * kChainLength + k] = code;
      key = chosen->right;
    }
  }
  return true;
}

}  // namespace loopword::exact
