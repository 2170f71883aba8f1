// The one random generator of a compile: seeded once, each draw uniform over 1..m.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace loopword {

/// A seeded generator whose draws are the integer part of x·m + 1 for x uniform in [0, 1).
class RandomSource {
 public:
  /// A generator that repeats its draws for the same seed.
  explicit RandomSource(std::uint64_t seed) : engine_(seed) {}
  /// A generator seeded from the system's non-deterministic source.
  static RandomSource FromEntropy();

  /// A number uniform over 1..m (m >= 1); 1 when m < 1.
  int Draw(int m);
  /// A number uniform in [0, 1).
  double Fraction();

 private:
  std::mt19937_64 engine_;
};

/// A seed drawn from the system's non-deterministic source.
std::uint64_t EntropySeed();

}  // namespace loopword
