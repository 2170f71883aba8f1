// Checks what the figure's steps, the sheets and the solving view draw where, and the SVG canvas.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <numeric>
#include <ranges>
#include <set>

#include "board/hint_cells.h"
#include "board/placement_line.h"
#include "display/board_drawing.h"
#include "display/colors.h"
#include "display/sheet_view.h"
#include "display/sheets.h"
#include "display/svg_canvas.h"
#include "support/recording_canvas.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

using testing::CanvasOp;
using testing::RecordingCanvas;
using Kind = CanvasOp::Kind;
using Spot = std::pair<int, int>;

/// A puzzle whose square s holds 'A' + s - 1 eight times, its word 'Z' - s + 1: words sort in reverse square order.
Puzzle Sample() {
  Puzzle puzzle;
  for (int s = 1; s <= kSquareCount; ++s) {
    puzzle.board.SquareWord[static_cast<std::size_t>(s)] = std::string(8, static_cast<char>('A' + s - 1));
    puzzle.placements.push_back({s, puzzle.board.SquareWord[static_cast<std::size_t>(s)], 9, std::string(8, static_cast<char>('Z' - s + 1))});
  }
  return puzzle;
}

bool Inside(const TwipPoint& point, const CanvasOp& op) { return point.x >= op.x1 && point.x <= op.x2 && point.y >= op.y1 && point.y <= op.y2; }
Spot At(int square, int position) { return {CellPoint(square, position).x, CellPoint(square, position).y}; }

RecordingCanvas Drawn(const SheetView& view) {
  RecordingCanvas canvas;
  Picture picture(canvas);
  DrawSheetView(picture, view);
  return canvas;
}

/// The letters drawn in letter size at each place, in drawing order.
std::map<Spot, std::string> Letters(const RecordingCanvas& canvas) {
  std::map<Spot, std::string> letters;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.text.size() == 1 && op.font.size == 10) letters[{op.x1, op.y1}] += op.text;
  }
  return letters;
}

TEST(SolvingView, SelectionShadedUnderTheFigureEachLetterOnceMarkedOnesInTheErrorColourPencilOnesSmallerAndGreyStruckWords) {
  const Puzzle sample = Sample();
  SolvingState state(sample);
  state.Put({6, 1}, 'Q');
  state.Put({1, 1}, 'X');  // also 2.4
  state.Put({7, 3}, 'Q', true);  // a wrong guess: never marked
  state.Check();
  for (int p = 1; p <= kRingSize; ++p) state.Put({4, p}, 'D');  // square 4 now reads square 23's word
  state.Select({6, 1});
  const RecordingCanvas canvas = Drawn(SolvingSheetView(state, sample));
  const auto sheet = std::find_if(canvas.ops.begin() + 1, canvas.ops.end(), [](const CanvasOp& op) { return op.kind != Kind::FilledBox; });
  const std::vector<CanvasOp> shades(canvas.ops.begin() + 1, sheet);  // after the clearing, under the whole sheet
  for (int p = 1; p <= kRingSize; ++p) EXPECT_TRUE(std::any_of(shades.begin(), shades.end(), [p](const CanvasOp& op) { return Inside(CellPoint(6, p), op); })) << p;
  EXPECT_EQ(shades.back().color, ColorSelection);
  EXPECT_TRUE(Inside(CellPoint(6, 1), shades.back()));
  EXPECT_FALSE(Inside(CellPoint(6, 2), shades.back()));
  const std::map<Spot, std::string> letters = Letters(canvas);
  EXPECT_EQ(letters.size(), 8u + 18u + 2u + 7u);
  for (const auto& [spot, letter] : letters) EXPECT_EQ(letter.size(), 1u) << "each cell once: " << spot.first;
  EXPECT_EQ(letters.at(At(6, 1)) + letters.at(At(2, 4)) + letters.at(At(4, 3)) + letters.at(At(12, 2)), "QXDL");
  std::set<Spot> errors;
  std::set<std::string> struck;  // the listed words with an ink line across their letters, inside their height
  std::vector<CanvasOp> pencil;
  for (const CanvasOp& op : canvas.Of(Kind::Text)) {
    if (op.color == ColorError) errors.insert({op.x1, op.y1});
    if (op.color == ColorPencil) pencil.push_back(op);
    if (op.text.size() == 8 && std::any_of(sheet, canvas.ops.end(), [&op](const CanvasOp& line) {
          return line.kind == Kind::FilledBox && line.color == ColorInk && line.x1 <= op.x1 && line.x2 > op.x1 + 400 && line.y1 > op.y1 && line.y2 < op.y1 + 160;
        })) struck.insert(op.text);
  }
  EXPECT_EQ(errors, (std::set{At(6, 1), At(1, 1)}));
  EXPECT_EQ(struck, std::set<std::string>{"DDDDDDDD"});
  ASSERT_EQ(pencil.size(), 1u);
  EXPECT_EQ(pencil[0].text, "Q");
  EXPECT_LT(pencil[0].font.size, 10);
  EXPECT_FALSE(pencil[0].font.bold);
  const TwipPoint sure = CellPoint(7, 3);  // where a sure letter's 10-point box starts: the guess lies inside that box
  EXPECT_TRUE(pencil[0].x1 > sure.x && pencil[0].x1 + pencil[0].font.size * 12 < sure.x + 120) << pencil[0].x1;
  EXPECT_TRUE(pencil[0].y1 > sure.y && pencil[0].y1 + pencil[0].font.size * 20 < sure.y + 200) << pencil[0].y1;
}

TEST(Sheets, OnCleanPaperTitleAndGradeAboveTheFigureSquareTwelveAndHintCellsInItWordsThenCluesRightOfIt) {
  const std::vector<RingCell> graded = {{1, 1}, {14, 1}, {23, 8}}, none;
  const std::string longest = std::string(59, 'W') + "!";
  const std::string sixty = "a long clue of sixty characters that fills a whole line, yes";
  const std::string unbroken = std::string(30, 'w') + " " + std::string(29, 'v');
  const auto unspaced = std::views::filter([](char c) { return c != ' '; });
  const struct { int clued; std::string clue; bool wide; std::string title; Difficulty difficulty;
                 std::vector<std::string> header; std::optional<std::vector<RingCell>> hints; } cases[] = {
      {3, "a pet", false, "", Difficulty::Standard, {}, {}},  // a clue as short as a word: the usual list
      {5, "a clue of about thirty chars", true, "Week 3 <b>fish</b> & \xF0\x9F\x90\x9F", Difficulty::Standard,
       {"Week 3 <b>fish</b> & \xF0\x9F\x90\x9F"}, graded},
      {23, sixty, true, longest, Difficulty::Standard, {longest}, none},  // every word clued as long as a clue may be
      {23, unbroken, true, std::string(200, 'x'), Difficulty::Standard, {std::string(59, 'x') + "..."}, {}},
      {0, "", false, "", Difficulty::Hard, {"Difficulty: Hard"}, {}},
      {0, "", false, std::string(200, 'x'), Difficulty::Medium, {std::string(39, 'x') + "...", "Difficulty: Medium"}, {}},
  };
  for (const auto& [clued, clue, wide, title, difficulty, header, hints] : cases) {
    Puzzle sample = Sample();
    sample.title = title;
    sample.difficulty = difficulty;
    sample.hints = hints;
    std::map<Spot, std::string> cells;  // square 12's letters and the hint cells', each showing its own square's letter
    for (int p = 1; p <= kRingSize; ++p) cells[At(12, p)] = "L";
    for (const RingCell& hint : hints.value_or(std::vector(HintCells.begin(), HintCells.end()))) {
      cells[At(hint.square, hint.position)] = std::string(1, static_cast<char>('A' + hint.square - 1));
    }
    for (const PlacementLine& placement : sample.placements | std::views::take(clued)) {
      sample.clues[placement.word] = static_cast<char>('a' + (placement.square * 7) % 23) + clue;
    }
    std::vector<std::string> expected;  // the puzzle sheet's list: plain words, then the clues by clue
    for (const ListedEntry& entry : SheetList(sample)) expected.push_back(entry.clue.empty() ? entry.word : entry.clue);
    EXPECT_TRUE(std::ranges::is_sorted(expected.begin(), expected.end() - clued)) << clue;
    EXPECT_TRUE(std::ranges::is_sorted(expected.end() - clued, expected.end())) << clue;
    std::string solution;
    for (const PlacementLine& placement : sample.placements) {
      solution += SquareLabel(placement.square) + placement.word + (placement.square <= clued ? "=" + sample.clues[placement.word] : "");
    }
    SheetView solving = SolvingSheetView(SolvingState(sample), sample);
    ASSERT_EQ(solving.struck.size(), expected.size());
    solving.struck.back() = true;
    for (const SheetView& view : {PuzzleSheetView(sample), solving, SolutionSheetView(sample)}) {
      const RecordingCanvas canvas = Drawn(view);
      const bool onSolution = view.sheet == Sheet::Solution;
      EXPECT_EQ(canvas.ops.front().kind, Kind::Clear);
      EXPECT_TRUE(!onSolution || canvas.Of(Kind::FilledBox).size() == 24u + 23u) << "tags, then one start mark a square";
      const auto instructions = std::ranges::count(canvas.Of(Kind::Text), std::string(kInstructionLine), &CanvasOp::text);
      EXPECT_TRUE(view.sheet != Sheet::Puzzle || instructions == 1) << instructions << " instruction lines";
      const std::map<Spot, std::string> letters = Letters(canvas);
      EXPECT_TRUE(onSolution || std::ranges::equal(std::views::keys(letters), std::views::keys(cells))) << cells.size();
      EXPECT_TRUE(view.sheet != Sheet::Puzzle || letters == cells) << "each square's own letter";
      std::vector<CanvasOp> heading;
      std::ranges::copy_if(canvas.Of(Kind::Text), std::back_inserter(heading), [](const CanvasOp& op) { return op.font.size == 8 && op.font.bold; });
      std::ranges::sort(heading, {}, &CanvasOp::x1);
      std::vector<std::string> texts;
      for (const CanvasOp& text : heading) {
        texts.push_back(text.text);
        for (const CanvasOp& box : canvas.Of(Kind::Box)) EXPECT_LT(text.y1 + 8 * 20 * 5 / 4, box.y1) << "above the figure";
      }
      EXPECT_EQ(texts, header) << title;
      std::vector<CanvasOp> list;
      std::ranges::copy_if(canvas.Of(Kind::Text), std::back_inserter(list), [](const CanvasOp& op) { return !op.font.bold && op.y1 > 500 && op.y1 < 6800; });
      std::vector<std::string> lines;
      int below = 0;
      for (const CanvasOp& line : list) {
        const int width = static_cast<int>(std::ranges::count_if(line.text, [](char c) { return (c & 0xC0) != 0x80; })) * line.font.size * 12;
        EXPECT_GE(line.x1, FigureBox().right) << line.text << ": right of the figure";
        EXPECT_LE(line.x1 + width, kSheetWidth - 100) << line.text;
        EXPECT_GE(line.y1, below) << line.text << ": below the line before it";
        EXPECT_LE(line.y1 + line.font.size * 20, 6780) << line.text << ": above the instruction line";
        EXPECT_GE(line.font.size, 3);
        EXPECT_EQ(line.font.size, wide || onSolution ? list.front().font.size : 8) << "one size for the list";
        below = line.y1 + line.font.size * 20;
        lines.push_back(line.text);
      }
      EXPECT_TRUE(clued > 0 || onSolution || lines == SortedWords(sample)) << "a line for each word, in order";
      const std::string shown = std::accumulate(lines.begin(), lines.end(), std::string());
      const std::string listed = onSolution ? solution : std::accumulate(expected.begin(), expected.end(), std::string());
      EXPECT_TRUE(std::ranges::equal(shown | unspaced, listed | unspaced)) << shown << "\nnot\n" << listed;
      if (view.sheet != Sheet::Solving) continue;
      const std::size_t lastLines = wide ? std::ranges::count_if(list, [&](const CanvasOp& op) { return op.y1 >= list[list.size() - 1].y1 - 3 * 250; }) : 1;
      const auto strikes = std::ranges::count_if(canvas.Of(Kind::FilledBox), [&](const CanvasOp& box) { return box.color == ColorInk && box.x1 >= FigureBox().right - 40; });
      EXPECT_GE(static_cast<std::size_t>(strikes), 1u) << "the found word's clue struck";
      EXPECT_LE(static_cast<std::size_t>(strikes), lastLines) << "its lines alone";
    }
  }
}

TEST(FigureSteps, EachSquareDrawnLastOnTopInItsLastColourEachCellShowsWhatWasPrintedSinceItsBlank) {
  FigureSteps figure;
  figure.DrawSquare(5, ColorYellow);
  figure.DrawSquare(3, ColorYellow);
  figure.PrintRing(kCrossingSquare, "ABCDEFGH");
  figure.PrintRing(kCrossingSquare, "ABCDEFGH");
  figure.PrintRing(5, "");  // an empty starting word prints nothing
  figure.Blank(kCrossingSquare, 1);
  figure.DrawSquare(5, ColorInk);
  const RecordingCanvas canvas = Drawn(FigureView(figure));
  std::vector<std::pair<int, Color>> tags;  // the tags in drawing order after the board's 24
  for (const CanvasOp& op : canvas.Of(Kind::FilledBox)) {
    for (int square = 1; square <= kSquareCount; ++square) {
      if (Inside(CellPoint(square, kCentre), op)) tags.push_back({square, op.color});
    }
  }
  ASSERT_EQ(tags.size(), 24u + 2u);
  EXPECT_EQ(tags[0].second, ColorFrame);
  EXPECT_EQ(std::vector(tags.end() - 2, tags.end()), (std::vector<std::pair<int, Color>>{{3, ColorYellow}, {5, ColorInk}}));
  const std::map<Spot, std::string> letters = Letters(canvas);
  std::map<Spot, std::string> expected;
  for (int p = 2; p <= kRingSize; ++p) expected[At(kCrossingSquare, p)] = std::string(2, static_cast<char>('A' + p - 1));
  EXPECT_EQ(letters, expected) << "each letter as often as it was printed, square 12's first blanked";
}

TEST(SvgCanvas, TextsShowAsTheirCharactersClearingKeepsOnlyTheBackgroundAndThePagesFigureIsTheEmptyFigure) {
  const struct { std::string text, xml; } cases[] = {
      {"<img src=x onerror=alert(1)>", "&lt;img src=x onerror=alert(1)&gt;"},
      {"Tom & \"Jerry\"", "Tom &amp; &quot;Jerry&quot;"},
      {"Caf\xC3\xA9 \xF0\x9F\x90\x98\x01!", "Caf\xC3\xA9 \xF0\x9F\x90\x98!"},
      {"bad\xE9\xFF bytes", "bad bytes"},
  };
  SvgCanvas canvas(100, 50);
  for (const auto& c : cases) {
    canvas.DrawText(1, 2, c.text, {"courier new", 10, true}, ColorInk);
    EXPECT_NE(canvas.Document(c.text).find(">" + c.xml + "</text>"), std::string::npos) << c.xml;
    EXPECT_NE(canvas.Document(c.text).find("aria-label=\"" + c.xml + "\""), std::string::npos) << c.xml;
  }
  canvas.Clear();
  const std::string cleared = canvas.Document("x");
  EXPECT_EQ(cleared.substr(cleared.find("</title>")), "</title><rect x=\"0\" y=\"0\" width=\"100\" height=\"50\" fill=\"#ffffff\"/></svg>");
  EXPECT_EQ(testing::ReadFile(std::string(LOOPWORD_DATA_DIR) + "/../web/empty-figure.svg"), SheetSvg(FigureView(), "", SvgSurface::Screen));
}

}  // namespace
}  // namespace loopword
