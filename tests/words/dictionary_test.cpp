// Checks how word-list files are read: line ends, accepted lines, letter counts, limits and damage.
#include "words/dictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace loopword {
namespace {

using testing::TempDir;

std::vector<std::string> Words(const Dictionary& dictionary) {
  std::vector<std::string> words;
  for (int n = 1; n <= dictionary.WordCount(); ++n) words.push_back(ToString(dictionary.WordPool(n)));
  return words;
}

std::string NumberedWords(int count, const char* lineEnd) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    std::string word = "AAAAAAAA";
    int n = i;
    for (int k = 7; k >= 0 && n > 0; --k, n /= 26) word[static_cast<std::size_t>(k)] = static_cast<char>('A' + n % 26);
    text += word + lineEnd;
  }
  return text;
}

TEST(BuildRotations, RotationKBeginsWithTheKthLetter) {
  const WordRotations rotations = BuildRotations(ToWord("ABCDEFGH"));
  const char* expected[] = {"ABCDEFGH", "BCDEFGHA", "CDEFGHAB", "DEFGHABC",
                            "EFGHABCD", "FGHABCDE", "GHABCDEF", "HABCDEFG"};
  for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(ToString(rotations[k]), expected[k]);
}

TEST(ReadDictionary, EveryKindOfLineEndEndsALine) {
  for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
    const ReadResult result = ParseDictionaryText(std::string("ZEBRAFIN") + lineEnd + "ABCDEFGH" + lineEnd);
    ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(Words(result.dictionary), (std::vector<std::string>{"ZEBRAFIN", "ABCDEFGH"}));
  }
  const ReadResult mixed = ParseDictionaryText("AAAAAAAA\r\nBBBBBBBB\nCCCCCCCC\rDDDDDDDD\n\rEEEEEEEE");
  EXPECT_EQ(Words(mixed.dictionary),
            (std::vector<std::string>{"AAAAAAAA", "BBBBBBBB", "CCCCCCCC", "DDDDDDDD", "EEEEEEEE"}));
}

TEST(ReadDictionary, KeepsFileOrderDuplicatesAndRotations) {
  const ReadResult result = ParseDictionaryText("PLATYPUS\r\nABCDEFGH\r\nPLATYPUS\r\n");
  ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(Words(result.dictionary), (std::vector<std::string>{"PLATYPUS", "ABCDEFGH", "PLATYPUS"}));
  EXPECT_EQ(ToString(result.dictionary.WordList(2, 3)), "CDEFGHAB");
  EXPECT_EQ(ToString(result.dictionary.WordList(2, 1)), "ABCDEFGH");
  EXPECT_EQ(ToString(result.dictionary.WordList(1, 8)), "SPLATYPU");
}

TEST(ReadDictionary, SkipsEveryLineThatIsNotEightCapitals) {
  using namespace std::string_literals;
  const ReadResult result = ParseDictionaryText(
      "abcdefgh\r\nABCDEFG\r\nABCDEFGHI\r\nABCDEFGH \r\n ABCDEFG\r\nABC-EFGH\r\nAB\tDEFGH\r\n"
      "ABCD\xC9""FGH\r\nABCD\0FGH\r\nKEEPSAKE\r\n"s);
  ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(Words(result.dictionary), (std::vector<std::string>{"KEEPSAKE"}));
}

TEST(ReadDictionary, CountsLettersUpToTheFirstBadCharacterOfARejectedLine) {
  const ReadResult result = ParseDictionaryText("ABCDEFG1\r\nZZZZZZZZ\r\nabcdefgh\r\nABC\r\n");
  ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
  const auto& weight = result.dictionary.LetterWeight();
  for (int i = 0; i < 7; ++i) EXPECT_EQ(weight[static_cast<std::size_t>(i)], 1) << char('A' + i);
  EXPECT_EQ(weight['H' - 'A'], 0);
  EXPECT_EQ(weight['Z' - 'A'], 8);
}

TEST(ReadDictionary, SkipsAByteOrderMarkOnlyAtTheStart) {
  EXPECT_EQ(Words(ParseDictionaryText("\xEF\xBB\xBF" "ABCDEFGH\r\n").dictionary),
            (std::vector<std::string>{"ABCDEFGH"}));
  EXPECT_EQ(Words(ParseDictionaryText("ABCDEFGH\r\n\xEF\xBB\xBF" "BCDEFGHA\r\n").dictionary),
            (std::vector<std::string>{"ABCDEFGH"}));
}

TEST(ReadDictionary, NoAcceptableLineIsNoWords) {
  for (const std::string& text : {std::string(), std::string("\r\n\r\n"), std::string("hello\nworld\n"),
                                  std::string(3'000'000, 'A'), std::string("\0\0\0\0\0\0\0\0", 8)}) {
    EXPECT_EQ(ParseDictionaryText(text).outcome, LoadOutcome::NoWords) << text.size();
  }
}

TEST(ReadDictionary, HoldsAtMostTheLimit) {
  const ReadResult atLimit = ParseDictionaryText(NumberedWords(kWordLimit, "\r\n"));
  ASSERT_EQ(atLimit.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(atLimit.dictionary.WordCount(), kWordLimit);
  EXPECT_EQ(ParseDictionaryText(NumberedWords(kWordLimit + 1, "\r\n")).outcome, LoadOutcome::TooManyWords);
  // the last word without a line end still counts
  std::string noFinalEnd = NumberedWords(kWordLimit, "\n") + "ZZZZZZZZ";
  EXPECT_EQ(ParseDictionaryText(noFinalEnd).outcome, LoadOutcome::TooManyWords);
}

TEST(ReadDictionaryFile, ReadsFilesLikeText) {
  TempDir dir;
  const std::string path = dir.Write("words.txt", "\xEF\xBB\xBF" "ABCDEFGH\nBCDEFGHA\r\nbad\rCDEFGHAB");
  const ReadResult result = ReadDictionaryFile(path);
  ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(Words(result.dictionary), (std::vector<std::string>{"ABCDEFGH", "BCDEFGHA", "CDEFGHAB"}));
}

TEST(ReadDictionaryFile, LineEndsSplitAcrossTheReadBufferStillWork) {
  TempDir dir;
  // 64 KiB minus one byte of filler puts the CR and the LF into different reads.
  std::string text(64 * 1024 - 1 - 10, 'x');
  text += "\r\nABCDEFGH\r";
  text += "\nBCDEFGHA\r\n";
  const ReadResult result = ReadDictionaryFile(dir.Write("split.txt", text));
  ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(Words(result.dictionary), (std::vector<std::string>{"ABCDEFGH", "BCDEFGHA"}));
}

TEST(ReadDictionaryFile, MissingFoldersAndUnreadableFilesAreReadErrors) {
  TempDir dir;
  EXPECT_EQ(ReadDictionaryFile((dir.Path() / "missing.txt").string()).outcome, LoadOutcome::ReadError);
  EXPECT_EQ(ReadDictionaryFile(dir.Path().string()).outcome, LoadOutcome::ReadError);
  EXPECT_EQ(ReadDictionaryFile("").outcome, LoadOutcome::ReadError);
  EXPECT_EQ(ReadDictionaryFile("/proc/self/mem").outcome, LoadOutcome::ReadError);
}

TEST(ReadDictionaryFile, HugeFileWithoutLineEndIsNoWords) {
  TempDir dir;
  const std::string path = (dir.Path() / "huge.txt").string();
  {
    std::ofstream out(path, std::ios::binary);
    const std::string block(1 << 20, 'Q');
    for (int i = 0; i < 64; ++i) out << block;
  }
  EXPECT_EQ(ReadDictionaryFile(path).outcome, LoadOutcome::NoWords);
}

TEST(ReadDictionaryFile, BinaryFileIsNoWords) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 200'000; ++i) bytes += static_cast<char>((i * 7919 + 13) % 256);
  EXPECT_EQ(ReadDictionaryFile(dir.Write("program.bin", bytes)).outcome, LoadOutcome::NoWords);
}

}  // namespace
}  // namespace loopword
