// Checks the figure and the two sheets against a recording canvas: places, colours and fonts.
#include <gtest/gtest.h>

#include <map>

#include "board/placement_line.h"
#include "display/board_drawing.h"
#include "display/colors.h"
#include "display/sheets.h"
#include "support/recording_canvas.h"

namespace loopword {
namespace {

using testing::CanvasOp;
using testing::RecordingCanvas;
using Kind = CanvasOp::Kind;

/// A board whose square s holds eight times the letter 'A' + s - 1, its word eight times the
/// letter 'Z' - s + 1, so alphabetical order is the reverse of square order.
struct Sample {
  Board board;
  std::vector<std::string> lines;
  Sample() {
    for (int s = 1; s <= kSquareCount; ++s) {
      board.SquareWord[static_cast<std::size_t>(s)] = std::string(8, static_cast<char>('A' + s - 1));
      const std::string word(8, static_cast<char>('Z' - s + 1));
      lines.push_back(PlacementLine{s, board.SquareWord[static_cast<std::size_t>(s)], 9, word}.ToString());
    }
  }
};

std::pair<int, int> Anchor(int square, int position) {
  const TwipPoint point = CellPoint(square, position);
  return {point.x, point.y};
}

TEST(DrawBoard, FrameTagsSquareTwelveInInkNumbersAndNoClearing) {
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawBoard(picture, ColorFrame);
  EXPECT_TRUE(canvas.Of(Kind::Clear).empty());
  const auto tags = canvas.Of(Kind::FilledBox);
  ASSERT_EQ(tags.size(), 24u);  // square 12 twice, the second time in ink
  EXPECT_EQ(std::count_if(tags.begin(), tags.end(), [](const CanvasOp& t) { return t.color == ColorFrame; }), 23);
  EXPECT_EQ(tags.back().color, ColorInk);
  EXPECT_EQ((std::pair{tags.back().x1, tags.back().x2}), (std::pair{SquareX[12] + 625, SquareX[12] + 885}));
  const auto texts = canvas.Of(Kind::Text);
  EXPECT_EQ(texts[0].text, "Loopword") << "no web address unless the build names one";
  EXPECT_EQ((std::pair{texts[9].text, texts[9].x1}), (std::pair{std::string("9"), SquareX[9] + 680}));
  EXPECT_EQ((std::pair{texts[10].text, texts[10].x1}), (std::pair{std::string("10"), SquareX[10] + 660}));
  EXPECT_EQ(texts[10].color, ColorPaper);
  EXPECT_EQ(texts[10].font, (Font{"Courier New", 9, true}));
  const auto frames = canvas.Of(Kind::Box);
  EXPECT_EQ(frames.size(), 24u * 10u);  // nine grey cells and one ink frame a square
  EXPECT_TRUE(frames[0].color == ColorGrey && frames[9].color == ColorInk && frames[9].penWidth == 2);
  EXPECT_TRUE(picture.ForeColor == ColorInk && picture.FontSize == 10);
}

TEST(DrawLetters, RingCharactersAtTheirAnchorsBlanksDrawNothing) {
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawSquareLetters(picture, 7, "ABCDEFGHIJ");
  DrawSquareLetters(picture, 8, "        ");
  DrawSquareLetters(picture, 9, "XY");
  std::vector<std::string> drawn;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.text.find_first_not_of(' ') == std::string::npos) continue;
    drawn.push_back(op.text);
    if (op.text < "I") {
      EXPECT_EQ((std::pair{op.x1, op.y1}), Anchor(7, op.text[0] - 'A' + 1));
    }
  }
  EXPECT_EQ(drawn, (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "X", "Y"}));
  canvas.ops.clear();
  DrawBlankCell(picture, 3, 4);
  const auto [x, y] = Anchor(3, 4);
  const CanvasOp& blank = canvas.ops.at(0);
  EXPECT_EQ((std::vector<int>{blank.x1, blank.y1, blank.x2, blank.y2}),
            (std::vector<int>{x - 75, y - 25, x + 175, y + 225}));
  EXPECT_EQ(blank.color, ColorBack);
}

TEST(DrawStartMarks, MarkOnTheTagEdgeFacingTheStartCellNineAsOne) {
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawStartMarks(picture, {"04 ABCDEFGH 9 ABCDEFGH", "05 ABCDEFGH 1 ABCDEFGH", "06 ABCDEFGH 5 EFGHABCD", "damaged"});
  std::vector<std::vector<int>> marks;  // x and y from the square's origin, side (squares 4, 5, 6)
  for (const CanvasOp& m : canvas.Of(Kind::FilledBox)) {
    const auto square = static_cast<std::size_t>(4 + marks.size());
    EXPECT_EQ(m.color, ColorPaper);
    marks.push_back({m.x1 - SquareX[square], m.y1 - SquareY[square], m.x2 - m.x1});
  }
  EXPECT_EQ(marks, (std::vector<std::vector<int>>{{620, 625, 25}, {620, 625, 25}, {860, 845, 25}}));
}

TEST(PuzzleSheet, SquareTwelveTheHintsTheSortedWordsAndTheInstruction) {
  const Sample sample;
  RecordingCanvas canvas;
  Picture picture(canvas);
  std::vector<std::string> list1;
  DrawPuzzleSheet(picture, sample.board, sample.lines, list1);
  EXPECT_EQ(canvas.ops.front().kind, Kind::Clear);
  std::map<std::pair<int, int>, std::string> letters;
  std::vector<CanvasOp> rows;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.text.size() == 1 && op.font.size == 10 && op.color == ColorInk) letters[{op.x1, op.y1}] = op.text;
    if (op.text.size() == 8 && op.x1 == 5500) rows.push_back(op);
  }
  std::map<std::pair<int, int>, std::string> expected;
  for (int p = 1; p <= 8; ++p) expected[Anchor(12, p)] = "L";
  for (const HintCell& hint : HintCells) {
    expected[Anchor(hint.square, hint.position)] = std::string(1, static_cast<char>('A' + hint.square - 1));
  }
  EXPECT_EQ(letters, expected);
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_EQ(rows[0].text, "DDDDDDDD");  // square 23's word sorts first
  EXPECT_EQ((std::vector<int>{rows[0].x1, rows[0].y1, rows[22].y1}), (std::vector<int>{5500, 750, 6250}));
  EXPECT_TRUE(!rows[0].font.bold && list1.front() == rows[0].text);
  const auto texts = canvas.Of(Kind::Text);
  const auto found = std::find_if(texts.begin(), texts.end(), [](const CanvasOp& t) { return t.text == kInstructionLine; });
  ASSERT_NE(found, texts.end());
  const CanvasOp& instruction = *found;
  EXPECT_EQ((std::vector<int>{instruction.x1, instruction.y1, instruction.font.size}), (std::vector<int>{160, 6800, 6}));
  EXPECT_TRUE(picture.FontBold);
}

TEST(SolutionSheet, EveryLetterTheWordsBySquareAndTheMarks) {
  const Sample sample;
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawSolutionSheet(picture, sample.board, sample.lines);
  std::vector<std::string> rows;
  int letters = 0;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    letters += op.text.size() == 1 && op.font.size == 10 ? 1 : 0;
    if (op.x1 == 5500 && op.y1 >= 750) rows.push_back(op.text);
  }
  EXPECT_EQ(letters, 23 * 8);
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_EQ((std::pair{rows[0], rows[22]}), (std::pair{std::string("01 ZZZZZZZZ"), std::string("23 DDDDDDDD")}));
  EXPECT_EQ(canvas.Of(Kind::FilledBox).size(), 24u + 23u);  // tags, then one mark a square
  EXPECT_EQ(picture.FontSize, 8);
}

}  // namespace
}  // namespace loopword
