// Checks the figure's geometry: cell points, shared cells and the neighbour table derived from the rules.
#include "board/geometry.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace loopword {
namespace {

using Point = std::pair<int, int>;

Point CellPoint(int square, int position) {
  return {SquareX[static_cast<std::size_t>(square)] + RingX[static_cast<std::size_t>(position)],
          SquareY[static_cast<std::size_t>(square)] + RingY[static_cast<std::size_t>(position)]};
}

std::map<Point, std::vector<std::pair<int, int>>> RingCellsByPoint() {
  std::map<Point, std::vector<std::pair<int, int>>> cells;
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) cells[CellPoint(s, p)].push_back({s, p});
  }
  return cells;
}

TEST(Geometry, RingCellsLieOnTheGridWithinTheFigureSpan) {
  int minX = 1 << 30, maxX = 0, minY = 1 << 30, maxY = 0;
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kCentre; ++p) {
      const auto [x, y] = CellPoint(s, p);
      EXPECT_EQ((x - 400) % 300, 0) << s << "." << p;
      EXPECT_EQ((y - 350) % 300, 0) << s << "." << p;
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
  }
  EXPECT_EQ(minX, 400);
  EXPECT_EQ(maxX, 4600);
  EXPECT_EQ(minY, 350);
  EXPECT_EQ(maxY, 6350);
}

TEST(Geometry, ThirtySixPairsShareA_PointAndNoPointHasThreeSquares) {
  const auto cells = RingCellsByPoint();
  EXPECT_EQ(cells.size(), 148u);
  int pairs = 0;
  for (const auto& [point, owners] : cells) {
    EXPECT_LE(owners.size(), 2u);
    if (owners.size() == 2) {
      ++pairs;
      EXPECT_NE(owners[0].first, owners[1].first) << "a square shares a cell with itself";
    }
  }
  EXPECT_EQ(pairs, kOverlapCount);
  for (int s = 1; s <= kSquareCount; ++s) {
    EXPECT_EQ(cells.count(CellPoint(s, kCentre)), 0u) << "centre of square " << s << " is a ring cell";
  }
}

TEST(Geometry, OverlapRulesAreExactlyTheCoincidingPairs) {
  std::set<std::tuple<int, int, int, int>> fromPoints;
  for (const auto& [point, owners] : RingCellsByPoint()) {
    if (owners.size() != 2) continue;
    auto a = owners[0], b = owners[1];
    if (a > b) std::swap(a, b);
    fromPoints.insert({a.first, a.second, b.first, b.second});
  }
  std::set<std::tuple<int, int, int, int>> fromRules;
  for (const Overlap& rule : Overlaps()) {
    std::pair<int, int> a{rule.squareA, rule.positionA}, b{rule.squareB, rule.positionB};
    EXPECT_EQ(CellPoint(a.first, a.second), CellPoint(b.first, b.second));
    if (a > b) std::swap(a, b);
    fromRules.insert({a.first, a.second, b.first, b.second});
  }
  EXPECT_EQ(fromRules, fromPoints);
}

TEST(Geometry, RuleTextParsesAndRejectsOtherForms) {
  const Overlap rule = ParseOverlapRule("23,1,12,5");
  EXPECT_EQ(rule.squareA, 23);
  EXPECT_EQ(rule.positionA, 1);
  EXPECT_EQ(rule.squareB, 12);
  EXPECT_EQ(rule.positionB, 5);
  for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "a,b,c,d", "1, 2,3,4"}) {
    const Overlap parsed = ParseOverlapRule(bad);
    EXPECT_EQ(parsed.squareA + parsed.positionA + parsed.squareB + parsed.positionB, 0) << bad;
  }
}

TEST(Geometry, NeighbourTableMatchesTheChainOfSquares) {
  // square -> {position: (other square, other position)}, as the figure is laid out
  const std::map<int, std::map<int, std::pair<int, int>>> expected = {
      {1, {{1, {2, 4}}, {5, {12, 1}}, {8, {2, 5}}}},
      {2, {{1, {3, 5}}, {4, {1, 1}}, {5, {1, 8}}}},
      {3, {{3, {4, 7}}, {5, {2, 1}}}},
      {4, {{3, {5, 8}}, {4, {5, 7}}, {7, {3, 3}}}},
      {5, {{3, {6, 8}}, {4, {6, 7}}, {7, {4, 4}}, {8, {4, 3}}}},
      {6, {{4, {7, 1}}, {5, {7, 8}}, {7, {5, 4}}, {8, {5, 3}}}},
      {7, {{1, {6, 4}}, {4, {8, 1}}, {5, {8, 8}}, {8, {6, 5}}}},
      {8, {{1, {7, 4}}, {5, {9, 1}}, {8, {7, 5}}}},
      {9, {{1, {8, 5}}, {7, {10, 3}}}},
      {10, {{3, {9, 7}}, {7, {11, 4}}, {8, {11, 3}}}},
      {11, {{3, {10, 8}}, {4, {10, 7}}, {7, {12, 3}}}},
      {12, {}},
      {13, {{3, {12, 7}}, {7, {14, 4}}, {8, {14, 3}}}},
      {14, {{3, {13, 8}}, {4, {13, 7}}, {7, {15, 3}}}},
      {15, {{3, {14, 7}}, {5, {16, 1}}}},
      {16, {{1, {15, 5}}, {4, {17, 1}}, {5, {17, 8}}}},
      {17, {{1, {16, 4}}, {4, {18, 1}}, {5, {18, 8}}, {8, {16, 5}}}},
      {18, {{1, {17, 4}}, {3, {19, 8}}, {4, {19, 7}}, {8, {17, 5}}}},
      {19, {{3, {20, 8}}, {4, {20, 7}}, {7, {18, 4}}, {8, {18, 3}}}},
      {20, {{3, {21, 7}}, {7, {19, 4}}, {8, {19, 3}}}},
      {21, {{1, {22, 5}}, {7, {20, 3}}}},
      {22, {{1, {23, 4}}, {5, {21, 1}}, {8, {23, 5}}}},
      {23, {{1, {12, 5}}, {4, {22, 1}}, {5, {22, 8}}}},
  };
  for (const auto& [square, rows] : expected) {
    const NeighbourRows& actual = NeighboursOf(square);
    std::map<int, std::pair<int, int>> got;
    for (int i = 0; i < actual.count; ++i) {
      const SharedCell& cell = actual.rows[static_cast<std::size_t>(i)];
      got[cell.position] = {cell.otherSquare, cell.otherPosition};
    }
    EXPECT_EQ(got, rows) << "square " << square;
  }
  EXPECT_EQ(NeighboursOf(0).count, 0);
  EXPECT_EQ(NeighboursOf(24).count, 0);
  EXPECT_EQ(NeighboursOf(-3).count, 0);
}

}  // namespace
}  // namespace loopword
