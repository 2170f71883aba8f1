// Sheets on the page: translate, scale, clip, then the same drawing of a sheet's view as the screen.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/print_page.h"

#include "display/colors.h"
#include "display/sheets.h"
#include "output/painter_canvas.h"

namespace loopword {

void PaintSheetOnPage(QPainter& painter, double dotsPerInch, QPointF topLeft, double scale, const SheetView& sheet) {
  painter.save();
  painter.translate(TwipsToDevice(topLeft.x(), dotsPerInch), TwipsToDevice(topLeft.y(), dotsPerInch));
  painter.scale(scale, scale);
  painter.setClipRect(QRectF(0, 0, TwipsToDevice(kSheetWidth, dotsPerInch), TwipsToDevice(kSheetHeight, dotsPerInch)));
  PainterCanvas canvas(painter, dotsPerInch, kSheetWidth, kSheetHeight, ColorBack);
  Picture picture(canvas);
  DrawSheetView(picture, sheet);
  painter.restore();
}

void PaintPrintedPage(QPainter& painter, double dotsPerInch, const PrintedSheets& sheets) {
  PaintSheetOnPage(painter, dotsPerInch, kPuzzleOnPage, kPrintScale, sheets.puzzle);
  PaintSheetOnPage(painter, dotsPerInch, kSolutionOnPage, kPrintScale, sheets.solution);
}

}  // namespace loopword
