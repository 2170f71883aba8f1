// The solving state through its public operations: cells, typing (sure and in pencil), moving, words, checks, saved lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "play/solving.h"
#include "play/kept_letters.h"

namespace loopword {
namespace {

std::size_t Cell(int square, int position) { return static_cast<std::size_t>(CellIndexOf({square, position})); }

/// Letters of the 148 cells by cell number. Squares 3 and 15 agree only in their shared and hint cells (3, 5, 8), so
/// their other letters can trade places: `trade` 1 swaps them, 2 copies square 3's into 15 (the same word twice).
std::string Grid(int trade = 0) {
  std::string grid;
  for (std::size_t i = 0; i < kCellCount; ++i) grid += static_cast<char>('A' + (i * 7 + i / 26) % 26);
  for (const int p : {3, 5, 8}) grid[Cell(15, p)] = grid[Cell(3, p)];
  for (const int p : {1, 2, 4, 6, 7}) {
    if (trade == 1) std::swap(grid[Cell(3, p)], grid[Cell(15, p)]);
    if (trade == 2) grid[Cell(15, p)] = grid[Cell(3, p)];
  }
  return grid;
}

std::string RingOf(const std::string& grid, int square) {
  std::string ring;
  for (int p = 1; p <= kRingSize; ++p) ring += grid[Cell(square, p)];
  return ring;
}

/// Solving the answer key's puzzle, each word its ring from position 1; every cell typed from `typed`.
SolvingState Solving(const std::string& typed = "") {
  Puzzle puzzle;
  for (int s = 1; s <= kSquareCount; ++s) {
    puzzle.board.SquareWord[static_cast<std::size_t>(s)] = RingOf(Grid(), s);
    puzzle.AddPlacement({s, RingOf(Grid(), s), 9, RingOf(Grid(), s)});
  }
  SolvingState state(puzzle);
  for (int i = 0; i < kSquareCount * kRingSize && !typed.empty(); ++i) state.Put({i / 8 + 1, i % 8 + 1}, typed[Cell(i / 8 + 1, i % 8 + 1)]);
  return state;
}

TEST(Solving, TypingMovingAndClicking) {
  // Letters are typed, signs stand for keys, '@' clicks 6.4, '*' checks, '=' reveals; afterwards the selection and
  // square 1, '#' for its given letter, marked letters in lower case.
  struct Case { RingCell start; std::string keys; RingCell selected; std::string ring1; };
  const std::map<char, SolvingKey> keys = {{'<', SolvingKey::Backspace}, {'~', SolvingKey::Delete}, {'(', SolvingKey::Left},
      {')', SolvingKey::Right}, {'^', SolvingKey::Up}, {'_', SolvingKey::Down}, {'>', SolvingKey::NextSquare}, {'|', SolvingKey::PreviousSquare}};
  const std::vector<Case> cases = {
      {{1, 1}, "a1!b?.", {1, 3}, "AB  #   "},  // other keys do nothing
      {{1, 3}, "xyzw", {1, 7}, "  XY#W  "},    // the given cell 5 is passed over
      {{2, 3}, "pqrs", {2, 7}, "Q   #  R"},    // 2.4 is 1.1 and 2.5 is 1.8
      {{1, 1}, "ab<", {1, 2}, "A   #   "},     // on an empty cell Backspace goes back first
      {{1, 1}, "ab((~", {1, 1}, " B  #   "},   // Delete clears and stays
      // Down skips the centre cell; Left reaches 1.1, which is also 2.4: square 1 is kept; nothing above: stays.
      {{1, 2}, "_", {1, 6}, "    #   "}, {{1, 2}, "(", {1, 1}, "    #   "}, {{6, 1}, "^", {6, 1}, "    #   "},
      // Tab past a full square to its first cell; BackTab to 23.2, as 23.1 is square 12's given cell; after 23 comes 1.
      {{11, 2}, ">", {12, 1}, "    #   "}, {{1, 4}, "|", {23, 2}, "    #   "}, {{23, 8}, "a>", {1, 1}, "    #   "},
      // A click on a shared cell selects the square it comes earlier in, a second click the other.
      {{1, 1}, "@", {7, 1}, "    #   "}, {{1, 1}, "@@", {6, 4}, "    #   "},
      {{1, 1}, "ab*(b", {1, 3}, "Ab  #   "},   // ring 1 is "AHOVCJQX"; the same letter again changes nothing
      {{1, 1}, "ab*(c", {1, 3}, "AC  #   "},
      {{1, 1}, "ab*(=", {1, 2}, "AH  #   "},
      {{1, 5}, "=", {1, 5}, "    #   "},       // a given letter stays
      {{0, 1}, "", {1, 1}, "    #   "}, {{3, 9}, "", {1, 1}, "    #   "},  // no such cells: the selection stays
  };
  for (const Case& c : cases) {
    SolvingState state = Solving();
    state.Select(c.start);
    for (const char k : c.keys) {
      if (k == '@') state.SelectAt({CellPoint(6, 4).x + 199, CellPoint(6, 4).y - 50});  // the cell's far corner
      else if (k == '*') state.Check();
      else if (k == '=') state.RevealLetter();
      else if (keys.count(k)) state.Press(keys.at(k));
      else { EXPECT_EQ(state.Type(k), std::isalpha(static_cast<unsigned char>(k)) != 0); }
    }
    std::string ring = state.Ring(1);
    for (int p = 1; p <= kRingSize; ++p) ring[p - 1] = state.IsFixed({1, p}) ? '#' : state.IsMarked({1, p}) ? char(ring[p - 1] + 32) : ring[p - 1];
    EXPECT_EQ(state.Selected(), c.selected) << c.keys;
    EXPECT_EQ(ring, c.ring1) << c.keys;
  }
  EXPECT_FALSE(Solving().SelectAt(CellPoint(4, 9))) << "a centre cell holds no letter";
  EXPECT_FALSE(Solving().SelectAt({-5, 400}));
  for (const auto& [seconds, text] : {std::pair{187, "3:07"}, {3600, "60:00"}, {-4, "0:00"}}) EXPECT_EQ(SolvingTimeText(seconds), text);
}

TEST(Solving, SolvedWhenEveryRingReadsADifferentListedWordStruckWhileSomeRingReadsIt) {
  for (const auto& [trade, solved] : {std::pair{0, true}, {1, true}, {2, false}}) {
    EXPECT_EQ(Solving(Grid(trade)).IsSolved(), solved) << "trade " << trade;
  }
  SolvingState state = Solving(Grid(1));  // square 3 reads square 15's word and the other way round
  const std::string nine = RingOf(Grid(), 9);
  EXPECT_TRUE(state.IsStruck(RingOf(Grid(), 15)));
  EXPECT_TRUE(state.IsStruck(nine.substr(4) + nine.substr(0, 4))) << "read from any cell";
  state.Put({9, 2}, ' ');
  EXPECT_FALSE(state.IsStruck(nine));
}

TEST(KeptLetters, SureAndPencilLettersComeBackApartAndDamagedSquaresAreLeftOut) {
  SolvingState typed = Solving();
  typed.Put({1, 1}, 'A');  // also 2.4
  typed.Put({4, 5}, 'B');
  typed.Put({1, 2}, 'P', true);
  typed.Put({10, 2}, 'Q', true);
  const KeptLetters kept = LettersOf(typed);
  ASSERT_EQ(kept.typed.size(), 3u);
  EXPECT_EQ(kept.typed[1], (SquareLetters{2, std::string("...A..") + Grid()[Cell(2, 7)] + "."}));
  EXPECT_EQ(kept.pencil, (std::vector<SquareLetters>{{1, ".P......"}, {10, ".Q......"}}));
  SolvingState reopened = Solving();
  ASSERT_TRUE(ApplyTypedLetters(reopened, {kept}));
  EXPECT_EQ(ApplyPencilLetters(reopened, {kept}), 0);
  EXPECT_EQ(LettersOf(reopened), kept);
  const std::string overHint = std::string(1, Grid()[Cell(4, 1)] == 'Q' ? 'R' : 'Q') + ".......";
  const SquareLetters damagedSquares[] = {{5, "AB"}, {5, "ABCDEFGHI"}, {0, "ABCDEFGH"}, {24, "ABCDEFGH"}, {5, "abcdefgh"},
                                          {5, "AB-DEFGH"}, {4, overHint},
                                          {2, "...B...."}, {9, ".......Z"}};  // the last two disagree with 1.1 and 9.8 below
  const std::vector<SquareLetters> good = {{9, ".C.....Y"}, {1, "A......."}};
  SolvingState agreeing = typed;
  ASSERT_TRUE(ApplyTypedLetters(agreeing, {{good}}));
  for (const SquareLetters& damaged : damagedSquares) {
    KeptSolving letters{{good}};
    letters.letters.typed.push_back(damaged);
    EXPECT_FALSE(ApplyTypedLetters(typed, letters)) << damaged.square << " " << damaged.cells;
    EXPECT_EQ(LettersOf(typed), kept) << damaged.cells << ": damaged letters change nothing";
  }
  KeptSolving unread = {kept};
  unread.typedDamaged = true;
  EXPECT_FALSE(ApplyTypedLetters(typed, unread)) << "a typed line that could not be read";
  const SquareLetters damagedPencil[] = {{5, "AB"}, {24, "ABCDEFGH"}, {5, "abcdefgh"}, {4, overHint},
                                         {2, "...B...."},    // over the sure letter of 1.1
                                         {1, ".R......"}};  // 1.2 was given P by the square before
  for (const SquareLetters& damaged : damagedPencil) {
    SolvingState state = Solving();
    KeptSolving letters = {kept};
    ApplyTypedLetters(state, letters);
    letters.letters.pencil.push_back(damaged);
    letters.pencilDamaged = 2;  // lines that could not be read
    EXPECT_EQ(ApplyPencilLetters(state, letters), 3) << damaged.cells;
    EXPECT_EQ(LettersOf(state).pencil, kept.pencil) << damaged.cells << ": the good squares stay";
  }
}

}  // namespace
}  // namespace loopword
