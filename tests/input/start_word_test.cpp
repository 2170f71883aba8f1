// Checks the rules for a typed starting word: English as it always was, other languages folded by their rules.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/start_word.h"

#include <gtest/gtest.h>

namespace loopword {
namespace {

using Verdict = StartWordCheck::Verdict;

TEST(StartWord, EightLettersInAnyCaseBlankCancelsOtherwiseAskAgain) {
  EXPECT_EQ(CheckStartWord("TriAngle", Language::English).word, "TRIANGLE");
  for (Language language : kLanguages) {
    for (const char* blank : {"", "   "}) EXPECT_EQ(CheckStartWord(blank, language).verdict, Verdict::Cancelled) << LanguageCode(language);
  }
  const std::string length = "Specify 8-letter word", letters = "Specify A..Z leters";
  const std::pair<std::string, std::string> wrong[] = {{"ABCDEFG", length}, {" ABCDEFGH", length}, {"ABCDEFGH ", length},
      {"\u00C9COLIER", length}, {"ABCD EFG", letters}, {"ABC-EFGH", letters}, {std::string("ABCD\0EFG", 8), letters}, {"\u00C9TUDIANT", letters},
      {"Fu\u00DFball", length}, {"M\u00E4dchens", letters}};
  for (const auto& [typed, message] : wrong) {
    EXPECT_EQ(EnglishText(CheckStartWord(typed, Language::English).message), message) << typed;
    EXPECT_TRUE(CheckStartWord(typed, Language::English).word.empty());
  }
}

TEST(StartWord, OtherLanguagesFoldTheTypedWordByTheirRulesInAnyCase) {
  const struct { Language language; std::string typed; Verdict verdict; std::string wordOrMessage; } cases[] = {  // word or message
      {Language::German, "Fu\u00DFball", Verdict::Accepted, "FUSSBALL"},
      {Language::German, "m\u00C4DCHEN", Verdict::Accepted, "MAEDCHEN"},
      {Language::German, "Fu\u00DFb\u00E4lle", Verdict::WrongLength, "Fu\u00DFb\u00E4lle reads as FUSSBAELLE: not 8 letters A to Z."},
      {Language::German, "Haus-tor", Verdict::NotLetters, "Not 8 letters A to Z: Haus-tor."},
      {Language::German, " Fu\u00DFball", Verdict::NotLetters, "Not 8 letters A to Z:  Fu\u00DFball."},
      {Language::French, "\u00C9l\u00E9phant", Verdict::Accepted, "ELEPHANT"},
      {Language::Dutch, std::string("ABCD\0EFG", 8), Verdict::NotLetters, std::string("Not 8 letters A to Z: ABCD\0EFG.", 31)},
      {Language::Dutch, "ABCD\xC3", Verdict::NotLetters, "Not 8 letters A to Z: ABCD\xC3."},  // cut UTF-8
  };
  for (const auto& c : cases) {
    const StartWordCheck check = CheckStartWord(c.typed, c.language);
    EXPECT_EQ(check.verdict, c.verdict) << LanguageCode(c.language) << " " << c.typed;
    EXPECT_EQ(c.verdict == Verdict::Accepted ? check.word : EnglishText(check.message), c.wordOrMessage) << LanguageCode(c.language) << " " << c.typed;
    EXPECT_TRUE(c.verdict == Verdict::Accepted || check.word.empty()) << c.typed;
  }
}

}  // namespace
}  // namespace loopword
