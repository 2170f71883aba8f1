// Fuzzes the placement-line reader: whatever it accepts writes back to the same text.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "board/placement_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto line = loopword::PlacementLine::Parse(text);
  if (line && line->ToString() != text) std::abort();
  return 0;
}
