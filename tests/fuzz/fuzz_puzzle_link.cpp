// Fuzzes the pupil link reader: whatever a link gives that reads as one puzzle packs into a link giving it again.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_link.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view link(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> text = loopword::PuzzleTextOfLink(link);
  if (!text) return 0;
  const loopword::PuzzleFileResult read = loopword::ParsePuzzleText(*text, "fuzz");
  if (read.fault || read.puzzles.size() != 1) return 0;
  const std::optional<std::string> again = loopword::PuzzleTextOfLink(loopword::PackedPuzzleLink(*text));
  const loopword::PuzzleFileResult reread = loopword::ParsePuzzleText(again.value_or(""), "fuzz");
  if (reread.puzzles.size() != 1 || reread.puzzles[0].puzzle.placements != read.puzzles[0].puzzle.placements) std::abort();
  return 0;
}
