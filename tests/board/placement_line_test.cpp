// Checks writing and reading the 22-character placement lines.
#include "board/placement_line.h"

#include <gtest/gtest.h>

namespace loopword {
namespace {

TEST(PlacementLine, WritesReadsBackAndTakesNineAsOne) {
  const PlacementLine line{7, "CDEFGHAB", 9, "ABCDEFGH"};
  EXPECT_EQ(line.ToString(), "07 CDEFGHAB 9 ABCDEFGH");
  EXPECT_EQ(PlacementLine::Parse(line.ToString()), line);
  EXPECT_EQ(line.StartPosition(), 1);
  EXPECT_EQ(PlacementLine::Parse("23 BCDEFGHA 8 ABCDEFGH")->StartPosition(), 8);
}

TEST(PlacementLine, RejectsDamagedText) {
  for (const char* bad : {"", "07 CDEFGHAB 9 ABCDEFG", "7  CDEFGHAB 9 ABCDEFGH", "07 CDEfGHAB 9 ABCDEFGH",
                          "07 CDEFGHAB X ABCDEFGH", "24 CDEFGHAB 9 ABCDEFGH", "07 CDEFGHAB 0 ABCDEFGH"}) {
    EXPECT_FALSE(PlacementLine::Parse(bad).has_value()) << '"' << bad << '"';
  }
}

}  // namespace
}  // namespace loopword
