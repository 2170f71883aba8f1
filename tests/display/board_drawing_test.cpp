// Checks the figure's drawing: grids, tags, numbers, header, letters and start marks.
#include "display/board_drawing.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "board/board.h"
#include "board/geometry.h"
#include "display/colors.h"
#include "support/recording_canvas.h"

namespace loopword {
namespace {

using testing::CanvasOp;
using testing::RecordingCanvas;
using Kind = CanvasOp::Kind;

/// Kind and corners of a recorded operation (text: its position).
auto Where(const CanvasOp& op) { return std::make_tuple(op.kind, op.x1, op.y1, op.x2, op.y2); }

/// Pen width, text colour and font of a picture, to compare what a routine leaves set.
auto StateOf(const Picture& p) {
  return std::make_tuple(p.DrawWidth, p.ForeColor, p.FontName, p.FontSize, p.FontBold);
}

/// Where the letter of ring position p (1..9) goes: 100 twips right of and 50 below its cell's corner.
std::pair<int, int> LetterPoint(int square, int p) {
  static constexpr std::array<int, 10> kColumn = {0, 1, 2, 3, 3, 3, 2, 1, 1, 2};
  static constexpr std::array<int, 10> kRow = {0, 1, 1, 1, 2, 3, 3, 3, 2, 2};
  const auto s = static_cast<std::size_t>(square);
  const auto i = static_cast<std::size_t>(p);
  return {SquareX[s] + 300 * kColumn[i] + 100, SquareY[s] + 300 * kRow[i] + 50};
}

/// A picture in a state no routine sets, so that tests see what a routine changes.
struct Scene {
  RecordingCanvas canvas;
  Picture picture{canvas};
  Scene() {
    picture.DrawWidth = 3;
    picture.ForeColor = ColorYellow;
    picture.FontName = "Courier New";
    picture.FontSize = 7;
  }
};

TEST(DrawSquareGrid, NineGreyCellsThenTheInkFrameLeavingPenTwo) {
  Scene scene;
  auto expectedState = StateOf(scene.picture);
  std::get<0>(expectedState) = 2;
  DrawSquareGrid(scene.picture, 600, 1800);
  const auto& ops = scene.canvas.ops;
  ASSERT_EQ(ops.size(), 10U);
  for (std::size_t i = 0; i < 9; ++i) {
    const int left = 600 + 300 * static_cast<int>(i % 3 + 1);
    const int top = 1800 + 300 * static_cast<int>(i / 3 + 1);
    EXPECT_EQ(Where(ops[i]), std::make_tuple(Kind::Box, left, top, left + 300, top + 300));
    EXPECT_EQ(std::tie(ops[i].color, ops[i].penWidth), std::make_tuple(ColorGrey, 1));
  }
  EXPECT_EQ(Where(ops[9]), std::make_tuple(Kind::Box, 900, 2100, 1800, 3000));
  EXPECT_EQ(std::tie(ops[9].color, ops[9].penWidth), std::make_tuple(ColorInk, 2));
  EXPECT_EQ(StateOf(scene.picture), expectedState);
}

TEST(DrawSquare, TagGridAndNumberOfEverySquare) {
  for (int k = 1; k <= kSquareCount; ++k) {
    Scene scene;
    DrawSquare(scene.picture, k, ColorYellow);
    const int x = SquareX[static_cast<std::size_t>(k)];
    const int y = SquareY[static_cast<std::size_t>(k)];
    const auto& ops = scene.canvas.ops;
    ASSERT_EQ(ops.size(), 12U);
    EXPECT_EQ(Where(ops[0]), std::make_tuple(Kind::FilledBox, x + 625, y + 625, x + 885, y + 885));
    EXPECT_EQ(ops[0].color, ColorYellow);
    EXPECT_EQ(std::tie(ops[11].text, ops[11].x1, ops[11].y1),
              std::make_tuple(std::to_string(k), x + (k < 10 ? 680 : 660), y + 650));
    EXPECT_EQ(ops[11].font, (Font{"Courier New", 9, true}));
    EXPECT_EQ(ops[11].color, ColorPaper);
    EXPECT_EQ(StateOf(scene.picture), std::make_tuple(2, ColorInk, std::string("Courier New"), 10, true));
  }
}

TEST(DrawBoard, HeaderThenSquaresInOrderAndSquareTwelveAgainInInkWithoutClearing) {
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawBoard(picture, ColorFrame);

  ASSERT_FALSE(canvas.ops.empty());
  const CanvasOp& header = canvas.ops.front();
  EXPECT_EQ(std::tie(header.text, header.x1, header.y1),
            std::make_tuple("Loopword - free download at https://loopword.app", 20, 20));
  EXPECT_EQ(header.font, (Font{"courier new", 6, true}));
  EXPECT_TRUE(canvas.Of(Kind::Clear).empty());

  std::vector<std::size_t> order;
  for (std::size_t k = 1; k <= kSquareCount; ++k) order.push_back(k);
  order.push_back(kCrossingSquare);
  const auto tags = canvas.Of(Kind::FilledBox);
  std::vector<CanvasOp> frames;
  for (const CanvasOp& box : canvas.Of(Kind::Box)) {
    if (box.color == ColorInk) frames.push_back(box);
  }
  ASSERT_EQ(tags.size(), order.size());
  ASSERT_EQ(frames.size(), order.size());
  std::map<std::pair<int, int>, Color> visibleTag;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const int x = SquareX[order[i]];
    const int y = SquareY[order[i]];
    EXPECT_EQ(std::tie(tags[i].x1, tags[i].y1), std::make_tuple(x + 625, y + 625));
    EXPECT_EQ(std::tie(frames[i].x1, frames[i].y1), std::make_tuple(x + 300, y + 300));
    visibleTag[{x, y}] = tags[i].color;
  }
  for (const auto& [origin, color] : visibleTag) {
    EXPECT_EQ(color, origin == std::make_pair(SquareX[12], SquareY[12]) ? ColorInk : ColorFrame);
  }
  EXPECT_EQ(canvas.Of(Kind::Text).back().font, (Font{"Courier New", 9, true}));
  EXPECT_EQ(StateOf(picture), std::make_tuple(2, ColorInk, std::string("Courier New"), 10, true));
}

TEST(DrawSquareLetters, CharacterPGoesInsetInTheCellOfPositionPInTheCurrentFont) {
  Scene scene;
  const auto before = StateOf(scene.picture);
  DrawSquareLetters(scene.picture, 5, "ABCDEFGHIJ");
  DrawCellLetter(scene.picture, 1, kCentre, "S");
  const auto& texts = scene.canvas.ops;
  ASSERT_EQ(texts.size(), 9U);
  for (int p = 1; p <= kRingSize; ++p) {
    const CanvasOp& text = texts[static_cast<std::size_t>(p - 1)];
    EXPECT_EQ(text.text, std::string(1, static_cast<char>('A' + p - 1)));
    EXPECT_EQ(std::make_pair(text.x1, text.y1), LetterPoint(5, p)) << "position " << p;
    EXPECT_EQ(std::tie(text.font, text.color), std::make_tuple(Font{"Courier New", 7, true}, ColorYellow));
  }
  EXPECT_EQ(std::make_pair(texts[8].x1, texts[8].y1), std::make_pair(1900, 2750));
  EXPECT_EQ(StateOf(scene.picture), before);
}

TEST(DrawSquareLetters, ShortBlankAndEmptyRingsDrawOnlyWhatTheyHold) {
  Scene scene;
  DrawSquareLetters(scene.picture, 9, "XYZ");
  ASSERT_EQ(scene.canvas.ops.size(), 3U);
  EXPECT_EQ(std::make_pair(scene.canvas.ops[2].x1, scene.canvas.ops[2].y1), LetterPoint(9, 3));
  scene.canvas.ops.clear();
  DrawSquareLetters(scene.picture, 9, kEmptyRing);
  EXPECT_TRUE(scene.canvas.VisibleTexts().empty());
  scene.canvas.ops.clear();
  DrawSquareLetters(scene.picture, 9, "");
  EXPECT_TRUE(scene.canvas.ops.empty());
}

TEST(DrawStartMarks, OneMarkPerLineOnTheTagEdgeFacingTheStartCell) {
  // Offsets from the centre anchor for start digits 1..9; 9 is marked like 1.
  const std::array<std::pair<int, int>, 10> offset = {{{0, 0}, {-80, -25}, {50, -25}, {160, -25}, {160, 80},
                                                        {160, 195}, {50, 195}, {-80, 195}, {-80, 80}, {-80, -25}}};
  std::vector<std::string> lines;
  for (int digit = 1; digit <= 9; ++digit) {
    lines.push_back(std::to_string(digit + 10) + " ABCDEFGH " + std::to_string(digit) + " ABCDEFGH");
  }
  lines.insert(lines.begin() + 3, "junk");
  lines.push_back("24 ABCDEFGH 1 ABCDEFGH");
  Scene scene;
  const auto before = StateOf(scene.picture);
  DrawStartMarks(scene.picture, lines);
  ASSERT_EQ(scene.canvas.ops.size(), 9U);
  for (std::size_t digit = 1; digit <= 9; ++digit) {
    const CanvasOp& mark = scene.canvas.ops[digit - 1];
    const int x = SquareX[digit + 10] + 700 + offset[digit].first;
    const int y = SquareY[digit + 10] + 650 + offset[digit].second;
    EXPECT_EQ(Where(mark), std::make_tuple(Kind::FilledBox, x, y, x + 25, y + 25)) << "digit " << digit;
    EXPECT_EQ(mark.color, ColorPaper);
  }
  EXPECT_EQ(StateOf(scene.picture), before);
}

}  // namespace
}  // namespace loopword
