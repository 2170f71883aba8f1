// Checks the picture drawn for a high-DPI screen: finer than a stretched copy, the bitmap's size and resolution kept.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/sheet_image.h"

#include <gtest/gtest.h>

#include "board/geometry.h"
#include "display/colors.h"

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

TEST(SheetImage, AtRatioTwoThePictureHasFullResolutionDetailAndTheBitmapKeepsItsSizeAndResolution) {
  FigureSteps figure;
  figure.PrintRing(kCrossingSquare, "ELEPHANT");
  const SheetView view = FigureView(figure);
  const QImage plain = SheetImage(view);
  const QImage sharp = SheetImage(view, 2.0);
  EXPECT_EQ(plain.size(), QSize(462, 473));
  EXPECT_EQ(plain.dotsPerMeterX(), 3780) << "96 dots per inch";
  EXPECT_EQ(sharp.size(), 2 * QSize(462, 473));
  EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
  EXPECT_EQ(MixedBlocks(plain.scaled(sharp.size())), 0);
  EXPECT_GT(MixedBlocks(sharp), 100) << "letter edges must fall inside the stretched pixels";
  const TwipPoint tag = CellPoint(5, kCentre);
  const QPoint insideTheTag((tag.x - 75 + 30) / 15, (tag.y - 25 + 30) / 15);  // the tag's box starts 75 left of and 25 above it
  EXPECT_EQ(plain.pixelColor(insideTheTag), QColor(ColorFrame.r, ColorFrame.g, ColorFrame.b)) << "an empty figure's tag";
}

}  // namespace
}  // namespace loopword
