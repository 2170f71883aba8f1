// Checks the grader's candidate set against a plain list of numbers, at and across word edges.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "grade/candidate_set.h"

#include <gtest/gtest.h>

#include <vector>

namespace loopword::grade {
namespace {

/// The numbers of `set` in the order ForEach gives them.
template <int Size>
std::vector<int> Numbers(const CandidateSet<Size>& set) {
  std::vector<int> numbers;
  set.ForEach([&](int n) { numbers.push_back(n); });
  return numbers;
}

template <int Size>
CandidateSet<Size> Of(const std::vector<int>& numbers) {
  CandidateSet<Size> set;
  for (const int n : numbers) set.Set(n);
  return set;
}

std::vector<int> Upto(int end) {
  std::vector<int> numbers;
  for (int n = 0; n < end; ++n) numbers.push_back(n);
  return numbers;
}

// Sizes at and beside the 64-bit word edges: bits past the size never get in through SetAll or ~.
template <int Size>
void CheckSize() {
  SCOPED_TRACE(Size);
  CandidateSet<Size> all;
  all.SetAll();
  EXPECT_EQ(all.Count(), Size);
  EXPECT_EQ(Numbers(all), Upto(Size));
  EXPECT_EQ(~all, CandidateSet<Size>());
  EXPECT_EQ(~CandidateSet<Size>(), all);
  EXPECT_EQ(all.First(), 0);

  std::vector<int> edges;  // the first and last number and those beside a word edge, each once
  for (const int n : {0, 63, 64, Size - 1}) {
    if (n < Size && (edges.empty() || n > edges.back())) edges.push_back(n);
  }
  const CandidateSet<Size> some = Of<Size>(edges);
  EXPECT_EQ(Numbers(some), edges);
  EXPECT_EQ(some.Count(), static_cast<int>(edges.size()));
  EXPECT_EQ((~some).Count(), Size - static_cast<int>(edges.size()));
  EXPECT_FALSE(some.Meets(~some));
  EXPECT_EQ(some | ~some, all);
  EXPECT_EQ(CandidateSet<Size>(all).Remove(some), ~some);
  for (const int n : edges) {
    EXPECT_TRUE(some.Test(n));
    EXPECT_FALSE((~some).Test(n));
  }
}

TEST(CandidateSet, HoldsExactlyTheNumbersBelowItsSize) {
  CheckSize<1>();
  CheckSize<63>();
  CheckSize<64>();
  CheckSize<65>();
  CheckSize<176>();
}

TEST(CandidateSet, WalksItsNumbersInOrderAndStopsWhenAsked) {
  const struct {
    std::vector<int> numbers;
    int stopAfter;  // numbers visited before the walk stops
  } cases[] = {
      {{}, 0}, {{5}, 1}, {{3, 64, 100, 175}, 2}, {{0, 1, 2, 63, 64, 65, 127, 128}, 8},
  };
  for (const auto& test : cases) {
    const CandidateSet<176> set = Of<176>(test.numbers);
    EXPECT_EQ(Numbers(set), test.numbers);
    EXPECT_EQ(set.Any(), !test.numbers.empty());
    EXPECT_EQ(set.None(), test.numbers.empty());
    EXPECT_EQ(set.First(), test.numbers.empty() ? -1 : test.numbers.front());
    std::vector<int> visited;
    const bool whole = set.ForEachWhile([&](int n) {
      visited.push_back(n);
      return static_cast<int>(visited.size()) < test.stopAfter;
    });
    EXPECT_EQ(whole, static_cast<int>(test.numbers.size()) < test.stopAfter || test.numbers.empty());
    EXPECT_EQ(visited, std::vector<int>(test.numbers.begin(), test.numbers.begin() + std::min<std::size_t>(test.numbers.size(), static_cast<std::size_t>(test.stopAfter))));
  }
}

}  // namespace
}  // namespace loopword::grade
