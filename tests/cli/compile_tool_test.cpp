// Checks loopword-compile as a user runs it: puzzle text with its header, --out, --quiet, booklets, no repeats.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "puzzle/puzzle_file.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

const std::string kTool = LOOPWORD_COMPILE_TOOL;
const std::string kWords = std::string(LOOPWORD_DATA_DIR) + "/L1words.txt";

testing::ToolRun Compile(const std::string& arguments) {
  return testing::RunTool(kTool + " --dict '" + kWords + "' " + arguments + " 2>/dev/null");
}

TEST(CompileTool, PrintsPuzzleTextThatReadsBackWithItsHeader) {
  const testing::ToolRun printed = Compile("--count 2 --seed 9");
  ASSERT_EQ(printed.status, 0);
  const PuzzleFileResult read = ParsePuzzleText(printed.out, "output");
  ASSERT_FALSE(read.fault) << read.message;
  ASSERT_EQ(read.puzzles.size(), 2u);
  EXPECT_EQ(read.puzzles[1].comments, (std::vector<std::string>{"# Loopword puzzle", "# word list: L1words.txt (6508 words)",
                                                                 "# fill: classic", "# seed: 9"}));
  testing::TempDir folder;
  const std::string out = (folder.Path() / "saved.loopword").string();
  const testing::ToolRun quiet = Compile("--count 2 --seed 9 --out '" + out + "'");
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.out, "") << "--out takes the text off standard output";
  EXPECT_EQ(FormatPuzzleFile(ReadPuzzleFile(out).puzzles), printed.out);
}

TEST(CompileTool, WritesABookletOfPuzzlesThatShareNoWord) {
  testing::TempDir folder;
  const std::string pdf = (folder.Path() / "class.pdf").string();
  const std::string out = (folder.Path() / "class.loopword").string();
  const testing::ToolRun run = Compile("--count 5 --no-repeats --quiet --pdf '" + pdf + "' --out '" + out + "'");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  const PuzzleFileResult read = ReadPuzzleFile(out);
  ASSERT_EQ(read.puzzles.size(), 5u) << read.message;
  std::set<std::string> words;
  for (const FilePuzzle& puzzle : read.puzzles) {
    for (const std::string& line : puzzle.puzzle.List2) EXPECT_TRUE(words.insert(line.substr(14)).second) << line;
  }
  EXPECT_GT(testing::PdfPageCount(pdf), 5);
  for (int page = 1; page <= 5; ++page) {
    EXPECT_NE(testing::PdfPageText(pdf, page).find(read.puzzles[static_cast<std::size_t>(page - 1)].puzzle.List2[0].substr(14)),
              std::string::npos);
  }
}

TEST(CompileTool, WrongArgumentsAndUnwritableFilesFailWithTheirStatus) {
  const struct {
    std::string arguments;
    int status;
  } cases[] = {
      {"--count 0", 2}, {"--out", 2}, {"--pdf x.pdf --count 501", 2}, {"--frobnicate 1", 2},
      {"--out /proc/none/x.loopword", 1}, {"--quiet --pdf /proc/none/x.pdf", 1},
  };
  for (const auto& [arguments, status] : cases) EXPECT_EQ(Compile(arguments).status, status) << arguments;
}

}  // namespace
}  // namespace loopword
