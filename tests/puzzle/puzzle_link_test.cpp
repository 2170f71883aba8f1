// Checks pupil links: each puzzle file packed and read back the same puzzle, and old links still read.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/puzzle_link.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "board/percent_encoding.h"
#include "puzzle/puzzle_file.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;

/// Each puzzle of every file in tests/puzzle/data, written as a file of its own.
std::vector<std::pair<std::string, PuzzleDocument>> DataPuzzles() {
  std::vector<std::pair<std::string, PuzzleDocument>> puzzles;
  for (const fs::directory_entry& file : fs::directory_iterator(LOOPWORD_TESTS_DIR "/puzzle/data")) {
    const PuzzleFileResult read = ParsePuzzleText(testing::ReadFile(file.path()), file.path().filename());
    EXPECT_FALSE(read.fault) << read.message;
    for (const PuzzleDocument& document : read.puzzles) puzzles.emplace_back(file.path().filename().string(), document);
  }
  EXPECT_GE(puzzles.size(), 10u);
  return puzzles;
}

/// `text` as a pupil link carried it before links were packed.
std::string OldLink(const std::string& text) {
  std::string link;
  for (const char c : PercentEncoded(text)) link += c == '+' ? "%20" : std::string(1, c);
  return link;
}

/// The one puzzle the text of `link` reads as.
std::optional<PuzzleDocument> Opened(const std::string& link) {
  const std::optional<std::string> text = PuzzleTextOfLink(link);
  if (!text) return std::nullopt;
  PuzzleFileResult read = ParsePuzzleText(*text, "link");
  if (read.puzzles.size() != 1) return std::nullopt;
  return std::move(read.puzzles[0]);
}

TEST(PuzzleLink, EveryDataPuzzleOpensFromItsPackedLinkAsAFreshCopyOfItself) {
  std::string urlDigits;  // base64url's own digits met in the links read back
  auto puzzles = DataPuzzles();
  puzzles.push_back(puzzles.front());
  puzzles.back().second.puzzle.title = "Which words? ?????? >>>>>>";  // bytes whose bits run to 111111 and 111110
  for (const auto& [file, document] : puzzles) {
    SCOPED_TRACE(file);
    const std::string text = FormatPuzzle(document);
    const std::string link = PackedPuzzleLink(text);
    EXPECT_TRUE(link.starts_with(kPackedLinkMark)) << link;
    EXPECT_LT(link.size() * 3, OldLink(text).size() * 2) << "a packed link is under two thirds of an old one";
    const std::optional<PuzzleDocument> opened = Opened(link);
    ASSERT_TRUE(opened);
    PuzzleDocument fresh = document;
    fresh.solving = {};
    EXPECT_EQ(FormatPuzzle(*opened), FormatPuzzle(fresh)) << "every line the file writes, but the letters typed";
    EXPECT_FALSE(opened->solving.Kept()) << "a link gives the puzzle without the letters typed into it";
    for (const PlacementLine& placement : document.puzzle.placements) EXPECT_EQ(link.find(placement.word), std::string::npos) << placement.word;
    for (const char digit : {'-', '_'}) urlDigits += link.find(digit) != std::string::npos ? std::string(1, digit) : "";
  }
  EXPECT_NE(urlDigits.find('-'), std::string::npos) << "some link read back holds the digit for 62";
  EXPECT_NE(urlDigits.find('_'), std::string::npos) << "some link read back holds the digit for 63";
}

TEST(PuzzleLink, LinksMadeBeforeTheyWerePackedOpenAsTheyAlwaysDidAndTextThatIsNotOnePuzzleGoesPercentEncoded) {
  const std::string text = FormatPuzzle(DataPuzzles().front().second);
  const std::string two = testing::ReadFile(LOOPWORD_TESTS_DIR "/puzzle/data/two.loopword");
  const struct { std::string link; std::optional<std::string> text; } cases[] = {
      {OldLink(text), text},
      {PercentEncoded(text), text},
      {"%23+Loopword%20puzzle%0A", "# Loopword puzzle\n"},
      {"%23%2", std::nullopt},
      {"%2G", std::nullopt},
      {PackedPuzzleLink(two), two},  // not one puzzle: not packed
      {PackedPuzzleLink("not a puzzle"), "not a puzzle"},
      {PackedPuzzleLink(""), ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PuzzleTextOfLink(c.link), c.text) << c.link;
    EXPECT_FALSE(c.link.starts_with(kPackedLinkMark)) << c.link;
  }
}

}  // namespace
}  // namespace loopword
