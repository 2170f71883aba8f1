// Checks the figure's geometry, the square patterns built from neighbours and the overlap check.
#include "board/board.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace loopword {
namespace {

using Point = TwipPoint;

TEST(Geometry, ThirtySixSharedCellsAre148DistinctCellsOnTheGrid) {
  std::map<Point, int> owners;
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) {
      const auto [x, y] = CellPoint(s, p);
      EXPECT_TRUE((x - 400) % 300 == 0 && (y - 350) % 300 == 0 && x >= 400 && x <= 4600 && y >= 350 && y <= 6350);
      ++owners[{x, y}];
    }
  }
  EXPECT_EQ(owners.size(), 148u);
  EXPECT_EQ(std::count_if(owners.begin(), owners.end(), [](const auto& o) { return o.second == 2; }), kOverlapCount);
  for (int s = 1; s <= kSquareCount; ++s) EXPECT_EQ(owners.count(CellPoint(s, kCentre)), 0u);
  // Every rule names two ring cells at one point; every neighbour row does too.
  std::set<std::pair<Point, int>> ruleCells;
  for (const Overlap& rule : Overlaps()) {
    EXPECT_EQ(CellPoint(rule.squareA, rule.positionA), CellPoint(rule.squareB, rule.positionB));
    ruleCells.insert({CellPoint(rule.squareA, rule.positionA), rule.squareA});
  }
  EXPECT_EQ(ruleCells.size(), 36u);
  int rows = 0;
  for (int s = 1; s <= kSquareCount; ++s) {
    const NeighbourRows& entry = NeighboursOf(s);
    for (int i = 0; i < entry.count; ++i, ++rows) {
      const SharedCell& cell = entry.rows[static_cast<std::size_t>(i)];
      EXPECT_EQ(CellPoint(s, cell.position), CellPoint(cell.otherSquare, cell.otherPosition)) << s;
    }
  }
  EXPECT_EQ(rows, 2 * kOverlapCount - 4) << "every rule from both sides, but none for square 12";
  EXPECT_EQ(ParseOverlapRule("1, 2,3,4").squareA, 0) << "rule text of another form";
}

TEST(SquarePattern, PendingFreeAndFixedCells) {
  Board board;
  EXPECT_EQ(board.SquarePattern[5], "..**..**") << "empty figure: shared cells pending";
  board.SquareWord[12] = "ABCDEFGH";
  for (int s = 1; s <= kSquareCount; ++s) board.BuildSquarePattern(s);
  EXPECT_EQ(board.SquarePattern[1], "*...A..*");
  EXPECT_EQ(board.SquarePattern[11], "..**..C.");
  EXPECT_EQ(board.SquarePattern[13], "..G...**");
  EXPECT_EQ(board.SquarePattern[23], "E..**...");
  EXPECT_EQ(board.SquarePattern[12], "........");
  board.SquareWord[22] = "PQRSTUVW";
  board.BuildSquarePattern(23);
  EXPECT_EQ(board.SquarePattern[23], "E..PW...");
  board.SquareWord[2] = "ABC";  // a short ring string fixes nothing where it has no letter
  board.BuildSquarePattern(1);
  EXPECT_EQ(board.SquarePattern[1], "....A...");
}

TEST(CheckOverlaps, OnlyMarkedSquaresCountAndManyFaultsGiveOne) {
  Board board;
  board.SquareWord[12] = "ABCDEFGH";
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
