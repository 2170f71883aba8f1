// A fixed-size set of small numbers in 64-bit words, for the grader's candidates per square.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace loopword::grade {

/// The numbers 0 to Size - 1, each in or out: 64 to a word on every platform, with the set bits
/// walked in increasing order without testing each number.
template <int Size>
class CandidateSet {
 public:
  static_assert(Size > 0);

  /// Puts every number 0..Size-1 in.
  void SetAll() {
    words_.fill(~Word{0});
    words_.back() &= kLastWordMask;
  }
  void Clear() { words_.fill(0); }
  void Set(int n) { words_[Index(n)] |= BitOf(n); }
  void Reset(int n) { words_[Index(n)] &= ~BitOf(n); }
  [[nodiscard]] bool Test(int n) const { return (words_[Index(n)] & BitOf(n)) != 0; }

  [[nodiscard]] bool Any() const {
    Word any = 0;
    for (const Word word : words_) any |= word;
    return any != 0;
  }
  [[nodiscard]] bool None() const { return !Any(); }
  [[nodiscard]] int Count() const {
    int count = 0;
    for (const Word word : words_) count += std::popcount(word);
    return count;
  }
  /// Whether this set and `other` have a number in common.
  [[nodiscard]] bool Meets(const CandidateSet& other) const {
    Word common = 0;
    for (std::size_t w = 0; w < kWords; ++w) common |= words_[w] & other.words_[w];
    return common != 0;
  }
  /// The smallest number in the set, -1 when it is empty.
  [[nodiscard]] int First() const {
    for (std::size_t w = 0; w < kWords; ++w) {
      if (words_[w] != 0) return static_cast<int>(w * 64) + std::countr_zero(words_[w]);
    }
    return -1;
  }

  /// Calls `visit(n)` for each number in the set, smallest first, until it returns false; false then.
  template <typename Visit>
  bool ForEachWhile(Visit visit) const {
    for (std::size_t w = 0; w < kWords; ++w) {
      for (Word rest = words_[w]; rest != 0; rest &= rest - 1) {
        if (!visit(static_cast<int>(w * 64) + std::countr_zero(rest))) return false;
      }
    }
    return true;
  }
  /// Calls `visit(n)` for each number in the set, smallest first.
  template <typename Visit>
  void ForEach(Visit visit) const {
    ForEachWhile([&](int n) {
      visit(n);
      return true;
    });
  }

  CandidateSet& operator&=(const CandidateSet& other) {
    for (std::size_t w = 0; w < kWords; ++w) words_[w] &= other.words_[w];
    return *this;
  }
  CandidateSet& operator|=(const CandidateSet& other) {
    for (std::size_t w = 0; w < kWords; ++w) words_[w] |= other.words_[w];
    return *this;
  }
  /// Takes out the numbers of `other`.
  CandidateSet& Remove(const CandidateSet& other) {
    for (std::size_t w = 0; w < kWords; ++w) words_[w] &= ~other.words_[w];
    return *this;
  }
  friend CandidateSet operator&(CandidateSet a, const CandidateSet& b) { return a &= b; }
  friend CandidateSet operator|(CandidateSet a, const CandidateSet& b) { return a |= b; }
  /// The numbers 0..Size-1 that are not in the set.
  CandidateSet operator~() const {
    CandidateSet flipped;
    for (std::size_t w = 0; w < kWords; ++w) flipped.words_[w] = ~words_[w];
    flipped.words_.back() &= kLastWordMask;
    return flipped;
  }
  friend bool operator==(const CandidateSet&, const CandidateSet&) = default;

 private:
  using Word = std::uint64_t;
  static constexpr std::size_t kWords = (static_cast<std::size_t>(Size) + 63) / 64;
  static constexpr Word kLastWordMask = Size % 64 == 0 ? ~Word{0} : (Word{1} << (Size % 64)) - 1;

  static std::size_t Index(int n) { return static_cast<std::size_t>(n) / 64; }
  static Word BitOf(int n) { return Word{1} << (static_cast<unsigned>(n) % 64); }

  std::array<Word, kWords> words_{};
};

}  // namespace loopword::grade
