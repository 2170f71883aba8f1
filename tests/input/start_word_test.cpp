// Checks the rules for a typed starting word.
#include "input/start_word.h"

#include <gtest/gtest.h>

namespace loopword {
namespace {

using Verdict = StartWordCheck::Verdict;

TEST(StartWord, EightLettersInAnyCaseBlankCancelsOtherwiseAskAgain) {
  EXPECT_EQ(CheckStartWord("TriAngle").word, "TRIANGLE");
  for (const char* blank : {"", "   "}) EXPECT_EQ(CheckStartWord(blank).verdict, Verdict::Cancelled);
  const std::string length = "Specify 8-letter word", letters = "Specify A..Z leters";
  const std::pair<std::string, std::string> wrong[] = {{"ABCDEFG", length}, {" ABCDEFGH", length}, {"ABCDEFGH ", length},
      {"\u00C9COLIER", length}, {"ABCD EFG", letters}, {"ABC-EFGH", letters}, {std::string("ABCD\0EFG", 8), letters}, {"\u00C9TUDIANT", letters}};
  for (const auto& [typed, message] : wrong) {
    EXPECT_EQ(EnglishText(CheckStartWord(typed).message), message) << typed;
    EXPECT_TRUE(CheckStartWord(typed).word.empty());
  }
}

}  // namespace
}  // namespace loopword
