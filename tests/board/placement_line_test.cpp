// Checks writing and reading the 22-character placement lines.
#include "board/placement_line.h"

#include <gtest/gtest.h>

namespace loopword {
namespace {

TEST(PlacementLine, WritesTheFixedLayout) {
  const PlacementLine line{7, "CDEFGHAB", 9, "ABCDEFGH"};
  EXPECT_EQ(line.ToString(), "07 CDEFGHAB 9 ABCDEFGH");
  EXPECT_EQ(line.ToString().size(), kPlacementLineLength);
  EXPECT_EQ((PlacementLine{12, "WORDWORD", 1, "WORDWORD"}).ToString(), "12 WORDWORD 1 WORDWORD");
}

TEST(PlacementLine, ReadsBackWhatItWrites) {
  for (int square : {1, 9, 10, 23}) {
    for (int digit = 1; digit <= 9; ++digit) {
      const PlacementLine line{square, "QWERTYUI", digit, "ERTYUIQW"};
      const auto parsed = PlacementLine::Parse(line.ToString());
      ASSERT_TRUE(parsed.has_value());
      EXPECT_EQ(*parsed, line);
    }
  }
}

TEST(PlacementLine, StartDigitNineMeansPositionOne) {
  EXPECT_EQ((PlacementLine{3, "ABCDEFGH", 9, "ABCDEFGH"}).StartPosition(), 1);
  EXPECT_EQ((PlacementLine{3, "BCDEFGHA", 8, "ABCDEFGH"}).StartPosition(), 8);
}

TEST(PlacementLine, RejectsDamagedText) {
  for (const char* bad : {"", "07 CDEFGHAB 9 ABCDEFG", "07 CDEFGHAB 9 ABCDEFGHI", "7  CDEFGHAB 9 ABCDEFGH",
                          "07-CDEFGHAB 9 ABCDEFGH", "07 CDEfGHAB 9 ABCDEFGH", "07 CDEFGHAB X ABCDEFGH",
                          "00 CDEFGHAB 9 ABCDEFGH", "24 CDEFGHAB 9 ABCDEFGH", "07 CDEFGHAB 0 ABCDEFGH",
                          "07 CDEFGHAB 9 ABCD FGH"}) {
    EXPECT_FALSE(PlacementLine::Parse(bad).has_value()) << '"' << bad << '"';
  }
}

}  // namespace
}  // namespace loopword
