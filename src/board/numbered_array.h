// A fixed array indexed by int numbers from a first one: squares and ring positions from 1, chain steps from 0.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace loopword {

/// kCount values numbered kFirst..kFirst+kCount-1; numbers outside that range are caught in
/// debug builds. Iteration runs over the values in number order.
template <typename T, int kCount, int kFirst = 1>
struct NumberedArray {
  std::array<T, kCount> values;

  using value_type = T;
  using iterator = typename std::array<T, kCount>::iterator;
  using const_iterator = typename std::array<T, kCount>::const_iterator;

  constexpr T& operator[](int number) { return values[Index(number)]; }
  constexpr const T& operator[](int number) const { return values[Index(number)]; }

  constexpr iterator begin() { return values.begin(); }
  constexpr iterator end() { return values.end(); }
  constexpr const_iterator begin() const { return values.begin(); }
  constexpr const_iterator end() const { return values.end(); }
  static constexpr int size() { return kCount; }

  friend bool operator==(const NumberedArray&, const NumberedArray&) = default;

 private:
  static constexpr std::size_t Index(int number) {
    assert(number >= kFirst && number < kFirst + kCount);
    return static_cast<std::size_t>(number - kFirst);
  }
};

/// kCount values indexed 0..kCount-1 by an int.
template <typename T, int kCount>
using IndexedArray = NumberedArray<T, kCount, 0>;

}  // namespace loopword
