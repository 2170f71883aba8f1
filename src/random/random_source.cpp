// Uniform draws from a 64-bit Mersenne Twister.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/random_source.h"

#include <algorithm>

namespace loopword {

std::uint64_t EntropySeed() {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

RandomSource RandomSource::FromEntropy() { return RandomSource(EntropySeed()); }

double RandomSource::Fraction() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

int RandomSource::Draw(int m) {
  if (m < 1) return 1;
  const double x = Fraction();
  const int k = static_cast<int>(x * m) + 1;
  return std::min(k, m);
}

}  // namespace loopword
