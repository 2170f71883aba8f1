// Drawing a sheet's view into an image with one painter.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/sheet_image.h"

#include <cmath>

#include "display/colors.h"
#include "display/sheets.h"
#include "output/painter_canvas.h"

namespace loopword {

QImage SheetImage(const SheetView& sheet, double pixelRatio) {
  const QSize size(TwipsToPixels(kSheetWidth), TwipsToPixels(kSheetHeight));
  QImage image(size * pixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  const int dotsPerMeter = static_cast<int>(std::lround(kScreenDpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(ToQColor(ColorBack));
  QPainter painter(&image);  // at the image's device pixel ratio: the same drawing, finer
  PainterCanvas canvas(painter, kScreenDpi, kSheetWidth, kSheetHeight, ColorBack);
  Picture picture(canvas);
  DrawSheetView(picture, sheet);
  return image;
}

}  // namespace loopword
