// The indexed search: one bitset per (ring position, letter) over all (word, rotation) pairs.
//
// Pair (w, r) is bit 8·(w − 1) + (r − 1), so the 8 rotations of a word fill one byte and
// withdrawing a word clears one byte of the availability bitset.
//
// A pair's score depends only on its letters at the pending cells, so candidates are found per
// letter combination rather than per pair: the fitting pairs are split by those letters,
// heaviest first, and only the best-scoring pairs and the highest line of the next lower score
// ever become candidate lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "board/letters.h"
#include "board/processor_paths.h"
#include "compiler/candidate_search.h"
#include "compiler/word_groups.h"

namespace loopword {

namespace {

using Block = std::uint64_t;
constexpr int kLetters = 26;
constexpr std::size_t kWordsPerBlock = 64 / kWordLength;

/// A letter the pattern fixes at one ring position.
struct FixedCell {
  int position;  // 0..7
  int letter;    // 0..25 for A..Z; anything else fits no word
  friend bool operator==(const FixedCell&, const FixedCell&) = default;
};

/// One block of a set of pairs that holds at least one of them.
struct SetBlock {
  std::size_t index;
  Block bits;
};

/// A set of pairs kept as its non-empty blocks, in a buffer that grows but never shrinks, so
/// refilling a set clears nothing.
class SparseSet {
 public:
  [[nodiscard]] const SetBlock* begin() const { return buffer_.data(); }
  [[nodiscard]] const SetBlock* end() const { return buffer_.data() + size_; }
  [[nodiscard]] SetBlock* begin() { return buffer_.data(); }
  [[nodiscard]] SetBlock* end() { return buffer_.data() + size_; }
  [[nodiscard]] auto rbegin() const { return std::make_reverse_iterator(end()); }
  [[nodiscard]] auto rend() const { return std::make_reverse_iterator(begin()); }
  [[nodiscard]] std::size_t size() const { return size_; }
  [[nodiscard]] bool empty() const { return size_ == 0; }
  void clear() { size_ = 0; }

  /// Room for `count` blocks from the start of the set; Resize then says how many are in use.
  SetBlock* Room(std::size_t count) {
    if (buffer_.size() < count) buffer_.resize(count);
    return buffer_.data();
  }
  /// Keeps the first `count` blocks written through Room.
  void Resize(std::size_t count) { size_ = count; }
  /// Adds the blocks of another set at the end.
  void Append(const SparseSet& other) {
    std::copy(other.begin(), other.end(), Room(size_ + other.size_) + size_);
    size_ += other.size_;
  }

 private:
  std::vector<SetBlock> buffer_;
  std::size_t size_ = 0;
};

/// The 8 rotation shifts (rotation − 1) of one word in some order.
using Shifts = std::array<std::uint8_t, kWordLength>;

/// The fixed letters of a pattern; the other characters fit anything.
std::vector<FixedCell> FixedCells(const std::string& pattern) {
  std::vector<FixedCell> fixed;
  for (int k = 0; k < kWordLength && k < static_cast<int>(pattern.size()); ++k) {
    const char c = pattern[static_cast<std::size_t>(k)];
    if (!IsWildcard(c)) fixed.push_back({k, c - 'A'});
  }
  return fixed;
}

/// The ring positions (0..7) of the pending cells of a normalised pattern.
std::vector<int> PendingPositions(const std::string& pattern) {
  std::vector<int> pending;
  for (int k = 0; k < kWordLength; ++k) {
    if (pattern[static_cast<std::size_t>(k)] == kPendingCell) pending.push_back(k);
  }
  return pending;
}

/// Candidate order inside the sorted list: score, word row, ring string, start digit.
bool LineBefore(const Candidate& a, const Candidate& b) {
  if (a.score != b.score) return a.score < b.score;
  if (a.word != b.word) return a.word < b.word;
  if (a.ring != b.ring) return a.ring < b.ring;
  return a.startDigit < b.startDigit;
}

/// Number of pairs in a set.
int CountPairs(const SparseSet& set) {
  int count = 0;
  for (const SetBlock& block : set) count += std::popcount(block.bits);
  return count;
}

/// The rotation bits (bit = shift) of the word in slot 0..7 of a block.
unsigned RotationsInSlot(Block bits, std::size_t slot) {
  return static_cast<unsigned>(bits >> (slot * kWordLength)) & 0xFFU;
}

/// Keeps in `out` the pairs of `set` whose bit is also set in `letter`, a bitset over all pairs.
void Refine(const SparseSet& set, const Block* letter, SparseSet& out) {
  SetBlock* room = out.Room(set.size());
  std::size_t kept = 0;
  for (const SetBlock& block : set) {
    const Block bits = block.bits & letter[block.index];
    room[kept] = {block.index, bits};
    kept += bits != 0 ? 1 : 0;
  }
  out.Resize(kept);
}

/// Sorts a set joined from several disjoint sets by block and merges the blocks that repeat.
void MergeSameBlocks(SparseSet& set) {
  std::sort(set.begin(), set.end(), [](const SetBlock& a, const SetBlock& b) { return a.index < b.index; });
  SetBlock* const blocks = set.begin();
  std::size_t kept = 0;
  for (std::size_t i = 0; i < set.size(); ++i) {
    if (kept > 0 && blocks[kept - 1].index == blocks[i].index) {
      blocks[kept - 1].bits |= blocks[i].bits;
    } else {
      blocks[kept++] = blocks[i];
    }
  }
  set.Resize(kept);
}

/// Candidate search over the letter bitsets, with the fitting pairs of each square kept between rankings.
class IndexedSearch final : public CandidateSearch {
 public:
  explicit IndexedSearch(std::shared_ptr<const Dictionary> words)
      : words_(std::move(words)),
        groups_(*words_),
        pairs_(static_cast<std::size_t>(words_->WordCount()) * kWordLength),
        blocks_((pairs_ + 63) / 64),
        lineOrder_(static_cast<std::size_t>(words_->WordCount())),
        letterBits_(static_cast<std::size_t>(kWordLength * kLetters) * blocks_, 0),
        available_(blocks_, 0) {
    for (int w = 1; w <= words_->WordCount(); ++w) {
      IndexWord(w);
      lineOrder_[static_cast<std::size_t>(w - 1)] = LineOrder(w);
    }
    OrderLettersByWeight();
    MakeAllAvailable();
  }

  void MakeAllAvailable() override {
    std::fill(available_.begin(), available_.end(), ~Block{0});
    if (pairs_ % 64 != 0) available_.back() = (Block{1} << (pairs_ % 64)) - 1;
    for (CachedFitting& cached : cache_) cached.valid = false;
  }

  void Withdraw(int word) override {
    for (int row : groups_.SameWord(word)) {
      const std::size_t first = PairIndex(row, 1);
      Block& block = available_[first / 64];
      const Block byte = Block{0xFF} << (first % 64);
      if ((block & byte) == 0) continue;
      block &= ~byte;
      ForgetInCachedFittings(row);
    }
  }

  std::vector<RankLine> RankOpenSquares(const Board& board) override {
    std::vector<RankLine> ranking;
    for (int s = 1; s <= kSquareCount; ++s) {
      const std::string& pattern = board.SquarePattern[s];
      const std::vector<FixedCell> fixed = FixedCells(pattern);
      if (fixed.empty() || fixed.size() == kWordLength) continue;
      if (board.SquareMark[s] == MarkOn) continue;
      const int count = CachedCountFor(s, pattern, fixed);
      if (count > 0) ranking.push_back({count, s});
    }
    std::sort(ranking.begin(), ranking.end(), [](const RankLine& a, const RankLine& b) {
      return a.count != b.count ? a.count < b.count : a.square < b.square;
    });
    return ranking;
  }

  CandidateList FindCandidates(const std::string& squarePattern) override { return CandidatesFor(squarePattern); }

 private:
  /// The candidates of FindCandidates, built for processors with and without POPCNT (which a
  /// virtual function cannot be).
  LOOPWORD_POPCOUNT_PATHS CandidateList CandidatesFor(const std::string& squarePattern) {
    const std::string pattern = NormalisedPattern(squarePattern);
    pending_ = PendingPositions(pattern);
    FittingPairs(FixedCells(pattern), levels_[0]);
    const int total = CountPairs(levels_[0]);
    if (total == 0) return {};
    classes_.Clear();
    SplitByPendingLetters(0, 0);
    return Shortlist(total);
  }

  /// The pairs that fitted one square's pattern when it was last counted, and how many still fit.
  struct CachedFitting {
    bool valid = false;
    std::string pattern;
    std::vector<FixedCell> fixed;
    SparseSet pairs;  // may still hold pairs withdrawn since
    int count = 0;
  };

  /// The best score met so far with its pairs, and the highest line of the next lower score.
  struct ScoreClasses {
    std::optional<std::int64_t> best;
    SparseSet bestPairs;      // the pairs of every letter combination that scores `best`
    int bestCombinations = 0; // how many combinations were joined into bestPairs
    std::optional<Candidate> runnerUp;

    /// Forgets everything, keeping the memory.
    void Clear() {
      best.reset();
      bestPairs.clear();
      bestCombinations = 0;
      runnerUp.reset();
    }
  };

  /// Bit number of pair (word row, rotation).
  static std::size_t PairIndex(int word, int rotation) {
    return static_cast<std::size_t>(word - 1) * kWordLength + static_cast<std::size_t>(rotation - 1);
  }

  /// The bitset of the pairs with `letter` at ring position `position`.
  Block* LetterBlocks(int position, int letter) {
    return letterBits_.data() + static_cast<std::size_t>(position * kLetters + letter) * blocks_;
  }
  const Block* LetterBlocks(int position, int letter) const {
    return letterBits_.data() + static_cast<std::size_t>(position * kLetters + letter) * blocks_;
  }

  /// Sets the bits of every rotation of word row `word` in the letter bitsets.
  void IndexWord(int word) {
    for (int r = 1; r <= kWordLength; ++r) {
      const Word& ring = words_->WordList(word, r);
      const std::size_t pair = PairIndex(word, r);
      for (int k = 0; k < kWordLength; ++k) {
        const char c = ring[static_cast<std::size_t>(k)];
        if (IsCapitalLetter(c)) LetterBlocks(k, c - 'A')[pair / 64] |= Block{1} << (pair % 64);
      }
    }
  }

  /// The shifts of word row `word` in ascending line order: ring string, then start digit.
  Shifts LineOrder(int word) const {
    Shifts order{};
    std::iota(order.begin(), order.end(), std::uint8_t{0});
    std::sort(order.begin(), order.end(), [this, word](std::uint8_t a, std::uint8_t b) {
      const Word& ringA = words_->WordList(word, a + 1);
      const Word& ringB = words_->WordList(word, b + 1);
      return ringA != ringB ? ringA < ringB : a > b;  // start digit 10 - rotation rises as the shift falls
    });
    return order;
  }

  /// Lists the letters from the heaviest letter weight down.
  void OrderLettersByWeight() {
    const auto& weight = words_->LetterWeight();
    std::iota(lettersByWeight_.begin(), lettersByWeight_.end(), 0);
    std::stable_sort(lettersByWeight_.begin(), lettersByWeight_.end(),
                     [&weight](int a, int b) { return weight[static_cast<std::size_t>(a)] > weight[static_cast<std::size_t>(b)]; });
    heaviest_ = weight[static_cast<std::size_t>(lettersByWeight_.front())];
  }

  /// The available pairs that have the fixed letters.
  void CollectFitting(const std::vector<FixedCell>& fixed, SparseSet& fitting) const {
    std::array<const Block*, kWordLength> letters{};
    std::size_t count = 0;
    fitting.clear();
    for (const FixedCell& cell : fixed) {
      if (cell.letter < 0 || cell.letter >= kLetters) return;  // no word has such a letter
      letters[count++] = LetterBlocks(cell.position, cell.letter);
    }
    SetBlock* room = fitting.Room(blocks_);
    std::size_t kept = 0;
    for (std::size_t b = 0; b < blocks_; ++b) {
      Block bits = available_[b];
      for (std::size_t i = 0; i < count; ++i) bits &= letters[i][b];
      room[kept] = {b, bits};
      kept += bits != 0 ? 1 : 0;
    }
    fitting.Resize(kept);
  }

  /// The available pairs that have the fixed letters, from a square's cached pairs if one has them.
  void FittingPairs(const std::vector<FixedCell>& fixed, SparseSet& fitting) const {
    const auto cached = std::find_if(cache_.begin(), cache_.end(), [&fixed](const CachedFitting& entry) {
      return entry.valid && entry.fixed == fixed;
    });
    if (cached == cache_.end()) return CollectFitting(fixed, fitting);
    Refine(cached->pairs, available_.data(), fitting);
  }

  /// The number of fitting pairs for square `square`, counted again only when its pattern changed.
  LOOPWORD_POPCOUNT_PATHS int CachedCountFor(int square, const std::string& pattern, const std::vector<FixedCell>& fixed) {
    CachedFitting& cached = cache_[square];
    if (!cached.valid || cached.pattern != pattern) {
      cached.valid = true;
      cached.pattern = pattern;
      cached.fixed = fixed;
      CollectFitting(fixed, cached.pairs);
      cached.count = CountPairs(cached.pairs);
    }
    return cached.count;
  }

  /// Takes the rotations of a withdrawn word out of every count it was part of.
  void ForgetInCachedFittings(int word) {
    for (CachedFitting& cached : cache_) {
      if (!cached.valid) continue;
      for (int r = 1; r <= kWordLength; ++r) {
        if (FitsFixed(words_->WordList(word, r), cached.fixed)) --cached.count;
      }
    }
  }

  /// True when `ring` has every fixed letter.
  static bool FitsFixed(const Word& ring, const std::vector<FixedCell>& fixed) {
    return std::all_of(fixed.begin(), fixed.end(), [&ring](const FixedCell& cell) {
      return ring[static_cast<std::size_t>(cell.position)] - 'A' == cell.letter;
    });
  }

  /// Splits the pairs at `depth` by their letter at the next pending cell, heaviest letters
  /// first, down to whole letter combinations; stops where no letter can reach the runner-up.
  void SplitByPendingLetters(std::size_t depth, std::int64_t score) {
    if (depth == pending_.size()) return TakeCombination(levels_[depth], score);
    const auto& weight = words_->LetterWeight();
    const std::int64_t laterAtMost = heaviest_ * static_cast<std::int64_t>(pending_.size() - depth - 1);
    for (const int letter : lettersByWeight_) {
      const std::int64_t reached = score + weight[static_cast<std::size_t>(letter)];
      if (classes_.runnerUp && reached + laterAtMost < classes_.runnerUp->score) return;
      const Block* letterBits = LetterBlocks(pending_[depth], letter);
      if (depth + 1 == pending_.size() && classes_.best && reached < *classes_.best) {
        OfferRunnerUp(levels_[depth], letterBits, reached);
        continue;
      }
      Refine(levels_[depth], letterBits, levels_[depth + 1]);
      if (!levels_[depth + 1].empty()) SplitByPendingLetters(depth + 1, reached);
    }
  }

  /// Offers the highest line among the pairs of `set` that are also in `letter` as the runner-up;
  /// they all score `score`, below the best.
  void OfferRunnerUp(const SparseSet& set, const Block* letter, std::int64_t score) {
    for (auto block = set.rbegin(); block != set.rend(); ++block) {
      const Block bits = block->bits & letter[block->index];
      if (bits == 0) continue;
      const Candidate line = HighestLineIn({block->index, bits}, score);
      if (!classes_.runnerUp || LineBefore(*classes_.runnerUp, line)) classes_.runnerUp = line;
      return;
    }
  }

  /// Files the pairs of one letter combination at the pending cells under their score.
  void TakeCombination(const SparseSet& pairs, std::int64_t score) {
    ScoreClasses& classes = classes_;
    if (!classes.best || score > *classes.best) {
      if (classes.best) classes.runnerUp = HighestLine(classes.bestPairs, *classes.best);
      classes.best = score;
      classes.bestPairs.clear();
      classes.bestPairs.Append(pairs);
      classes.bestCombinations = 1;
    } else if (score == *classes.best) {
      classes.bestPairs.Append(pairs);
      ++classes.bestCombinations;
    } else if (!classes.runnerUp || score >= classes.runnerUp->score) {
      const Candidate line = HighestLine(pairs, score);
      if (!classes.runnerUp || LineBefore(*classes.runnerUp, line)) classes.runnerUp = line;
    }
  }

  /// The last line in line order among `pairs`, which all score `score`.
  Candidate HighestLine(const SparseSet& pairs, std::int64_t score) const {
    std::size_t top = 0;
    for (const SetBlock& block : pairs) top = std::max(top, block.index);
    Block bits = 0;
    for (const SetBlock& block : pairs) bits |= block.index == top ? block.bits : 0;
    return HighestLineIn({top, bits}, score);
  }

  /// The last line in line order among the pairs of one block, which all score `score`.
  Candidate HighestLineIn(const SetBlock& block, std::int64_t score) const {
    const auto slot = static_cast<std::size_t>(63 - std::countl_zero(block.bits)) / kWordLength;
    const std::size_t word = block.index * kWordsPerBlock + slot;
    const Shifts& order = lineOrder_[word];
    const unsigned rotations = RotationsInSlot(block.bits, slot);
    std::size_t i = kWordLength - 1;
    while ((rotations >> order[i] & 1U) == 0) --i;
    return MakeCandidate(word, order[i], score);
  }

  /// Every best-scoring line from the highest down, then the highest line below them.
  LOOPWORD_POPCOUNT_PATHS CandidateList Shortlist(int total) {
    CandidateList result;
    result.total = total;
    SparseSet& best = classes_.bestPairs;
    if (classes_.bestCombinations > 1) MergeSameBlocks(best);
    result.shortlist.reserve(static_cast<std::size_t>(CountPairs(best)) + 1);
    for (auto block = best.rbegin(); block != best.rend(); ++block) {
      AppendBlockDescending(*block, *classes_.best, result.shortlist);
    }
    if (classes_.runnerUp) result.shortlist.push_back(*classes_.runnerUp);
    return result;
  }

  /// Appends the lines of the pairs in one block, from the highest line down.
  void AppendBlockDescending(const SetBlock& block, std::int64_t score, std::vector<Candidate>& lines) const {
    for (Block bits = block.bits; bits != 0;) {
      const auto slot = static_cast<std::size_t>(63 - std::countl_zero(bits)) / kWordLength;
      AppendWordDescending(block.index * kWordsPerBlock + slot, RotationsInSlot(bits, slot), score, lines);
      bits &= ~(Block{0xFF} << (slot * kWordLength));
    }
  }

  /// Appends the lines of word index `word` for the shifts in `rotations`, from the highest down.
  void AppendWordDescending(std::size_t word, unsigned rotations, std::int64_t score,
                            std::vector<Candidate>& lines) const {
    if (std::has_single_bit(rotations)) {
      lines.push_back(MakeCandidate(word, static_cast<std::uint8_t>(std::countr_zero(rotations)), score));
      return;
    }
    const Shifts& order = lineOrder_[word];
    for (std::size_t i = kWordLength; i-- > 0;) {
      if ((rotations >> order[i] & 1U) != 0) lines.push_back(MakeCandidate(word, order[i], score));
    }
  }

  /// The line of word index `word` (row − 1) rotated by `shift` (rotation − 1).
  Candidate MakeCandidate(std::size_t word, std::uint8_t shift, std::int64_t score) const {
    const int row = static_cast<int>(word) + 1;
    const int rotation = shift + 1;
    return {score, row, words_->WordList(row, rotation), 10 - rotation};
  }

  std::shared_ptr<const Dictionary> words_;
  WordGroups groups_;
  std::size_t pairs_;
  std::size_t blocks_;
  std::vector<Shifts> lineOrder_;  // per word index, its shifts in ascending line order
  std::vector<Block> letterBits_;
  std::vector<Block> available_;
  SquareArray<CachedFitting> cache_;
  std::array<int, kLetters> lettersByWeight_{};   // letters 0..25, heaviest first
  std::int64_t heaviest_ = 0;                     // the largest letter weight
  std::vector<int> pending_;                      // pending positions of the pattern being searched
  std::array<SparseSet, kWordLength + 1> levels_; // fitting pairs, then split by 1, 2, ... pending letters
  ScoreClasses classes_;                          // what the split found for the pattern being searched
};

}  // namespace

std::unique_ptr<CandidateSearch> MakeIndexedSearch(std::shared_ptr<const Dictionary> words) {
  return std::make_unique<IndexedSearch>(std::move(words));
}

}  // namespace loopword
