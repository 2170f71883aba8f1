// Checks the picture drawn for a high-DPI screen: finer than a stretched copy, same bitmap size.
#include "output/image_canvas.h"

#include <gtest/gtest.h>

#include "display/colors.h"
#include "display/units.h"

namespace loopword {
namespace {

/// Aligned 2 × 2 blocks of `image` whose pixels are not all the same (none in a stretched copy).
int MixedBlocks(const QImage& image) {
  int mixed = 0;
  for (int y = 0; y + 1 < image.height(); y += 2) {
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb p = image.pixel(x, y);
      mixed += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
    }
  }
  return mixed;
}

TEST(ImageCanvas, AtRatioTwoTheScreenPictureHasFullResolutionDetailAndTheBitmapKeepsItsSize) {
  ImageCanvas plain(6936, 7092, kScreenDpi);
  ImageCanvas sharp(6936, 7092, kScreenDpi);
  sharp.SetPixelRatio(2.0);
  for (ImageCanvas* canvas : {&plain, &sharp}) canvas->DrawText(600, 600, "WORDS", Font{"Liberation Sans", 24, true}, ColorInk);

  EXPECT_EQ(sharp.Image(), plain.Image()) << "the saved bitmap does not depend on the screen";
  const QImage& screen = sharp.ScreenImage();
  EXPECT_EQ(screen.size(), 2 * QSize(462, 473));
  EXPECT_EQ(screen.devicePixelRatio(), 2.0);
  EXPECT_EQ(MixedBlocks(plain.Image().scaled(screen.size())), 0);
  EXPECT_GT(MixedBlocks(screen), 100) << "letter edges must fall inside the stretched pixels";
  plain.FillBox(4500, 4500, 6000, 6000, ColorFrame);
  plain.SetPixelRatio(2.0);
  EXPECT_EQ(plain.ScreenImage().pixelColor(700, 700), QColor(ColorFrame.r, ColorFrame.g, ColorFrame.b)) << "kept";
}

}  // namespace
}  // namespace loopword
