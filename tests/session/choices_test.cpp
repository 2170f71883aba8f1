// The choices and class sets as text: read back whole, damaged texts read as defaults with a note, changed links known.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "session/choices.h"
#include "session/class_set.h"

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
  german.themeWords = {"MAEDCHEN", "ELEPHANT", "FUSSBALL"};
  german.clues = {{"ELEPHANT", "ein gro\u00DFes graues Tier & Co. 100%"}, {"MAEDCHEN", "girl"}};
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
}

TEST(Choices, AnAddressWrittenByHandIsReadAsTheCommandLineReadsItsOptions) {
  const struct { const char* text; Language language; int level; std::string start; std::vector<std::string> theme; } cases[] = {
      {"level=2&seed=77&varied=1&unique=1&start=WORD&future=1", Language::English, 2, "", {}},
      {"?start=Fu%C3%9Fball&language=de", Language::German, 1, "FUSSBALL", {}},  // the language rules how it reads, wherever it stands
      {"theme=elephant+Giraffes%2Ccat&language=en", Language::English, 1, "", {"ELEPHANT", "GIRAFFES"}},
  };
  for (const auto& c : cases) {
    const Choices read = DecodeChoices(c.text).choices;
    EXPECT_EQ(std::tuple(read.language, read.level, read.startWord, read.themeWords), std::tuple(c.language, c.level, c.start, c.theme)) << c.text;
  }
  EXPECT_EQ(EnglishText(DecodeChoices("start=WORD").note), "Some choices could not be read and are back at their defaults: start \"WORD\".");
}

TEST(Choices, ADamagedTextGivesTheDefaultsOfWhatItDamagedAndNamesThem) {
  const struct { const char* text; const char* named; } cases[] = {
      {"level=4", "level \"4\""},
      {"level=1&seed=-1&seed=banana", "seed \"-1\", seed \"banana\""},
      {"seed=12x", "seed \"12x\""},
      {"language=xx&varied=2", "language \"xx\", varied \"2\""},
      {"difficulty=tricky&unique", "difficulty \"tricky\", unique"},
      {"theme=%E0%A4%A", "theme"},
      {"title=%zz", "title"},
      {"theme=cat+dog", "theme \"cat dog\""},
      {"off=revael", "off \"revael\""},
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

TEST(ClassSet, ItsLinkGivesEveryPupilTheSeedOfTheirPuzzleWithinTwoThousandCharactersAndACutOrChangedOneIsKnown) {
  ClassSet set;  // its choices' text is the choices tests': a class set needs a seed and One solution
  set.choices.unique = true;
  set.choices.seed = 1000;
  set.pupils = 28;
  set.skipped = {3, 7};
  const std::string text = set.Encode();
  EXPECT_EQ(DecodeClassSet("?" + text).set, set) << "read back whole, after an address's \"?\"";
  for (const int pupils : {1, 2, 40, 41}) {  // the fewest and the most pupils a set may have, and one past each
    ClassSet other = set;
    other.pupils = pupils;
    EXPECT_EQ(DecodeClassSet(other.Encode()).set == other, pupils == 2 || pupils == 40) << pupils;
  }
  const std::vector<std::uint64_t> seeds = {1000, 1001, 1002, 1004, 1005, 1006, 1008};  // pupils 1 to 7: 3 and 7 passed over
  for (int number = 1; number <= 7; ++number) EXPECT_EQ(set.SeedOf(number), seeds[static_cast<std::size_t>(number - 1)]) << number;
  for (std::size_t length = text.find("pupils=") + 7; length < text.size(); ++length) {  // cut anywhere, even where the rest reads
    const DecodedClassSet cut = DecodeClassSet(text.substr(0, length));
    EXPECT_TRUE(cut.classLink && !cut.set) << text.substr(0, length);
    EXPECT_EQ(EnglishText(cut.note), "This class link is cut short or damaged, so it cannot make your puzzle: ask your teacher for the link again.");
  }
  const auto changed = [&](std::string_view from, std::string_view to) {
    return std::string(text).replace(text.find(from), from.size(), to);
  };
  const auto passedOver = [&](std::vector<std::uint64_t> skipped) { return ClassSet{set.choices, set.pupils, skipped}.Encode(); };
  for (const std::string& other : {changed("1000", "1001"), changed("unique=1", "unique=0"), text + "&x=1",
                                   changed("check=", "check=0"), passedOver({7, 3}), passedOver({3, 3})}) {  // out of order, twice
    EXPECT_FALSE(DecodeClassSet(other).set) << other;
  }
  EXPECT_FALSE(DecodeClassSet("level=2&seed=7").classLink);
  for (const auto& [pupils, refused] : {std::pair{1, true}, {2, false}, {40, false}, {41, true}}) EXPECT_EQ(PupilsRefusal(pupils).empty(), !refused) << pupils;
  for (const auto& [number, refused] : {std::pair{0, true}, {1, false}, {28, false}, {29, true}}) {
    EXPECT_EQ(NumberRefusal(set, number).empty(), !refused) << number;
  }
  const ClassLink link = ClassLinkOf(set, "https://school.example/loopword.html");
  EXPECT_TRUE(link.link.starts_with("https://school.example/loopword.html?pupils=28&")) << link.link;
  ClassSet own = set;
  own.choices.level = kOwnList;
  EXPECT_TRUE(ClassLinkOf(own, "x").link.empty());
  EXPECT_NE(EnglishText(ClassLinkOf(own, "x").refusal).find("word list"), std::string::npos);
  ClassSet wordy = set;
  std::string accents;
  for (int i = 0; i < 60; ++i) accents += "\u00E9";
  for (char c = 'A'; c < 'A' + 23; ++c) {
    wordy.choices.themeWords.push_back(std::string(8, c));
    wordy.choices.clues[std::string(8, c)] = accents;
  }
  const ClassLink longLink = ClassLinkOf(wordy, "https://school.example/loopword.html");
  EXPECT_TRUE(longLink.link.empty());
  EXPECT_TRUE(EnglishText(longLink.refusal).starts_with("The class link would be 8")) << EnglishText(longLink.refusal);
}

}  // namespace
}  // namespace loopword
