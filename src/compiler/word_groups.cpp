// Grouping duplicate rows by sorting row numbers on their words.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/word_groups.h"

#include <algorithm>
#include <numeric>

namespace loopword {

WordGroups::WordGroups(const Dictionary& words)
    : words_(&words), nextSame_(static_cast<std::size_t>(words.WordCount()) + 1), sortedRows_(static_cast<std::size_t>(words.WordCount())) {
  std::iota(sortedRows_.begin(), sortedRows_.end(), 1);
  std::stable_sort(sortedRows_.begin(), sortedRows_.end(),
                   [&words](int a, int b) { return words.WordPool(a) < words.WordPool(b); });
  std::size_t start = 0;
  while (start < sortedRows_.size()) {
    std::size_t end = start + 1;
    while (end < sortedRows_.size() && words.WordPool(sortedRows_[end]) == words.WordPool(sortedRows_[start])) ++end;
    for (std::size_t i = start; i < end; ++i) {
      nextSame_[static_cast<std::size_t>(sortedRows_[i])] = sortedRows_[i + 1 < end ? i + 1 : start];
    }
    start = end;
    ++distinct_;
  }
}

std::vector<int> WordGroups::SameWord(int word) const {
  std::vector<int> rows{word};
  for (int next = nextSame_[static_cast<std::size_t>(word)]; next != word; next = nextSame_[static_cast<std::size_t>(next)]) {
    rows.push_back(next);
  }
  return rows;
}

int WordGroups::Find(const std::string& text) const {
  if (text.size() != kWordLength) return 0;
  const Word wanted = ToWord(text);
  const auto it = std::lower_bound(sortedRows_.begin(), sortedRows_.end(), wanted,
                                   [this](int row, const Word& w) { return words_->WordPool(row) < w; });
  if (it == sortedRows_.end() || words_->WordPool(*it) != wanted) return 0;
  return *it;
}

}  // namespace loopword
