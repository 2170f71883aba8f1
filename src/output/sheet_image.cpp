// Drawing a sheet's view into an image with one painter, the figure's steps on a kept empty figure.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/sheet_image.h"

#include <cmath>

#include "display/colors.h"
#include "display/sheets.h"
#include "output/painter_canvas.h"

namespace loopword {

namespace {

/// A white image of the sheet's size at screen resolution and `pixelRatio` device pixels a pixel.
QImage BlankSheet(double pixelRatio) {
  const QSize size(TwipsToPixels(kSheetWidth), TwipsToPixels(kSheetHeight));
  QImage image(size * pixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  const int dotsPerMeter = static_cast<int>(std::lround(kScreenDpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(ToQColor(ColorBack));
  return image;
}

/// Runs `draw` on a picture over `image`, with one painter at the image's device pixel ratio.
template <typename Draw>
void DrawOn(QImage& image, const Draw& draw) {
  QPainter painter(&image);
  PainterCanvas canvas(painter, kScreenDpi, kSheetWidth, kSheetHeight, ColorBack);
  Picture picture(canvas);
  draw(picture);
}

}  // namespace

QImage SheetImage(const SheetView& sheet, double pixelRatio) {
  QImage image = BlankSheet(pixelRatio);
  DrawOn(image, [&](Picture& picture) { DrawSheetView(picture, sheet); });
  return image;
}

QImage SheetImages::Draw(const SheetView& sheet, double pixelRatio) {
  if (sheet.sheet != Sheet::Figure) return SheetImage(sheet, pixelRatio);
  if (emptyFigure_.isNull() || emptyFigure_.devicePixelRatio() != pixelRatio) emptyFigure_ = SheetImage(FigureView(), pixelRatio);
  QImage image = emptyFigure_;  // copied when the painter begins
  DrawOn(image, [&](Picture& picture) { DrawFigureSteps(picture, sheet.figure); });
  return image;
}

}  // namespace loopword
