// Checks the rules for a typed starting word.
#include "compiler/start_word.h"

#include <gtest/gtest.h>

namespace loopword {
namespace {

using Verdict = StartWordCheck::Verdict;

TEST(StartWord, AcceptsEightLettersInEitherCase) {
  EXPECT_EQ(CheckStartWord("abcdefgh").word, "ABCDEFGH");
  EXPECT_EQ(CheckStartWord("TriAngle").word, "TRIANGLE");
  EXPECT_EQ(CheckStartWord("ZZZZZZZZ").verdict, Verdict::Accepted);
}

TEST(StartWord, BlankAnswersCancel) {
  for (const char* blank : {"", " ", "        ", "          "}) {
    const StartWordCheck check = CheckStartWord(blank);
    EXPECT_EQ(check.verdict, Verdict::Cancelled) << '"' << blank << '"';
    EXPECT_TRUE(check.message.empty());
  }
}

TEST(StartWord, WrongLengthCountsBlanks) {
  for (const char* answer : {"ABCDEFG", "ABCDEFGHI", " ABCDEFGH", "ABCDEFGH ", "A"}) {
    const StartWordCheck check = CheckStartWord(answer);
    EXPECT_EQ(check.verdict, Verdict::WrongLength) << answer;
    EXPECT_EQ(check.message, "Specify 8-letter word");
  }
}

TEST(StartWord, OtherCharactersAreRefused) {
  for (const std::string& answer : std::vector<std::string>{"ABCD EFG", "ABCDEFG1", "ABC-EFGH", "ABCDEF\xC3\x84", std::string("ABCD\0EFG", 8)}) {
    const StartWordCheck check = CheckStartWord(answer);
    EXPECT_EQ(check.verdict, Verdict::NotLetters) << answer;
    EXPECT_EQ(check.message, "Specify A..Z leters");
    EXPECT_TRUE(check.word.empty());
  }
}

}  // namespace
}  // namespace loopword
