// The straight scan over every available word in all rotations, with text lines in sorted lists.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "board/whole_number.h"
#include "compiler/candidate_search.h"
#include "compiler/word_groups.h"

namespace loopword {

namespace {

/// Digits of the score column: wide enough for any score (at most 8 letters of 392,000
/// occurrences each), so the lines' text order stays their numeric order.
constexpr std::size_t kScoreDigits = 12;
/// Where the candidate line's word index, ring and start digit begin.
constexpr std::size_t kWordColumn = kScoreDigits + 1;
constexpr std::size_t kRingColumn = kWordColumn + 7;
constexpr std::size_t kDigitColumn = kRingColumn + 9;

/// The zero-padded number in `length` columns of `line` from `from`.
std::int64_t NumberAt(const std::string& line, std::size_t from, std::size_t length) {
  return WholeNumber(std::string_view(line).substr(from, length), std::int64_t{0}, INT64_MAX).value_or(0);
}

Candidate ParseCandidateLine(const std::string& line) {
  Candidate candidate;
  candidate.score = NumberAt(line, 0, kScoreDigits);
  candidate.word = static_cast<int>(NumberAt(line, kWordColumn, 6));
  candidate.ring = ToWord(std::string_view(line).substr(kRingColumn, 8));
  candidate.startDigit = line[kDigitColumn] - '0';
  return candidate;
}

class ReferenceSearch final : public CandidateSearch {
 public:
  explicit ReferenceSearch(std::shared_ptr<const Dictionary> words)
      : words_(std::move(words)), groups_(*words_), available_(static_cast<std::size_t>(words_->WordCount()) + 1, true) {}

  void MakeAllAvailable() override { std::fill(available_.begin(), available_.end(), true); }

  void Withdraw(int word) override {
    for (int row : groups_.SameWord(word)) available_[static_cast<std::size_t>(row)] = false;
  }

  std::vector<RankLine> RankOpenSquares(const Board& board) override {
    std::vector<std::string> list1;
    for (int s = 1; s <= kSquareCount; ++s) {
      const std::string& pattern = board.SquarePattern[s];
      const auto fixed = std::count_if(pattern.begin(), pattern.end(), [](char c) { return !IsWildcard(c); });
      if (fixed == 0 || fixed == kWordLength) continue;
      if (board.SquareMark[s] == MarkOn) continue;
      const int count = CountFitting(MatchPattern(NormalisedPattern(pattern)));
      if (count > 0) {
        char line[32];
        std::snprintf(line, sizeof line, "%06d %02d", count, s);
        list1.emplace_back(line);
      }
    }
    std::sort(list1.begin(), list1.end());  // the order of insertion at each line's sorted place
    std::vector<RankLine> ranking;
    for (const std::string& line : list1) {
      ranking.push_back({static_cast<int>(NumberAt(line, 0, 6)), static_cast<int>(NumberAt(line, 7, 2))});
    }
    return ranking;
  }

  CandidateList FindCandidates(const std::string& pattern) override {
    const std::string marks = NormalisedPattern(pattern);
    const std::string match = MatchPattern(marks);
    std::vector<std::string> list1;
    for (int w = 1; w <= words_->WordCount(); ++w) {
      if (!available_[static_cast<std::size_t>(w)]) continue;
      for (int r = 1; r <= kWordLength; ++r) {
        const Word& ring = words_->WordList(w, r);
        if (!FitsPattern(ring, match)) continue;
        list1.push_back(CandidateLine(Score(ring, marks), w, ring, r));
      }
    }
    std::sort(list1.begin(), list1.end());  // the order of insertion at each line's sorted place
    return Shortlist(list1);
  }

 private:
  static std::string MatchPattern(std::string pattern) {
    for (char& c : pattern) {
      if (IsWildcard(c)) c = '.';
    }
    return pattern;
  }

  int CountFitting(const std::string& match) const {
    int count = 0;
    for (int w = 1; w <= words_->WordCount(); ++w) {
      if (!available_[static_cast<std::size_t>(w)]) continue;
      for (int r = 1; r <= kWordLength; ++r) count += FitsPattern(words_->WordList(w, r), match) ? 1 : 0;
    }
    return count;
  }

  std::int64_t Score(const Word& ring, const std::string& marks) const {
    std::int64_t score = 0;
    for (std::size_t k = 0; k < kWordLength; ++k) {
      if (marks[k] == kPendingCell) score += words_->LetterWeight()[static_cast<std::size_t>(ring[k] - 'A')];
    }
    return score;
  }

  static std::string CandidateLine(std::int64_t score, int w, const Word& ring, int r) {
    char line[64];
    std::snprintf(line, sizeof line, "%0*lld %06d %s %d", static_cast<int>(kScoreDigits), static_cast<long long>(score), w,
                  ToString(ring).c_str(), 10 - r);
    return line;
  }

  /// The best-scoring lines from the last one backwards, then the first line below them.
  static CandidateList Shortlist(const std::vector<std::string>& list1) {
    CandidateList result;
    result.total = static_cast<int>(list1.size());
    if (list1.size() == 1) result.shortlist.push_back(ParseCandidateLine(list1.front()));
    if (list1.size() <= 1) return result;
    const std::int64_t best = NumberAt(list1.back(), 0, kScoreDigits);
    for (auto line = list1.rbegin(); line != list1.rend(); ++line) {
      result.shortlist.push_back(ParseCandidateLine(*line));
      if (NumberAt(*line, 0, kScoreDigits) < best) break;
    }
    return result;
  }

  std::shared_ptr<const Dictionary> words_;
  WordGroups groups_;
  std::vector<bool> available_;
};

}  // namespace

std::unique_ptr<CandidateSearch> MakeReferenceSearch(std::shared_ptr<const Dictionary> words) {
  return std::make_unique<ReferenceSearch>(std::move(words));
}

}  // namespace loopword
