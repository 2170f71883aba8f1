// Checks the picture drawn for a high-DPI screen: finer than a stretched copy, same bitmap size.
#include "output/image_canvas.h"

#include <gtest/gtest.h>

#include "display/colors.h"
#include "display/units.h"

namespace loopword {
namespace {

constexpr int kWidthTwips = 6936;
constexpr int kHeightTwips = 7092;

void DrawSample(ImageCanvas& canvas) {
  canvas.DrawText(600, 600, "WORDS", Font{"Liberation Sans", 24, true}, ColorInk);
  canvas.DrawBox(450, 2400, 3450, 3000, ColorInk, 1);
}

/// Aligned 2 × 2 blocks of `image` whose pixels are not all the same.
int MixedBlocks(const QImage& image) {
  int mixed = 0;
  for (int y = 0; y + 1 < image.height(); y += 2) {
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb first = image.pixel(x, y);
      mixed += image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first || image.pixel(x + 1, y + 1) != first;
    }
  }
  return mixed;
}

/// Pixels that differ between two images of the same size.
int DifferentPixels(const QImage& a, const QImage& b) {
  int different = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) different += a.pixel(x, y) != b.pixel(x, y);
  }
  return different;
}

TEST(ImageCanvas, AtRatioTwoTheScreenPictureHasFullResolutionDetailAndTheBitmapKeepsItsSize) {
  ImageCanvas plain(kWidthTwips, kHeightTwips, kScreenDpi);
  ImageCanvas sharp(kWidthTwips, kHeightTwips, kScreenDpi);
  sharp.SetPixelRatio(2.0);
  DrawSample(plain);
  DrawSample(sharp);

  EXPECT_EQ(sharp.Image(), plain.Image()) << "the saved bitmap does not depend on the screen";
  EXPECT_EQ(sharp.Image().size(), QSize(462, 473));
  const QImage& screen = sharp.ScreenImage();
  EXPECT_EQ(screen.size(), QSize(924, 946));
  EXPECT_EQ(screen.devicePixelRatio(), 2.0);
  const QImage stretched = plain.Image().scaled(screen.size());
  EXPECT_EQ(MixedBlocks(stretched), 0) << "a stretched copy has no finer detail";
  EXPECT_GT(MixedBlocks(screen), 100) << "letter and line edges must fall inside the stretched pixels";
  const QImage smoothed = plain.Image().scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_GT(DifferentPixels(screen.convertToFormat(smoothed.format()), smoothed), 100) << "nor a smoothed copy";
  EXPECT_EQ(plain.ScreenImage(), plain.Image());
}

TEST(ImageCanvas, ChangingTheRatioKeepsWhatIsDrawn) {
  ImageCanvas canvas(kWidthTwips, kHeightTwips, kScreenDpi);
  canvas.FillBox(1500, 1500, 3000, 3000, ColorFrame);
  canvas.SetPixelRatio(2.0);
  EXPECT_EQ(canvas.ScreenImage().pixelColor(300, 300), QColor(ColorFrame.r, ColorFrame.g, ColorFrame.b));
  canvas.SetPixelRatio(1.0);
  EXPECT_EQ(&canvas.ScreenImage(), &canvas.Image());
}

}  // namespace
}  // namespace loopword
