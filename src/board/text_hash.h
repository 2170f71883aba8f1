// A quick 64-bit hash of a text (FNV-1a): for the checks that tell a changed link or code from the one given.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace loopword {

/// The FNV-1a hash of the bytes of `text`, carried on from `hash` (the hash of what came before it).
constexpr std::uint64_t TextHash(std::string_view text, std::uint64_t hash = 14695981039346656037ULL) {
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  return hash;
}

}  // namespace loopword
