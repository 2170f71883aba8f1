// The sheets' size, the words they print besides the puzzle's own, and where their word list goes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "board/geometry.h"
#include "board/program_text.h"

namespace loopword {

/// Solution sheets on one answer page of a booklet or class set (two columns, two rows).
inline constexpr int kAnswersPerPage = 4;

/// Width of a sheet (the inside of the picture area), in twips.
inline constexpr int kSheetWidth = 6936;
/// Height of a sheet (the inside of the picture area), in twips.
inline constexpr int kSheetHeight = 7092;

/// The instruction line printed below the figure on the puzzle sheet.
inline constexpr const char* kInstructionLine =
    LOOPWORD_TEXT("Sheets", "Place 23 8-letter words clock-wise into 8 spaces around each square.").source;

/// The grades Easy to Expert in English: the names of the difficulties after Standard, as sheets print them.
std::array<std::string, 4> EnglishGrades();

/// The words the sheets print besides the puzzle's own, in the puzzle's language: English by default.
struct SheetTexts {
  std::string puzzleHeading = LOOPWORD_TEXT("Sheets", "PUZZLE").source;
  std::string solutionHeading = LOOPWORD_TEXT("Sheets", "SOLUTION").source;
  std::string instructionLine = kInstructionLine;
  /// A graded sheet's "Difficulty: Hard": the word before the grade, and the grades Easy to Expert.
  std::string difficulty = LOOPWORD_TEXT("Sheets", "Difficulty:").source;
  std::array<std::string, 4> grades = EnglishGrades();
  /// A booklet page's heading, "Puzzle %1 of %2" with the puzzle's number and how many the booklet holds.
  std::string puzzleNumber = LOOPWORD_TEXT("Sheets", "Puzzle %1 of %2").source;
  /// What follows it on a class set's pages: "set %1" with the set's short id.
  std::string setId = LOOPWORD_TEXT("Sheets", "set %1").source;

  friend bool operator==(const SheetTexts&, const SheetTexts&) = default;
};

/// The sheets' words, each English one given to `translated`.
SheetTexts TranslatedSheetTexts(const std::function<std::string(const std::string& english)>& translated);

/// Where row `row` (0 first) of a sheet's word list is printed, in twips; the title is above row 0.
TwipPoint ListRowPoint(int row);

/// The heading of puzzle `number` of `count` in a booklet or class set, in the language of `texts`: "Puzzle 3 of 28",
/// and for a puzzle of the class set with the short id `setId`, "Puzzle 3 of 28 · set ABCD".
std::string PuzzleHeading(const SheetTexts& texts, int number, int count, std::string_view setId = {});

}  // namespace loopword
