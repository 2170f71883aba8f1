// The words the sheets print besides the puzzle's own, and where their word list goes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/sheets.h"

#include "board/program_text.h"
#include "board/puzzle.h"

namespace loopword {

std::array<std::string, 4> EnglishGrades() {
  std::array<std::string, 4> grades;
  for (std::size_t g = 0; g < grades.size(); ++g) grades[g] = DifficultyLabel(kDifficulties[g + 1]);
  return grades;
}

SheetTexts TranslatedSheetTexts(const std::function<std::string(const std::string& english)>& translated) {
  const SheetTexts english;
  SheetTexts texts{translated(english.puzzleHeading), translated(english.solutionHeading), translated(english.instructionLine),
                   translated(english.difficulty), {}, translated(english.puzzleNumber),
                   translated(english.setId)};
  for (std::size_t g = 0; g < texts.grades.size(); ++g) texts.grades[g] = translated(english.grades[g]);
  return texts;
}

TwipPoint ListRowPoint(int row) { return {5500, 500 + 250 * (row + 1)}; }

std::string PuzzleHeading(const SheetTexts& texts, int number, int count, std::string_view setId) {
  const std::string heading = FillText(texts.puzzleNumber, {std::to_string(number), std::to_string(count)});
  return setId.empty() ? heading : heading + " · " + FillText(texts.setId, {std::string(setId)});
}

}  // namespace loopword
