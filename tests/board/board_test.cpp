// Checks the square patterns built from neighbours and the overlap check (every compiled puzzle's shared cells: puzzle_check.h).
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>

#include "board/geometry.h"
#include "board/whole_number.h"

namespace loopword {
namespace {

TEST(WholeNumber, OnlyDecimalDigitsWithinTheLimitsReadAsANumber) {
  const struct { std::string_view text; std::optional<long long> read; } cases[] = {
      {"", std::nullopt},    {"0", 0},    {"007", 7},    {"+1", std::nullopt}, {"-1", std::nullopt},  {" 1", std::nullopt},
      {"1 ", std::nullopt},  {"1a", std::nullopt},       {"0x1", std::nullopt}, {"1.0", std::nullopt}, {"1000", 1000},
      {"1001", std::nullopt}, {"99999999999999999999999", std::nullopt},
  };
  for (const auto& [text, read] : cases) EXPECT_EQ(WholeNumber(text, 0LL, 1000LL), read) << '"' << text << '"';
  const std::optional<int> zeroOnly = WholeNumber("1", 0, 0), fromTwo = WholeNumber("1", 2, 3);
  EXPECT_FALSE(zeroOnly || fromTwo) << "the least and the most bound the number";
  EXPECT_EQ(WholeNumber("18446744073709551615", std::uint64_t{0}, UINT64_MAX), UINT64_MAX);
  EXPECT_FALSE(WholeNumber("18446744073709551616", std::uint64_t{0}, UINT64_MAX)) << "past the type's range";
  EXPECT_EQ(WholeNumber("2147483647", 0, std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
  EXPECT_FALSE(WholeNumber("2147483648", 0, std::numeric_limits<int>::max()));
}

TEST(Geometry, AnOverlapRuleIsFourWholeNumbersAndAnyOtherTextIsNone) {
  const struct { std::string_view rule; std::array<int, 4> read; } cases[] = {
      {"1,5,12,1", {1, 5, 12, 1}}, {"23,1,12,5", {23, 1, 12, 5}}, {"1,5,12", {0, 0, 0, 0}}, {"1,5,12,1,2", {0, 0, 0, 0}},
      {"1,-5,12,1", {0, 0, 0, 0}}, {"1, 5,12,1", {0, 0, 0, 0}}, {"1,,12,1", {0, 0, 0, 0}}, {"", {0, 0, 0, 0}},
  };
  for (const auto& [rule, read] : cases) {
    const Overlap parsed = ParseOverlapRule(rule);
    EXPECT_EQ((std::array<int, 4>{parsed.squareA, parsed.positionA, parsed.squareB, parsed.positionB}), read) << rule;
  }
}

TEST(Board, SquarePatternsHoldPendingFreeAndFixedCellsAndOverlapsCountOnlyMarkedSquares) {
  Board board;
  EXPECT_EQ(board.SquarePattern[5], "..**..**") << "empty figure: shared cells pending";
  board.SquareWord[12] = "ABCDEFGH";
  board.BuildSquarePatterns();
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
