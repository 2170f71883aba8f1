// Checks square patterns built from neighbours and the overlap check.
#include "board/board.h"

#include <gtest/gtest.h>

namespace loopword {
namespace {

TEST(SquarePattern, EmptyFigureMarksEverySharedCellPending) {
  Board board;
  EXPECT_EQ(board.SquarePattern[5], "..**..**");
  EXPECT_EQ(board.SquarePattern[1], "*...*..*");
  EXPECT_EQ(board.SquarePattern[3], "..*.*...");
  EXPECT_EQ(board.SquarePattern[12], "........");
  for (int s = 1; s <= kSquareCount; ++s) {
    const std::string& pattern = board.SquarePattern[static_cast<std::size_t>(s)];
    EXPECT_EQ(static_cast<int>(std::count(pattern.begin(), pattern.end(), '*')), NeighboursOf(s).count) << s;
  }
}

TEST(SquarePattern, CrossingSquareLettersReachItsFourNeighbours) {
  Board board;
  board.SquareWord[12] = "ABCDEFGH";
  for (int s = 1; s <= kSquareCount; ++s) board.BuildSquarePattern(s);
  EXPECT_EQ(board.SquarePattern[1], "*...A..*");
  EXPECT_EQ(board.SquarePattern[11], "..**..C.");
  EXPECT_EQ(board.SquarePattern[13], "..G...**");
  EXPECT_EQ(board.SquarePattern[23], "E..**...");
  EXPECT_EQ(board.SquarePattern[12], "........");
  EXPECT_EQ(board.SquarePattern[6], "...**.**");
}

TEST(SquarePattern, ChainNeighboursPassTheirLetters) {
  Board board;
  board.SquareWord[22] = "PQRSTUVW";
  board.BuildSquarePattern(23);
  EXPECT_EQ(board.SquarePattern[23], "*..PW...");  // 23.4 = 22.1, 23.5 = 22.8
  board.SquareWord[2] = "ABCDEFGH";
  board.BuildSquarePattern(1);
  EXPECT_EQ(board.SquarePattern[1], "D...*..E");  // 1.1 = 2.4, 1.8 = 2.5
}

TEST(SquarePattern, ShortRingStringLeavesCellsFree) {
  Board board;
  board.SquareWord[2] = "ABC";
  board.BuildSquarePattern(1);
  EXPECT_EQ(board.SquarePattern[1], "....*...");
  board.BuildSquarePattern(0);
  board.BuildSquarePattern(99);  // outside the figure: nothing to do, nothing breaks
  EXPECT_EQ(board.SquarePattern[0], "........");
}

TEST(SquarePattern, CopySharedLetterChangesOneCharacter) {
  Board board;
  board.SquareWord[6] = "ABCDEFGH";
  board.FillCellLetters();
  board.CopySharedLetter(5, 3, 6, 8);
  EXPECT_EQ(board.SquarePattern[5], "..H*..**");
  board.SquareWord[6] = kEmptyRing;
  board.FillCellLetters();
  board.CopySharedLetter(5, 3, 6, 8);
  EXPECT_EQ(board.SquarePattern[5], "..**..**");
}

TEST(CheckOverlaps, IgnoresSquaresWithoutTheirMark) {
  Board board;
  board.SquareWord[12] = "ABCDEFGH";
  board.SquareMark[12] = MarkOn;
  EXPECT_EQ(board.CheckOverlaps(), 0);
  board.SquareWord[1] = "ZZZZZZZZ";  // disagrees with square 12 but is not marked
  EXPECT_EQ(board.CheckOverlaps(), 0);
  board.SquareMark[1] = MarkOn;
  EXPECT_EQ(board.CheckOverlaps(), 1);
}

TEST(CheckOverlaps, ReportsOneForManyDisagreementsAndZeroWhenAllAgree) {
  Board board;
  for (int s = 1; s <= kSquareCount; ++s) {
    board.SquareWord[static_cast<std::size_t>(s)] = "AAAAAAAA";
    board.SquareMark[static_cast<std::size_t>(s)] = MarkOn;
  }
  EXPECT_EQ(board.CheckOverlaps(), 0);
  EXPECT_TRUE(board.IsComplete());
  board.SquareWord[5] = "BBBBBBBB";
  board.SquareWord[17] = "BBBBBBBB";
  EXPECT_EQ(board.CheckOverlaps(), 1);
  EXPECT_FALSE(board.IsComplete());
}

TEST(Board, IncompleteWhileAnySquareLacksItsWord) {
  Board board;
  for (int s = 1; s <= kSquareCount; ++s) {
    board.SquareWord[static_cast<std::size_t>(s)] = "AAAAAAAA";
    board.SquareMark[static_cast<std::size_t>(s)] = MarkOn;
  }
  board.SquareMark[9] = MarkOff;
  EXPECT_FALSE(board.IsComplete());
  board.SquareMark[9] = MarkOn;
  board.SquareWord[9] = "AAAA AAA";
  EXPECT_FALSE(board.IsComplete());
  board.Clear();
  EXPECT_EQ(board.SquareWord[9], kEmptyRing);
  EXPECT_EQ(board.SquareMark[9], MarkOff);
}

}  // namespace
}  // namespace loopword
