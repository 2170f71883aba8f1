// Checks the puzzle and solution sheets: titles, word lists, instruction line and shown letters.
#include "display/sheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "board/geometry.h"
#include "board/placement_line.h"
#include "display/colors.h"
#include "support/recording_canvas.h"

namespace loopword {
namespace {

using testing::CanvasOp;
using testing::RecordingCanvas;
using Kind = CanvasOp::Kind;

/// A filled figure whose shared cells agree, with its placement lines in square order.
struct Puzzle {
  Board board;
  std::vector<std::string> lines;
  std::vector<std::string> words;  // in square order

  Puzzle() {
    for (std::size_t k = 1; k <= kSquareCount; ++k) {
      for (std::size_t p = 1; p <= kRingSize; ++p) {
        board.SquareWord[k][p - 1] = static_cast<char>('A' + (7 * k + 3 * p) % 26);
      }
    }
    for (const Overlap& rule : Overlaps()) {
      board.SquareWord[static_cast<std::size_t>(rule.squareB)][static_cast<std::size_t>(rule.positionB - 1)] =
          board.SquareWord[static_cast<std::size_t>(rule.squareA)][static_cast<std::size_t>(rule.positionA - 1)];
    }
    for (int k = 1; k <= kSquareCount; ++k) {
      const std::string& ring = board.SquareWord[static_cast<std::size_t>(k)];
      const int digit = k % 9 + 1;
      const auto start = static_cast<std::size_t>(digit == 9 ? 0 : digit - 1);
      words.push_back(ring.substr(start) + ring.substr(0, start));
      lines.push_back(PlacementLine{k, ring, digit, words.back()}.ToString());
    }
    board.FillCellLetters();
  }
};

/// The ring positions, by square, at whose letter point a visible text was printed; checks that
/// each such text is the board's letter there, in 10-point bold.
std::map<int, std::set<int>> ShownPositions(const RecordingCanvas& canvas, const Board& board) {
  std::map<int, std::set<int>> shown;
  for (const CanvasOp& text : canvas.VisibleTexts()) {
    for (std::size_t k = 1; k <= kSquareCount; ++k) {
      for (std::size_t p = 1; p <= kRingSize; ++p) {
        if (text.x1 != SquareX[k] + RingX[p] || text.y1 != SquareY[k] + RingY[p]) continue;
        EXPECT_EQ(text.text, std::string(1, board.SquareWord[k][p - 1])) << "square " << k << " position " << p;
        EXPECT_EQ(text.font, (Font{"Courier New", 10, true}));
        shown[static_cast<int>(k)].insert(static_cast<int>(p));
      }
    }
  }
  return shown;
}

/// The texts printed in the word column below the title, in order, checking their rows and font.
std::vector<std::string> Rows(const RecordingCanvas& canvas) {
  std::vector<std::string> rows;
  for (const CanvasOp& text : canvas.Of(Kind::Text)) {
    if (text.x1 != 5500 || text.y1 == 250) continue;
    EXPECT_EQ(text.y1, 500 + 250 * static_cast<int>(rows.size() + 1)) << text.text;
    EXPECT_EQ(text.font, (Font{"Courier New", 8, false}));
    rows.push_back(text.text);
  }
  return rows;
}

/// The first text printed at (x, y), or an empty record.
CanvasOp TextAt(const RecordingCanvas& canvas, int x, int y) {
  for (const CanvasOp& text : canvas.Of(Kind::Text)) {
    if (text.x1 == x && text.y1 == y) return text;
  }
  return {};
}

/// Face, size and boldness that a picture is left with.
auto FontOf(const Picture& p) { return std::make_tuple(p.FontName, p.FontSize, p.FontBold); }

TEST(DrawSheetText, PuzzleListsTheWordsAlphabeticallyAndKeepsThemInList1) {
  const Puzzle puzzle;
  std::vector<std::string> lines = puzzle.lines;
  lines.insert(lines.begin() + 5, "not a placement line");
  std::vector<std::string> list1 = {"STALEOLD"};
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawSheetText(picture, SheetKind::Puzzle, lines, list1);

  std::vector<std::string> sorted = puzzle.words;
  std::sort(sorted.begin(), sorted.end());
  ASSERT_NE(sorted, puzzle.words);
  EXPECT_EQ(list1, sorted);
  EXPECT_EQ(Rows(canvas), sorted);
  EXPECT_EQ(TextAt(canvas, 5500, 6250).text, sorted.back());
  const CanvasOp title = TextAt(canvas, 5500, 250);
  EXPECT_EQ(std::tie(title.text, title.font), std::make_tuple("PUZZLE", Font{"Courier New", 10, true}));
  const CanvasOp instruction = TextAt(canvas, 160, 6800);
  EXPECT_EQ(instruction.text, "Place 23 8-letter words clock-wise into 8 spaces around each square.");
  EXPECT_EQ(instruction.font, (Font{"Courier New", 6, false}));
  for (const CanvasOp& text : canvas.ops) EXPECT_EQ(text.color, ColorInk);
  EXPECT_EQ(FontOf(picture), std::make_tuple("Courier New", 10, true));
}

TEST(DrawSheetText, SolutionListsSquareAndWordInSquareOrder) {
  const Puzzle puzzle;
  std::vector<std::string> list1 = {"KEPTHERE"};
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawSheetText(picture, SheetKind::Solution, puzzle.lines, list1);

  std::vector<std::string> expected;
  for (std::size_t i = 0; i < puzzle.words.size(); ++i) {
    const std::string square = std::to_string(101 + i).substr(1);  // two digits: "01".."23"
    expected.push_back(square + " " + puzzle.words[i]);
  }
  EXPECT_EQ(Rows(canvas), expected);
  EXPECT_EQ(TextAt(canvas, 5500, 250).text, "SOLUTION");
  EXPECT_EQ(TextAt(canvas, 160, 6800).text, "");
  EXPECT_EQ(list1, std::vector<std::string>{"KEPTHERE"});
  EXPECT_EQ(FontOf(picture), std::make_tuple("Courier New", 8, true));
}

TEST(DrawPuzzleSheet, ShowsSquareTwelveAndOneLetterInEveryOtherSquare) {
  const Puzzle puzzle;
  ASSERT_EQ(puzzle.board.CheckOverlaps(), 0);
  std::vector<std::string> list1;
  RecordingCanvas canvas;
  Picture picture(canvas);
  picture.FontSize = 8;
  DrawPuzzleSheet(picture, puzzle.board, puzzle.lines, list1);

  ASSERT_FALSE(canvas.ops.empty());
  EXPECT_EQ(canvas.ops.front().kind, Kind::Clear);
  for (const CanvasOp& tag : canvas.Of(Kind::FilledBox)) EXPECT_EQ(tag.color, ColorInk);
  EXPECT_EQ(list1.size(), 23U);
  // Header, 24 tag numbers, title, 23 words, instruction, square 12's word and the hints: nothing else.
  EXPECT_EQ(canvas.VisibleTexts().size(), 1U + 24U + 1U + 23U + 1U + 8U + HintCells.size());
  auto shown = ShownPositions(canvas, puzzle.board);
  EXPECT_EQ(shown[12], (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  for (int k = 1; k <= kSquareCount; ++k) {
    if (k == 12) continue;
    EXPECT_EQ(shown[k].size(), 1U) << "square " << k;
  }
  EXPECT_EQ(shown[1], std::set<int>{5});
  EXPECT_EQ(shown[11], std::set<int>{7});
  EXPECT_EQ(shown[13], std::set<int>{3});
  EXPECT_EQ(shown[23], std::set<int>{1});
  EXPECT_EQ(FontOf(picture), std::make_tuple("Courier New", 10, true));
}

TEST(DrawSolutionSheet, ShowsEveryLetterTheWordsBySquareAndTheStartMarks) {
  const Puzzle puzzle;
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawSolutionSheet(picture, puzzle.board, puzzle.lines);

  ASSERT_FALSE(canvas.ops.empty());
  EXPECT_EQ(canvas.ops.front().kind, Kind::Clear);
  const auto shown = ShownPositions(canvas, puzzle.board);
  ASSERT_EQ(shown.size(), 23U);
  for (const auto& [square, positions] : shown) EXPECT_EQ(positions.size(), 8U) << "square " << square;
  const auto rows = Rows(canvas);
  ASSERT_EQ(rows.size(), 23U);
  EXPECT_EQ(rows.back(), "23 " + puzzle.words.back());
  const auto boxes = canvas.Of(Kind::FilledBox);
  ASSERT_EQ(boxes.size(), 24U + 23U);
  for (auto mark = boxes.end() - 23; mark != boxes.end(); ++mark) {
    EXPECT_EQ(std::tie(mark->color, mark->x2), std::make_tuple(ColorPaper, mark->x1 + 25));
  }
  EXPECT_EQ(canvas.ops.back().kind, Kind::FilledBox);
  EXPECT_EQ(FontOf(picture), std::make_tuple("Courier New", 8, true));
}

TEST(Sheets, BeforeAnyCompileOnlyTheFigureTitleAndInstructionShow) {
  Board blank;
  Board empty;
  for (std::string& ring : empty.SquareWord) ring.clear();
  for (const Board* board : {&blank, &empty}) {
    std::vector<std::string> list1 = {"OLDWORDS"};
    RecordingCanvas puzzle;
    Picture puzzlePicture(puzzle);
    DrawPuzzleSheet(puzzlePicture, *board, {}, list1);
    EXPECT_TRUE(list1.empty());
    EXPECT_TRUE(ShownPositions(puzzle, *board).empty());
    EXPECT_TRUE(Rows(puzzle).empty());
    EXPECT_EQ(TextAt(puzzle, 5500, 250).text, "PUZZLE");
    EXPECT_FALSE(TextAt(puzzle, 160, 6800).text.empty());

    RecordingCanvas solution;
    Picture solutionPicture(solution);
    DrawSolutionSheet(solutionPicture, *board, {});
    EXPECT_TRUE(ShownPositions(solution, *board).empty());
    EXPECT_TRUE(Rows(solution).empty());
    EXPECT_EQ(solution.Of(Kind::FilledBox).size(), 24U);
    EXPECT_EQ(TextAt(solution, 5500, 250).text, "SOLUTION");
  }
}

}  // namespace
}  // namespace loopword
