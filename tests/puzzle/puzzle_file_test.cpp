// Checks puzzle files: written and read back equal, every kind of damage refused with its line.
#include "puzzle/puzzle_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/compiled_puzzles.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

const PuzzleOrigin kOrigin{"L1words.txt", 6508, "classic", 42};

std::vector<FilePuzzle> TwoPuzzles() {
  std::vector<FilePuzzle> file;
  for (Puzzle& puzzle : testing::CompiledPuzzles(2)) file.push_back({HeaderComments(kOrigin), std::move(puzzle)});
  return file;
}

/// The text's lines, without their line ends.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  return text;
}

TEST(PuzzleFile, WrittenPuzzlesReadBackEqualWithTheirCommentsFromLfAndCrLf) {
  const std::vector<FilePuzzle> written = TwoPuzzles();
  const std::string text = FormatPuzzleFile(written);
  EXPECT_EQ(Lines(text).at(0), "# Loopword puzzle");
  EXPECT_EQ(Lines(text).at(1), "# word list: L1words.txt (6508 words)");
  EXPECT_EQ(Lines(text).at(3), "# seed: 42");
  EXPECT_EQ(Lines(text).at(27), "") << "one empty line between puzzles";
  std::string crlf;
  for (const std::string& line : Lines(text)) crlf += line + "\r\n";
  for (const std::string& variant : {text, crlf, text + "\n# typed 01 ABCDEFGH\n"}) {
    const PuzzleFileResult read = ParsePuzzleText(variant, "two.loopword");
    ASSERT_FALSE(read.fault) << read.message;
    ASSERT_EQ(read.puzzles.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(read.puzzles[i].puzzle.List2, written[i].puzzle.List2);
      EXPECT_EQ(read.puzzles[i].puzzle.board.SquareWord, written[i].puzzle.board.SquareWord);
      EXPECT_TRUE(read.puzzles[i].puzzle.board.IsComplete());
    }
    EXPECT_EQ(read.puzzles[0].comments, written[0].comments);
  }
  EXPECT_EQ(ParsePuzzleText(text + "\n# typed 01 ABCDEFGH\n", "x").puzzles[1].comments.back(), "# typed 01 ABCDEFGH")
      << "comments after the last puzzle stay with it";
}

TEST(PuzzleFile, DamagedFilesAreRefusedAtTheirFirstBadLine) {
  const std::vector<std::string> good = Lines(FormatPuzzle({{"# Loopword puzzle"}, testing::CompiledPuzzles(1)[0]}));
  const auto line = [&](int square) { return good[static_cast<std::size_t>(square)]; };  // line 1 is the comment
  const auto with = [&](int square, const std::string& replacement) {
    std::vector<std::string> lines = good;
    lines[static_cast<std::size_t>(square)] = replacement;
    return Join(lines);
  };
  const struct {
    std::string text;
    int line;
    std::string what;
  } cases[] = {
      {with(5, line(6)), 6, "square 06 where square 05 belongs"},
      {with(7, line(7).substr(0, 12) + (line(7)[12] == '3' ? "4" : "3") + line(7).substr(13)), 8, "is not the word"},
      {with(2, "02 ABCDEFGH 1 ABCDEFGH"), 3, "square 02 disagrees with square 01"},
      {with(3, "03" + line(1).substr(2)), 4, "is already in square 01"},
      {with(9, line(9).substr(0, 3) + "\xc3\x89" + line(9).substr(5)), 10, "bad character"},
      {with(9, line(9).substr(0, 3) + "ab" + line(9).substr(5)), 10, "not a placement line"},
      {with(0, "# caf\xe9"), 1, "bad character in a comment line"},
      {Join({good.begin(), good.end() - 1}) + "\n", 24, "this one has 22"},
      {Join({good.begin(), good.end() - 1}), 23, "this one has 22"},
      {Join(good) + line(23) + "\n", 25, "more than 23 placement lines"},
      {"", 0, "holds no puzzle"},
      {"# Loopword puzzle\n\n", 0, "holds no puzzle"},
      {std::string(kPuzzleFileLimit + 1, '#'), 0, "larger than 1 MiB"},
  };
  for (const auto& [text, lineNumber, what] : cases) {
    const PuzzleFileResult read = ParsePuzzleText(text, "/tmp/damaged.loopword");
    ASSERT_TRUE(read.fault) << what;
    EXPECT_EQ(read.fault->line, lineNumber) << what;
    EXPECT_NE(read.fault->what.find(what), std::string::npos) << read.fault->what;
    EXPECT_TRUE(read.puzzles.empty());
    const std::string named = "Loopword could not open the puzzle file:\n/tmp/damaged.loopword\n";
    EXPECT_EQ(read.message.rfind(named + (lineNumber ? "Line " + std::to_string(lineNumber) + ": " : ""), 0), 0u)
        << read.message;
  }
}

TEST(PuzzleFile, FilesAreReadWithinTheSizeLimitAndWrittenWhole) {
  testing::TempDir folder;
  const std::string text = FormatPuzzleFile(TwoPuzzles());
  const std::string path = (folder.Path() / "two.loopword").string();
  ASSERT_EQ(WriteFileAtomically(path, "old"), "");
  ASSERT_EQ(WriteFileAtomically(path, text), "");
  EXPECT_EQ(ReadPuzzleFile(path).puzzles.size(), 2u);
  EXPECT_NE(WriteFileAtomically(folder.Path().string(), text), "") << "a folder is in the way";
  EXPECT_NE(WriteFileAtomically((folder.Path() / "missing" / "x").string(), text), "");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator()), 1) << "no part file left";
  const struct {
    std::string path;
    std::string what;
  } refused[] = {
      {folder.Write("huge.loopword", text + std::string(kPuzzleFileLimit, '#')), "larger than 1 MiB"},
      {(folder.Path() / "none.loopword").string(), "could not be read"},
      {folder.Path().string(), "could not be read"},
  };
  for (const auto& [file, what] : refused) {
    const PuzzleFileResult read = ReadPuzzleFile(file);
    ASSERT_TRUE(read.fault) << file;
    EXPECT_NE(read.message.find(file), std::string::npos);
    EXPECT_NE(read.fault->what.find(what), std::string::npos) << read.fault->what;
  }
}

}  // namespace
}  // namespace loopword
