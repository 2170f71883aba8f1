// Checks loopword-compile as a user runs it: puzzle text with its header, --out, --quiet, booklets, no repeats.
#include <gtest/gtest.h>

#include <set>

#include "puzzle/puzzle_file.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

std::pair<std::string, int> Compile(const std::string& arguments) {
  return testing::RunTool(std::string(LOOPWORD_COMPILE_TOOL) + " --dict " + LOOPWORD_DATA_DIR "/L1words.txt " + arguments + " 2>/dev/null");
}

TEST(CompileTool, PrintsOrWritesPuzzleTextAndBookletsOfPuzzlesThatShareNoWord) {
  testing::TempDir folder;
  const std::string out = (folder.Path() / "class.loopword").string(), pdf = (folder.Path() / "class.pdf").string();
  const auto [printed, status] = Compile("--count 4 --seed 9 --no-repeats");
  ASSERT_EQ(status, 0);
  EXPECT_EQ(Compile("--count 4 --seed 9 --no-repeats --quiet --out " + out + " --pdf " + pdf), std::make_pair(std::string(), 0));
  const PuzzleFileResult read = ReadPuzzleFile(out);
  ASSERT_EQ(read.puzzles.size(), 4u) << read.message;
  EXPECT_EQ(FormatPuzzleFile(read.puzzles), printed);
  EXPECT_EQ(read.puzzles[3].comments, HeaderComments({"L1words.txt", 6508, "classic", 9}));
  std::set<std::string> words;
  for (const FilePuzzle& puzzle : read.puzzles) {
    for (const std::string& line : puzzle.puzzle.List2) EXPECT_TRUE(words.insert(line.substr(14)).second) << line;
    const int page = static_cast<int>(words.size()) / 23;
    EXPECT_NE(testing::PdfPageText(pdf, page).find("Puzzle " + std::to_string(page)), std::string::npos);
  }
}

TEST(CompileTool, WrongArgumentsAndUnwritableFilesFailWithTheirStatus) {
  const std::pair<std::string, int> cases[] = {
      {"--count 0", 2}, {"--out", 2}, {"--pdf x.pdf --count 501", 2}, {"--frobnicate 1", 2}, {"--level 1", 2},
      {"--out /proc/none/x.loopword", 1}, {"--quiet --pdf /proc/none/x.pdf", 1},
  };
  for (const auto& [arguments, status] : cases) EXPECT_EQ(Compile(arguments).second, status) << arguments;
}

}  // namespace
}  // namespace loopword
