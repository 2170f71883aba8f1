// Checks loopword-compile as a user runs it: its text, files, booklets, languages, grades, seeds and wrong arguments.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

#include "puzzle/puzzle_file.h"
#include "puzzle/web_page.h"
#include "session/result_code.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

std::pair<std::string, int> Compile(const std::string& arguments) {
  return testing::RunTool(std::string(LOOPWORD_COMPILE_TOOL) + " --dict " + LOOPWORD_DATA_DIR "/L1words.txt " + arguments + " 2>/dev/null");
}

TEST(CompileTool, BookletAndSvgSheetsSpeakThePuzzlesLanguageAndEnglishWithoutOne) {
  const struct { std::string language; std::vector<std::string> puzzlePage; std::string answer; } cases[] = {
      {"", {"Puzzle 1", "PUZZLE", "Difficulty: Easy", "Place 23 8-letter words clock-wise into 8 spaces"}, "SOLUTION"},
      {"--language de", {"R\u00E4tsel 1", "R\u00C4TSEL", "Schwierigkeit: Leicht", "23 W\u00F6rter aus"}, "L\u00D6SUNG"},
      {"--language es", {"Pasatiempo 1", "PASATIEMPO", "Dificultad: F\u00E1cil", "Rodee los cuadrados"}, "SOLUCI\u00D3N"},
  };
  for (const auto& [language, puzzlePage, answer] : cases) {
    testing::TempDir folder;
    const std::string pdf = (folder.Path() / "week.pdf").string(), svg = (folder.Path() / "week.svg").string();
    ASSERT_EQ(Compile(language + " --seed 4 --difficulty easy --quiet --pdf " + pdf + " --svg " + svg).second, 0) << language;
    const std::string puzzle = testing::PdfPageText(pdf, 1), answers = testing::PdfPageText(pdf, 2);
    const std::string puzzleSheet = testing::ReadFile(folder.Path() / "week-puzzle.svg");
    const std::string solutionSheet = testing::ReadFile(folder.Path() / "week-solution.svg");
    for (const std::string& text : puzzlePage) EXPECT_NE(puzzle.find(text), std::string::npos) << language << ": " << text << " in\n" << puzzle;
    for (const std::string& text : {answer, puzzlePage[2]}) EXPECT_NE(answers.find(text), std::string::npos) << language << ": " << text << " in\n" << answers;
    for (const std::string& text : {puzzlePage[1], puzzlePage[2]}) EXPECT_NE(puzzleSheet.find(text), std::string::npos) << language << ": " << text;
    EXPECT_NE(solutionSheet.find(answer), std::string::npos) << language;
  }
}

TEST(CompileTool, WrongArgumentsAndUnreadableOrUnwritableFilesFailWithTheirStatusAndSayWhy) {
  const std::string list = "--dict " LOOPWORD_DATA_DIR "/L1words.txt ";
  const std::string theme22 = "SCHEDULE ATTEMPTS SHOWCASE KOWTOWED GRANDSON SCRAMBLE BLOODIED SHRILLER LEATHERY GRAPHICS "
                              "SCUTTLED CANVASES SHUNNING LIMERICK GRASPING SEDATING CLERKING SICKNESS LOVELIER GRATUITY SEQUENCE COTTAGES";
  const struct { std::string arguments; int status; std::string says; } cases[] = {
      {list + "--count 99999999999", 2, "--count: must be a whole number from 1 to 1,000,000"},
      {list + "--seed abc", 2, "--seed: must be a whole number from 0 to 18446744073709551615"},
      {list + "--start ÉCLAIRÉS", 2, "--start: Specify A..Z leters"},
      {list + "--out", 2, "--out needs a value"},
      {list + "--quiet=loud", 2, "--quiet takes no value"},
      {list + "--pdf x.pdf --count 501", 2, "a booklet (--pdf) holds at most 500 puzzles"},
      {list + "--svg x.svg --count 2", 2, "--svg writes the sheets of one puzzle: give no --count"},
      {list + "--quiet --svg /proc/none/x.svg", 1, "Could not write /proc/none/x.svg: No such file or directory"},
      {list + "--bogus 1", 2, "unknown option --bogus"},
      {list + "--level 1", 2, "give --dict or --level, not both"},
      {"--language en", 2, "--language: must be de, fr, es, it, pt or nl"},
      {"--count 3", 2, "no word list: give --dict FILE or --level 1|2|3"},
      {"--dict /proc/none/words.txt", 1, "Could not read the word list /proc/none/words.txt: No such file or directory"},
      {"--dict " LOOPWORD_DATA_DIR, 1, "Could not read the word list " LOOPWORD_DATA_DIR ": Is a folder"},
      {list + "--out /proc/none/x.loopword", 1, "Could not write /proc/none/x.loopword: No such file or directory"},
      {list + "--quiet --pdf /proc/none/x.pdf", 1, "Could not write /proc/none/x.pdf: No such file or directory"},
      {list + "--theme ', ,'", 2, "--theme: no usable theme word"},
      {list + "--difficulty tricky", 2, "--difficulty: must be standard, easy, medium, hard or expert"},
      {list + "--grade-file x.loopword", 2, "--grade-file makes no puzzles: give no word list"},
      {"--level 2 --grade-file x.loopword", 2, "--grade-file makes no puzzles: give no word list"},
      {"--grade-file x.loopword --count 2 --varied", 2, "--grade-file makes no puzzles: give no --count"},
      {list + "--out ''", 2, "--out: needs a value"},
      {list + "--count 2 --count 0", 2, "--count: must be a whole number from 1 to 1,000,000"},
      {list + "--level=4", 2, "--level: must be 1, 2 or 3"},
      {"--grade-file /proc/none/x.loopword", 1, "Loopword could not open the puzzle file:\n/proc/none/x.loopword\nThe file could not be read."},
      {list + "--title " + std::string(61, 'x'), 2, "--title: A title holds at most 60 characters; this one has 61."},
      {list + "--jobs 257", 2, "--jobs: must be a whole number from 1 to 256"},
      {list + "--count 3 --no-repeats --jobs 2", 2, "--no-repeats makes one puzzle after another: give --jobs 1 or no --jobs"},
      {list + "--class-set 3 --count 2", 2, "--class-set makes one puzzle for each pupil: give no --count"},
      {list + "--class-set 41", 2, "--class-set: must be a whole number from 2 to 40"},
      {list + "--class-set 3 --jobs 2", 2, "--class-set makes one puzzle after another: give --jobs 1 or no --jobs"},
      {list + "--class-set 3 --no-repeats", 2, "--class-set puzzles may share words: give no --no-repeats"},
      {list + "--class-set 3 --svg x.svg", 2, "--svg writes the sheets of one puzzle: give no --class-set"},
      {"--results codes.txt", 2, "--results needs --set FILE"},
      {"--csv --set x.loopword", 2, "--set needs --results CODES"},
      {list + "--results codes.txt --set x.loopword", 2, "--results makes no puzzles: give no word list"},
      {"--results codes.txt --set x.loopword --class-set 3", 2, "--results makes no puzzles: give no --class-set"},
      {"--results codes.txt --set x.loopword --grade-file x.loopword", 2, "--grade-file makes no puzzles: give no --results"},
      {"--results codes.txt --set /proc/none/x.loopword", 1, "Loopword could not open the puzzle file:\n/proc/none/x.loopword\nThe file could not be read."},
      {list + "--start ABSOLUTE --theme 'xyz,GATEWAYS gateways " + theme22 + "'", 1,
       "Not 8 letters A to Z: xyz.\nGiven twice: gateways.\n"
       "The theme words cannot all be placed in one puzzle with this dictionary with the starting word ABSOLUTE."},
  };
  for (const auto& [arguments, status, says] : cases) {
    // Standard error only; without a runtime folder the toolkit would like to complain.
    const auto [error, exit] =
        testing::RunTool("env -u XDG_RUNTIME_DIR " LOOPWORD_COMPILE_TOOL " " + arguments + " 2>&1 >/dev/null");
    EXPECT_EQ(exit, status) << arguments;
    const std::string expected = status == 2 ? "loopword-compile: " + says + "\n" : says + "\n";
    EXPECT_EQ(status == 2 ? error.substr(0, expected.size()) : error, expected) << arguments;
  }
}

TEST(CompileTool, PuzzlesPrintedOrWrittenAreThoseMadeOneAfterAnotherInTheSameOrderAndABookletWithoutRepeatsSharesNoWord) {
  const std::string theme = " --theme 'ELEPHANT = a big grey animal,DINOSAUR,COMPUTER' --title Zoo";
  const std::string title = "Week 12: <b>Animals</b> & co";  // given with a tab, which becomes a space; markup stays text
  const struct { int count; std::string arguments; } cases[] = {
      {9, "--seed 5"},
      {5, "--seed 8 --difficulty medium --grade"},
      {6, "--seed 3 --varied" + theme},
      {3, "--seed 2 --unique" + theme},
      {1, "--seed 4"},
      {4, "--seed 9 --no-repeats --title 'Week 12:\t<b>Animals</b> & co'"},  // one after another, whatever the machine's cores
  };
  for (const auto& [count, options] : cases) {
    const std::string arguments = "--count " + std::to_string(count) + " " + options;
    testing::TempDir folder;
    const auto path = [&](const std::string& name) { return (folder.Path() / name).string(); };
    const bool noRepeats = arguments.find("--no-repeats") != std::string::npos;
    const std::string alone = arguments + (noRepeats ? "" : " --jobs 1");
    const auto [printed, status] = Compile(alone + " --pdf " + path("alone.pdf"));
    ASSERT_EQ(status, 0) << alone;
    const std::string atOnce = arguments + (noRepeats ? "" : " --jobs 3");
    ASSERT_EQ(Compile(atOnce + " --quiet --out " + path("at-once.loopword") + " --pdf " + path("at-once.pdf")), std::make_pair(std::string(), 0))
        << atOnce;
    EXPECT_EQ(testing::ReadFile(path("at-once.loopword")), printed) << atOnce;
    EXPECT_EQ(Compile(atOnce).first, printed) << atOnce;
    for (int page = 1; page <= count + (count + 3) / 4; ++page) {
      EXPECT_EQ(testing::PdfPageText(path("at-once.pdf"), page), testing::PdfPageText(path("alone.pdf"), page)) << atOnce << " page " << page;
    }
    if (!noRepeats) continue;
    const PuzzleFileResult read = ReadPuzzleFile(path("at-once.loopword"));
    ASSERT_EQ(read.puzzles.size(), 4u) << read.message;
    EXPECT_EQ(read.puzzles[3].origin, (PuzzleOrigin{WordListSource{"L1words.txt", 1431, ""}, "classic", 12}));
    std::set<std::string> words;
    for (const PuzzleDocument& puzzle : read.puzzles) {
      EXPECT_EQ(puzzle.puzzle.title, title);
      for (const PlacementLine& placement : puzzle.puzzle.placements) EXPECT_TRUE(words.insert(placement.word).second) << placement.word;
      const int page = static_cast<int>(words.size()) / 23;
      EXPECT_NE(testing::PdfPageText(path("alone.pdf"), page).find(title), std::string::npos) << "page " << page;
    }
  }
}

TEST(CompileTool, HelpWinsOverWrongArgumentsAndExplainsEveryOptionTheUsageNames) {
  const auto [help, status] = testing::RunTool(LOOPWORD_COMPILE_TOOL " --level 9 --help 2>&1");
  ASSERT_EQ(status, 0);
  const std::string usage = testing::RunTool(LOOPWORD_COMPILE_TOOL " stray 2>&1").first;
  for (const char* form : {"loopword-compile [--dict FILE | --level 1|2|3] ", "\n       loopword-compile --grade-file FILE\n",
                           "\n       loopword-compile --results CODES --set FILE [--csv]\n"}) {
    EXPECT_NE(usage.find(form), std::string::npos) << form << " in\n" << usage;
  }
  const std::string named = testing::RunTool(LOOPWORD_COMPILE_TOOL " stray 2>&1 | grep -oe '--[a-z-]*' | sort -u").first;
  EXPECT_GE(std::ranges::count(named, '\n'), 17) << named;
  std::istringstream options(named);
  for (std::string option; options >> option;) EXPECT_NE(help.find("\n  " + option + " "), std::string::npos) << option;
}

TEST(CompileTool, GradedPuzzlesCarryTheirGradeHintCellsAndCluesGradeTheSameFromTheirFileAndComeAgainFromTheirSeed) {
  testing::TempDir folder;
  const std::string theme = " --theme '" + folder.Write("zoo.txt", "ELEPHANT = a big grey animal\nGIRAFFES") + "'";
  for (const auto& [name, difficulty] : {std::pair{"standard", Difficulty::Standard}, std::pair{"medium", Difficulty::Medium},
                                         std::pair{"expert", Difficulty::Expert}}) {
    const std::string out = (folder.Path() / (std::string(name) + ".loopword")).string();
    const bool clued = difficulty == Difficulty::Medium;
    const std::string options = std::string(" --varied --unique --grade --difficulty ") + name + (clued ? theme : "");
    ASSERT_EQ(Compile("--count 2" + options + " --out " + out).second, 0);
    const PuzzleFileResult read = ReadPuzzleFile(out);
    ASSERT_EQ(read.puzzles.size(), 2u) << read.message;
    std::string gradeLines;
    for (std::size_t i = 0; i < read.puzzles.size(); ++i) {
      const PuzzleDocument& puzzle = read.puzzles[i];
      EXPECT_EQ(puzzle.puzzle.clues, (clued ? Clues{{"ELEPHANT", "a big grey animal"}} : Clues{}));
      EXPECT_EQ(puzzle.puzzle.difficulty, difficulty);
      EXPECT_EQ(puzzle.puzzle.hints.has_value(), difficulty != Difficulty::Standard);
      const std::string grade = puzzle.grade.value_or("");
      EXPECT_TRUE(difficulty == Difficulty::Standard || grade.starts_with("grade: " + DifficultyLabel(difficulty) + ",")) << grade;
      gradeLines += "# puzzle " + std::to_string(i + 1) + ": " + grade + "\n";
      EXPECT_EQ(puzzle.origin.fill, "varied, one solution");
      ASSERT_TRUE(puzzle.origin.seed);
      const std::string again = Compile("--count 1" + options + " --seed " + std::to_string(*puzzle.origin.seed)).first;
      EXPECT_EQ(again, FormatPuzzleFile({puzzle})) << "made again from its seed";
    }
    EXPECT_EQ(testing::RunTool(std::string(LOOPWORD_COMPILE_TOOL) + " --grade-file " + out), std::make_pair(gradeLines, 0));
  }
}

TEST(CompileTool, EveryLanguageMakesValidPuzzlesFromItsBundledListAndFromTheSystemsList) {
  const std::string check = "python3 " LOOPWORD_DATA_DIR "/../tools/check-puzzles ";
  for (const auto& [code, system] : {std::pair{"de", "ngerman"}, {"fr", "french"}, {"es", "spanish"}, {"it", "italian"},
                                     {"pt", "portuguese"}, {"nl", "dutch"}}) {
    const std::string bundled = std::string(LOOPWORD_DATA_DIR "/") + code + "-L1words.txt", debian = std::string("/usr/share/dict/") + system;
    for (const auto& [arguments, list] : {std::pair{std::string("--varied"), bundled}, {"--dict " + debian, debian}}) {
      const std::string made = testing::RunTool(std::string(LOOPWORD_COMPILE_TOOL) + " --count 2 --language " + code + " " + arguments).first;
      EXPECT_NE(made.find(std::string("\n# language: ") + code + "\n"), std::string::npos) << made;
      testing::TempDir folder;
      const std::string puzzles = folder.Write("made.loopword", made);
      EXPECT_EQ(testing::RunTool(check + list + " < " + puzzles), std::make_pair(std::string("2 puzzles checked, 0 with faults\n"), 0))
          << code << " " << arguments;
    }
  }
}

TEST(CompileTool, TypedWordsFollowTheLanguageWhereverItStandsAndTheHeaderSaysHowTheListWasRead) {
  const std::string tool = LOOPWORD_COMPILE_TOOL " --seed 5 ";
  for (const char* arguments : {"--language de --theme 'Mädchen, Fußball' --start STRASSEN", "--theme 'Mädchen, Fußball' --start Straßen --language de"}) {
    const PuzzleFileResult made = ParsePuzzleText(testing::RunTool(tool + arguments).first, "made");
    ASSERT_EQ(made.puzzles.size(), 1u) << arguments << ": " << made.message;
    EXPECT_EQ(made.puzzles[0].theme, (std::vector<std::string>{"MAEDCHEN", "FUSSBALL"})) << arguments;
    EXPECT_EQ(made.puzzles[0].puzzle.placements[11].word, "STRASSEN") << arguments;
  }
  testing::TempDir folder;  // each note on its own is checked where lists are read
  const std::string level1 = testing::ReadFile(LOOPWORD_DATA_DIR "/L1words.txt");
  const std::string path = folder.Write("mine.txt", level1 + "peque\xF1os\r\n\xD1" "and\xFA" "es\r\n");
  const PuzzleFileResult made = ParsePuzzleText(testing::RunTool(tool + "--language es --dict " + path).first, "made");
  ASSERT_EQ(made.puzzles.size(), 1u) << made.message;
  const int words = static_cast<int>(std::ranges::count(level1, '\n')) + 1;
  EXPECT_EQ(made.puzzles[0].origin.wordList, (WordListSource{"mine.txt", words, "read as Windows-1252, 1 with \xC3\x91 read as N"}));
}

/// The class set of `pupils` made from `seed` with the bundled easy list, as its puzzle file `name` in `folder` keeps it.
PuzzleFileResult ClassSet(const testing::TempDir& folder, const std::string& name, int pupils, int seed) {
  const std::string out = (folder.Path() / name).string();
  EXPECT_EQ(Compile("--class-set " + std::to_string(pupils) + " --seed " + std::to_string(seed) + " --out " + out).second, 0);
  return ReadPuzzleFile(out);
}

TEST(CompileTool, AScormPackageHoldsTheOneFilePageWithThePuzzlesAndAManifestWhoseOneScoIsThatPage) {
  testing::TempDir folder;
  const std::string zip = (folder.Path() / "class.zip").string();
  const auto [printed, status] = Compile("--count 3 --seed 5 --title 'Week <3> & co' --scorm " + zip);
  if (!std::filesystem::exists(std::filesystem::path(LOOPWORD_COMPILE_TOOL).parent_path() / "loopword.html")) {
    EXPECT_EQ(status, 1) << "no web page beside the program: no package";
    EXPECT_FALSE(std::filesystem::exists(zip));
    return;
  }
  ASSERT_EQ(status, 0);
  EXPECT_EQ(testing::RunTool("unzip -tq " + zip + " >/dev/null").second, 0) << "every file's CRC sound";
  EXPECT_EQ(testing::RunTool("unzip -Z1 " + zip).first, "imsmanifest.xml\nindex.html\n");
  const std::string manifest = testing::RunTool("unzip -p " + zip + " imsmanifest.xml").first;
  for (const char* part : {"<schemaversion>1.2</schemaversion>", "<organizations default=\"loopword\">", "<organization identifier=\"loopword\">",
                           "<item identifier=\"puzzle\" identifierref=\"page\"", "<title>Week &lt;3&gt; &amp; co</title>",
                           "<resource identifier=\"page\" type=\"webcontent\" adlcp:scormtype=\"sco\" href=\"index.html\">", "<file href=\"index.html\"/>"}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part << " in\n" << manifest;
  }
  const std::string page = testing::RunTool("unzip -p " + zip + " index.html").first;
  const std::string slot = "<meta name=\"loopword-puzzle\" content=\"";
  const std::size_t start = page.find(slot) + slot.size();
  ASSERT_NE(start, std::string::npos + slot.size());
  std::string carried;
  for (const std::string_view puzzle : CarriedPuzzles(std::string_view(page).substr(start, page.find('"', start) - start))) {
    carried += (carried.empty() ? "" : "\n") + Base64Decoded(puzzle).value_or("damaged");
  }
  EXPECT_EQ(carried, printed) << "a class set of three, one for each learner";
  EXPECT_NE(printed.find("# class set: 3 of 3"), std::string::npos);
  EXPECT_EQ(Compile("--count 41 --scorm " + zip).second, 2) << "a class set holds at most 40";
  EXPECT_EQ(Compile("--count 3 --class-set 3 --scorm " + zip).second, 2);
}

TEST(CompileTool, ClassSetsCarryTheirPlacePrintWithTheSetsIdAndResultCodesAreReadAgainstTheirFileAndEveryRefusedCodeSaysWhy) {
  testing::TempDir folder;
  const PuzzleFileResult set = ClassSet(folder, "set.loopword", 3, 7), other = ClassSet(folder, "other.loopword", 3, 8);
  ASSERT_EQ(set.puzzles.size(), 3u) << set.message;
  ASSERT_EQ(other.puzzles.size(), 3u) << other.message;
  const std::string pdf = (folder.Path() / "set.pdf").string();
  EXPECT_EQ(Compile("--class-set 3 --seed 7 --pdf " + pdf), std::make_pair(testing::ReadFile(folder.Path() / "set.loopword"), 0));
  for (int number = 1; number <= 3; ++number) {  // different one-solution puzzles: the session tests' class sets
    EXPECT_EQ(set.puzzles[static_cast<std::size_t>(number - 1)].origin.classPlace, (ClassPlace{number, 3, 7}));
    EXPECT_NE(testing::PdfPageText(pdf, number).find("Puzzle " + std::to_string(number) + " of 3 \u00B7 set " + SetId(7)), std::string::npos);
  }
  const PuzzleFileResult graded = ParsePuzzleText(Compile("--class-set 2 --seed 42 --grade").first, "graded");
  ASSERT_EQ(graded.puzzles.size(), 2u) << graded.message;
  EXPECT_TRUE(graded.puzzles[1].grade.value_or("").starts_with("grade: ")) << "--grade goes with a class set";
  const std::string second = ResultCode({2, 125, 1, 0}, 7, set.puzzles[1].puzzle), first = ResultCode({1, 59, 0, 3}, 7, set.puzzles[0].puzzle);
  // each reason a code is refused: the result code tests'; here a refused line's place in the table
  const std::string beyond = ResultCode({9, 30, 0, 0}, 7, set.puzzles[0].puzzle);
  const std::string setFile = (folder.Path() / "set.loopword").string();
  const std::string results = std::string(LOOPWORD_COMPILE_TOOL) + " --set " + setFile + " --results ";
  const std::string codes = folder.Write("codes.txt", beyond + "\n" + second + "\n\n" + first.substr(0, 4) + "-" + first.substr(4));
  EXPECT_EQ(testing::RunTool(results + codes + " 2>/dev/null"),
            std::make_pair("number  time  checks  letters revealed  code         problem\n"
                           "     1  0:59       0                 3  " + first + "\n"
                           "     2  2:05       1                 0  " + second + "\n"
                           "                                        " + beyond + "  This code is for puzzle 9, but the class set has 3 puzzles: a character may be typed wrongly.\n",
                           1));
  const std::string shuffled = folder.Write("shuffled.loopword", FormatPuzzleFile({set.puzzles[2], set.puzzles[0], set.puzzles[1]}));
  for (const std::string& setPath : {setFile, shuffled}) {  // the puzzles are taken by their numbers, not their order
    EXPECT_EQ(testing::RunTool("printf '" + second + "\\r\\n" + first + "' | " LOOPWORD_COMPILE_TOOL " --csv --results - --set " + setPath),
              std::make_pair("number,time,seconds,checks,letters revealed,code,problem\r\n1,0:59,59,0,3," + first + ",\r\n2,2:05,125,1,0," +
                             second + ",\r\n", 0)) << setPath;
  }

  struct Refused { std::string setFile, codes, says; };
  const auto notOne = [&](const std::string& name, const std::vector<PuzzleDocument>& puzzles, const std::string& why) {
    const std::string path = folder.Write(name, FormatPuzzleFile(puzzles));
    return Refused{path, codes, path + " is not one class set: " + why + ".\n"};
  };
  PuzzleDocument alone = set.puzzles[0];
  alone.origin.classPlace.reset();
  const std::string empty = folder.Write("empty.txt", " \n\n"), none = (folder.Path() / "none.txt").string();
  const Refused refused[] = {
      notOne("two-sets.loopword", {set.puzzles[0], set.puzzles[1], other.puzzles[2]},
             "puzzle 3 of the file is of another class set than the first (3 pupils, set seed 8, not 3 pupils, set seed 7)"),
      notOne("short.loopword", {set.puzzles[0], set.puzzles[2]}, "pupil 2's puzzle is missing"),
      notOne("twice.loopword", {set.puzzles[0], set.puzzles[1], set.puzzles[0]}, "pupil 1 has two puzzles"),
      notOne("alone.loopword", {alone}, "puzzle 1 of the file has no class set line"),
      {setFile, empty, "No result codes in " + empty + ".\n"},
      {setFile, none, "Could not read the result codes " + none + ": No such file or directory\n"},
      {setFile, folder.Path().string(), "Could not read the result codes " + folder.Path().string() + ": Is a folder\n"},
  };
  for (const auto& [setPath, codesPath, says] : refused) {
    EXPECT_EQ(testing::RunTool(std::string(LOOPWORD_COMPILE_TOOL) + " --set " + setPath + " --results " + codesPath + " 2>&1 >/dev/null"),
              std::make_pair(says, 1));
  }
}

}  // namespace
}  // namespace loopword
