// A sheet's view drawn into an image at screen resolution: what the picture area paints and Save as bitmap saves.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "display/sheet_view.h"

namespace loopword {

/// `sheet` drawn on a white image of the sheet's size at screen resolution, one pixel a screen
/// pixel; at a `pixelRatio` above 1 the image has that many device pixels a pixel, so that
/// high-DPI screens show it sharp.
QImage SheetImage(const SheetView& sheet, double pixelRatio = 1.0);

/// Draws sheet views as SheetImage does, pixel for pixel, but keeps the empty figure once drawn, so
/// that a figure view, drawn again at every step of a live compile, costs only its steps.
class SheetImages {
 public:
  /// SheetImage(sheet, pixelRatio).
  QImage Draw(const SheetView& sheet, double pixelRatio = 1.0);

 private:
  QImage emptyFigure_;  // at the pixel ratio last drawn
};

}  // namespace loopword
