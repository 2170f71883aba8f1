// The searches over the word list that the compile driver needs for one square at a time.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "board/board.h"
#include "words/dictionary.h"

namespace loopword {

/// One ranking line: an open square and its number of fitting (word, rotation) pairs.
struct RankLine {
  int count = 0;
  int square = 0;
  friend bool operator==(const RankLine&, const RankLine&) = default;
};

/// One candidate line: a fitting rotation of an available word and its score.
struct Candidate {
  std::int64_t score = 0;
  /// Row of the word in the dictionary (1..WordCount).
  int word = 0;
  /// The rotation as it goes into the square's ring.
  Word ring{};
  /// Ring position of the word's first letter: 10 - rotation, so 9 for an unrotated word.
  int startDigit = 0;
  friend bool operator==(const Candidate&, const Candidate&) = default;
};

/// What the candidate search found for one square.
struct CandidateList {
  /// Number of fitting (word, rotation) pairs.
  int total = 0;
  /// With more than one pair: every best-scoring line from the highest in line order down,
  /// then the one line just below them; with exactly one pair: that pair; otherwise empty.
  std::vector<Candidate> shortlist;
};

/// True for the pattern characters that fit any letter: free '.', pending '*' and a space.
inline bool IsWildcard(char c) { return c == '.' || c == '*' || c == ' '; }

/// The pattern as the search reads it: 8 characters, spaces and missing characters free ('.').
std::string NormalisedPattern(const std::string& pattern);

/// Ranks open squares and lists candidates over the available words of one dictionary.
class CandidateSearch {
 public:
  virtual ~CandidateSearch() = default;

  /// Makes every word of the dictionary available again (start of an attempt).
  virtual void MakeAllAvailable() = 0;
  /// Withdraws word row `word` (1..WordCount) and every other row holding the same word.
  virtual void Withdraw(int word) = 0;
  /// The open squares with at least one fixed letter and one fitting pair, fewest pairs first,
  /// equal counts by lower square number.
  virtual std::vector<RankLine> RankOpenSquares(const Board& board) = 0;
  /// The fitting rotations of available words for `pattern` (8 characters) and the shortlist
  /// to choose from, scored by the letter weights of the pending ('*') cells.
  virtual CandidateList FindCandidates(const std::string& pattern) = 0;
};

/// The straight scan: every available word in all 8 rotations, lines kept in text order.
std::unique_ptr<CandidateSearch> MakeReferenceSearch(std::shared_ptr<const Dictionary> words);
/// The indexed search: bitsets per (ring position, letter), counts kept up to date.
std::unique_ptr<CandidateSearch> MakeIndexedSearch(std::shared_ptr<const Dictionary> words);

}  // namespace loopword
