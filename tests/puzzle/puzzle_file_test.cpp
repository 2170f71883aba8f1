// Checks puzzle files: written and read back equal, every kind of damage refused at its first bad line, damaged placement lines, saving.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/puzzle_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cctype>
#include <csignal>
#include <filesystem>
#include <functional>

#include "support/compiled_puzzles.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;

TEST(PuzzleFile, WrittenPuzzlesReadBackEqualFromLfCrLfAndABomAndTitlesAreWrittenAsOneLineOfText) {
  std::vector<PuzzleDocument> written;  // each other kind of line: PuzzleDocument
  for (Puzzle& puzzle : testing::CompiledPuzzles(2)) {
    written.push_back({.puzzle = std::move(puzzle), .origin = {WordListSource{"L1words.txt", 6508, ""}, "classic", 42}});
  }
  const std::string text = FormatPuzzleFile(written);
  std::string crlf;
  for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& variant : {text, crlf, "\xEF\xBB\xBF" + text}) {
    const PuzzleFileResult read = ParsePuzzleText(variant, "two.loopword");
    ASSERT_EQ(read.puzzles.size(), 2u) << read.message;
    for (std::size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(read.puzzles[i].puzzle.board.SquareWord, written[i].puzzle.board.SquareWord);
      EXPECT_TRUE(read.puzzles[i].puzzle.board.IsComplete());
    }
    EXPECT_EQ(FormatPuzzleFile(read.puzzles), text) << "lines and comments as written";
  }
  EXPECT_EQ(ParsePuzzleText(text + "\n# a note\n", "").puzzles[1].otherLines.back().text, "# a note") << "a comment after the last puzzle is its";
  const std::string sixty(60, 'y');
  const struct { std::string title, kept, lines; } cases[] = {
      {"Week 12: <b>Animals</b> & co", "Week 12: <b>Animals</b> & co", ""},
      {"  two\nlines\r\tand  tabs ", "two lines and tabs", ""},
      {"Caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x90\x98", "Caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x90\x98", ""},
      {"bad\xFF\xC3 bytes\x7F\xC2\x85!", "bad bytes !", ""},
      {sixty + "zzz", sixty, ""},
      {" \t\n", "", "# fill: classic\n# seed: 1\n"},
  };
  for (const auto& [title, kept, lines] : cases) {
    Puzzle puzzle = written[0].puzzle;
    puzzle.title = title;
    const std::string text = FormatPuzzle({.puzzle = puzzle, .origin = {WordListSource{"L1words.txt", 6508, ""}, "classic", 1}});
    EXPECT_NE(text.find(lines), std::string::npos) << text;
    EXPECT_EQ(text.find("# title:") != std::string::npos, !kept.empty()) << title;
    const PuzzleFileResult read = ParsePuzzleText(text, "made.loopword");
    ASSERT_EQ(read.puzzles.size(), 1u) << read.message;
    EXPECT_EQ(read.puzzles[0].puzzle.title, kept) << title;
    EXPECT_EQ(FormatPuzzle(read.puzzles[0]), text) << "as written";
  }
}

TEST(PuzzleFile, DamagedFilesAreRefusedAtTheirFirstBadLine) {
  testing::TempDir folder;
  std::vector<std::string> good = testing::TextLines(testing::CompiledPuzzles(1)[0]);
  good.insert(good.begin(), "# Loopword puzzle");  // good[k] is square k, on line k + 1
  const auto join = [](std::vector<std::string> lines, int square, const std::string& replacement) {
    if (square >= 0) lines[static_cast<std::size_t>(square)] = replacement;
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
  };
  const auto edit = [&](int square, std::size_t at, const std::string& text) {
    std::string line = good[static_cast<std::size_t>(square)];
    return join(good, square, line.replace(at, text.size(), text));
  };
  const std::vector<std::string> short22(good.begin(), good.end() - 1);
  const struct { std::string text; int line; std::string what; } cases[] = {
      {join(good, 5, good[6]), 6, "square 06 where square 05 belongs"},
      {edit(7, 12, good[7][12] == '3' ? "4" : "3"), 8, "is not the word"},
      {join(good, 2, "02 ABCDEFGH 1 ABCDEFGH"), 3, "square 02 disagrees with square 01 at a shared cell"},
      {edit(3, 3, good[1].substr(3)), 4, "is already in square 01"},
      {edit(9, 3, "\xc3\x89"), 10, "bad character in a placement line"},
      {edit(9, 3, "ab"), 10, "not a placement line"},
      {join(good, 0, "# caf\xe9"), 1, "bad character in a comment line"},
      {join(good, 0, "# difficulty: tricky"), 1, "the difficulty must be standard, easy"},
      {join(good, 0, "# hints: 01.1 12.3"), 1, "hint cells must be written SS.P"},
      {join(good, 0, "# hints: 3.5"), 1, "hint cells must be written SS.P"},
      {join(good, 0, "# hints: 03.9"), 1, "hint cells must be written SS.P"},
      {join(good, 0, "# clue: " + good[5].substr(14)), 1, "a clue line must be \"# clue: WORD clue\""},
      {join(good, 0, "# clue: elephant a pet"), 1, "a clue line must be"},
      {join(good, 0, "# clue: " + good[5].substr(14) + " " + std::string(61, 'x')), 1, "a clue line must be"},
      {join(good, 0, "# clue: " + good[5].substr(14) + " one\n# clue: " + good[5].substr(14) + " two"), 2, "the word " + good[5].substr(14) + " has a clue already"},
      {join(good, 0, "# title: x\n# clue: ABCDEFGH not in it"), 2, "the clue is for ABCDEFGH, which is not in the puzzle"},
      // comment lines after the last puzzle are its own
      {join(good, 0, "# clue: " + good[5].substr(14) + " one") + "\n# clue: " + good[5].substr(14) + " two\n", 26, "has a clue already"},
      {join(good, -1, "") + "\n# clue: ABCDEFGH not in it\n", 26, "the clue is for ABCDEFGH, which is not in the puzzle"},
      {join(short22, -1, "") + "\n", 24, "a puzzle needs 23 placement lines, this one has 22"},
      {join(short22, -1, ""), 23, "this one has 22"},
      {join(good, -1, "") + good[23] + "\n", 25, "more than 23 placement lines"},
      {"# Loopword puzzle\n\n", 0, "The file holds no puzzle."},
      {std::string(kPuzzleFileLimit + 1, '#'), 0, "The file is larger than 1 MiB."},
      {"", 0, "The file could not be read."},  // no such file
  };
  for (const auto& [text, line, what] : cases) {
    const std::string path = text.empty() ? (folder.Path() / "none").string() : folder.Write("bad.loopword", text);
    const PuzzleFileResult read = ReadPuzzleFile(path);
    ASSERT_TRUE(read.fault) << what;
    EXPECT_EQ(read.fault->line, line) << what;
    const std::string fault = EnglishText(read.fault->what), message = EnglishText(read.message);
    EXPECT_NE(fault.find(what), std::string::npos) << fault;
    EXPECT_TRUE(read.puzzles.empty());
    const std::string head = "Loopword could not open the puzzle file:\n" + path + "\n";
    ASSERT_TRUE(message.starts_with(head + (line ? "Line " + std::to_string(line) + ": " : ""))) << message;
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(message[head.size()]))) << message;
    EXPECT_TRUE(message.ends_with('.')) << message;
  }
}

TEST(PuzzleFile, AtomicWritesReplaceWholeOrLeaveEverythingAsItWasFollowLinksAndKeepPermissions) {
  const std::string big(1 << 20, 'x');
  const auto contents = [](const std::string& path) { return fs::is_regular_file(path) ? testing::ReadFile(path) : "(no file)"; };
  const struct {  // `target` makes the case, gives the path; `sizeLimit`: the largest file allowed, 0: no limit of ours
    const char* name; std::function<std::string(const testing::TempDir&)> target;
    rlim_t sizeLimit; const char* said;  // "" when written
  } cases[] = {
      {"a new file", [](const auto& folder) { return (folder.Path() / "new").string(); }, 0, ""},
      {"over a file", [](const auto& folder) { return folder.Write("kept", "old"); }, 0, ""},
      {"a folder in the way", [](const auto& folder) { return folder.Path().string(); }, 0, "A folder of that name is in the way."},
      {"a missing folder", [](const auto& folder) { return (folder.Path() / "missing" / "x").string(); }, 0, "No such file or directory"},
      {"over a read-only file", [](const auto& folder) {
         const std::string path = folder.Write("kept", "old");
         fs::permissions(path, fs::perms::owner_read);
         return path;
       }, 0, "The file is read-only."},
      {"a disk that fills up half way", [](const auto& folder) { return folder.Write("kept", "old"); }, 4096, "The file could not be written."},
      {"through a link to a private file", [](const auto& folder) {
         const std::string target = folder.Write("target", "old");
         fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
         fs::create_symlink(target, folder.Path() / "link");
         return (folder.Path() / "link").string();
       }, 0, ""},
  };
  for (const auto& c : cases) {
    testing::TempDir folder;
    const std::string path = c.target(folder);
    const std::string before = contents(path);
    const bool link = fs::is_symlink(path);
    const fs::perms mode = fs::status(path).permissions();
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full = limit;
    if (c.sizeLimit != 0) limit.rlim_cur = c.sizeLimit;  // writing past it fails with EFBIG, as on a full disk
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const std::string said = EnglishText(WriteFileAtomically(path, big));
    ::setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_EQ(said, c.said) << c.name;
    EXPECT_EQ(contents(path), *c.said ? before : big) << c.name << ": whole or as it was";
    EXPECT_EQ(fs::is_symlink(path), link) << c.name << ": a link stays a link, to the file it named";
    EXPECT_TRUE(before == "(no file)" || fs::status(path).permissions() == mode) << c.name << ": permissions kept";
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path())) {
      EXPECT_EQ(entry.path().string().find(".part-"), std::string::npos) << c.name << ": " << entry.path();
    }
  }
}

}  // namespace
}  // namespace loopword
