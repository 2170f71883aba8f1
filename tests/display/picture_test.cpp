// Checks that the picture area draws with its current pen, colour, font and text position.
#include "display/picture.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/recording_canvas.h"

namespace loopword {
namespace {

using testing::CanvasOp;
using testing::RecordingCanvas;

TEST(Picture, DrawsWithTheStateSetAtTheTimeStartingFromTheStartUpState) {
  RecordingCanvas canvas;
  Picture picture(canvas);
  picture.Print("A");
  picture.LineBox(10, 20, 30, 40, ColorFrame);
  picture.DrawWidth = 2;
  picture.LineBox(1, 2, 3, 4, ColorGrey);
  picture.LineBoxFilled(50, 60, 70, 80, ColorYellow);
  picture.ForeColor = ColorPaper;
  picture.FontName = "Courier New";
  picture.FontSize = 8;
  picture.FontBold = false;
  picture.CurrentX = 5500;
  picture.CurrentY = 750;
  picture.Print("ABCDEFGH");
  picture.Print("");

  const auto& ops = canvas.ops;
  ASSERT_EQ(ops.size(), 5U);
  EXPECT_EQ(std::tie(ops[0].text, ops[0].x1, ops[0].y1), std::make_tuple("A", 0, 0));
  EXPECT_EQ(ops[0].font, (Font{"courier new", 14, true}));
  EXPECT_EQ(ops[0].color, ColorInk);
  EXPECT_EQ(std::tie(ops[1].kind, ops[1].x1, ops[1].y1, ops[1].x2, ops[1].y2, ops[1].penWidth),
            std::make_tuple(CanvasOp::Kind::Box, 10, 20, 30, 40, 1));
  EXPECT_EQ(ops[1].color, ColorFrame);
  EXPECT_EQ(ops[2].penWidth, 2);
  EXPECT_EQ(std::tie(ops[3].kind, ops[3].x1, ops[3].y1, ops[3].x2, ops[3].y2),
            std::make_tuple(CanvasOp::Kind::FilledBox, 50, 60, 70, 80));
  EXPECT_EQ(ops[3].color, ColorYellow);
  EXPECT_EQ(std::tie(ops[4].text, ops[4].x1, ops[4].y1), std::make_tuple("ABCDEFGH", 5500, 750));
  EXPECT_EQ(ops[4].font, (Font{"Courier New", 8, false}));
  EXPECT_EQ(ops[4].color, ColorPaper);
  EXPECT_EQ(std::tie(picture.CurrentX, picture.CurrentY), std::make_tuple(5500, 750));
}

TEST(Picture, ClsClearsAndReturnsToTheTopLeftKeepingTheFont) {
  RecordingCanvas canvas;
  Picture picture(canvas);
  picture.CurrentX = 300;
  picture.CurrentY = 400;
  picture.FontSize = 8;
  picture.Cls();
  ASSERT_EQ(canvas.ops.size(), 1U);
  EXPECT_EQ(canvas.ops[0].kind, CanvasOp::Kind::Clear);
  EXPECT_EQ(std::tie(picture.CurrentX, picture.CurrentY, picture.FontSize), std::make_tuple(0, 0, 8));
}

}  // namespace
}  // namespace loopword
