// The choices as one text: every value written and read back, damaged texts read as the defaults with a note.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "session/choices.h"

namespace loopword {
namespace {

TEST(Choices, EveryChoiceComesBackFromItsText) {
  Choices german;
  german.language = Language::German;
  german.level = 3;
  german.difficulty = Difficulty::Expert;
  german.varied = true;
  german.unique = true;
  german.startWord = "FUSSBALL";
  german.seed = UINT64_MAX;
  german.themeWords = {"MAEDCHEN", "ELEPHANT"};
  german.title = "Woche 3: Tiere & Co. <b> 100%";
  german.pupils = {false, true, false};
  Choices kept;
  kept.level = kOwnList;  // the user's own list is not carried: the text gives Level 1
  for (const Choices& choices : {Choices{}, german, kept}) {
    const DecodedChoices decoded = DecodeChoices(choices.Encode());
    Choices expected = choices;
    if (expected.level == kOwnList) expected.level = 1;
    EXPECT_EQ(decoded.choices, expected) << choices.Encode();
    EXPECT_TRUE(decoded.note.empty()) << choices.Encode();
  }
  EXPECT_EQ(Choices{}.Encode(), "") << "the defaults take no text";
  EXPECT_EQ(DecodeChoices("?" + german.Encode()).choices, german) << "as an address gives it";
}

TEST(Choices, AnAddressWrittenByHandIsReadAsTheCommandLineReadsItsOptions) {
  const struct { const char* text; Language language; int level; std::string start; std::vector<std::string> theme; } cases[] = {
      {"level=2&seed=77&varied=1&unique=1&start=WORD&future=1", Language::English, 2, "", {}},
      {"?start=Fu%C3%9Fball&language=de", Language::German, 1, "FUSSBALL", {}},  // the language rules how it reads, wherever it stands
      {"theme=elephant+Giraffes%2Ccat&language=en", Language::English, 1, "", {"ELEPHANT", "GIRAFFES"}},
  };
  for (const auto& c : cases) {
    const DecodedChoices decoded = DecodeChoices(c.text);
    EXPECT_EQ(decoded.choices.language, c.language) << c.text;
    EXPECT_EQ(decoded.choices.level, c.level) << c.text;
    EXPECT_EQ(decoded.choices.startWord, c.start) << c.text;
    EXPECT_EQ(decoded.choices.themeWords, c.theme) << c.text;
  }
  EXPECT_EQ(DecodeChoices("level=2&seed=77").choices.seed, 77u);
  EXPECT_EQ(EnglishText(DecodeChoices("start=WORD").note), "Some choices could not be read and are back at their defaults: start \"WORD\".");
}

TEST(Choices, ADamagedTextGivesTheDefaultsOfWhatItDamagedAndNamesThem) {
  const struct { const char* text; const char* named; } cases[] = {
      {"level=4", "level \"4\""},
      {"level=1&seed=-1&seed=banana", "seed \"-1\", seed \"banana\""},
      {"language=xx&varied=2", "language \"xx\", varied \"2\""},
      {"difficulty=tricky&unique", "difficulty \"tricky\", unique"},
      {"theme=%E0%A4%A", "theme"},
      {"title=%zz", "title"},
      {"theme=cat+dog", "theme \"cat dog\""},
  };
  for (const auto& c : cases) {
    const DecodedChoices decoded = DecodeChoices(c.text);
    EXPECT_EQ(decoded.choices, Choices{}) << c.text;
    EXPECT_EQ(EnglishText(decoded.note), std::string("Some choices could not be read and are back at their defaults: ") + c.named + ".") << c.text;
  }
  std::string tooMany = "theme=";
  for (char c = 'A'; c <= 'X'; ++c) tooMany += std::string(8, c) + "+";
  EXPECT_TRUE(DecodeChoices(tooMany).choices.themeWords.empty()) << "24 theme words are no theme";
  EXPECT_FALSE(DecodeChoices(tooMany).note.empty());
}

TEST(PupilRules, WhatATeacherTurnedOffIsReadInAnyOrderAndAnUnknownOrDamagedTextAllowsEverythingWithANote) {
  const struct { const char* text; PupilRules rules; bool read; } cases[] = {
      {"", {}, true},
      {"reveal", {true, false, true}, true},
      {"timer reveal check", {false, false, false}, true},  // "+" in an address reads as a blank
      {" reveal , timer ", {true, false, false}, true},
      {"reveal,reveal", {true, false, true}, true},
      {"reveal,zzz", {}, false},
      {"Reveal", {}, false},
      {"reveal,,timer", {}, false},
      {",", {}, false},
      {"reveal,", {}, false},
  };
  for (const auto& c : cases) {
    const DecodedRules decoded = DecodePupilRules(c.text);
    EXPECT_EQ(decoded.rules, c.rules) << c.text;
    EXPECT_EQ(EnglishText(decoded.note), c.read ? "" : std::string("What your teacher turned off could not be read (\"") + c.text + "\"): everything is allowed.");
    if (c.read) {
      EXPECT_EQ(DecodePupilRules(c.rules.Encode()).rules, c.rules) << c.text;
    }
  }
  EXPECT_EQ((PupilRules{false, false, false}).Encode(), "check,reveal,timer");
  EXPECT_EQ(DecodeChoices("seed=4&off=reveal+timer").choices.pupils, (PupilRules{true, false, false}));
  EXPECT_EQ(EnglishText(DecodeChoices("off=revael").note), "Some choices could not be read and are back at their defaults: off \"revael\".");
  const struct { PupilRules rules; const char* note; } notes[] = {
      {{}, ""},
      {{true, false, true}, "Your teacher has turned off Reveal letter."},
      {{false, true, false}, "Your teacher has turned off Check and the timer."},
      {{false, false, false}, "Your teacher has turned off Check, Reveal letter and the timer."},
  };
  for (const auto& [rules, note] : notes) EXPECT_EQ(EnglishText(RulesNote(rules)), note);
}

}  // namespace
}  // namespace loopword
