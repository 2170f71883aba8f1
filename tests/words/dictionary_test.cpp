// Checks how word-list files are read (line ends, accepted lines, letter counts, limits, damage) and which list is in use.
#include "words/dictionary.h"
#include "words/dictionary_state.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace loopword {
namespace {

using namespace std::string_literals;

std::vector<std::string> Words(const ReadResult& result) {
  std::vector<std::string> words;
  for (int n = 1; n <= result.dictionary.WordCount(); ++n) words.push_back(ToString(result.dictionary.WordPool(n)));
  return words;
}

TEST(ReadDictionary, EveryLineEndAByteOrderMarkDuplicatesAndRotations) {
  const ReadResult result = ParseDictionaryText("\xEF\xBB\xBF" "AAAAAAAA\r\nABCDEFGH\nCCCCCCCC\rAAAAAAAA\n\rEEEEEEEE");
  ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(Words(result), (std::vector<std::string>{"AAAAAAAA", "ABCDEFGH", "CCCCCCCC", "AAAAAAAA", "EEEEEEEE"}));
  EXPECT_EQ(ToString(result.dictionary.WordList(2, 8)), "HABCDEFG") << "rotations wrap round";
}

TEST(ReadDictionary, EightCapitalsOrEightLowerCaseLettersCountingLettersBeforeTheFirstBadOne) {
  const ReadResult result = ParseDictionaryText(
      "ABCDEFG\nABCDEFGHI\nABCDEFGH \nABC-EFGH\nABCD\xC9" "FGH\nABCD\0FGH\nABCDEFG1\nZZZZZZZZ\n"
      "platypus\nBrussels\nmIXEDcas\nabcdefg1\ncaf\xC3\xA9" "bar\ndon't-go\n"s);
  ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(Words(result), (std::vector<std::string>{"ZZZZZZZZ", "PLATYPUS"}));
  const auto& weight = result.dictionary.LetterWeight();
  EXPECT_EQ(weight[0], 5) << "four rejected 8-character lines that start with A, and PLATYPUS";
  EXPECT_EQ(weight['G' - 'A'], 1) << "only ABCDEFG1 reached its G";
  EXPECT_EQ(weight['B' - 'A'], 5) << "the four A lines and Brussels up to its r; abcdefg1 counts nothing";
  EXPECT_EQ(weight['P' - 'A'], 2) << "lower-case letters count as capitals";
  EXPECT_EQ(weight['Z' - 'A'], 8);
}

TEST(ReadDictionary, NoWordsAndTheLimit) {
  for (const std::string& text : {""s, "\r\n\n"s, "hello\nworld\n"s, std::string(3'000'000, 'A')}) {
    EXPECT_EQ(ParseDictionaryText(text).outcome, LoadOutcome::NoWords) << text.size();
  }
  std::string full;
  for (int i = 0; i < kWordLimit; ++i) full += "ABCDEFGH\n";
  EXPECT_EQ(ParseDictionaryText(full).dictionary.WordCount(), kWordLimit);
  EXPECT_EQ(ParseDictionaryText(full + "ABCDEFGH").outcome, LoadOutcome::TooManyWords);
}

TEST(FoldWord, EachLanguageFoldsByItsOwnRules) {
  struct Case {
    Language language;
    std::string line;
    std::string folded;  // "" when the line is no word in that language
  };
  const std::vector<Case> cases = {
      {Language::English, "platypus", "PLATYPUS"},
      {Language::English, "caf\xC3\xA9" "bar", ""},
      {Language::English, "Brussels", ""},
      {Language::German, "M\xC3\xA4" "dchen", "MAEDCHEN"},
      {Language::German, "Stra\xC3\x9F" "enbahn", "STRASSENBAHN"},
      {Language::German, "\xC3\x9C" "BERALL", "UEBERALL"},
      {Language::German, "Mo\xCC\x88" "we", "MOEWE"},  // decomposed umlaut
      {Language::German, "Caf\xC3\xA9", "CAFE"},
      {Language::German, "HaUs", ""},
      {Language::French, "\xC3\xA9l\xC3\xA9phant", "ELEPHANT"},
      {Language::French, "gar\xC3\xA7on", "GARCON"},
      {Language::French, "e\xCC\x81t\xC3\xA9", "ETE"},  // decomposed accent
      {Language::French, "\xC5\x93uvre", ""},                  // no rule for the ligature
      {Language::French, "Paris", ""},                          // only German reads capitalised lines
      {Language::French, "m\xC3\xA4" "dchen", "MADCHEN"},
      {Language::Spanish, "ni\xC3\xB1o", "NINO"},
      {Language::Spanish, "PEQUE\xC3\x91O", "PEQUENO"},
      {Language::Italian, "citt\xC3\xA0", "CITTA"},
      {Language::Portuguese, "cora\xC3\xA7\xC3\xA3o", "CORACAO"},
      {Language::Dutch, "co\xC3\xB6peratie", "COOPERATIE"},
      {Language::Dutch, "stra\xC3\x9F" "e", ""},
      {Language::Spanish, "\xCC\x81" "abc", ""},  // a mark with no letter
      {Language::Spanish, "ni\xC3", ""},            // cut UTF-8
      {Language::German, "\xC0\x80", ""},          // overlong UTF-8
  };
  for (const Case& c : cases) EXPECT_EQ(FoldWord(c.language, c.line), c.folded) << LanguageCode(c.language) << " " << c.line;
  for (Language language : kLanguages) EXPECT_EQ(LanguageFromCode(LanguageCode(language)), language);
  EXPECT_EQ(LanguageFromCode("xx"), std::nullopt);
}

TEST(ReadDictionary, OtherLanguagesKeepFoldedEightLetterWordsOnce) {
  const std::string text = "M\xC3\xA4" "dchen\nMAEDCHEN\nSchl\xC3\xBC" "ssel\nStra\xC3\x9F" "e\n" + std::string(200, 'a') + "\nabaiss\xC3\xA9s\nabaisses\n";
  const ReadResult german = ParseDictionaryText(text, Language::German);
  EXPECT_EQ(Words(german), (std::vector<std::string>{"MAEDCHEN", "ABAISSES"}));
  EXPECT_EQ(german.dictionary.LetterWeight()['E' - 'A'], 3) << "the letters of the kept words alone";
  EXPECT_EQ(Words(ParseDictionaryText(text, Language::French)), (std::vector<std::string>{"MAEDCHEN", "ABAISSES"}));
}

TEST(ReadDictionaryFile, FilesAcrossBufferEdgesAndFilesThatCannotBeRead) {
  testing::TempDir dir;
  std::string text(64 * 1024 - 11, 'x');  // the CR and the LF of one line end fall into two reads
  text += "\r\nABCDEFGH\r\nBCDEFGHA";
  EXPECT_EQ(Words(ReadDictionaryFile(dir.Write("split.txt", text))), (std::vector<std::string>{"ABCDEFGH", "BCDEFGHA"}));
  for (const std::string& path : {(dir.Path() / "missing.txt").string(), dir.Path().string(), "/proc/self/mem"s}) {
    EXPECT_EQ(ReadDictionaryFile(path).outcome, LoadOutcome::ReadError) << path;
  }
  EXPECT_EQ(ReadDictionaryFile(dir.Write("huge.txt", std::string(64 << 20, 'Q'))).outcome, LoadOutcome::NoWords);
}

TEST(DictionaryState, EachLevelHasItsFileAFailedLoadSaysWhyAndKeepsTheLastList) {
  testing::TempDir dir;
  DictionaryState state(dir.Path().string() + "/");
  EXPECT_EQ(state.LoadDictionary().level, 1);  // its missing file's message and the bare title: the window tests
  EXPECT_TRUE(state.Choose(kUserDictionary, dir.Write("good.txt", "PLATYPUS\r\nKEEPSAKE\r\n")).messages.empty());
  EXPECT_FALSE(state.Choose(kUserDictionary, dir.Write("bad.txt", "lower\ncase\n")).messages.empty()) << "a failed load says why";
  EXPECT_EQ(EnglishText(state.Title()), "Dictionary: " + (dir.Path() / "good.txt").string() + " (2 words)");
  EXPECT_EQ(state.Choose(7).outcome, LoadOutcome::ReadError);
}

}  // namespace
}  // namespace loopword
