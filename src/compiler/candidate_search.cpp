// Helpers shared by both candidate searches.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/candidate_search.h"

#include <algorithm>

namespace loopword {

std::string NormalisedPattern(const std::string& pattern) {
  std::string normalised = pattern.substr(0, kWordLength);
  normalised.resize(kWordLength, kFreeCell);
  std::replace(normalised.begin(), normalised.end(), ' ', kFreeCell);
  return normalised;
}

}  // namespace loopword
