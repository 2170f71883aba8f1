// Building the chain squares' pair classes and the backward completion counts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/chain_model.h"

#include <algorithm>
#include <numeric>

#include "board/geometry.h"

namespace loopword::exact {

namespace {

/// The square before chain index k (square 12 before the first) and after it.
int SquareOrCentre(int chain, int k) {
  return k < 0 || k >= kChainLength ? kCrossingSquare : ChainSquare(chain, k);
}

Boundary BuildBoundary(int chain, int b) {
  const int earlier = SquareOrCentre(chain, b - 1);
  const int later = SquareOrCentre(chain, b);
  Boundary boundary;
  for (const Overlap& rule : Overlaps()) {
    int before = 0;
    int after = 0;
    if (rule.squareA == earlier && rule.squareB == later) {
      before = rule.positionA;
      after = rule.positionB;
    } else if (rule.squareB == earlier && rule.squareA == later) {
      before = rule.positionB;
      after = rule.positionA;
    } else {
      continue;
    }
    boundary.before[boundary.cells] = before;
    boundary.after[boundary.cells] = after;
    ++boundary.cells;
  }
  return boundary;
}

/// Whether rotation r of `word` repeats the ring of an earlier rotation.
bool RepeatsEarlierRotation(const Word& word, int rotation) {
  const Word ring = Rotated(word, rotation);
  for (int earlier = 0; earlier < rotation; ++earlier) {
    if (Rotated(word, earlier) == ring) return true;
  }
  return false;
}

/// Sorts (bucket, pair) entries by bucket: counting sort when the buckets are few for the entries.
void SortByBucket(std::vector<std::pair<std::uint32_t, PairCode>>& entries, std::size_t buckets) {
  if (entries.size() * 4 < buckets) {
    std::sort(entries.begin(), entries.end());
    return;
  }
  std::vector<std::uint32_t> next(buckets + 1, 0);
  for (const auto& entry : entries) ++next[entry.first + 1];
  std::partial_sum(next.begin(), next.end(), next.begin());
  std::vector<std::pair<std::uint32_t, PairCode>> sorted(entries.size());
  for (const auto& entry : entries) sorted[next[entry.first]++] = entry;
  entries.swap(sorted);
}

/// A ring of one word's rotation and the pair it stands for.
struct RingPair {
  Word ring;
  PairCode pair;
};

/// The different rings of every word, each with its pair.
std::vector<RingPair> DistinctRings(const std::vector<Word>& words, std::size_t firstId, std::size_t endId) {
  std::vector<RingPair> rings;
  rings.reserve((endId - firstId) * kWordLength);
  for (std::size_t id = firstId; id < endId; ++id) {
    for (int r = 0; r < kWordLength; ++r) {
      if (!RepeatsEarlierRotation(words[id], r)) {
        rings.push_back({Rotated(words[id], r), static_cast<PairCode>(id * kWordLength + static_cast<std::size_t>(r))});
      }
    }
  }
  return rings;
}

SquareTable BuildTable(const std::vector<RingPair>& rings, int chain, int k, const std::string& filter) {
  const Boundary& left = ChainBoundary(chain, k);
  const Boundary& right = ChainBoundary(chain, k + 1);
  const std::uint32_t rightKeys = static_cast<std::uint32_t>(right.KeyCount());
  std::vector<std::pair<std::uint32_t, PairCode>> entries;  // (class bucket, pair)
  entries.reserve(rings.size());
  for (const RingPair& ring : rings) {
    if (filter.size() == kWordLength && !FitsPattern(ring.ring, filter)) continue;
    const auto bucket = static_cast<std::uint32_t>(KeyOf(ring.ring, left.after, left.cells)) * rightKeys +
                        static_cast<std::uint32_t>(KeyOf(ring.ring, right.before, right.cells));
    entries.emplace_back(bucket, ring.pair);
  }
  SortByBucket(entries, static_cast<std::size_t>(left.KeyCount()) * rightKeys);
  SquareTable table;
  table.pairs.reserve(entries.size());
  table.classBegin.assign(static_cast<std::size_t>(left.KeyCount()) + 1, 0);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::uint32_t bucket = entries[i].first;
    if (i == 0 || bucket != entries[i - 1].first) {
      const auto leftKey = static_cast<std::uint16_t>(bucket / rightKeys);
      table.classes.push_back({leftKey, static_cast<std::uint16_t>(bucket % rightKeys), static_cast<std::uint32_t>(i), 0});
      table.classBegin[leftKey + 1u] = static_cast<std::uint32_t>(table.classes.size());
    }
    ++table.classes.back().count;
    table.pairs.push_back(entries[i].second);
  }
  for (std::size_t key = 1; key < table.classBegin.size(); ++key) {
    table.classBegin[key] = std::max(table.classBegin[key], table.classBegin[key - 1]);
  }
  return table;
}

}  // namespace

int ChainSquare(int chain, int k) { return chain == 0 ? 1 + k : kCrossingSquare + 1 + k; }

const Boundary& ChainBoundary(int chain, int b) {
  static const auto boundaries = [] {
    IndexedArray<IndexedArray<Boundary, kBoundaryCount>, kChainCount> all{};
    for (int c = 0; c < kChainCount; ++c) {
      for (int b2 = 0; b2 < kBoundaryCount; ++b2) all[c][b2] = BuildBoundary(c, b2);
    }
    return all;
  }();
  return boundaries[chain][b];
}

int KeyOf(const Word& ring, const IndexedArray<int, 3>& positions, int cells) {
  int key = 0;
  for (int i = cells - 1; i >= 0; --i) key = key * 26 + (ring[static_cast<std::size_t>(positions[i] - 1)] - 'A');
  return key;
}

int CentreKey(const Word& centre, int chain, bool farEnd) {
  const Boundary& boundary = ChainBoundary(chain, farEnd ? kBoundaryCount - 1 : 0);
  return KeyOf(centre, farEnd ? boundary.after : boundary.before, boundary.cells);
}

ChainModel::ChainModel(std::vector<Word> words, const SquareArray<std::string>& filters)
    : words_(std::move(words)), sortedIds_(words_.size()) {
  std::iota(sortedIds_.begin(), sortedIds_.end(), 0);
  std::sort(sortedIds_.begin(), sortedIds_.end(), [this](int a, int b) { return WordAt(a) < WordAt(b); });
  const std::vector<RingPair> rings = DistinctRings(words_, 0, words_.size());
  for (int c = 0; c < kChainCount; ++c) {
    for (int k = 0; k < kChainLength; ++k) {
      tables_[c][k] = std::make_shared<const SquareTable>(BuildTable(rings, c, k, filters[ChainSquare(c, k)]));
    }
  }
}

ChainModel ChainModel::WithWordsAt(const std::vector<Word>& extraWords, const SquareArray<int>& wordAt) const {
  ChainModel model;
  model.words_ = words_;
  model.sortedIds_ = sortedIds_;
  model.tables_ = tables_;
  for (const Word& word : extraWords) {
    const int id = model.WordCount();
    model.words_.push_back(word);
    const auto at = std::lower_bound(model.sortedIds_.begin(), model.sortedIds_.end(), word,
                                     [&model](int other, const Word& w) { return model.WordAt(other) < w; });
    model.sortedIds_.insert(at, id);
  }
  for (int c = 0; c < kChainCount; ++c) {
    for (int k = 0; k < kChainLength; ++k) {
      const auto id = static_cast<std::size_t>(wordAt[ChainSquare(c, k)]);
      if (wordAt[ChainSquare(c, k)] < 0) continue;
      model.tables_[c][k] = std::make_shared<const SquareTable>(BuildTable(DistinctRings(model.words_, id, id + 1), c, k, ""));
    }
  }
  return model;
}

int ChainModel::Find(const Word& word) const {
  const auto it = std::lower_bound(sortedIds_.begin(), sortedIds_.end(), word,
                                   [this](int id, const Word& w) { return WordAt(id) < w; });
  return it != sortedIds_.end() && WordAt(*it) == word ? *it : -1;
}

const ChainCounts& ChainModel::Counts(int chain, int letter) const {
  std::unique_ptr<ChainCounts>& slot = counts_[chain][letter];
  if (slot) return *slot;
  auto counts = std::make_unique<ChainCounts>();
  for (int b = 0; b < kBoundaryCount; ++b) {
    (*counts)[b].assign(static_cast<std::size_t>(ChainBoundary(chain, b).KeyCount()), 0.0);
  }
  (*counts)[kBoundaryCount - 1][static_cast<std::size_t>(letter)] = 1.0;
  for (int k = kChainLength - 1; k >= 0; --k) {
    std::vector<double>& ways = (*counts)[k];
    const std::vector<double>& after = (*counts)[k + 1];
    for (const PairClass& cls : Table(chain, k).classes) ways[cls.left] += cls.count * after[cls.right];
  }
  slot = std::move(counts);
  return *slot;
}

void ChainModel::PrepareAllCounts() const {
  for (int c = 0; c < kChainCount; ++c) {
    for (int letter = 0; letter < 26; ++letter) Counts(c, letter);
  }
}

}  // namespace loopword::exact
