// Checks that reading a placement line refuses damaged text.
#include "board/placement_line.h"

#include <gtest/gtest.h>

namespace loopword {
namespace {

TEST(PlacementLine, RejectsDamagedText) {
  for (const char* bad : {"", "07 CDEFGHAB 9 ABCDEFG", "7  CDEFGHAB 9 ABCDEFGH", "07 CDEfGHAB 9 ABCDEFGH",
                          "07 CDEFGHAB X ABCDEFGH", "24 CDEFGHAB 9 ABCDEFGH", "07 CDEFGHAB 0 ABCDEFGH"}) {
    EXPECT_FALSE(PlacementLine::Parse(bad).has_value()) << '"' << bad << '"';
  }
}

}  // namespace
}  // namespace loopword
