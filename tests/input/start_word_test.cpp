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
  const struct {
    Language language;
    std::string typed;
    Verdict verdict;
    std::string wordOrMessage;  // the word when accepted, else the message
  } cases[] = {
      {Language::German, "Fu\u00DFball", Verdict::Accepted, "FUSSBALL"},
      {Language::German, "M\u00E4dchen", Verdict::Accepted, "MAEDCHEN"},
      {Language::German, "m\u00C4DCHEN", Verdict::Accepted, "MAEDCHEN"},
      {Language::German, "Ma\u0308dchen", Verdict::Accepted, "MAEDCHEN"},  // decomposed umlaut
      {Language::German, "giraffes", Verdict::Accepted, "GIRAFFES"},
      {Language::German, "Fu\u00DFb\u00E4lle", Verdict::WrongLength, "Fu\u00DFb\u00E4lle reads as FUSSBAELLE: not 8 letters A to Z."},
      {Language::German, "Kuchen", Verdict::WrongLength, "Kuchen reads as KUCHEN: not 8 letters A to Z."},
      {Language::German, "Haus-tor", Verdict::NotLetters, "Not 8 letters A to Z: Haus-tor."},
      {Language::German, " Fu\u00DFball", Verdict::NotLetters, "Not 8 letters A to Z:  Fu\u00DFball."},
      {Language::French, "\u00C9l\u00E9phant", Verdict::Accepted, "ELEPHANT"},
      {Language::French, "\u0153uvrier", Verdict::NotLetters, "Not 8 letters A to Z: \u0153uvrier."},
      {Language::French, "M\u00E4dchen", Verdict::WrongLength, "M\u00E4dchen reads as MADCHEN: not 8 letters A to Z."},
      {Language::Spanish, "peque\u00F1os", Verdict::Accepted, "PEQUENOS"},
      {Language::Spanish, "stra\u00DFen", Verdict::NotLetters, "Not 8 letters A to Z: stra\u00DFen."},
      {Language::Italian, "ventitr\u00E9", Verdict::Accepted, "VENTITRE"},
      {Language::Portuguese, "cora\u00E7\u00F5es", Verdict::Accepted, "CORACOES"},
      {Language::Dutch, "co\u00F6rdinaat", Verdict::WrongLength, "co\u00F6rdinaat reads as COORDINAAT: not 8 letters A to Z."},
      {Language::Dutch, std::string("ABCD\0EFG", 8), Verdict::NotLetters, std::string("Not 8 letters A to Z: ABCD\0EFG.", 31)},
      {Language::Dutch, "ABCD\xC3", Verdict::NotLetters, "Not 8 letters A to Z: ABCD\xC3."},  // cut UTF-8
  };
  for (const auto& c : cases) {
    const StartWordCheck check = CheckStartWord(c.typed, c.language);
    EXPECT_EQ(check.verdict, c.verdict) << LanguageCode(c.language) << " " << c.typed;
    EXPECT_EQ(c.verdict == Verdict::Accepted ? check.word : EnglishText(check.message), c.wordOrMessage) << LanguageCode(c.language) << " " << c.typed;
    if (c.verdict != Verdict::Accepted) {
      EXPECT_TRUE(check.word.empty());
    }
  }
}

}  // namespace
}  // namespace loopword
