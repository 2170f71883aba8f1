// The picture area's persistent image: what is drawn stays until it is cleared.
#pragma once

#include <QImage>
#include <functional>

#include "display/canvas.h"

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
  /// Called after every change, so a widget showing the image can repaint.
  std::function<void()> changed;

 private:
  template <typename Paint>
  void Draw(Paint paint);

  int widthTwips_;
  int heightTwips_;
  double dotsPerInch_;
  QImage image_;
  QImage screen_;  // null at ratio 1, where Image() is shown
};

}  // namespace loopword
