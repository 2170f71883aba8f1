// Checks how typed or pasted theme text is read: separators, case, clue lines, unusable and repeated entries, and what the dialog says.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/theme_words.h"

#include <gtest/gtest.h>

#include <tuple>

namespace loopword {
namespace {

TEST(ThemeWords, PastedTextIsReadByTheListsLanguageIntoUsableRepeatedAndUnusableEntriesCluesAndAReport) {
  std::string ten;
  for (char c = 'A'; c < 'K'; ++c) ten += std::string(1, c) + "bc, ";
  std::string twentyFour;
  for (char c = 'A'; c <= 'X'; ++c) twentyFour += std::string(8, c) + "\n";
  std::string accents;
  for (int i = 0; i < 70; ++i) accents += "\u00E9";
  using C = Clues;  // a line with an equals sign gives its word a clue of up to 60 characters
  const std::string none = "No theme words: puzzles come from the word list alone.";
  const std::string one = "1 theme word will be in every puzzle.", two = "2 theme words will be in every puzzle.";
  const std::string notAZ = "\nNot 8 letters A to Z: ", twice = "\nGiven twice: ";
  const std::string byClue = "\n1 of them is listed by its clue.", tooLong = "\nA clue may have up to 60 characters: these lines have longer ones and are left out: ";
  const struct { std::string text; std::vector<std::string> words; C clues; std::vector<std::string> unusable, repeated;
                 std::string report; Language language = Language::English; } cases[] = {
      {" ,\t\r\n,, ", {}, {}, {}, {}, none},
      {"Elephant,giraffes\r\nPENGUINS\tdolphins", {"ELEPHANT", "GIRAFFES", "PENGUINS", "DOLPHINS"}, {}, {}, {}, "4 theme words will be in every puzzle."},
      {"giraffes GIRAFFES Giraffes", {"GIRAFFES"}, {}, {}, {"GIRAFFES", "Giraffes"},
       one + twice + "GIRAFFES, Giraffes."},
      {"cat, ÉLÉPHANT, rhinoceros, zebra's, kangaroo, 🐘", {"ELEPHANT", "KANGAROO"}, {}, {"cat", "rhinoceros", "zebra's", "🐘"}, {},
       two + notAZ + "cat, rhinoceros, zebra's, 🐘."},
      {ten, {}, {}, {"Abc", "Bbc", "Cbc", "Dbc", "Ebc", "Fbc", "Gbc", "Hbc", "Ibc", "Jbc"}, {},
       none + notAZ + "Abc, Bbc, Cbc, Dbc, Ebc, Fbc, Gbc, Hbc and 2 more."},
      {"M\u00E4dchen Fu\u00DFball, MAEDCHEN\nSchl\u00FCssel k\u00E4se", {"MAEDCHEN", "FUSSBALL"}, {}, {"Schl\u00FCssel", "k\u00E4se"}, {"MAEDCHEN"},
       two + notAZ + "Schl\u00FCssel, k\u00E4se." + twice + "MAEDCHEN.", Language::German},
      {"ELEPHANT = a big grey animal with a trunk\r\ngiraffes penguins", {"ELEPHANT", "GIRAFFES", "PENGUINS"}, C{{"ELEPHANT", "a big grey animal with a trunk"}}, {}, {},
       "3 theme words will be in every puzzle." + byClue},
      {"elephant=\t a   big\tanimal \ngiraffes = tall, with long necks", {"ELEPHANT", "GIRAFFES"}, C{{"ELEPHANT", "a big animal"}, {"GIRAFFES", "tall, with long necks"}}, {}, {},
       two + "\n2 of them are listed by their clues."},
      {" = no word here\ncat = a pet\nice cream = cold", {}, {}, {"= no word here", "cat", "ice cream"}, {},
       none + notAZ + "= no word here, cat, ice cream."},
      {"ELEPHANT =   \n", {"ELEPHANT"}, {}, {}, {}, one},
      {"ELEPHANT = 2 + 2 = 4", {"ELEPHANT"}, {}, {}, {}, one + "\nA clue cannot hold \"=\", so these words have none: ELEPHANT."},
      {"ELEPHANT = " + accents.substr(0, 120) + "\ngiraffes = " + accents + "\npenguins = " + accents.substr(0, 122),
       {"ELEPHANT"}, C{{"ELEPHANT", accents.substr(0, 120)}}, {}, {}, one + byClue + tooLong + "2, 3."},
      {"elephant = one\nELEPHANT = two", {"ELEPHANT"}, C{{"ELEPHANT", "one"}}, {}, {"ELEPHANT"}, one + byClue + twice + "ELEPHANT."},
      {"M\u00E4dchen = girl\nKatze = cat", {"MAEDCHEN"}, C{{"MAEDCHEN", "girl"}}, {"Katze"}, {},
       one + byClue + notAZ + "Katze.", Language::German},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(LanguageCode(c.language)) + " " + c.text);
    const ThemeWords read = ReadThemeWords(c.text, c.language);
    EXPECT_EQ(std::tie(read.words, read.clues, read.unusable, read.repeated), std::tie(c.words, c.clues, c.unusable, c.repeated));
    EXPECT_EQ(EnglishText(ThemeWordsReport(read)), c.report);
    const ThemeWords again = ReadThemeWords(ThemeText(read.words, read.clues), c.language);  // as the theme box shows them
    EXPECT_EQ(std::tie(again.words, again.clues), std::tie(read.words, read.clues));
  }
  EXPECT_EQ(EnglishText(ThemeWordsReport(ReadThemeWords(twentyFour, Language::English))), "A puzzle holds at most 23 theme words; these are 24.");
}

}  // namespace
}  // namespace loopword
