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

void UseSheetTexts(const SheetTexts& texts) { Chosen() = texts; }

const SheetTexts& ChosenSheetTexts() { return Chosen(); }

TwipPoint ListRowPoint(int row) { return {5500, 500 + 250 * (row + 1)}; }

}  // namespace loopword
