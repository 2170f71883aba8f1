// Checks how word-list files are read (line ends, encodings, accepted lines, letter counts, limits, damage) and which list is in use.
// SPDX-License-Identifier: GPL-3.0-or-later
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

TEST(ReadDictionary, LineEndsAByteOrderMarkDuplicatesRotationsAcceptedLinesLetterCountsAndTheLimit) {
  const ReadResult ends = ParseDictionaryText("\xEF\xBB\xBF" "AAAAAAAA\r\nABCDEFGH\nCCCCCCCC\rAAAAAAAA\n\rEEEEEEEE");
  ASSERT_EQ(ends.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(Words(ends), (std::vector<std::string>{"AAAAAAAA", "ABCDEFGH", "CCCCCCCC", "AAAAAAAA", "EEEEEEEE"}));
  EXPECT_EQ(ToString(ends.dictionary.WordList(2, 8)), "HABCDEFG") << "rotations wrap round";
  // eight capitals or eight lower-case letters, counting the letters before a line's first bad one
  const ReadResult result = ParseDictionaryText(
      "ABCDEFG\nABCDEFGHI\nABCDEFGH \nABC-EFGH\nABCD\xC9" "FGH\nABCD\x7F" "FGH\nABCDEFG1\nZZZZZZZZ\n"
      "platypus\nBrussels\nmIXEDcas\nabcdefg1\ncaf\xC3\xA9" "bar\ndon't-go\n"s);
  ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(Words(result), (std::vector<std::string>{"ZZZZZZZZ", "PLATYPUS"}));
  const auto& weight = result.dictionary.LetterWeight();
  EXPECT_EQ(weight[0], 5) << "four rejected 8-character lines that start with A, and PLATYPUS";
  EXPECT_EQ(weight['G' - 'A'], 1) << "only ABCDEFG1 reached its G";
  EXPECT_EQ(weight['B' - 'A'], 5) << "the four A lines and Brussels up to its r; abcdefg1 counts nothing";
  EXPECT_EQ(weight['P' - 'A'], 2) << "lower-case letters count as capitals";
  for (const std::string& text : {""s, "\r\n\n"s, "hello\nworld\n"s, std::string(3'000'000, 'A')}) {
    EXPECT_EQ(ParseDictionaryText(text).outcome, LoadOutcome::NoWords) << text.size();
  }
  std::string full;
  for (int i = 0; i < kWordLimit; ++i) full += "ABCDEFGH\n";
  EXPECT_EQ(ParseDictionaryText(full).dictionary.WordCount(), kWordLimit);
  EXPECT_EQ(ParseDictionaryText(full + "ABCDEFGH").outcome, LoadOutcome::TooManyWords);
}

TEST(FoldWord, EachLanguageFoldsByItsOwnRulesAndAListKeepsItsFoldedWordsOnce) {
  const struct { Language language; std::string line, folded; /* "" when no word in that language */ } cases[] = {
      {Language::German, "\xC3\x9C" "BERALL", "UEBERALL"},
      {Language::German, "Mo\xCC\x88" "we", "MOEWE"},  // decomposed umlaut
      {Language::German, "Caf\xC3\xA9", "CAFE"},
      {Language::German, "HaUs", ""},
      {Language::French, "\xC5\x93uvre", ""},                  // no rule for the ligature
      {Language::French, "Paris", ""},                          // only German reads capitalised lines
      {Language::French, "m\xC3\xA4" "dchen", "MADCHEN"},
      {Language::Spanish, "PEQUE\xC3\x91O", "PEQUENO"},
      {Language::Dutch, "stra\xC3\x9F" "e", ""},
      {Language::Spanish, "\xCC\x81" "abc", ""},  // a mark with no letter
      {Language::Spanish, "ni\xC3", ""},            // cut UTF-8
      {Language::German, "\xC0\x80", ""},          // overlong UTF-8
  };
  for (const auto& c : cases) EXPECT_EQ(FoldWord(c.language, c.line), c.folded) << LanguageCode(c.language) << " " << c.line;
  // a list in another language keeps its folded eight-letter words once
  const std::string text = "M\xC3\xA4" "dchen\nMAEDCHEN\nSchl\xC3\xBC" "ssel\nStra\xC3\x9F" "e\n" + std::string(200, 'a') + "\nabaiss\xC3\xA9s\nabaisses\n";
  const ReadResult german = ParseDictionaryText(text, Language::German);
  EXPECT_EQ(Words(german), (std::vector<std::string>{"MAEDCHEN", "ABAISSES"}));
  EXPECT_EQ(german.dictionary.LetterWeight()['E' - 'A'], 3) << "the letters of the kept words alone";
  EXPECT_EQ(Words(ParseDictionaryText(text, Language::French)), (std::vector<std::string>{"MAEDCHEN", "ABAISSES"}));
}

TEST(ReadDictionary, AListThatIsNotUtf8IsReadAsWindows1252WithEitherLineEnd) {
  const struct {  // the lines byte by byte
    const char* what; Language language; std::vector<std::string> lines; TextEncoding encoding; std::vector<std::string> words; int enyeWords;
  } cases[] = {
      {"German, Windows-1252", Language::German, {"M\xE4" "dchen", "Fu\xDF" "ball", "K\xE4" "se", "\x84Zitat\x93"}, TextEncoding::Windows1252,
       {"MAEDCHEN", "FUSSBALL"}, 0},
      {"French, Latin-1 letters; a Windows-1252 ligature has no rule", Language::French,
       {"\xE9l\xE9phant", "gar\xE7onne", "\x9Cillets", "ELEPHANT"}, TextEncoding::Windows1252, {"ELEPHANT", "GARCONNE"}, 0},
      {"Spanish, Windows-1252: the words kept with \xD1", Language::Spanish,
       {"peque\xF1os", "compa\xF1\xED" "a", "PEQUENOS", "caminata", "NI\xD1" "ERAS"}, TextEncoding::Windows1252,
       {"PEQUENOS", "COMPANIA", "CAMINATA"}, 2},
      {"Spanish, UTF-8: precomposed and decomposed \xC3\x91, a tilde on another letter", Language::Spanish,
       {"peque\xC3\xB1os", "an\xCC\x83" "adidos", "la\xCC\x83" "minado", "compa\xC3\xB1\xC3\xAD" "a"}, TextEncoding::Utf8,
       {"PEQUENOS", "ANADIDOS", "LAMINADO", "COMPANIA"}, 3},
      {"French, UTF-8 with a character a read cuts nowhere", Language::French, {"\xC3\xA9l\xC3\xA9phant", "\xE2\x82\xAC"}, TextEncoding::Utf8,
       {"ELEPHANT"}, 0},
      {"English, Windows-1252: plain ASCII words read as always", Language::English, {"PLATYPUS", "caf\xE9" "bars", "keepsake", "Caf\xE9"},
       TextEncoding::Windows1252, {"PLATYPUS", "KEEPSAKE"}, 0},
      {"English, a cut UTF-8 character at the very end", Language::English, {"PLATYPUS", "ABC\xC3"}, TextEncoding::Windows1252, {"PLATYPUS"}, 0},
  };
  for (const auto& c : cases) {
    for (const std::string lineEnd : {"\r\n", "\n"}) {
      std::string text;
      for (const std::string& line : c.lines) text += line + lineEnd;
      const ReadResult read = ParseDictionaryText(text, c.language);
      ASSERT_EQ(read.outcome, LoadOutcome::Loaded) << c.what;
      EXPECT_EQ(Words(read), c.words) << c.what;
      EXPECT_EQ(read.encoding, c.encoding) << c.what;
      EXPECT_EQ(read.enyeWords, c.enyeWords) << c.what;
    }
  }
}

TEST(ReadDictionary, AFileInNeitherEncodingNamesTheLineByWhichItIsNeither) {
  const struct { std::string text; int badLine; } cases[] = {
      {"ABCDEFGH\nBCD\x81" "EFGH\n", 2},
      {"ABCDEFGH\r\nBCDEFGHA\r\n\x8D", 3},
      {"ABCDEFGH\rBCDEFGHA\r\x8F", 3},
      {"\xE9t\xE9\n\x90", 2},
      {"\x9D", 1},
      {"ABCDEFGH\nABCD\0EFGH\n\xE9"s, 2},  // NUL: binary in either encoding
      {"ABCDEFGH\n\x01\x02\x03", 2},
      {"\xC2\x81 is UTF-8, undefined in Windows-1252\nPLATYPUS\n\xE9 is not UTF-8\n", 3},
      {"\xE9 is not UTF-8\nPLATYPUS\n\xC2\x81 nor this Windows-1252\n", 3},
  };
  for (const auto& c : cases) {
    for (Language language : {Language::English, Language::German}) {
      const ReadResult read = ParseDictionaryText(c.text, language);
      EXPECT_EQ(read.outcome, LoadOutcome::NotText) << c.text;
      EXPECT_EQ(read.badLine, c.badLine) << c.text;
      EXPECT_EQ(read.dictionary.WordCount(), 0) << c.text;
    }
  }
  EXPECT_EQ(Words(ParseDictionaryText("PLATYPUS\t\nKEEPSAKE\f\v\x1A\x7F\nABCDEFGH\n")), (std::vector<std::string>{"ABCDEFGH"}))
      << "tab, form feed, vertical tab, Ctrl+Z and DEL are text";
}

TEST(ReadDictionaryFile, FilesAcrossBufferEdgesInEitherEncodingAndFilesThatCannotBeRead) {
  testing::TempDir dir;
  const std::string text = std::string(64 * 1024 - 11, 'x') + "\r\nABCDEFGH\r\nBCDEFGHA";  // a CR LF split by two reads
  EXPECT_EQ(Words(ReadDictionaryFile(dir.Write("split.txt", text))), (std::vector<std::string>{"ABCDEFGH", "BCDEFGHA"}));
  for (const std::string& path : {(dir.Path() / "missing.txt").string(), dir.Path().string(), "/proc/self/mem"s}) {
    EXPECT_EQ(ReadDictionaryFile(path).outcome, LoadOutcome::ReadError) << path;
  }
  EXPECT_EQ(ReadDictionaryFile(dir.Write("huge.txt", std::string(64 << 20, 'Q'))).outcome, LoadOutcome::NoWords);
  // the whole file decides its encoding wherever a buffer ends
  const std::string beforeEdge(64 * 1024 - 1, 'x');  // a two-byte character cut by the end of the first read
  const ReadResult cut = ReadDictionaryFile(dir.Write("cut.txt", beforeEdge + "\xC3\xA9\n\xC3\xA9l\xC3\xA9phant\n"), Language::French);
  EXPECT_EQ(cut.encoding, TextEncoding::Utf8);
  EXPECT_EQ(Words(cut), std::vector<std::string>{"ELEPHANT"});
  const std::string late = "\xC3\xA9l\xC3\xA9phant\n" + std::string(200'000, 'x') + "\ngar\xE7onne\n";  // not UTF-8 after three reads
  const ReadResult windows = ReadDictionaryFile(dir.Write("late.txt", late), Language::French);
  EXPECT_EQ(windows.encoding, TextEncoding::Windows1252);
  EXPECT_EQ(Words(windows), (std::vector<std::string>{"GARCONNE"})) << "the first line read again as Windows-1252 is no word";
  const ReadResult binary = ReadDictionaryFile(dir.Write("late.bin", late + std::string(100'000, 'y') + "\n\x81\n"));
  EXPECT_EQ(binary.outcome, LoadOutcome::NotText);
  EXPECT_EQ(binary.badLine, 5);
}

TEST(DictionaryState, TheTitleAndNoteSayHowAListWasReadAndAFailedLoadSaysWhyAndKeepsTheLastList) {
  testing::TempDir dir;
  DictionaryState state(dir.Path().string() + "/");
  EXPECT_EQ(state.LoadDictionary().level, 1);  // its missing file's message and the bare title: the window tests
  EXPECT_EQ(state.Choose(7).outcome, LoadOutcome::ReadError);
  state.UseLanguage(Language::Spanish);
  const struct { std::string file, text, words, note; } cases[] = {
      {"plain.txt", "PLATYPUS\r\nKEEPSAKE\r\n", "2 words", ""},
      {"emoji.txt", "PLATYPUS \xF0\x9F\x90\xA7\r\nKEEPSAKE\r\n", "1 word", ""},  // UTF-8 of four bytes, no word
      {"latin.txt", "PLATYPUS\r\nKEEPSAKE\r\ncaf\xE9sito\r\n", "3 words", "read as Windows-1252"},
      {"enye.txt", "peque\xC3\xB1os\nKEEPSAKE\n", "2 words", "1 with \xC3\x91 read as N"},
      {"both.txt", "peque\xF1os\nma\xF1" "anita\nKEEPSAKE\n", "3 words", "read as Windows-1252, 2 with \xC3\x91 read as N"},
  };
  for (const auto& c : cases) {
    const std::string path = dir.Write(c.file, c.text);
    EXPECT_TRUE(state.Choose(kUserDictionary, path).messages.empty()) << c.file;
    EXPECT_EQ(EnglishText(state.Note()), c.note) << c.file;
    EXPECT_EQ(EnglishText(state.Title()), "Dictionary: " + path + " (" + c.words + (c.note.empty() ? "" : ", " + c.note) + ")");
  }
  const Message titleBefore = state.Title();
  EXPECT_FALSE(state.Choose(kUserDictionary, dir.Write("lower.txt", "lower\ncase\n")).messages.empty()) << "a list without words";
  const std::string bad = dir.Write("bad.txt", "PLATYPUS\nKEEPSAKE\nABC\x81" "DEFGH\n");
  const LoadReport report = state.Choose(kUserDictionary, bad);
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_EQ(EnglishText(report.messages.front()), "Error while reading dictionary:\n" + bad + "\nLine 3: the list is neither UTF-8 nor Windows-1252 text.");
  EXPECT_EQ(state.Title(), titleBefore);
  EXPECT_EQ(state.WordCount(), 3);
}

}  // namespace
}  // namespace loopword
