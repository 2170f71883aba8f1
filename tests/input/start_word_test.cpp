// Checks the rules for a typed starting word: English as it always was, other languages folded by their rules.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/start_word.h"

#include <gtest/gtest.h>

namespace loopword {
namespace {

using Verdict = StartWordCheck::Verdict;

TEST(StartWord, EnglishTakesEightLettersInAnyCaseOtherLanguagesFoldByTheirRulesBlankCancelsOtherwiseAskAgain) {
  for (Language language : kLanguages) {
    for (const char* blank : {"", "   "}) EXPECT_EQ(CheckStartWord(blank, language).verdict, Verdict::Cancelled) << LanguageCode(language);
  }
  const std::string length = "Specify 8-letter word", letters = "Specify A..Z leters";
  const Verdict wrongLength = Verdict::WrongLength, notLetters = Verdict::NotLetters;
  const struct { Language language; std::string typed; Verdict verdict; std::string wordOrMessage; } cases[] = {  // word or message
      {Language::English, "ABCDEFG", wrongLength, length}, {Language::English, " ABCDEFGH", wrongLength, length},
      {Language::English, "ABCDEFGH ", wrongLength, length}, {Language::English, "\u00C9COLIER", wrongLength, length},
      {Language::English, "Fu\u00DFball", wrongLength, length}, {Language::English, "ABCD EFG", notLetters, letters},
      {Language::English, "ABC-EFGH", notLetters, letters}, {Language::English, std::string("ABCD\0EFG", 8), notLetters, letters},
      {Language::English, "\u00C9TUDIANT", notLetters, letters}, {Language::English, "TriAngle", Verdict::Accepted, "TRIANGLE"},
      {Language::German, "Fu\u00DFball", Verdict::Accepted, "FUSSBALL"},
      {Language::German, "m\u00C4DCHEN", Verdict::Accepted, "MAEDCHEN"},
      {Language::German, "Fu\u00DFb\u00E4lle", wrongLength, "Fu\u00DFb\u00E4lle reads as FUSSBAELLE: not 8 letters A to Z."},
      {Language::German, "Haus-tor", notLetters, "Not 8 letters A to Z: Haus-tor."},
      {Language::German, " Fu\u00DFball", notLetters, "Not 8 letters A to Z:  Fu\u00DFball."},
      {Language::French, "\u00C9l\u00E9phant", Verdict::Accepted, "ELEPHANT"},
      {Language::Dutch, std::string("ABCD\0EFG", 8), notLetters, std::string("Not 8 letters A to Z: ABCD\0EFG.", 31)},
      {Language::Dutch, "ABCD\xC3", notLetters, "Not 8 letters A to Z: ABCD\xC3."},  // cut UTF-8
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
