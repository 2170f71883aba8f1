// The puzzle and solution sheets: title, word list, instruction line and the letters they show.
#pragma once

#include <array>
#include <string>

#include "board/program_text.h"
#include "board/puzzle.h"
#include "display/picture.h"

namespace loopword {

/// Width of a sheet (the inside of the picture area), in twips.
inline constexpr int kSheetWidth = 6936;
/// Height of a sheet (the inside of the picture area), in twips.
inline constexpr int kSheetHeight = 7092;

/// The instruction line printed below the figure on the puzzle sheet.
inline constexpr const char* kInstructionLine =
    LOOPWORD_TEXT("Sheets", "Place 23 8-letter words clock-wise into 8 spaces around each square.").source;

/// The words the sheets print besides the puzzle's own: English unless a front end chooses others.
struct SheetTexts {
  std::string puzzleHeading = LOOPWORD_TEXT("Sheets", "PUZZLE").source;
  std::string solutionHeading = LOOPWORD_TEXT("Sheets", "SOLUTION").source;
  std::string instructionLine = kInstructionLine;
  /// A graded sheet's "Difficulty: Hard": the word before the grade, and the grades Easy to Expert.
  std::string difficulty = LOOPWORD_TEXT("Sheets", "Difficulty:").source;
  std::array<std::string, 4> grades = {LOOPWORD_TEXT("Sheets", "Easy").source, LOOPWORD_TEXT("Sheets", "Medium").source,
                                       LOOPWORD_TEXT("Sheets", "Hard").source, LOOPWORD_TEXT("Sheets", "Expert").source};
};

/// The texts every sheet is drawn with from now on; a front end sets them once, before it draws.
void UseSheetTexts(const SheetTexts& texts);

/// Where row `row` (0 first) of a sheet's word list is printed, in twips; the title is above row 0.
TwipPoint ListRowPoint(int row);

/// Draws the puzzle sheet without its letters over what the picture shows: the ink-tagged figure,
/// the puzzle's title in the header line, the sheet's heading, the words in alphabetical order and the instruction line. Leaves "Courier New" bold, 10 points.
void DrawPuzzleFrame(Picture& picture, const Puzzle& puzzle);

/// Clears the picture and draws the puzzle sheet: the ink-tagged figure, the titles (with the
/// grade of a graded sheet), sorted words, instruction, square 12's word and the hint letters.
void DrawPuzzleSheet(Picture& picture, const Puzzle& puzzle);

/// Clears the picture and draws the solution sheet: the ink-tagged figure, every square's
/// letters, the titles, "SS WORD" per placement in square order and the start marks. Leaves
/// "Courier New" bold, 8 points.
void DrawSolutionSheet(Picture& picture, const Puzzle& puzzle);

}  // namespace loopword
