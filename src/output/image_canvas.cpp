// Drawing into the image through a painter opened for each operation.
#include "output/image_canvas.h"

#include <cmath>

#include "display/colors.h"
#include "display/sheets.h"
#include "display/units.h"
#include "output/painter_canvas.h"

namespace loopword {

ImageCanvas::ImageCanvas(int widthTwips, int heightTwips, double dotsPerInch)
    : widthTwips_(widthTwips),
      heightTwips_(heightTwips),
      dotsPerInch_(dotsPerInch),
      image_(TwipsToPixels(widthTwips, dotsPerInch), TwipsToPixels(heightTwips, dotsPerInch), QImage::Format_RGB32) {
  const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
  image_.setDotsPerMeterX(dotsPerMeter);
  image_.setDotsPerMeterY(dotsPerMeter);
  image_.fill(ToQColor(ColorBack));
}

void ImageCanvas::SetPixelRatio(double ratio) {
  if (ratio == ScreenImage().devicePixelRatio()) return;
  screen_ = QImage();
  if (ratio == 1.0) return;
  screen_ = image_.scaled(image_.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  screen_.setDevicePixelRatio(ratio);
  screen_.setDotsPerMeterX(image_.dotsPerMeterX());
  screen_.setDotsPerMeterY(image_.dotsPerMeterY());
}

template <typename Paint>
void ImageCanvas::Draw(Paint paint) {
  for (QImage* image : {&image_, &screen_}) {
    if (image->isNull()) continue;
    QPainter painter(image);  // at the image's device pixel ratio: the same drawing, finer
    PainterCanvas canvas(painter, dotsPerInch_, widthTwips_, heightTwips_, ColorBack);
    paint(canvas);
  }
}

void ImageCanvas::Clear() {
  Draw([](PainterCanvas& canvas) { canvas.Clear(); });
}

void ImageCanvas::DrawBox(int x1, int y1, int x2, int y2, Color color, int penWidth) {
  Draw([&](PainterCanvas& canvas) { canvas.DrawBox(x1, y1, x2, y2, color, penWidth); });
}

void ImageCanvas::FillBox(int x1, int y1, int x2, int y2, Color color) {
  Draw([&](PainterCanvas& canvas) { canvas.FillBox(x1, y1, x2, y2, color); });
}

void ImageCanvas::DrawText(int x, int y, const std::string& text, const Font& font, Color color) {
  Draw([&](PainterCanvas& canvas) { canvas.DrawText(x, y, text, font, color); });
}

QImage SheetImage(const SheetView& sheet, double pixelRatio) {
  ImageCanvas canvas(kSheetWidth, kSheetHeight, kScreenDpi);
  canvas.SetPixelRatio(pixelRatio);
  Picture picture(canvas);
  DrawSheetView(picture, sheet);
  return canvas.ScreenImage();
}

}  // namespace loopword
