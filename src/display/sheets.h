// The puzzle and solution sheets: title, word list, instruction line and the letters they show.
#pragma once

#include <string>
#include <vector>

#include "board/board.h"
#include "board/hint_cells.h"
#include "display/picture.h"

namespace loopword {

/// Which sheet to draw: the solver's puzzle (0) or the solution (1).
enum class SheetKind { Puzzle = 0, Solution = 1 };

/// The instruction line printed below the figure on the puzzle sheet.
inline constexpr const char* kInstructionLine =
    "Place 23 8-letter words clock-wise into 8 spaces around each square.";

/// Where row `row` (0 first) of a sheet's word list is printed, in twips; the title is above row 0.
TwipPoint ListRowPoint(int row);

/// Prints the sheet's title at (5500, 250) twips and its word list below it: for the puzzle the
/// words sorted into `list1` (cleared first and left filled) and the instruction line, for the
/// solution "SS WORD" per placement line in the given order. Lines that are not placement lines
/// are skipped. Leaves "Courier New" bold, 10 points after a puzzle and 8 after a solution.
void DrawSheetText(Picture& picture, SheetKind kind, const std::vector<std::string>& placementLines,
                   std::vector<std::string>& list1);

/// Draws the puzzle sheet without its letters over what the picture shows: the ink-tagged figure,
/// title, sorted words (left in `list1`) and instruction.
void DrawPuzzleFrame(Picture& picture, const std::vector<std::string>& placementLines,
                     std::vector<std::string>& list1);

/// Clears the picture and draws the puzzle sheet: the ink-tagged figure, title, sorted words
/// (left in `list1`), instruction, square 12's word and the hint letters.
void DrawPuzzleSheet(Picture& picture, const Board& board, const std::vector<std::string>& placementLines,
                     std::vector<std::string>& list1);

/// Clears the picture and draws the solution sheet: the ink-tagged figure, every square's
/// letters, title, words by square and the start marks.
void DrawSolutionSheet(Picture& picture, const Board& board, const std::vector<std::string>& placementLines);

}  // namespace loopword
