// An image that keeps everything drawn on it until it is cleared, and a sheet's view drawn into one.
#pragma once

#include <QImage>

#include "display/canvas.h"
#include "display/sheet_view.h"

namespace loopword {

/// A white image of the picture area's size at screen resolution that keeps everything drawn, and
/// the same drawing at the screen's device pixel ratio, so high-DPI screens show it sharp.
class ImageCanvas final : public Canvas {
 public:
  /// An image `widthTwips` × `heightTwips` at `dotsPerInch` (pixels are rounded to the nearest).
  ImageCanvas(int widthTwips, int heightTwips, double dotsPerInch);

  void Clear() override;
  void DrawBox(int x1, int y1, int x2, int y2, Color color, int penWidth) override;
  void FillBox(int x1, int y1, int x2, int y2, Color color) override;
  void DrawText(int x, int y, const std::string& text, const Font& font, Color color) override;

  /// The image as drawn so far, one pixel a screen pixel at `dotsPerInch`: what is saved and copied.
  [[nodiscard]] const QImage& Image() const { return image_; }
  /// The same drawing at the device pixel ratio last set, for showing on the screen.
  [[nodiscard]] const QImage& ScreenImage() const { return screen_.isNull() ? image_ : screen_; }
  /// Draws for a screen of `ratio` device pixels a pixel from now on; what is already drawn is
  /// carried over scaled up until it is drawn again.
  void SetPixelRatio(double ratio);

 private:
  template <typename Paint>
  void Draw(Paint paint);

  int widthTwips_;
  int heightTwips_;
  double dotsPerInch_;
  QImage image_;
  QImage screen_;  // null at ratio 1, where Image() is shown
};

/// `sheet` drawn at screen resolution, at `pixelRatio` device pixels a pixel: what the picture shows and Save as bitmap saves.
QImage SheetImage(const SheetView& sheet, double pixelRatio = 1.0);

}  // namespace loopword
