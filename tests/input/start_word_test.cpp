// Checks the rules for a typed starting word.
#include "input/start_word.h"

#include <gtest/gtest.h>

namespace loopword {
namespace {

using Verdict = StartWordCheck::Verdict;

TEST(StartWord, EightLettersInAnyCaseBlankCancelsOtherwiseAskAgain) {
  EXPECT_EQ(CheckStartWord("TriAngle").word, "TRIANGLE");
  for (const char* blank : {"", "   "}) EXPECT_EQ(CheckStartWord(blank).verdict, Verdict::Cancelled);
  for (const char* wrong : {"ABCDEFG", " ABCDEFGH", "ABCDEFGH ", "\u00C9COLIER"}) {
    EXPECT_EQ(CheckStartWord(wrong).message, "Specify 8-letter word") << wrong;
  }
  for (const std::string& wrong : {std::string("ABCD EFG"), std::string("ABC-EFGH"), std::string("ABCD\0EFG", 8),
                                 std::string("\u00C9TUDIANT")}) {
    EXPECT_EQ(CheckStartWord(wrong).message, "Specify A..Z leters") << wrong;
    EXPECT_TRUE(CheckStartWord(wrong).word.empty());
  }
}

}  // namespace
}  // namespace loopword
