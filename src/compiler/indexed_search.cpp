// The indexed search: one bitset per (ring position, letter) over all (word, rotation) pairs.
//
// Pair (w, r) is bit 8·(w − 1) + (r − 1), so the 8 rotations of a word fill one byte and
// withdrawing a word clears one byte of the availability bitset.
#include <algorithm>
#include <array>
#include <bit>
#include <optional>

#include "compiler/candidate_search.h"
#include "compiler/word_groups.h"

namespace loopword {

namespace {

using Block = std::uint64_t;
constexpr int kLetters = 26;

struct FixedCell {
  int position;  // 0..7
  int letter;    // 0..25
};

/// The fixed letters of a pattern; the other characters fit anything.
std::vector<FixedCell> FixedCells(const std::string& pattern) {
  std::vector<FixedCell> fixed;
  for (int k = 0; k < kWordLength && k < static_cast<int>(pattern.size()); ++k) {
    const char c = pattern[static_cast<std::size_t>(k)];
    if (!IsWildcard(c)) fixed.push_back({k, c - 'A'});
  }
  return fixed;
}

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

/// Candidate order inside the sorted list: score, word row, ring string, start digit.
bool LineBefore(const Candidate& a, const Candidate& b) {
  if (a.score != b.score) return a.score < b.score;
  if (a.word != b.word) return a.word < b.word;
  if (a.ring != b.ring) return a.ring < b.ring;
  return a.startDigit < b.startDigit;
}

class IndexedSearch final : public CandidateSearch {
 public:
  explicit IndexedSearch(std::shared_ptr<const Dictionary> words)
      : words_(std::move(words)),
        groups_(*words_),
        pairs_(static_cast<std::size_t>(words_->WordCount()) * kWordLength),
        blocks_((pairs_ + 63) / 64),
        wordLetters_(static_cast<std::size_t>(words_->WordCount())),
        letterBits_(static_cast<std::size_t>(kWordLength * kLetters) * blocks_, 0),
        available_(blocks_, 0) {
    for (int w = 1; w <= words_->WordCount(); ++w) {
      for (int r = 1; r <= kWordLength; ++r) {
        const Word& ring = words_->WordList(w, r);
        const std::size_t pair = PairIndex(w, r);
        for (int k = 0; k < kWordLength; ++k) {
          const char c = ring[static_cast<std::size_t>(k)];
          if (!IsLetter(c)) continue;
          LetterBlocks(k, c - 'A')[pair / 64] |= Block{1} << (pair % 64);
          if (r == 1) wordLetters_[static_cast<std::size_t>(w - 1)][static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(c - 'A');
        }
      }
    }
    MakeAllAvailable();
  }

  void MakeAllAvailable() override {
    std::fill(available_.begin(), available_.end(), ~Block{0});
    if (pairs_ % 64 != 0) available_.back() = (Block{1} << (pairs_ % 64)) - 1;
    for (CachedCount& cached : cache_) cached.valid = false;
  }

  void Withdraw(int word) override {
    for (int row : groups_.SameWord(word)) {
      const std::size_t first = PairIndex(row, 1);
      Block& block = available_[first / 64];
      const Block byte = Block{0xFF} << (first % 64);
      if ((block & byte) == 0) continue;
      block &= ~byte;
      ForgetInCachedCounts(row);
    }
  }

  std::vector<RankLine> RankOpenSquares(const Board& board) override {
    std::vector<RankLine> ranking;
    for (int s = 1; s <= kSquareCount; ++s) {
      const std::string& pattern = board.SquarePattern[static_cast<std::size_t>(s)];
      const std::vector<FixedCell> fixed = FixedCells(pattern);
      if (fixed.empty() || fixed.size() == kWordLength) continue;
      if (board.SquareMark[static_cast<std::size_t>(s)] == MarkOn) continue;
      const int count = CachedCountFor(s, pattern, fixed);
      if (count > 0) ranking.push_back({count, s});
    }
    std::sort(ranking.begin(), ranking.end(), [](const RankLine& a, const RankLine& b) {
      return a.count != b.count ? a.count < b.count : a.square < b.square;
    });
    return ranking;
  }

  CandidateList FindCandidates(const std::string& squarePattern) override {
    const std::string pattern = NormalisedPattern(squarePattern);
    const std::vector<FixedCell> fixed = FixedCells(pattern);
    std::vector<std::size_t> pending;  // ring positions (0..7) of the pending cells
    for (std::size_t k = 0; k < kWordLength; ++k) {
      if (pattern[k] == kPendingCell) pending.push_back(k);
    }
    ScoreFittingPairs(fixed, pending);
    return Shortlist();
  }

 private:
  struct CachedCount {
    bool valid = false;
    std::string pattern;
    std::vector<FixedCell> fixed;
    int count = 0;
  };

  static std::size_t PairIndex(int word, int rotation) {
    return static_cast<std::size_t>(word - 1) * kWordLength + static_cast<std::size_t>(rotation - 1);
  }

  Block* LetterBlocks(int position, int letter) {
    return letterBits_.data() + static_cast<std::size_t>(position * kLetters + letter) * blocks_;
  }
  const Block* LetterBlocks(int position, int letter) const {
    return letterBits_.data() + static_cast<std::size_t>(position * kLetters + letter) * blocks_;
  }

  /// Calls visit(block index, fitting pairs of that block) for every block with a fitting pair.
  template <typename Visit>
  void ForEachMatchingBlock(const std::vector<FixedCell>& fixed, Visit visit) const {
    std::array<const Block*, kWordLength> letters{};
    std::size_t count = 0;
    for (const FixedCell& cell : fixed) {
      if (cell.letter < 0 || cell.letter >= kLetters) return;  // no word has such a letter
      letters[count++] = LetterBlocks(cell.position, cell.letter);
    }
    for (std::size_t b = 0; b < blocks_; ++b) {
      Block block = available_[b];
      for (std::size_t i = 0; i < count && block != 0; ++i) block &= letters[i][b];
      if (block != 0) visit(b, block);
    }
  }

  int CountMatching(const std::vector<FixedCell>& fixed) const {
    int count = 0;
    ForEachMatchingBlock(fixed, [&count](std::size_t, Block block) { count += std::popcount(block); });
    return count;
  }

  int CachedCountFor(int square, const std::string& pattern, const std::vector<FixedCell>& fixed) {
    CachedCount& cached = cache_[static_cast<std::size_t>(square)];
    if (!cached.valid || cached.pattern != pattern) {
      cached.valid = true;
      cached.pattern = pattern;
      cached.fixed = fixed;
      cached.count = CountMatching(fixed);
    }
    return cached.count;
  }

  /// Takes the rotations of a withdrawn word out of every count it was part of.
  void ForgetInCachedCounts(int word) {
    for (CachedCount& cached : cache_) {
      if (!cached.valid) continue;
      for (int r = 1; r <= kWordLength; ++r) {
        if (FitsFixed(words_->WordList(word, r), cached.fixed)) --cached.count;
      }
    }
  }

  static bool FitsFixed(const Word& ring, const std::vector<FixedCell>& fixed) {
    return std::all_of(fixed.begin(), fixed.end(), [&ring](const FixedCell& cell) {
      return ring[static_cast<std::size_t>(cell.position)] - 'A' == cell.letter;
    });
  }

  static int WordOf(std::size_t pair) { return static_cast<int>(pair / kWordLength) + 1; }
  static int RotationOf(std::size_t pair) { return static_cast<int>(pair % kWordLength) + 1; }

  Candidate MakeCandidate(std::size_t pair, std::int64_t score) const {
    return {score, WordOf(pair), words_->WordList(WordOf(pair), RotationOf(pair)), 10 - RotationOf(pair)};
  }

  /// Lists the fitting pairs in ascending order with their scores, the sum of the letter
  /// weights at the pending cells.
  void ScoreFittingPairs(const std::vector<FixedCell>& fixed, const std::vector<std::size_t>& pending) {
    const auto& weight = words_->LetterWeight();
    fitting_.clear();
    scores_.clear();
    ForEachMatchingBlock(fixed, [&](std::size_t b, Block bits) {
      while (bits != 0) {
        const std::size_t first = b * 64 + static_cast<std::size_t>(std::countr_zero(bits));
        const std::size_t wordStart = first - first % kWordLength;
        const auto& letters = wordLetters_[wordStart / kWordLength];
        for (Block rotations = bits >> (wordStart % 64) & 0xFF; rotations != 0; rotations &= rotations - 1) {
          const auto shift = static_cast<std::size_t>(std::countr_zero(rotations));  // rotation - 1
          std::int64_t score = 0;
          for (std::size_t k : pending) score += weight[letters[(shift + k) % kWordLength]];
          fitting_.push_back(wordStart + shift);
          scores_.push_back(score);
        }
        bits &= ~(Block{0xFF} << (wordStart % 64));
      }
    });
  }

  /// Every pair of the best score from the last line down, then the highest line below them.
  /// Pairs come in word order, so only the rotations of one word can be out of line order.
  CandidateList Shortlist() const {
    CandidateList result;
    result.total = static_cast<int>(fitting_.size());
    if (fitting_.empty()) return result;
    const std::int64_t best = *std::max_element(scores_.begin(), scores_.end());
    std::int64_t below = -1;
    for (std::int64_t score : scores_) below = score < best ? std::max(below, score) : below;
    for (std::size_t i = 0; i < fitting_.size(); ++i) {
      if (scores_[i] == best) result.shortlist.push_back(MakeCandidate(fitting_[i], best));
    }
    SortWithinWords(result.shortlist);
    std::reverse(result.shortlist.begin(), result.shortlist.end());
    if (below >= 0) result.shortlist.push_back(HighestLineScoring(below));
    return result;
  }

  /// The last line among the fitting pairs that score `score`.
  Candidate HighestLineScoring(std::int64_t score) const {
    std::optional<Candidate> highest;
    for (std::size_t i = fitting_.size(); i-- > 0;) {
      if (scores_[i] != score) continue;
      const Candidate candidate = MakeCandidate(fitting_[i], score);
      if (highest && candidate.word != highest->word) break;
      if (!highest || LineBefore(*highest, candidate)) highest = candidate;
    }
    return *highest;
  }

  static void SortWithinWords(std::vector<Candidate>& candidates) {
    for (auto run = candidates.begin(); run != candidates.end();) {
      const auto end = std::find_if(run, candidates.end(), [run](const Candidate& c) { return c.word != run->word; });
      std::sort(run, end, LineBefore);
      run = end;
    }
  }

  std::shared_ptr<const Dictionary> words_;
  WordGroups groups_;
  std::size_t pairs_;
  std::size_t blocks_;
  std::vector<std::array<std::uint8_t, kWordLength>> wordLetters_;  // letter indexes 0..25 of every word
  std::vector<Block> letterBits_;
  std::vector<Block> available_;
  std::array<CachedCount, kSquareCount + 1> cache_;
  std::vector<std::size_t> fitting_;  // the pairs fitting the pattern being searched, ascending
  std::vector<std::int64_t> scores_;  // their scores
};

}  // namespace

std::unique_ptr<CandidateSearch> MakeIndexedSearch(std::shared_ptr<const Dictionary> words) {
  return std::make_unique<IndexedSearch>(std::move(words));
}

}  // namespace loopword
