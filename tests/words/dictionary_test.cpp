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
  EXPECT_EQ(state.Title(), "Dictionary: " + (dir.Path() / "good.txt").string() + " (2 words)");
  EXPECT_EQ(state.Choose(7).outcome, LoadOutcome::ReadError);
}

}  // namespace
}  // namespace loopword
