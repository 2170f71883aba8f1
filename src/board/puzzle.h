// A puzzle: the board with every square's ring and the placement that records each word.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <map>
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
/// Every difficulty, the easiest sheet first after the usual one, in the order menus and lists show them.
inline constexpr std::array<Difficulty, 5> kDifficulties = {Difficulty::Standard, Difficulty::Easy, Difficulty::Medium,
                                                            Difficulty::Hard, Difficulty::Expert};

/// The lower-case name of a difficulty as files and the command line write it: "hard".
std::string_view DifficultyName(Difficulty difficulty);
/// That name as messages give it, translated with them.
Text DifficultyText(Difficulty difficulty);
/// The name as menus, lists and a graded sheet show it, translated with the sheets' words: "Hard".
Text DifficultyLabelText(Difficulty difficulty);
/// That name in English, as a puzzle's grade line gives it.
std::string DifficultyLabel(Difficulty difficulty);
/// The difficulty of a lower-case name; nullopt for any other text.
std::optional<Difficulty> DifficultyNamed(std::string_view name);

/// Most characters a clue keeps.
inline constexpr int kClueLimit = 60;
/// The clues of theme words, by word (8 capitals): one line of plain text each, at most kClueLimit characters.
using Clues = std::map<std::string, std::string>;

/// The board, its placements in square order, its title, its clues and the hint cells of its sheet.
struct Puzzle {
  Board board;
  /// One placement per filled square, in square order.
  std::vector<PlacementLine> placements;
  /// One line of plain text the sheets show beside the program's name; "" for none.
  std::string title;
  /// The clues the puzzle sheet lists instead of their words; each clued word is one of the puzzle's.
  Clues clues{};
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

/// The puzzle's words in alphabetical order.
std::vector<std::string> SortedWords(const Puzzle& puzzle);

/// One entry of the puzzle sheet's list: a word, and the clue it is listed by ("" for a word listed as itself).
struct ListedEntry {
  std::string word;
  std::string clue;
  friend bool operator==(const ListedEntry&, const ListedEntry&) = default;
};

/// The puzzle sheet's list: the words without a clue in alphabetical order, then the clued words in alphabetical
/// order of their clues (letters compared without regard to case).
std::vector<ListedEntry> SheetList(const Puzzle& puzzle);

}  // namespace loopword
