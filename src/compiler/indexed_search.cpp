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

/// Collects the shortlist from candidates fed in ascending line order within each score.
class ShortlistBuilder {
 public:
  void Add(const Candidate& candidate) {
    ++total_;
    if (best_.empty() || candidate.score > best_.front().score) {
      if (!best_.empty()) KeepBelow(best_.back());
      best_.assign(1, candidate);
    } else if (candidate.score == best_.front().score) {
      best_.push_back(candidate);
    } else {
      KeepBelow(candidate);
    }
  }

  CandidateList Finish() {
    CandidateList result;
    result.total = total_;
    result.shortlist.assign(best_.rbegin(), best_.rend());
    if (total_ > 1 && below_) result.shortlist.push_back(*below_);
    return result;
  }

 private:
  void KeepBelow(const Candidate& candidate) {
    if (!below_ || LineBefore(*below_, candidate)) below_ = candidate;
  }

  int total_ = 0;
  std::vector<Candidate> best_;  // every line of the best score so far, ascending
  std::optional<Candidate> below_;
};

class IndexedSearch final : public CandidateSearch {
 public:
  explicit IndexedSearch(std::shared_ptr<const Dictionary> words)
      : words_(std::move(words)),
        groups_(*words_),
        blocks_((static_cast<std::size_t>(words_->WordCount()) * kWordLength + 63) / 64),
        letterBits_(static_cast<std::size_t>(kWordLength * kLetters) * blocks_, 0),
        available_(blocks_, 0),
        scratch_(blocks_, 0) {
    for (int w = 1; w <= words_->WordCount(); ++w) {
      for (int r = 1; r <= kWordLength; ++r) {
        const Word& ring = words_->WordList(w, r);
        const std::size_t pair = PairIndex(w, r);
        for (int k = 0; k < kWordLength; ++k) {
          const char c = ring[static_cast<std::size_t>(k)];
          if (IsLetter(c)) LetterBlocks(k, c - 'A')[pair / 64] |= Block{1} << (pair % 64);
        }
      }
    }
    MakeAllAvailable();
  }

  void MakeAllAvailable() override {
    std::fill(available_.begin(), available_.end(), ~Block{0});
    const std::size_t pairs = static_cast<std::size_t>(words_->WordCount()) * kWordLength;
    if (pairs % 64 != 0) available_.back() = (Block{1} << (pairs % 64)) - 1;
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
    const std::vector<Block>& mask = Matching(fixed);
    ShortlistBuilder shortlist;
    for (std::size_t b = 0; b < blocks_; ++b) {
      for (Block bits = mask[b]; bits != 0;) {
        const int word = static_cast<int>((b * 64 + static_cast<std::size_t>(std::countr_zero(bits))) / kWordLength) + 1;
        CollectRotations(word, pattern, mask);
        std::sort(wordCandidates_.begin(), wordCandidates_.end(), LineBefore);
        for (const Candidate& candidate : wordCandidates_) shortlist.Add(candidate);
        bits &= ~(Block{0xFF} << (PairIndex(word, 1) % 64));
      }
    }
    return shortlist.Finish();
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

  /// The available pairs that fit the fixed cells, in the scratch bitset.
  const std::vector<Block>& Matching(const std::vector<FixedCell>& fixed) {
    std::copy(available_.begin(), available_.end(), scratch_.begin());
    for (const FixedCell& cell : fixed) {
      if (cell.letter < 0 || cell.letter >= kLetters) {
        std::fill(scratch_.begin(), scratch_.end(), 0);
        break;
      }
      const Block* letter = LetterBlocks(cell.position, cell.letter);
      for (std::size_t b = 0; b < blocks_; ++b) scratch_[b] &= letter[b];
    }
    return scratch_;
  }

  int CountMatching(const std::vector<FixedCell>& fixed) {
    int count = 0;
    for (Block block : Matching(fixed)) count += std::popcount(block);
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

  /// Puts the fitting rotations of one word, scored, into wordCandidates_.
  void CollectRotations(int word, const std::string& pattern, const std::vector<Block>& mask) {
    wordCandidates_.clear();
    for (int r = 1; r <= kWordLength; ++r) {
      const std::size_t pair = PairIndex(word, r);
      if ((mask[pair / 64] >> (pair % 64) & 1) == 0) continue;
      const Word& ring = words_->WordList(word, r);
      wordCandidates_.push_back({Score(ring, pattern), word, ring, 10 - r});
    }
  }

  std::int64_t Score(const Word& ring, const std::string& pattern) const {
    std::int64_t score = 0;
    for (std::size_t k = 0; k < kWordLength; ++k) {
      if (pattern[k] == kPendingCell) score += words_->LetterWeight()[static_cast<std::size_t>(ring[k] - 'A')];
    }
    return score;
  }

  std::shared_ptr<const Dictionary> words_;
  WordGroups groups_;
  std::size_t blocks_;
  std::vector<Block> letterBits_;
  std::vector<Block> available_;
  std::vector<Block> scratch_;
  std::array<CachedCount, kSquareCount + 1> cache_;
  std::vector<Candidate> wordCandidates_;  // the fitting rotations of the word being scored
};

}  // namespace

std::unique_ptr<CandidateSearch> MakeIndexedSearch(std::shared_ptr<const Dictionary> words) {
  return std::make_unique<IndexedSearch>(std::move(words));
}

}  // namespace loopword
