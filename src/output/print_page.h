// Placing the puzzle and solution sheets on a page, drawn at the page's resolution.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>

#include "board/puzzle.h"
#include "display/sheet_view.h"

namespace loopword {

/// Top-left corner of the puzzle sheet on the printed page, in twips from the printable origin.
inline constexpr QPoint kPuzzleOnPage{2200, 440};
/// Top-left corner of the solution sheet on the printed page, in twips from the printable origin.
inline constexpr QPoint kSolutionOnPage{2200, 8195};
/// Both sheets are printed at 110 % of their size on screen.
inline constexpr double kPrintScale = 1.1;

/// Draws `sheet` onto the page that `painter` paints at `dotsPerInch`: placed at `topLeft` (twips),
/// enlarged by `scale` and clipped to the sheet's size, as it shows on screen.
void PaintSheetOnPage(QPainter& painter, double dotsPerInch, QPointF topLeft, double scale, const SheetView& sheet);

/// The printed page: the puzzle sheet above and the solution sheet below, both at kPrintScale.
void PaintPrintedPage(QPainter& painter, double dotsPerInch, const PrintedSheets& sheets);

}  // namespace loopword
