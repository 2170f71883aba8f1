// Checks sheet pictures: finer on a high-DPI screen, the bitmap's size and resolution kept, a live compile's steps.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/sheet_image.h"

#include <gtest/gtest.h>

#include <functional>

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

TEST(SheetImages, EachStepOfALiveCompileOnTheKeptEmptyFigureIsTheWholeDrawingWhichKeepsFullDetailAtRatioTwo) {
  const struct { const char* step; std::function<void(FigureSteps&)> take; double pixelRatio; } steps[] = {
      {"empty", [](FigureSteps&) {}, 1.0},
      {"starting word", [](FigureSteps& f) { f.PrintRing(kCrossingSquare, "ELEPHANT"); }, 1.0},
      {"square highlighted", [](FigureSteps& f) { f.DrawSquare(11, ColorYellow); }, 1.0},
      {"word placed", [](FigureSteps& f) { f.PrintRing(11, "TRAMPOLI"); f.DrawSquare(11, ColorInk); }, 1.0},
      {"neighbour over the shared cells", [](FigureSteps& f) { f.PrintRing(13, "ANTELOPE"); f.DrawSquare(13, ColorInk); }, 2.0},
      {"cells blanked", [](FigureSteps& f) { f.Blank(11, 3); f.Blank(13, 1); f.DrawSquare(11, ColorYellow); }, 2.0},
      {"many squares", [](FigureSteps& f) { for (int s = 1; s <= kSquareCount; ++s) { f.PrintRing(s, "QUARTZES"); f.DrawSquare(s, s % 2 ? ColorInk : ColorYellow); } }, 1.5},
      {"back at one", [](FigureSteps& f) { f.DrawSquare(1, ColorYellow); }, 1.0},
  };
  SheetImages images;  // one for every step, as the picture area keeps it
  FigureSteps figure;
  for (const auto& step : steps) {
    step.take(figure);
    const SheetView view = FigureView(figure);
    const QImage whole = SheetImage(view, step.pixelRatio);
    const QImage kept = images.Draw(view, step.pixelRatio);
    EXPECT_EQ(kept, whole) << step.step;
    EXPECT_EQ(kept.devicePixelRatio(), step.pixelRatio) << step.step;
    EXPECT_EQ(kept.dotsPerMeterX(), whole.dotsPerMeterX()) << step.step;
  }
  const QImage plain = SheetImage(FigureView()), sharp = SheetImage(FigureView(figure), 2.0);
  EXPECT_EQ(images.Draw(FigureView()), plain) << "the steps drawn leave the kept empty figure empty";
  EXPECT_EQ(plain.size(), QSize(462, 473));
  EXPECT_EQ(plain.dotsPerMeterX(), 3780) << "96 dots per inch";
  EXPECT_EQ(sharp.size(), 2 * QSize(462, 473));
  EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
  EXPECT_GT(MixedBlocks(sharp), 100) << "letter edges must fall inside the stretched pixels";
  const TwipPoint tag = CellPoint(5, kCentre);
  const QPoint insideTheTag((tag.x - 75 + 30) / 15, (tag.y - 25 + 30) / 15);  // the tag's box starts 75 left of and 25 above it
  EXPECT_EQ(plain.pixelColor(insideTheTag), QColor(ColorFrame.r, ColorFrame.g, ColorFrame.b)) << "an empty figure's tag";
}

}  // namespace
}  // namespace loopword
