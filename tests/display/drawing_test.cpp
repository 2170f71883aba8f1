// Checks start marks, the sheets and the solving view against a recording canvas: what is drawn where, in which colour.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "board/hint_cells.h"
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
using Spot = std::pair<int, int>;

/// A board whose square s holds eight times the letter 'A' + s - 1, its word eight times the
/// letter 'Z' - s + 1, so alphabetical order is the reverse of square order.
struct Sample {
  Puzzle puzzle;
  Sample() {
    for (int s = 1; s <= kSquareCount; ++s) {
      const std::string ring(8, static_cast<char>('A' + s - 1));
      puzzle.board.SquareWord[static_cast<std::size_t>(s)] = ring;
      puzzle.placements.push_back({s, ring, 9, std::string(8, static_cast<char>('Z' - s + 1))});
    }
  }
};

bool Inside(const TwipPoint& point, const CanvasOp& op) {
  return point.x >= op.x1 && point.x <= op.x2 && point.y >= op.y1 && point.y <= op.y2;
}

Spot At(int square, int position) { return {CellPoint(square, position).x, CellPoint(square, position).y}; }

/// The one-letter texts drawn in letter size, by where they were drawn, and how many were drawn.
std::pair<std::map<Spot, std::string>, int> Letters(const RecordingCanvas& canvas) {
  std::pair<std::map<Spot, std::string>, int> letters{{}, 0};
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.text.size() != 1 || op.font.size != 10) continue;
    letters.first[{op.x1, op.y1}] = op.text;
    ++letters.second;
  }
  return letters;
}

/// The texts of `length` characters, in drawing order.
std::vector<std::string> Texts(const RecordingCanvas& canvas, std::size_t length) {
  std::vector<std::string> texts;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.text.size() == length && op.text != "Loopword") texts.push_back(op.text);
  }
  return texts;
}

TEST(DrawStartMarks, EachMarkSitsOnTheTagSideThatFacesTheStartCellNineCountingAsOne) {
  const auto side = [](int from, int to) { return (to > from + 50) - (to < from - 50); };
  for (int digit = 1; digit <= 9; ++digit) {
    RecordingCanvas canvas;
    Picture picture(canvas);
    DrawSquare(picture, 5, ColorInk);
    DrawStartMarks(picture, {PlacementLine{5, "ABCDEFGH", digit, "ABCDEFGH"}});
    const auto boxes = canvas.Of(Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 2u) << "the tag and one mark";
    const CanvasOp &tag = boxes[0], &mark = boxes[1];
    const TwipPoint tagCentre{(tag.x1 + tag.x2) / 2, (tag.y1 + tag.y2) / 2}, markCentre{(mark.x1 + mark.x2) / 2, (mark.y1 + mark.y2) / 2};
    EXPECT_EQ(mark.color, ColorPaper);
    EXPECT_TRUE(Inside(markCentre, tag)) << "on the tag's edge";
    const TwipPoint centre = CellPoint(5, kCentre), cell = CellPoint(5, digit == 9 ? 1 : digit);
    EXPECT_EQ(side(tagCentre.x, markCentre.x), side(centre.x, cell.x)) << digit;
    EXPECT_EQ(side(tagCentre.y, markCentre.y), side(centre.y, cell.y)) << digit;
  }
}

TEST(Sheets, PuzzleShowsSquareTwelveTheHintsAndTheSortedWordsSolutionAStartMarkOnEveryTag) {
  const Sample sample;
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawPuzzleSheet(picture, sample.puzzle);
  EXPECT_EQ(canvas.ops.front().kind, Kind::Clear);
  std::map<Spot, std::string> expected;
  for (int p = 1; p <= kRingSize; ++p) expected[At(12, p)] = "L";
  for (const RingCell& hint : HintCells) expected[At(hint.square, hint.position)] = std::string(1, static_cast<char>('A' + hint.square - 1));
  EXPECT_EQ(Letters(canvas).first, expected);
  const std::vector<std::string> listed = Texts(canvas, 8);
  EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
  EXPECT_EQ(listed.size(), 23u);
  EXPECT_EQ(SortedWords(sample.puzzle), listed);
  EXPECT_EQ(Texts(canvas, std::string(kInstructionLine).size()), std::vector<std::string>{kInstructionLine});
  canvas.ops.clear();  // the solution's rows are checked in the exported sheets, its letters on the screen
  DrawSolutionSheet(picture, sample.puzzle);
  EXPECT_EQ(canvas.Of(Kind::FilledBox).size(), 24u + 23u) << "tags, then one start mark a square";
}

TEST(SolvingView, SelectionShadedUnderTheFigureEachLetterOnceMarkedOnesInTheErrorColourStruckWords) {
  const Sample sample;
  SolvingState state(sample.puzzle);
  state.Put({6, 1}, 'Q');
  state.Put({1, 1}, 'X');  // also 2.4
  state.Check();
  for (int p = 1; p <= kRingSize; ++p) state.Put({4, p}, 'D');  // square 4 now reads square 23's word
  state.Select({6, 1});
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawSolvingView(picture, state, sample.puzzle);
  const auto sheet = std::find_if(canvas.ops.begin() + 1, canvas.ops.end(), [](const CanvasOp& op) { return op.kind != Kind::FilledBox; });
  const std::vector<CanvasOp> shades(canvas.ops.begin() + 1, sheet);  // after the clearing, under the whole sheet
  for (int p = 1; p <= kRingSize; ++p) {
    EXPECT_TRUE(std::any_of(shades.begin(), shades.end(), [p](const CanvasOp& op) { return Inside(CellPoint(6, p), op); })) << p;
  }
  EXPECT_EQ(shades.back().color, ColorSelection);
  EXPECT_TRUE(Inside(CellPoint(6, 1), shades.back()));
  EXPECT_FALSE(Inside(CellPoint(6, 2), shades.back()));
  const auto [letters, drawn] = Letters(canvas);
  EXPECT_EQ(letters.size(), 8u + 18u + 2u + 7u);
  EXPECT_EQ(drawn, static_cast<int>(letters.size())) << "each cell once";
  EXPECT_EQ(letters.at(At(6, 1)) + letters.at(At(2, 4)) + letters.at(At(4, 3)) + letters.at(At(12, 2)), "QXDL");
  std::set<Spot> errors;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.color == ColorError) errors.insert({op.x1, op.y1});
  }
  EXPECT_EQ(errors, (std::set{At(6, 1), At(1, 1)}));
  std::set<std::string> struck;  // the listed words with an ink line across their letters, inside their height
  for (const CanvasOp& word : canvas.Of(Kind::Text)) {
    struck.insert(word.text.size() == 8 && std::any_of(sheet, canvas.ops.end(), [&word](const CanvasOp& op) {
      return op.kind == Kind::FilledBox && op.color == ColorInk && op.x1 <= word.x1 && op.x2 > word.x1 + 400 && op.y1 > word.y1 && op.y2 < word.y1 + 160;
    }) ? word.text : "");
  }
  EXPECT_EQ(struck, (std::set<std::string>{"", "DDDDDDDD"}));
}

}  // namespace
}  // namespace loopword
