// A puzzle: the board with every square's ring and the placement that records each word.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "board/placement_line.h"
#include "board/program_text.h"

namespace loopword {

/// How hard a puzzle sheet is: Standard gives the usual hint cells; the others are graded sheets
/// whose hint cells were chosen so that a person needs exactly the techniques of that grade.
enum class Difficulty { Standard, Easy, Medium, Hard, Expert };

/// The lower-case name of a difficulty as files and the command line write it: "hard".
std::string_view DifficultyName(Difficulty difficulty);
/// That name as messages give it, translated with them.
Text DifficultyText(Difficulty difficulty);
/// The name as a sheet's header line shows it: "Hard".
std::string DifficultyLabel(Difficulty difficulty);
/// The difficulty of a lower-case name; nullopt for any other text.
std::optional<Difficulty> DifficultyNamed(std::string_view name);

/// The board, its placements in square order, its title and the hint cells of its sheet.
struct Puzzle {
  Board board;
  /// One placement per filled square, in square order.
  std::vector<PlacementLine> placements;
  /// One line of plain text the sheets show beside the program's name; "" for none.
  std::string title;
  /// How the sheet was graded; Standard for the usual sheet.
  Difficulty difficulty = Difficulty::Standard;
  /// The cells whose letters the sheet gives besides square 12, in square order (a graded sheet
  /// may give none); nullopt for the standard HintCells.
  std::optional<std::vector<RingCell>> hints{};

  /// Inserts a placement after those of its square and the squares before it.
  void AddPlacement(const PlacementLine& placement);
};

/// The cells whose letters the puzzle sheet gives besides square 12: the puzzle's own hint cells,
/// or the standard HintCells.
std::vector<RingCell> SheetHintCells(const Puzzle& puzzle);

/// The puzzle's words in alphabetical order, as the puzzle sheet lists them.
std::vector<std::string> SortedWords(const Puzzle& puzzle);

}  // namespace loopword
