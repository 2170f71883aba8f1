// Fuzzes the puzzle file reader: whatever it accepts writes back to text that reads the same and is written the same.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "puzzle/puzzle_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const loopword::PuzzleFileResult first = loopword::ParsePuzzleText(text, "fuzz");
  if (first.fault.has_value() == first.message.empty()) std::abort();
  if (first.fault) return 0;
  const std::string written = loopword::FormatPuzzleFile(first.puzzles);
  const loopword::PuzzleFileResult again = loopword::ParsePuzzleText(written, "fuzz");
  if (again.fault || again.puzzles.size() != first.puzzles.size() || loopword::FormatPuzzleFile(again.puzzles) != written) std::abort();
  for (std::size_t i = 0; i < first.puzzles.size(); ++i) {
    const loopword::PuzzleDocument &a = first.puzzles[i], &b = again.puzzles[i];
    if (a.puzzle.placements != b.puzzle.placements || !b.puzzle.board.IsComplete() || a.puzzle.board.SquareWord != b.puzzle.board.SquareWord ||
        a.puzzle.clues != b.puzzle.clues || a.origin != b.origin || a.solving.letters != b.solving.letters ||
        a.solving.progress != b.solving.progress || a.rules != b.rules || a.theme != b.theme) std::abort();
  }
  return 0;
}
