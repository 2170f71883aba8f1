// Messages as data: each producer's message reads in English as always, its patterns and values kept apart.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/message.h"

#include <gtest/gtest.h>

#include <memory>

#include "compiler/compiler.h"
#include "puzzle/puzzle_file.h"
#include "words/dictionary_state.h"

namespace loopword {
namespace {

TEST(Message, EachProducerReadsInEnglishWordForWordAsBefore) {
  const Compiler compiler(std::make_shared<const Dictionary>(), RandomSource(1));
  const CompileOptions themed{.theme = {"ELEPHANT"}};
  ReadResult tooManyWords;
  tooManyWords.outcome = LoadOutcome::TooManyWords;
  const std::pair<Message, std::string> cases[] = {
      {LoadMessages(tooManyWords, "big.txt").front(), "Dictionary limit is 49,000 words"},
      {ImpossibleMessage("LOOPWORD"), "No puzzle can be made from this dictionary with the starting word LOOPWORD."},
      {ImpossibleMessage(""), "No puzzle can be made from this dictionary."},
      {compiler.FailureMessage(CompileOutcome::GaveUp, "LOOPWORD", {}), "No complete puzzle could be made with this dictionary and starting word."},
      {compiler.FailureMessage(CompileOutcome::GaveUp, "", {.difficulty = Difficulty::Expert}),
       "No expert puzzle was found in 40 puzzles made with this dictionary."},
      {compiler.FailureMessage(CompileOutcome::GaveUp, "", themed), "No puzzle with all the theme words was found in 20 seconds."},
      {compiler.FailureMessage(CompileOutcome::Complete, "", {}), ""},
  };
  for (const auto& [message, english] : cases) {
    EXPECT_EQ(EnglishText(message), english);
    EXPECT_EQ(message.empty(), english.empty()) << english;
  }
}

TEST(Message, PatternsAndValuesStayApartDownToTheNestedFault) {
  const Message refusal = ParsePuzzleText("# Loopword puzzle\n01 ABCDEFGH 1 ABCDEFGX\n", "Line 2: %1").message;
  ASSERT_EQ(refusal.Lines().size(), 3u);
  EXPECT_EQ(refusal.Lines()[0], Phrase(LOOPWORD_TEXT("Messages", "Loopword could not open the puzzle file:")));
  EXPECT_EQ(refusal.Lines()[1], Phrase("Line 2: %1")) << "a file name is a value, however it reads";
  EXPECT_EQ(refusal.Lines()[2], Phrase(texts::kFaultOnLine, {2, Phrase(texts::kRingNotWord, {"ABCDEFGH", "ABCDEFGX", 1})}))
      << "the line number and the nested fault stay values";
  EXPECT_NE(Message(Phrase("Done")), Message(LOOPWORD_TEXT("Messages", "Done"))) << "the same English, but only one is translated";
  EXPECT_NE(Phrase(LOOPWORD_TEXT("Messages", "Done")), Phrase(LOOPWORD_TEXT("Sheets", "Done"))) << "a text belongs to its context";
}

TEST(Message, RenderingFillsEachPatternWithItsRenderedValuesItsCountAndJoinsTheLines) {
  const auto title = [](long long words, long long themeWords) {
    return Message(Phrase::Counted(texts::kTitleWithThemeWords, themeWords, {Phrase::Counted(texts::kDictionaryTitle, words, {"%2 %n list"})}))
        .Add("second %1");
  };
  const auto shouting = [](const Text& pattern, std::optional<long long> count) {
    return "<" + std::string(count == 1 ? pattern.one : pattern.source) + ">";
  };
  EXPECT_EQ(RenderedText(title(9, 4), shouting), "<<Dictionary: %2 %n list (9 words)> - 4 theme words>\nsecond %1");
  const struct { long long words, themeWords; std::string english; } cases[] = {
      {1, 1, "Dictionary: %2 %n list (1 word) - 1 theme word"},
      {0, 2, "Dictionary: %2 %n list (0 words) - 2 theme words"},
  };
  for (const auto& c : cases) EXPECT_EQ(EnglishText(title(c.words, c.themeWords)), c.english + "\nsecond %1");
}

}  // namespace
}  // namespace loopword
