// Checks the puzzle document: each kind of line read into its field and written back, the files the program wrote
// rewritten byte for byte, other lines kept in place, damaged lines of the program's own.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/puzzle_document.h"

#include <gtest/gtest.h>

#include <functional>

#include "puzzle/puzzle_file.h"
#include "support/compiled_puzzles.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

/// The placement lines of a compiled puzzle, each ending in LF, and the word of its fifth square.
struct Placements { std::string text, word; };

const Placements& CompiledPlacements() {
  static const Placements placements = [] {
    const Puzzle puzzle = testing::CompiledPuzzles(1)[0];
    Placements made{"", puzzle.placements[4].word};
    for (const std::string& line : testing::TextLines(puzzle)) made.text += line + '\n';
    return made;
  }();
  return placements;
}

/// `lines` (each ending in LF) before the placement lines, read as a puzzle file's only puzzle.
PuzzleDocument Read(const std::string& lines) {
  const PuzzleFileResult read = ParsePuzzleText(lines + CompiledPlacements().text, "test.loopword");
  EXPECT_EQ(read.puzzles.size(), 1u) << read.message;
  return read.puzzles.empty() ? PuzzleDocument{} : read.puzzles[0];
}

/// The comment lines `document` is written with, each ending in LF.
std::string Written(const PuzzleDocument& document) {
  std::string text;
  for (const std::string& line : CommentLines(document)) text += line + '\n';
  return text;
}

TEST(PuzzleDocument, EachKindOfLineIsReadIntoItsFieldAndWrittenBackAsItWas) {
  using Check = std::function<bool(const PuzzleDocument&)>;
  const std::string clued = "a word = with its clue, tr\u00E8s grand: sixty characters in all.";  // as long as a clue may be
  const std::string clue = "# clue: " + CompiledPlacements().word + " " + clued;
  const struct { std::string line; Check read; } cases[] = {
      {"# title: Zoo & friends", [](const auto& d) { return d.puzzle.title == "Zoo & friends"; }},
      {"# word list: L1words.txt (6508 words)", [](const auto& d) { return d.origin.wordList == WordListSource{"L1words.txt", 6508, ""}; }},
      {"# word list: my (2 words).txt (12 words, read as Windows-1252)",
       [](const auto& d) { return d.origin.wordList == WordListSource{"my (2 words).txt", 12, "read as Windows-1252"}; }},
      {"# language: de", [](const auto& d) { return d.language == Language::German; }},
      {"# fill: varied, one solution", [](const auto& d) { return d.origin.fill == "varied, one solution"; }},
      {"# difficulty: expert", [](const auto& d) { return d.puzzle.difficulty == Difficulty::Expert; }},
      {"# hints: 01.1 03.5 23.8", [](const auto& d) { return d.puzzle.hints == std::vector<RingCell>{{1, 1}, {3, 5}, {23, 8}}; }},
      {"# hints:", [](const auto& d) { return d.puzzle.hints == std::vector<RingCell>{}; }},
      {"# seed: 18446744073709551615", [](const auto& d) { return d.origin.seed == UINT64_MAX; }},
      {"# class set: 3 of 30, set seed 42", [](const auto& d) { return d.origin.classPlace == ClassPlace{3, 30, 42}; }},
      {"# theme: ELEPHANT GIRAFFES", [](const auto& d) { return d.theme == std::vector<std::string>{"ELEPHANT", "GIRAFFES"}; }},
      {clue, [&clued](const auto& d) { return d.puzzle.clues.at(CompiledPlacements().word) == clued; }},
      {"# grade: Hard, technique 4, steps 22 1466 0 849 0, effort 954",
       [](const auto& d) { return d.grade == "grade: Hard, technique 4, steps 22 1466 0 849 0, effort 954"; }},
      {"# off for pupils: reveal,timer", [](const auto& d) { return d.rules == PupilRules{true, false, false} && d.rulesNote.empty(); }},
      {"# typed 07 AB.....C", [](const auto& d) { return d.solving.letters.typed == std::vector<SquareLetters>{{7, "AB.....C"}}; }},
      {"# pencil 15 .QZ.....", [](const auto& d) { return d.solving.letters.pencil == std::vector<SquareLetters>{{15, ".QZ....."}}; }},
      {"# progress time=252 checks=2 revealed=1", [](const auto& d) { return d.solving.progress == SolvingProgress{252'000, 2, 1}; }},
      {"# progress time=0", [](const auto& d) { return d.solving.progress == SolvingProgress{}; }},
  };
  for (const auto& [line, read] : cases) {
    const std::string text = "# Loopword puzzle\n" + line + "\n";
    const PuzzleDocument document = Read(text);
    EXPECT_TRUE(read(document)) << line;
    EXPECT_TRUE(document.otherLines.empty()) << line << ": read into its field";
    EXPECT_EQ(Written(document), text) << line;
  }
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
