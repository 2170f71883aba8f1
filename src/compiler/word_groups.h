// Rows of a dictionary that hold the same word, and the row of a given word.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "words/dictionary.h"

namespace loopword {

/// Links every dictionary row to the other rows that hold the same word.
class WordGroups {
 public:
  explicit WordGroups(const Dictionary& words);

  /// The rows (1..WordCount) that hold the same word as row `word`, `word` included.
  [[nodiscard]] std::vector<int> SameWord(int word) const;
  /// The first row holding `text`, or 0 when the dictionary does not hold it.
  [[nodiscard]] int Find(const std::string& text) const;
  /// Number of different words.
  [[nodiscard]] int DistinctCount() const { return distinct_; }

 private:
  const Dictionary* words_;
  std::vector<int> nextSame_;  // circular chain of rows with the same word, index = row
  std::vector<int> sortedRows_;
  int distinct_ = 0;
};

}  // namespace loopword
