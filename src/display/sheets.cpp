// The words the sheets print besides the puzzle's own, and where their word list goes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/sheets.h"

namespace loopword {

namespace {

SheetTexts& Chosen() {
  static SheetTexts texts;
  return texts;
}

}  // namespace

SheetTexts TranslatedSheetTexts(const std::function<std::string(const std::string& english)>& translated) {
  const SheetTexts english;
  SheetTexts texts{translated(english.puzzleHeading), translated(english.solutionHeading), translated(english.instructionLine),
                   translated(english.difficulty), {}};
  for (std::size_t g = 0; g < texts.grades.size(); ++g) texts.grades[g] = translated(english.grades[g]);
  return texts;
}

void UseSheetTexts(const SheetTexts& texts) { Chosen() = texts; }

const SheetTexts& ChosenSheetTexts() { return Chosen(); }

TwipPoint ListRowPoint(int row) { return {5500, 500 + 250 * (row + 1)}; }

}  // namespace loopword
