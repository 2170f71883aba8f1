// Checks the puzzle document: the files the program wrote rewritten byte for byte, other lines kept, damaged ones.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/puzzle_document.h"

#include <gtest/gtest.h>


#include "puzzle/puzzle_file.h"
#include "support/compiled_puzzles.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

/// The placement lines of a compiled puzzle, each ending in LF.
const std::string& CompiledPlacements() {
  static const std::string placements = [] {
    std::string text;
    for (const std::string& line : testing::TextLines(testing::CompiledPuzzles(1)[0])) text += line + '\n';
    return text;
  }();
  return placements;
}

/// `lines` (each ending in LF) before the placement lines, read as a puzzle file's only puzzle.
PuzzleDocument Read(const std::string& lines) {
  const PuzzleFileResult read = ParsePuzzleText(lines + CompiledPlacements(), "test.loopword");
  EXPECT_EQ(read.puzzles.size(), 1u) << read.message;
  return read.puzzles.empty() ? PuzzleDocument{} : read.puzzles[0];
}

/// The comment lines `document` is written with, each ending in LF.
std::string Written(const PuzzleDocument& document) {
  std::string text;
  for (const std::string& line : CommentLines(document)) text += line + '\n';
  return text;
}

TEST(PuzzleDocument, FilesTheProgramWroteAreWrittenAgainByteForByte) {
  // Made by loopword-compile (seeds, a theme with a clue and a title, a graded and a German puzzle, a list read as
  // Windows-1252) and saved by the session while solving (rules, typed and pencil letters, progress), as a pupil's sheet.
  for (const char* name : {"two", "theme", "graded", "german", "note", "theme-solving", "graded-solving", "german-solving", "theme-sheet"}) {
    const std::string text = testing::ReadFile(std::string(LOOPWORD_TESTS_DIR "/puzzle/data/") + name + ".loopword");
    const PuzzleFileResult read = ParsePuzzleText(text, name);
    ASSERT_FALSE(read.puzzles.empty()) << read.message;
    for (const PuzzleDocument& document : read.puzzles) {
      EXPECT_TRUE(document.otherLines.empty()) << name << ": every line is one of the program's own";
      EXPECT_TRUE(document.origin.wordList && document.origin.fill && document.origin.seed) << name;
    }
    EXPECT_EQ(FormatPuzzleFile(read.puzzles), text) << name;
  }
}

TEST(PuzzleDocument, LinesSpeltOtherwiseAreReadLooselyOrKeptWordForWordWhereTheyStood) {
  const std::string fill = "# fill: classic\n";
  const struct { std::string lines, written; } cases[] = {
      {"# title:   Zoo \n", "# Loopword puzzle\n# title: Zoo\n"},  // no header line: it is added
      {"# note\n# Loopword puzzle\n" + fill, "# Loopword puzzle\n# note\n" + fill},
      {"# Loopword puzzle\n# seed: 4\n" + fill + "# mine\n", "# Loopword puzzle\n" + fill + "# mine\n# seed: 4\n"},
      {"# Loopword puzzle\n# seed: 007\n# language: en\n# difficulty: standard\n# theme: elephant\n# word list: L1words.txt\n",
       "# Loopword puzzle\n# seed: 007\n# language: en\n# difficulty: standard\n# theme: elephant\n# word list: L1words.txt\n"},
      {"# Loopword puzzle\n# title: A\n# title: B\n# Loopword puzzle\n", "# Loopword puzzle\n# title: A\n# title: B\n# Loopword puzzle\n"},
      {"# title: A\n# Loopword puzzle\n# title: B\n# title:\n", "# Loopword puzzle\n# title: A\n# title: B\n# title:\n"},  // A stays first
      {"# Loopword puzzle\n# typed 01 A.......\n# mine\n# typed 02 ......B.\n# later\n",
       "# Loopword puzzle\n# typed 01 A.......\n# mine\n# typed 02 ......B.\n# later\n"},
      {"# Loopword puzzle\n# off for pupils: timer , reveal\n# off for pupils: check\n", "# Loopword puzzle\n# off for pupils: reveal,timer\n"},
      {"# Loopword puzzle\n# progress  time=4 later=x\n# progress time=9\n", "# Loopword puzzle\n# progress time=4\n"},
      {"# Loopword puzzle\n# difficulty:   hard \n# hints:  03.5   01.1\n", "# Loopword puzzle\n# difficulty: hard\n# hints: 03.5 01.1\n"},
      {"# Loopword puzzle\n# class set: 31 of 30, set seed 4\n# class set: 0 of 3, set seed 4\n# class set: 2 of 3, set 4\n",
       "# Loopword puzzle\n# class set: 31 of 30, set seed 4\n# class set: 0 of 3, set seed 4\n# class set: 2 of 3, set 4\n"},
  };
  for (const auto& [lines, written] : cases) {
    const std::string text = Written(Read(lines));
    EXPECT_EQ(text, written) << lines;
    EXPECT_EQ(Written(Read(text)), text) << lines << ": written again as it stands";
  }
}

TEST(PuzzleDocument, DamagedLinesOfTheProgramsOwnAreDroppedOrReadAsFarAsTheyGo) {
  const struct { std::string line; bool typedDamaged; int pencilDamaged; SolvingProgress progress; std::string writtenAs, note; } cases[] = {
      {"# typed 05 AB", true, 0, {}, "", ""},
      {"# typed 5  ABCDEFGH", true, 0, {}, "", ""},
      {"# typed 24 ABCDEFGH", true, 0, {}, "", ""},
      {"# typed 05 abcdefgh", true, 0, {}, "", ""},
      {"# pencil 00 ABCDEFGH", false, 1, {}, "", ""},
      {"# pencil 05 AB-DEFGH", false, 1, {}, "", ""},
      {"# progress revealed=3 time=4 later=x", false, 0, {4'000, 0, 3}, "# progress time=4 revealed=3", ""},  // other names passed over
      {"# progress time=-4 checks=1", false, 0, {0, 1, 0}, "# progress time=0 checks=1", ""},
      {"# progress time=x checks=2x revealed=1", false, 0, {0, 0, 1}, "# progress time=0 revealed=1", ""},
      {"# progress time=99999999999 checks=-1", false, 0, {}, "# progress time=0", ""},
      {"# progress checks=99999999999999999999", false, 0, {}, "# progress time=0", ""},
      {"# off for pupils: revael", false, 0, {}, "", "What your teacher turned off could not be read (\"revael\"): everything is allowed."},
  };
  for (const auto& [line, typedDamaged, pencilDamaged, progress, writtenAs, note] : cases) {
    const PuzzleDocument document = Read(line + "\n");
    EXPECT_EQ(document.solving.typedDamaged, typedDamaged) << line;
    EXPECT_EQ(document.solving.pencilDamaged, pencilDamaged) << line;
    EXPECT_EQ(document.solving.progress.value_or(SolvingProgress{}), progress) << line;
    EXPECT_EQ(document.solving.Kept(), note.empty()) << line << ": solving is kept, damaged or not";
    EXPECT_TRUE(document.solving.letters.empty()) << line;
    EXPECT_EQ(EnglishText(document.rulesNote), note) << line;
    EXPECT_EQ(document.rules, PupilRules{}) << line;
    EXPECT_EQ(Written(document), "# Loopword puzzle\n" + (writtenAs.empty() ? "" : writtenAs + "\n")) << line;
  }
}

}  // namespace
}  // namespace loopword
