// The solving state through its public operations: cells, typing, moving, words, checks, saved lines.
#include <gtest/gtest.h>

#include <set>

#include "board/hint_cells.h"
#include "board/placement_line.h"
#include "play/solving.h"
#include "play/typed_lines.h"

namespace loopword {
namespace {

/// Letters of the 148 cells, by cell number.
using Grid = std::array<char, kCellCount>;

char& At(Grid& grid, int square, int position) {
  return grid[static_cast<std::size_t>(CellIndexOf({square, position}))];
}

char At(const Grid& grid, int square, int position) {
  return grid[static_cast<std::size_t>(CellIndexOf({square, position}))];
}

/// The answer key: squares 3 and 15 agree in their shared and hint cells (3, 5, 8) and nowhere
/// else, so their other letters can trade places.
Grid AnswerKey() {
  Grid grid{};
  for (std::size_t i = 0; i < grid.size(); ++i) grid[i] = static_cast<char>('A' + (i * 7 + i / 26) % 26);
  for (const int p : {3, 5, 8}) At(grid, 15, p) = At(grid, 3, p);
  return grid;
}

/// The key with the free letters of squares 3 and 15 swapped (or, with `copy`, 3's copied to 15).
Grid Traded(bool copy) {
  Grid grid = AnswerKey();
  for (const int p : {1, 2, 4, 6, 7}) {
    const char three = At(grid, 3, p);
    if (!copy) At(grid, 3, p) = At(grid, 15, p);
    At(grid, 15, p) = three;
  }
  return grid;
}

std::string RingOf(const Grid& grid, int square) {
  std::string ring;
  for (int p = 1; p <= kRingSize; ++p) ring += At(grid, square, p);
  return ring;
}

/// A puzzle whose every word is its ring read from position 1.
Puzzle PuzzleOf(const Grid& grid) {
  Puzzle puzzle;
  for (int s = 1; s <= kSquareCount; ++s) {
    puzzle.board.SquareWord[static_cast<std::size_t>(s)] = RingOf(grid, s);
    puzzle.AddPlacement(PlacementLine{s, RingOf(grid, s), 9, RingOf(grid, s)}.ToString());
  }
  return puzzle;
}

void Fill(SolvingState& state, const Grid& grid) {
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) state.Put({s, p}, At(grid, s, p));
  }
}

TEST(Cells, SharedRingCellsAreOneCellOf148) {
  std::set<int> numbers;
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) numbers.insert(CellIndexOf({s, p}));
  }
  EXPECT_EQ(numbers.size(), 148u);
  EXPECT_EQ((std::pair{*numbers.begin(), *numbers.rbegin()}), (std::pair{0, 147}));
  for (const Overlap& o : Overlaps()) {
    EXPECT_EQ(CellIndexOf({o.squareA, o.positionA}), CellIndexOf({o.squareB, o.positionB}));
  }
  for (const RingCell outside : {RingCell{0, 1}, RingCell{24, 1}, RingCell{5, 0}, RingCell{5, 9}}) {
    EXPECT_EQ(CellIndexOf(outside), -1);
  }
}

TEST(Solving, StartsWithSquareTwelveAndTheHintsFixedAndTheFirstEmptyCellSelected) {
  const Grid key = AnswerKey();
  const SolvingState state(PuzzleOf(key));
  int fixed = 0;
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) {
      fixed += state.IsFixed({s, p}) ? 1 : 0;
      EXPECT_EQ(state.LetterAt({s, p}), state.IsFixed({s, p}) ? At(key, s, p) : ' ');
    }
  }
  EXPECT_EQ(fixed, 8 + 4 + 18);  // square 12's cells counted again from its four neighbours
  EXPECT_TRUE(state.IsFixed(HintCells[0]) && !state.IsFixed({1, 1}));
  EXPECT_EQ(state.Selected(), (RingCell{1, 1}));
  EXPECT_EQ(state.Words().size(), 23u);
  EXPECT_TRUE(std::is_sorted(state.Words().begin(), state.Words().end()));
  EXPECT_FALSE(state.HasTypedLetters() || state.IsSolved());
}

/// Keys for the table below: a letter types it, other characters stand for a key.
void Press(SolvingState& state, const std::string& keys) {
  for (const char k : keys) {
    switch (k) {
      case '<': state.Press(SolvingKey::Backspace); break;
      case '~': state.Press(SolvingKey::Delete); break;
      case 'L': state.Press(SolvingKey::Left); break;
      case 'R': state.Press(SolvingKey::Right); break;
      case 'U': state.Press(SolvingKey::Up); break;
      case 'D': state.Press(SolvingKey::Down); break;
      case '>': state.Press(SolvingKey::Tab); break;
      case '^': state.Press(SolvingKey::BackTab); break;
      default: EXPECT_EQ(state.Type(k), std::isalpha(static_cast<unsigned char>(k)) != 0) << k;
    }
  }
}

TEST(Solving, TypingAndMovingFromASelectedCell) {
  struct Case {
    RingCell start;
    std::string keys;       // lower case letters are typed; capitals and signs are keys
    RingCell selected;      // afterwards
    int square;             // whose ring is checked
    std::string ring;       // '#' for the solution letter of a fixed cell
  };
  const std::vector<Case> cases = {
      {{1, 1}, "ab", {1, 3}, 1, "AB  #   "},
      {{1, 3}, "xyzw", {1, 7}, 1, "  XY#W  "},        // the fixed cell 5 is passed over
      {{1, 7}, "pqr", {1, 2}, 2, "   RQ # "},         // 1.8 is 2.5 and 1.1 is 2.4: one cell each
      {{1, 1}, "ab<", {1, 2}, 1, "A   #   "},         // Backspace on an empty cell goes back and clears
      {{1, 1}, "abLL~", {1, 1}, 1, " B  #   "},       // Delete clears and stays
      {{1, 1}, "ab1!?.", {1, 3}, 1, "AB  #   "},       // other keys do nothing
      {{1, 1}, "a<<", {1, 8}, 1, "    #   "},
      {{1, 1}, "R", {1, 2}, 1, "    #   "},
      {{1, 2}, "D", {1, 6}, 1, "    #   "},          // the centre cell is skipped
      {{1, 2}, "L", {1, 1}, 1, "    #   "},          // 1.1 and 2.4 lie there: square 1 kept
      {{1, 1}, "L", {2, 8}, 1, "    #   "},
      {{1, 1}, "U", {2, 3}, 1, "    #   "},
      {{6, 1}, "U", {6, 1}, 1, "    #   "},          // nothing above: stays
      {{1, 4}, ">", {2, 1}, 1, "    #   "},
      {{11, 2}, ">", {12, 1}, 1, "    #   "},         // a full square: its first cell
      {{1, 4}, "^", {23, 2}, 1, "    #   "},          // 23.1 is square 12's fixed cell
      {{23, 8}, "a>", {1, 1}, 23, "#      A"},        // after 23 comes 1 again
  };
  const Grid key = AnswerKey();
  for (const Case& c : cases) {
    SolvingState state(PuzzleOf(key));
    ASSERT_TRUE(state.Select(c.start));
    Press(state, c.keys);
    std::string expected = c.ring;
    for (int p = 1; p <= kRingSize; ++p) {
      if (expected[static_cast<std::size_t>(p - 1)] == '#') expected[static_cast<std::size_t>(p - 1)] = At(key, c.square, p);
    }
    EXPECT_EQ(state.Selected(), c.selected) << c.keys;
    EXPECT_EQ(state.Ring(c.square), expected) << c.keys;
  }
}

TEST(Solving, SelectRefusesCellsOutsideTheFigure) {
  SolvingState state(PuzzleOf(AnswerKey()));
  for (const RingCell outside : {RingCell{0, 1}, RingCell{24, 1}, RingCell{3, 9}, RingCell{3, -1}}) {
    EXPECT_FALSE(state.Select(outside));
  }
  EXPECT_EQ(state.Selected(), (RingCell{1, 1}));
}

TEST(Solving, AClickSelectsTheCellUnderItASharedCellEarlierRoundItsRingThenTheOther) {
  struct Case {
    std::vector<TwipPoint> clicks;  // a cell spans -100..199 and -50..249 twips from its letter point
    RingCell selected;
  };
  const auto at = [](int square, int position, int dx = 0, int dy = 0) {
    const TwipPoint p = CellPoint(square, position);
    return TwipPoint{p.x + dx, p.y + dy};
  };
  const std::vector<Case> cases = {
      {{at(4, 2, -100, -50)}, {4, 2}},
      {{at(4, 2, 199, 249)}, {4, 2}},
      {{at(6, 4)}, {7, 1}},                 // 6.4 is 7.1
      {{at(6, 4), at(6, 4, 50, 50)}, {6, 4}},
      {{at(6, 4), at(6, 4), at(6, 4)}, {7, 1}},
      {{at(1, 1)}, {1, 1}},                 // selected at the start, but not by a click
      {{at(12, 5)}, {23, 1}},
      {{at(4, 2), at(4, 9)}, {4, 2}},       // the centre cell holds no letter
      {{at(4, 2), TwipPoint{-5, 400}}, {4, 2}},
  };
  for (const Case& c : cases) {
    SolvingState state(PuzzleOf(AnswerKey()));
    for (const TwipPoint click : c.clicks) state.SelectAt(click);
    EXPECT_EQ(state.Selected(), c.selected) << c.clicks.size();
  }
  const std::vector<std::pair<long long, std::string>> times = {{0, "0:00"}, {187, "3:07"}, {3600, "60:00"}, {-4, "0:00"}};
  for (const auto& [seconds, text] : times) EXPECT_EQ(SolvingTimeText(seconds), text);
}

TEST(Solving, CompleteWhenEveryRingReadsADifferentListedWord) {
  struct Case {
    const char* name;
    Grid grid;
    int emptied;  // square whose position 1 is cleared afterwards, 0 for none
    bool solved;
  };
  Grid wrong = AnswerKey();
  At(wrong, 5, 2) = At(wrong, 5, 2) == 'Q' ? 'R' : 'Q';
  const std::vector<Case> cases = {
      {"answer key", AnswerKey(), 0, true},
      {"squares 3 and 15 traded", Traded(false), 0, true},
      {"square 3's word twice", Traded(true), 0, false},
      {"one wrong letter", wrong, 0, false},
      {"one empty cell", AnswerKey(), 7, false},
  };
  for (const Case& c : cases) {
    SolvingState state(PuzzleOf(AnswerKey()));
    Fill(state, c.grid);
    if (c.emptied != 0) state.Put({c.emptied, 1}, ' ');
    EXPECT_EQ(state.IsSolved(), c.solved) << c.name;
  }
}

TEST(Solving, AWordIsStruckWhileSomeRingReadsIt) {
  const Grid key = AnswerKey();
  SolvingState state(PuzzleOf(key));
  const std::string nine = RingOf(key, 9);
  const std::string fifteen = RingOf(key, 15);
  Fill(state, Traded(false));  // square 3 now reads square 15's word and the other way round
  EXPECT_TRUE(state.IsStruck(nine) && state.IsStruck(fifteen) && state.IsStruck(RingOf(key, 3)));
  EXPECT_TRUE(state.IsStruck(nine.substr(4) + nine.substr(0, 4)));  // any start cell reads
  state.Put({9, 2}, nine[1] == 'Z' ? 'Y' : 'Z');
  EXPECT_FALSE(state.IsStruck(nine));
  state.Put({9, 2}, ' ');
  EXPECT_FALSE(state.IsStruck(nine) || state.IsStruck("        "));
}

TEST(Solving, CheckMarksWrongLettersUntilChangedRevealFillsTheSelection) {
  const Grid key = AnswerKey();
  SolvingState state(PuzzleOf(key));
  const char right = At(key, 4, 2);
  const char wrong = right == 'Q' ? 'R' : 'Q';
  state.Put({4, 2}, wrong);
  state.Put({4, 3}, At(key, 4, 3));
  state.Check();
  EXPECT_TRUE(state.IsMarked({4, 2}));
  EXPECT_FALSE(state.IsMarked({4, 3}) || state.IsMarked({4, 1}) || state.IsMarked({4, 4}));
  state.Put({4, 2}, wrong);
  EXPECT_TRUE(state.IsMarked({4, 2}));  // the same letter again is no change
  state.Select({4, 2});
  state.RevealLetter();
  EXPECT_EQ(state.LetterAt({4, 2}), right);
  EXPECT_FALSE(state.IsMarked({4, 2}));
  state.Select({4, 1});  // a hint: nothing to reveal
  state.RevealLetter();
  EXPECT_EQ(state.LetterAt({4, 1}), At(key, 4, 1));
}

TEST(TypedLines, RoundTripOfTypedLettersOtherCommentsIgnored) {
  const Grid key = AnswerKey();
  SolvingState typed(PuzzleOf(key));
  typed.Put({1, 1}, 'A');  // also 2.4
  typed.Put({4, 5}, 'B');
  const auto lines = TypedLines(typed);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], std::string("# typed 01 A...") + At(key, 1, 5) + "...");
  EXPECT_EQ(lines[1], std::string("# typed 02 ...A..") + At(key, 2, 7) + ".");
  SolvingState reopened(PuzzleOf(key));
  std::vector<std::string> comments = {"# Loopword puzzle", "# typedef"};
  comments.insert(comments.end(), lines.begin(), lines.end());
  EXPECT_TRUE(ApplyTypedLines(reopened, comments));
  for (int s = 1; s <= kSquareCount; ++s) EXPECT_EQ(reopened.Ring(s), typed.Ring(s));
  EXPECT_TRUE(TypedLines(SolvingState(PuzzleOf(key))).empty());
}

TEST(TypedLines, DamagedLinesAreRefusedWholeAndChangeNothing) {
  const Grid key = AnswerKey();
  const char hint = At(key, 4, 1);
  const std::string other(1, hint == 'Q' ? 'R' : 'Q');
  const std::vector<std::vector<std::string>> damaged = {
      {"# typed 05 AB"},
      {"# typed 05 ABCDEFGHI"},
      {"# typed 5  ABCDEFGH"},
      {"# typed 00 ABCDEFGH"},
      {"# typed 24 ABCDEFGH"},
      {"# typed 05 abcdefgh"},
      {"# typed 05 AB-DEFGH"},
      {"# typed 04 " + other + "......."},                  // over a hint letter
      {"# typed 01 A.......", "# typed 02 ...B...."},       // 1.1 and 2.4 disagree
  };
  for (const auto& comments : damaged) {
    SolvingState state(PuzzleOf(key));
    state.Put({7, 2}, 'K');
    const std::vector<std::string> before = TypedLines(state);
    std::vector<std::string> withGood = {"# typed 09 .C......"};
    withGood.insert(withGood.end(), comments.begin(), comments.end());
    EXPECT_FALSE(ApplyTypedLines(state, withGood)) << comments.back();
    EXPECT_EQ(TypedLines(state), before) << comments.back();
  }
}

}  // namespace
}  // namespace loopword
