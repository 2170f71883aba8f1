// The two loops as chains of 11 squares tied to square 12, with every (word, ring) pair of each
// square grouped by the letters it shares with its chain neighbours, and completion counts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "words/dictionary.h"

namespace loopword::exact {

/// Number of loops: 0 the upper (squares 1..11), 1 the lower (squares 13..23).
inline constexpr int kChainCount = 2;
/// Squares in one chain.
inline constexpr int kChainLength = 11;
/// Boundaries of one chain: square 12 | sq 1 | sq 2 | ... | sq 11 | square 12.
inline constexpr int kBoundaryCount = kChainLength + 1;

/// The cells where one chain square meets the next (or square 12), as ring positions 1..8.
struct Boundary {
  int cells = 0;                ///< 1 to 3 shared cells
  IndexedArray<int, 3> before{};  ///< positions in the earlier square (square 12 for boundary 0)
  IndexedArray<int, 3> after{};   ///< positions in the later square (square 12 for the last)
  /// Number of different letter keys the boundary can carry: 26 to the power of its cells.
  [[nodiscard]] int KeyCount() const { return cells == 1 ? 26 : cells == 2 ? 676 : 17576; }
};

/// The square number of chain `chain` at index `k` (0..10).
int ChainSquare(int chain, int k);
/// Boundary `b` (0..11) of chain `chain`, derived from the overlap rules.
const Boundary& ChainBoundary(int chain, int b);
/// Letter key of `ring` over the cells `positions` (first `cells` entries) of a boundary.
int KeyOf(const Word& ring, const IndexedArray<int, 3>& positions, int cells);

/// A (word, rotation) pair: word id * 8 + rotation r, whose ring begins with the word's letter r+1.
using PairCode = std::uint32_t;

/// The pairs of one chain square sharing one left key and one right key.
struct PairClass {
  std::uint16_t left = 0;
  std::uint16_t right = 0;
  std::uint32_t first = 0;  ///< index of the class's first pair in the square's pair list
  std::uint32_t count = 0;
};

/// Every pair that may go into one chain square, grouped into classes sorted by left key.
struct SquareTable {
  std::vector<PairClass> classes;
  std::vector<std::uint32_t> classBegin;  ///< classes of left key L: [classBegin[L], classBegin[L+1])
  std::vector<PairCode> pairs;
};

/// Completion counts of one chain for one letter at its far end (cell shared with square 12):
/// ways[b][key] = number of ways to fill the squares after boundary b when it carries `key`.
using ChainCounts = IndexedArray<std::vector<double>, kBoundaryCount>;

/// The pairs of a set of distinct words for all 22 chain squares, and their completion counts.
class ChainModel {
 public:
  /// `words` must be distinct. `filters[s]` (if 8 characters) fixes the letters of square s
  /// wherever it holds a letter rather than '.'.
  explicit ChainModel(std::vector<Word> words, const SquareArray<std::string>& filters = {});

  /// These words and `extraWords` after them (ids from WordCount() on), with each square s where
  /// `wordAt[s]` >= 0 holding only word wordAt[s] (in any rotation) and the other squares as here;
  /// their tables are shared, not copied.
  [[nodiscard]] ChainModel WithWordsAt(const std::vector<Word>& extraWords, const SquareArray<int>& wordAt) const;

  /// Number of words.
  [[nodiscard]] int WordCount() const { return static_cast<int>(words_.size()); }
  /// Word `id` (0..WordCount()-1).
  [[nodiscard]] const Word& WordAt(int id) const { return words_[static_cast<std::size_t>(id)]; }
  /// The id of `word`, or -1 when the set does not hold it.
  [[nodiscard]] int Find(const Word& word) const;
  /// The classes and pairs of chain square k of `chain`.
  [[nodiscard]] const SquareTable& Table(int chain, int k) const { return *tables_[chain][k]; }
  /// The ring a pair puts into a square.
  [[nodiscard]] Word RingOf(PairCode pair) const { return Rotated(WordAt(static_cast<int>(pair >> 3)), static_cast<int>(pair & 7)); }
  /// Completion counts of `chain` when its far-end cell holds letter index `letter` (0..25);
  /// computed on first use.
  const ChainCounts& Counts(int chain, int letter) const;
  /// Computes the counts of every chain and far-end letter now.
  void PrepareAllCounts() const;

 private:
  ChainModel() = default;

  std::vector<Word> words_;
  std::vector<int> sortedIds_;
  IndexedArray<IndexedArray<std::shared_ptr<const SquareTable>, kChainLength>, kChainCount> tables_;
  mutable IndexedArray<IndexedArray<std::unique_ptr<ChainCounts>, 26>, kChainCount> counts_;
};

/// Letter index (0..25) of square 12's ring `centre` at the near (b=0) or far (b=11) end of `chain`.
int CentreKey(const Word& centre, int chain, bool farEnd);

}  // namespace loopword::exact
