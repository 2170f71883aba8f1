// Checks the figure and the two sheets against a recording canvas: what is drawn where, in which colour.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "board/placement_line.h"
#include "display/board_drawing.h"
#include "display/colors.h"
#include "display/sheets.h"
#include "display/solving_view.h"
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
      lines.push_back(PlacementLine{s, board.SquareWord[static_cast<std::size_t>(s)], 9, std::string(8, static_cast<char>('Z' - s + 1))}.ToString());
    }
  }
};

/// True when `point` lies inside the box of `op`.
bool Inside(const TwipPoint& point, const CanvasOp& op) {
  return point.x >= op.x1 && point.x <= op.x2 && point.y >= op.y1 && point.y <= op.y2;
}

/// The one-letter texts drawn in letter size, by where they were drawn.
std::map<std::pair<int, int>, std::string> Letters(const RecordingCanvas& canvas) {
  std::map<std::pair<int, int>, std::string> letters;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.text.size() == 1 && op.font.size == 10) letters[{op.x1, op.y1}] = op.text;
  }
  return letters;
}

std::pair<int, int> At(int square, int position) {
  const TwipPoint point = CellPoint(square, position);
  return {point.x, point.y};
}

TEST(DrawBoard, TagsInTheGivenColourSquareTwelveInInkEachNumberOnItsTagNothingCleared) {
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawBoard(picture, ColorFrame);
  EXPECT_TRUE(canvas.Of(Kind::Clear).empty());
  const auto tags = canvas.Of(Kind::FilledBox);
  ASSERT_EQ(tags.size(), 24u) << "square 12 is drawn twice";
  EXPECT_EQ(tags.back().color, ColorInk);
  EXPECT_TRUE(Inside(CellPoint(12, kCentre), tags.back()));
  const auto texts = canvas.Of(Kind::Text);
  EXPECT_EQ(texts[0].text, "Loopword") << "no web address unless the build names one";
  for (int s = 1; s <= kSquareCount; ++s) {
    EXPECT_EQ(tags[static_cast<std::size_t>(s - 1)].color, ColorFrame);
    const auto number = std::find_if(texts.begin(), texts.end(), [s](const CanvasOp& t) { return t.text == std::to_string(s); });
    ASSERT_NE(number, texts.end());
    EXPECT_TRUE(Inside({number->x1, number->y1}, tags[static_cast<std::size_t>(s - 1)])) << s;
    EXPECT_EQ(number->color, ColorPaper);
  }
  EXPECT_TRUE(picture.ForeColor == ColorInk && picture.FontSize == 10) << "what later letters rely on";
}

TEST(DrawLetters, RingCharactersAtTheirCellPointsBlanksAndMissingOnesDrawNothing) {
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawSquareLetters(picture, 7, "ABCDEFGHIJ");
  DrawSquareLetters(picture, 8, "        ");
  DrawSquareLetters(picture, 9, "XY");
  std::map<std::pair<int, int>, std::string> expected;
  for (int p = 1; p <= kRingSize; ++p) expected[At(7, p)] = std::string(1, static_cast<char>('A' + p - 1));
  expected[At(9, 1)] = "X";
  expected[At(9, 2)] = "Y";
  std::map<std::pair<int, int>, std::string> drawn;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.text != " ") drawn[{op.x1, op.y1}] = op.text;
  }
  EXPECT_EQ(drawn, expected);
  canvas.ops.clear();
  DrawBlankCell(picture, 3, 4);
  EXPECT_TRUE(Inside(CellPoint(3, 4), canvas.ops.at(0)) && canvas.ops.at(0).color == ColorBack);
}

TEST(DrawStartMarks, EachMarkSitsOnTheTagSideThatFacesTheStartCellNineCountingAsOne) {
  const auto side = [](int from, int to) { return (to > from + 50) - (to < from - 50); };
  for (int digit = 1; digit <= 9; ++digit) {
    RecordingCanvas canvas;
    Picture picture(canvas);
    DrawSquare(picture, 5, ColorInk);
    DrawStartMarks(picture, {PlacementLine{5, "ABCDEFGH", digit, "ABCDEFGH"}.ToString(), "damaged"});
    const auto boxes = canvas.Of(Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 2u) << "the tag and one mark";
    const CanvasOp &tag = boxes[0], &mark = boxes[1];
    EXPECT_EQ(mark.color, ColorPaper);
    const TwipPoint tagCentre{(tag.x1 + tag.x2) / 2, (tag.y1 + tag.y2) / 2}, markCentre{(mark.x1 + mark.x2) / 2, (mark.y1 + mark.y2) / 2};
    EXPECT_TRUE(Inside(markCentre, tag)) << "on the tag's edge";
    const TwipPoint centre = CellPoint(5, kCentre), cell = CellPoint(5, digit == 9 ? 1 : digit);
    EXPECT_EQ(side(tagCentre.x, markCentre.x), side(centre.x, cell.x)) << digit;
    EXPECT_EQ(side(tagCentre.y, markCentre.y), side(centre.y, cell.y)) << digit;
  }
}

TEST(Sheets, PuzzleShowsSquareTwelveTheHintsAndTheSortedWordsSolutionShowsEverything) {
  const Sample sample;
  RecordingCanvas canvas;
  Picture picture(canvas);
  std::vector<std::string> list1;
  DrawPuzzleSheet(picture, sample.board, sample.lines, list1);
  EXPECT_EQ(canvas.ops.front().kind, Kind::Clear);
  std::map<std::pair<int, int>, std::string> expected;
  for (int p = 1; p <= kRingSize; ++p) expected[At(12, p)] = "L";
  for (const RingCell& hint : HintCells) expected[At(hint.square, hint.position)] = std::string(1, static_cast<char>('A' + hint.square - 1));
  EXPECT_EQ(Letters(canvas), expected);
  std::vector<std::string> listed;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.text.size() == 8 && op.text != "Loopword") listed.push_back(op.text);
  }
  EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()) && listed.size() == 23u && list1 == listed);
  const auto texts = canvas.Of(Kind::Text);
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const CanvasOp& t) { return t.text == kInstructionLine; }));

  canvas.ops.clear();
  DrawSolutionSheet(picture, sample.board, sample.lines);
  EXPECT_EQ(Letters(canvas).size(), 148u) << "every cell, shared ones drawn twice in one place";
  std::vector<std::string> rows;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.text.size() == 11) rows.push_back(op.text);
  }
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_EQ((std::pair{rows.front(), rows.back()}), (std::pair{std::string("01 ZZZZZZZZ"), std::string("23 DDDDDDDD")}));
  EXPECT_EQ(canvas.Of(Kind::FilledBox).size(), 24u + 23u) << "tags, then one mark a square";
}

TEST(SolvingView, SelectionShadedUnderTheFigureEachLetterOnceMarkedOnesInTheErrorColourStruckWords) {
  const Sample sample;
  SolvingState state(Puzzle{sample.board, sample.lines});
  state.Put({6, 1}, 'Q');
  state.Put({1, 1}, 'X');  // also 2.4
  state.Check();
  for (int p = 1; p <= kRingSize; ++p) state.Put({4, p}, 'D');  // square 4 now reads square 23's word
  state.Select({6, 1});
  RecordingCanvas canvas;
  Picture picture(canvas);
  std::vector<std::string> list1;
  DrawSolvingView(picture, state, sample.lines, list1);
  const auto sheet = std::find_if(canvas.ops.begin() + 1, canvas.ops.end(), [](const CanvasOp& op) { return op.kind != Kind::FilledBox; });
  const std::vector<CanvasOp> shades(canvas.ops.begin() + 1, sheet);  // after the clearing, under the whole sheet
  for (int p = 1; p <= kRingSize; ++p) {
    EXPECT_TRUE(std::any_of(shades.begin(), shades.end(), [p](const CanvasOp& op) { return Inside(CellPoint(6, p), op); })) << p;
  }
  EXPECT_TRUE(shades.back().color == ColorSelection && Inside(CellPoint(6, 1), shades.back()) && !Inside(CellPoint(6, 2), shades.back()));
  std::set<std::pair<int, int>> errors;
  int drawn = 0;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    drawn += op.text.size() == 1 && op.font.size == 10 ? 1 : 0;
    if (op.color == ColorError) errors.insert({op.x1, op.y1});
  }
  const auto letters = Letters(canvas);
  EXPECT_TRUE(letters.size() == 8u + 18u + 2u + 7u && drawn == static_cast<int>(letters.size())) << "each cell once";
  EXPECT_EQ(letters.at(At(6, 1)) + letters.at(At(2, 4)) + letters.at(At(4, 3)) + letters.at(At(12, 2)), "QXDL");
  EXPECT_EQ(errors, (std::set{At(6, 1), At(1, 1)}));
  const auto texts = canvas.Of(Kind::Text);
  const auto word = std::find_if(texts.begin(), texts.end(), [](const CanvasOp& op) { return op.text == "DDDDDDDD"; });
  std::vector<CanvasOp> strokes;
  for (const CanvasOp& op : canvas.Of(Kind::FilledBox)) {
    if (op.color == ColorInk && op.x1 > 4800) strokes.push_back(op);
  }
  ASSERT_TRUE(word != texts.end() && strokes.size() == 1u);
  const CanvasOp& line = strokes[0];  // across its 8 letters (8 points high), thin, inside their height
  EXPECT_TRUE(line.x1 <= word->x1 && line.x2 >= word->x1 + 8 * 90 && line.y1 > word->y1 + 40 && line.y2 < word->y1 + 120 && line.y2 - line.y1 < 40);
}

}  // namespace
}  // namespace loopword
