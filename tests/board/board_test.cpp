// Checks the square patterns built from neighbours and the overlap check (every compiled puzzle's shared cells: puzzle_check.h).
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board.h"

#include <gtest/gtest.h>

#include <map>

namespace loopword {
namespace {

TEST(Board, SquarePatternsHoldPendingFreeAndFixedCellsAndOverlapsCountOnlyMarkedSquares) {
  Board board;
  EXPECT_EQ(board.SquarePattern[5], "..**..**") << "empty figure: shared cells pending";
  board.SquareWord[12] = "ABCDEFGH";
  for (int s = 1; s <= kSquareCount; ++s) board.BuildSquarePattern(s);
  const std::map<int, std::string> expected = {{1, "*...A..*"}, {11, "..**..C."}, {13, "..G...**"}, {23, "E..**..."}, {12, "........"}};
  for (const auto& [square, pattern] : expected) EXPECT_EQ(board.SquarePattern[static_cast<std::size_t>(square)], pattern) << square;
  board.SquareWord[22] = "PQRSTUVW";
  board.BuildSquarePattern(23);
  EXPECT_EQ(board.SquarePattern[23], "E..PW...");
  board.SquareWord[2] = "ABC";  // a short ring string fixes nothing where it has no letter
  board.BuildSquarePattern(1);
  EXPECT_EQ(board.SquarePattern[1], "....A...");
  board.SquareMark[12] = MarkOn;
  board.SquareWord[1] = "ZZZZZZZZ";
  EXPECT_EQ(board.CheckOverlaps(), 0);
  board.SquareMark[1] = MarkOn;
  EXPECT_EQ(board.CheckOverlaps(), 1);
  for (int s = 1; s <= kSquareCount; ++s) {
    board.SquareWord[static_cast<std::size_t>(s)] = s == 5 || s == 17 ? "BBBBBBBB" : "AAAAAAAA";
    board.SquareMark[static_cast<std::size_t>(s)] = MarkOn;
  }
  EXPECT_EQ(board.CheckOverlaps(), 1);
  EXPECT_FALSE(board.IsComplete());
  board.SquareWord[5] = board.SquareWord[17] = "AAAAAAAA";
  EXPECT_TRUE(board.IsComplete());
  board.SquareMark[9] = MarkOff;
  EXPECT_FALSE(board.IsComplete());
}

}  // namespace
}  // namespace loopword
