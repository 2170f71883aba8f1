// Placing the puzzle and solution sheets on one printed page, drawn at the printer's resolution.
#pragma once

#include <QPainter>
#include <functional>

#include "display/picture.h"

namespace loopword {

/// Top-left corner of the puzzle sheet on the page, in twips from the printable origin.
inline constexpr QPoint kPuzzleOnPage{2200, 440};
/// Top-left corner of the solution sheet on the page, in twips from the printable origin.
inline constexpr QPoint kSolutionOnPage{2200, 8195};
/// Both sheets are printed at 110 % of their size on screen.
inline constexpr double kPrintScale = 1.1;

/// Draws one sheet through `draw` onto the page that `painter` paints at `dotsPerInch`: placed
/// at `topLeft` (twips), enlarged by kPrintScale and clipped to the picture area's
/// `widthTwips` × `heightTwips`, as the sheet shows on screen.
void PaintSheetOnPage(QPainter& painter, double dotsPerInch, QPoint topLeft, int widthTwips, int heightTwips,
                      const std::function<void(Picture&)>& draw);

}  // namespace loopword
