// The session without any window: views per command and mode, compiles, solving on a fake clock, pupils, undo, files.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <tuple>

#include "board/geometry.h"
#include "display/colors.h"
#include "session/result_code.h"
#include "session/session.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/web_page.h"
#include "support/brute_force.h"
#include "support/compiled_puzzles.h"
#include "support/puzzle_check.h"
#include "support/session_steps.h"
#include "support/temp_dir.h"
#include "support/typed_keys.h"
#include "words/theme_words.h"

namespace loopword {
namespace {

Mode ModeOf(const Session& session) { return session.CurrentView().mode; }
/// The puzzle as last compiled or opened.
Puzzle PuzzleOf(const Session& session) { return session.CurrentView().puzzle.value_or(PuzzleView{}).puzzle; }
/// Its puzzle file text with the letters typed.
std::string FileOf(const Session& session) { return session.CurrentView().puzzle.value_or(PuzzleView{}).file; }

/// Where a row of the command table starts.
enum class Start { Fresh, Compiling, Solution, Puzzle, Solving, SolvingWithLetters, SolvingWithSavedLetters };

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / "L1words.txt", program.Path() / "L1words.txt");
  }

  /// Brings `session` to `start`.
  static void Reach(Session& session, Start start) {
    if (start == Start::Fresh) return;
    session.Compile();
    if (start == Start::Compiling) return;
    testing::FinishCompile(session);
    if (start == Start::Puzzle) session.PressViewButton();
    if (start >= Start::Solving) session.StartSolving();
    if (start >= Start::SolvingWithLetters) Fill(session, 4);
    if (start == Start::SolvingWithSavedLetters) session.MarkSaved();
  }

  /// Types the word of square `first`, or of every square from `first` to `last`, into its ring; the messages told.
  static std::vector<std::string> Fill(Session& session, int first, int last = 0) {
    return testing::TypeAnswers(session, first, std::max(first, last));
  }

  /// A session on the fake clock, brought to `start`.
  std::unique_ptr<Session> NewSession(Start start = Start::Fresh) {
    auto session = testing::ClockedSession(program.Path().string(), [this] { return now; });
    Reach(*session, start);
    return session;
  }

  /// A sink that keeps each puzzle of a booklet or class set in `made`.
  static BookletSink Keep(std::vector<MadePuzzle>& made) {
    return [&made](MadePuzzle&& puzzle) { made.push_back(std::move(puzzle)); return true; };
  }

  /// A pupil's page given class set `set` and `number`, its puzzle compiled.
  std::unique_ptr<Session> Pupil(const ClassSet& set, int number) {
    auto pupil = NewSession();
    EXPECT_TRUE(pupil->ChooseClassPuzzle(set, number).done) << number;
    pupil->Compile();
    testing::FinishCompile(*pupil);
    return pupil;
  }

  testing::TempDir program, files;
  std::int64_t now = 0;
};

/// The commands on offer as digits: commands, the puzzle's, solving's, the view button, undo, redo.
std::string OfferDigits(const Offer& o) {
  return {char('0' + o.commands), char('0' + o.puzzle), char('0' + o.solving), char('0' + o.viewButton), char('0' + o.undo), char('0' + o.redo)};
}

struct CommandCase { const char* name; Start start; std::function<Reply(Session&)> command; Mode mode; Sheet sheet; const char* caption; const char* offer; bool asks, redraw; };

TEST_F(SessionTest, EachCommandInEachModeLeavesItsViewSheetCaptionOfferQuestionAndCursor) {
  const auto press = [](Session& s) { return s.PressViewButton(); };
  const auto pressYes = [](Session& s) { return s.PressViewButton(true); };
  const auto compile = [](Session& s) { return s.Compile(); };
  const auto solve = [](Session& s) { return s.StartSolving(); };
  const auto check = [](Session& s) { return s.Check(); };
  const auto exit = [](Session& s) { return s.Exit(); };
  const auto undo = [](Session& s) { return s.Undo(); };
  const auto type = [](Session& s) { return s.Type("q"); };
  const auto open = [](Session& s) { return s.OpenText(FileOf(s), "saved.loopword"); };
  const auto openYes = [](Session& s) { return s.OpenText(FileOf(s), "saved.loopword", true); };
  using enum Sheet;
  const std::vector<CommandCase> cases = {
      {"press with nothing to show", Start::Fresh, press, Mode::Idle, Figure, kShowPuzzle, "100000", false, false},
      {"press to stop", Start::Compiling, press, Mode::Idle, Figure, kShowSolution, "100000", false, true},
      {"press for the puzzle", Start::Solution, press, Mode::ShowingPuzzle, Puzzle, kShowSolution, "110100", false, true},
      {"press for the solution", Start::Puzzle, press, Mode::ShowingSolution, Solution, kShowPuzzle, "110100", false, true},
      {"press while solving, nothing typed", Start::Solving, press, Mode::ShowingSolution, Solution, kShowPuzzle, "110100", false, true},
      {"press while solving, letters typed", Start::SolvingWithLetters, press, Mode::Solving, Solving, kShowSolution, "111110", true, false},
      {"press while solving, confirmed", Start::SolvingWithLetters, pressYes, Mode::ShowingSolution, Solution, kShowPuzzle, "110100", false, true},
      {"press while solving, letters saved", Start::SolvingWithSavedLetters, press, Mode::ShowingSolution, Solution, kShowPuzzle, "110100", false, true},
      {"compile", Start::Fresh, compile, Mode::Compiling, Figure, kStop, "000100", false, false},
      {"compile while compiling", Start::Compiling, compile, Mode::Compiling, Figure, kStop, "000100", false, false},
      {"compile while solving, nothing typed", Start::Solving, compile, Mode::Compiling, Solving, kStop, "000100", false, false},
      {"compile while solving, letters typed", Start::SolvingWithLetters, compile, Mode::Solving, Solving, kShowSolution, "111110", true, false},
      {"compile while solving, letters saved", Start::SolvingWithSavedLetters, compile, Mode::Compiling, Solving, kStop, "000100", false, false},
      {"solve with no puzzle", Start::Fresh, solve, Mode::Idle, Figure, kShowPuzzle, "100000", false, false},
      {"solve the puzzle sheet", Start::Puzzle, solve, Mode::Solving, Solving, kShowSolution, "111100", false, true},
      {"solve while solving", Start::Solving, solve, Mode::Solving, Solving, kShowSolution, "111100", false, false},
      {"check while not solving", Start::Solution, check, Mode::ShowingSolution, Solution, kShowPuzzle, "110100", false, false},
      {"check while solving", Start::Solving, check, Mode::Solving, Solving, kShowSolution, "111100", false, true},
      {"type while solving", Start::Solving, type, Mode::Solving, Solving, kShowSolution, "111110", false, true},
      {"undo with nothing to undo", Start::Solving, undo, Mode::Solving, Solving, kShowSolution, "111100", false, false},
      {"undo a typed letter", Start::SolvingWithLetters, undo, Mode::Solving, Solving, kShowSolution, "111111", false, true},
      {"undo while not solving", Start::Solution, undo, Mode::ShowingSolution, Solution, kShowPuzzle, "110100", false, false},
      {"exit while compiling", Start::Compiling, exit, Mode::Closed, Figure, kShowPuzzle, "000100", false, false},
      {"exit while solving, letters typed", Start::SolvingWithLetters, exit, Mode::Solving, Solving, kShowSolution, "111110", true, false},
      {"exit while solving, letters saved", Start::SolvingWithSavedLetters, exit, Mode::Closed, Solving, kShowPuzzle, "000100", false, false},
      {"open a saved puzzle", Start::Puzzle, open, Mode::ShowingSolution, Solution, kShowPuzzle, "110100", false, true},
      {"open letters typed into a saved puzzle", Start::SolvingWithLetters, open, Mode::Solving, Solving, kShowSolution, "111110", true, false},
      {"open them, confirmed: solving goes on", Start::SolvingWithLetters, openYes, Mode::Solving, Solving, kShowSolution, "111100", false, true},
  };
  for (const CommandCase& c : cases) {
    auto session = NewSession(c.start);
    const Reply reply = c.command(*session);
    const View view = session->CurrentView();
    EXPECT_EQ(std::tuple(view.mode, view.picture.sheet, std::string(view.caption), OfferDigits(view.offer)),
              std::tuple(c.mode, c.sheet, std::string(c.caption), c.offer)) << c.name;
    EXPECT_TRUE(view.offer.check == view.offer.solving && view.offer.reveal == view.offer.solving) << c.name << ": Check and Reveal letter only while solving";
    EXPECT_EQ(std::pair(!reply.question.empty(), reply.changed.picture), std::pair(c.asks, c.redraw)) << c.name;
    EXPECT_TRUE(reply.messages.empty() || reply.Told() == CheckReport(view.picture)) << c.name << ": only Check tells, what it found: " << reply.Told();
    EXPECT_EQ(view.picture.cursor.has_value(), c.sheet == Solving) << c.name;
    EXPECT_EQ(view.reading.current, c.sheet == Solving ? view.picture.cursor : std::nullopt) << c.name;
    EXPECT_EQ(view.puzzle.has_value(), c.mode != Mode::Compiling) << c.name;
  }
}

TEST_F(SessionTest, ACompileEndsWithAPuzzleOrAProofAndAStopSaysNothingAndKeepsWhatWasMade) {
  auto session = NewSession();
  session->SeedNextCompile(3);
  session->Compile();
  for (int step = 0; step < 195; ++step) session->AdvanceCompile();  // past the blanked cells, into the placements
  session->PressViewButton();  // what a stop says and offers: the command table
  const View stopped = session->CurrentView();
  ASSERT_TRUE(stopped.puzzle.has_value()) << "what the stopped compile made is kept, to print";
  EXPECT_GT(stopped.puzzle->puzzle.placements.size(), 1u) << "two attempts in: square 12 and more";
  EXPECT_LT(stopped.puzzle->puzzle.placements.size(), 23u);
  // ExactCompile.DecidesWhenTheClassicFillGivesUp finds by brute force a grid around the first word of the one, none of the other
  const std::vector<std::string> withPuzzle = testing::PlantedList(1, 26, 8, 0);
  const std::vector<std::string> without = testing::PlantedList(6, 26, 8, 1);
  const struct { const std::vector<std::string>& words; CompileOptions fill; bool steps; std::string said; bool made; } cases[] = {
      {without, {}, true, EnglishText(ImpossibleMessage(without[0])), false},  // nothing on screen before it
      {withPuzzle, {}, true, "Done", true},
      {withPuzzle, {true, true}, true, "Done", true},
      {without, {}, true, EnglishText(ImpossibleMessage(without[0])), false},  // the puzzle made before stays
      {without, {true}, false, EnglishText(ImpossibleMessage(without[0])), false},
  };
  session = NewSession();
  for (const auto& c : cases) {
    session->ChooseWordList(kUserDictionary, files.Write("list.txt", testing::ListText(c.words)));
    session->EnterStartWord(c.words[0]);
    session->SetFill(c.fill);
    session->ShowCompileSteps(c.steps);
    const View before = session->CurrentView();
    session->SeedNextCompile(std::uint64_t(&c - cases) + 1);
    session->Compile();
    EXPECT_EQ(EnglishText(testing::FinishCompile(*session).Told()), c.said);
    const View after = session->CurrentView();
    const bool kept = !c.made && before.puzzle->puzzle.placements.size() == 23u;
    EXPECT_EQ(after.mode, c.made ? Mode::ShowingSolution : kept ? before.mode : Mode::Idle) << c.said;
    const SheetView shown = kept ? before.picture : c.made ? SolutionSheetView(PuzzleOf(*session)) : FigureView();
    EXPECT_EQ(after.picture, shown) << c.said << (c.steps ? " with steps" : " without steps");
    const bool mayBeMadeAgain = c.made && before.puzzle->puzzle.placements.size() == 23u;  // a small list can give the same grid twice
    if (!mayBeMadeAgain) {
      EXPECT_EQ(after.puzzle->key == before.puzzle->key, kept) << c.said;
    }
  }
}

TEST_F(SessionTest, ACompileDrawsEachPlacedWordOrWithoutStepsNothingRefusesCommandsOnTheWayAndEndsWhereTheStepsLead) {
  const std::string list = files.Write("other.txt", testing::ReadFile(std::filesystem::path(LOOPWORD_DATA_DIR) / "L1words.txt"));
  const std::set<std::string> words = testing::WordSet(*testing::BundledList("L1words.txt"));
  const auto noBooklet = [](MadePuzzle&&) { ADD_FAILURE() << "no booklet while compiling"; return true; };
  const CompileOptions fills[] = {{}, {true}, {true, true}, {false, true}};
  for (const std::uint64_t seed : {1u, 5u, 77u}) {
    for (const CompileOptions& fill : fills) {
      std::vector<std::pair<std::string, SheetView>> ends;  // with steps, then without
      for (const bool steps : {true, false}) {
        auto session = NewSession();
        session->ShowCompileSteps(steps);
        session->SeedNextCompile(seed);
        session->SetFill(fill);
        session->Compile();
        int turn = 0;
        while (ModeOf(*session) == Mode::Compiling) {
          const View view = session->CurrentView();
          ASSERT_EQ(view.picture.sheet, Sheet::Figure);
          EXPECT_TRUE(steps || view.picture == FigureView()) << "no step drawn";
          EXPECT_TRUE(view.reading.filling);
          for (const FigureSteps::SquareTag& drawn : view.picture.figure.Squares()) {
            if (drawn.tag != ColorInk) continue;  // a placed word: its letters are in its cells, last printed
            for (int p = 1; p <= kRingSize; ++p) {
              const std::string& printed = view.picture.figure.Printed({drawn.square, p});
              ASSERT_FALSE(printed.empty()) << drawn.square << "." << p;
              if (drawn.square == kCrossingSquare) continue;
              EXPECT_LE(printed.size(), 2u) << "a shared cell holds the letter of both its squares";
            }
          }
          const Reply reply = [&] {  // a command arriving while the compile runs on its worker
            switch (turn++ % 9) {
              case 0: return session->CheckPuzzlesCanBeMade();
              case 1: return session->MakeBooklet({{2, false}, std::nullopt, false}, {}, noBooklet);
              case 2: return session->ChooseWordList(kUserDictionary, list);
              case 3: return session->ChooseTheme("ELEPHANT", "Zoo");
              case 4: return session->Compile();
              case 5: return session->OpenText("# Loopword puzzle\n", "x.loopword");
              case 6: return session->EnterStartWord("ELEPHANT");
              case 7: return session->Restore(Choices{});
              default: return session->SetFill({});
            }
          }();
          EXPECT_FALSE(reply.done) << turn;
          EXPECT_EQ(session->CurrentView().choices, view.choices) << "the list, fill and theme stay";
          session->AdvanceCompile();
        }
        EXPECT_EQ(testing::CheckPuzzle(testing::TextLines(PuzzleOf(*session)), words), "");
        ends.emplace_back(FileOf(*session), session->CurrentView().picture);
        EXPECT_TRUE(session->CheckPuzzlesCanBeMade().done) << "free again";
      }
      EXPECT_EQ(ends[1], ends[0]) << "seed " << seed << " " << FillName(fill);
    }
  }
}

TEST_F(SessionTest, AClassSetHoldsDifferentOneSolutionPuzzlesWithEveryThemeWordStaysTheSameUntilAChoiceChangesAndGivesEachPupilTheirs) {
  auto teacher = NewSession();
  const std::vector<std::string> theme = {"ELEPHANT", "GIRAFFES", "PENGUINS"};
  const Clues clues = {{"ELEPHANT", "a big grey animal"}, {"PENGUINS", "birds that swim"}};
  const std::string zoo = "ELEPHANT = a big grey animal\nGIRAFFES\nPENGUINS = birds that swim";
  teacher->ChooseTheme(zoo, "Zoo");  // One solution is off: the class set turns it on
  std::vector<MadePuzzle> made, again, changed;
  int shown = -1;
  const auto progress = [&](int done, int total) { EXPECT_EQ(total, 6); shown = done; return true; };
  const auto goOn = [](int, int) { return true; };
  ASSERT_TRUE(teacher->MakeClassSet(6, progress, Keep(made)).done);
  ASSERT_EQ(made.size(), 6u);
  EXPECT_EQ(shown, 6);
  const Reply same = teacher->MakeClassSet(6, goOn, Keep(again));
  EXPECT_TRUE(same.messages.empty()) << EnglishText(same.Told());
  ASSERT_TRUE(teacher->CurrentView().classSet);
  const ClassSet set = *teacher->CurrentView().classSet;  // its text reads back whole
  const std::uint64_t seed = *set.choices.seed;
  std::set<std::string> words = testing::WordSet(*testing::BundledList("L1words.txt")), grids;
  words.insert(theme.begin(), theme.end());
  std::vector<Puzzle> puzzles;
  for (std::size_t k = 0; k < made.size(); ++k) {
    const PuzzleDocument& document = made[k].document;
    const std::vector<std::string> lines = testing::TextLines(document.puzzle);
    EXPECT_EQ(testing::CheckPuzzle(lines, words), "");
    for (const std::string& word : theme) EXPECT_EQ(std::ranges::count(SortedWords(document.puzzle), word), 1) << word;
    EXPECT_EQ(document.puzzle.clues, clues);
    EXPECT_EQ(document.puzzle.title, "Zoo");
    EXPECT_EQ(document.theme, theme);
    EXPECT_EQ(testing::BruteForceGrids(testing::SheetOf(lines, SheetHintCells(document.puzzle)), 2).size(), 1u) << "one solution";
    grids.insert(std::accumulate(lines.begin(), lines.end(), std::string()));
    EXPECT_EQ(again.at(k).document.puzzle.placements, document.puzzle.placements) << "the same set, printed again";
    EXPECT_EQ(document.origin.classPlace, (ClassPlace{static_cast<int>(k) + 1, 6, seed}));
    EXPECT_EQ(made[k].sheets.solution.setId, SetId(seed)) << "the answer key names the set";
    puzzles.push_back(document.puzzle);
  }
  EXPECT_EQ(grids.size(), 6u) << "all different";
  EXPECT_EQ(PuzzleHeading(made[2].sheets.puzzle.texts, 3, 6, made[2].sheets.puzzle.setId), "Puzzle 3 of 6 \u00B7 set " + SetId(seed));
  for (const int number : {2, 6}) {  // a pupil's page, from the link alone
    auto pupil = Pupil(set, number);
    EXPECT_EQ(PuzzleOf(*pupil).placements, made[static_cast<std::size_t>(number - 1)].document.puzzle.placements) << number;
    EXPECT_EQ(PuzzleOf(*pupil).clues, clues);
    EXPECT_NE(FileOf(*pupil).find("\n# seed: " + std::to_string(set.SeedOf(number)) + "\n"), std::string::npos);
    const std::string place = "\n# class set: " + std::to_string(number) + " of 6, set seed " + std::to_string(seed) + "\n";
    EXPECT_NE(FileOf(*pupil).find(place), std::string::npos) << number;
    pupil->Compile();
    testing::FinishCompile(*pupil);
    EXPECT_EQ(FileOf(*pupil).find("# seed:"), std::string::npos) << "the seed is the first compile's only";
  }
  EXPECT_EQ(EnglishText(NewSession()->ChooseClassPuzzle(set, 7).Told()), "Choose your number from 1 to 6.");
  EXPECT_EQ(EnglishText(teacher->MakeClassSet(41, progress, Keep(made)).Told()), "A class set is for 2 to 40 pupils.");
  teacher->SetPupilRules({true, false, true});
  EXPECT_FALSE(teacher->CurrentView().classSet) << "made with other choices";
  const Reply renewed = teacher->MakeClassSet(6, goOn, Keep(changed));
  EXPECT_EQ(renewed.Gravest(), MessageKind::Warning);
  const std::uint64_t newSeed = *teacher->CurrentView().classSet->choices.seed;
  EXPECT_EQ(EnglishText(renewed.Told()), "The choices changed, so this is a new class set, set " + SetId(newSeed) +
                                             ": links and prints made before belong to set " + SetId(seed) + ".");

  auto pupil = Pupil(set, 2);
  pupil->StartSolving();
  pupil->Check();
  EXPECT_FALSE(pupil->CurrentView().result) << "no card before it is solved";
  now = 75'000;
  Fill(*pupil, 1, kSquareCount);
  const std::optional<ResultCard> card = pupil->CurrentView().result;
  ASSERT_TRUE(card);
  EXPECT_EQ(card->time, "1:15");
  const ReadCode read = ReadResultCode(card->code, seed, puzzles);
  EXPECT_EQ(read.result, (PupilResult{2, 75, 1, 0})) << EnglishText(read.refusal);
  EXPECT_FALSE(ReadResultCode(card->code, newSeed, puzzles).result) << "not a code of the new set";
  std::string lines;
  for (const Message& line : CardLines(*card)) lines += EnglishText(line) + "\n";
  EXPECT_EQ(lines, "Solved!\nZoo\nPuzzle 2 of 6 \u00B7 set " + SetId(seed) + "\nTime: 1:15\nChecks: 1 \u00B7 letters revealed: 0\n"
                   "Result code for your teacher: " + card->code + "\n");
  auto reopened = NewSession();  // the pupil's file, opened again: the same card
  reopened->OpenText(FileOf(*pupil), "pupil.loopword");
  EXPECT_EQ(reopened->CurrentView().result, card);

  // The teacher reads the codes back: here, and the next day from the set kept (its puzzles made again), not without it.
  auto nextDay = NewSession();
  std::vector<ResultRow> rows;
  EXPECT_EQ(EnglishText(nextDay->ReadClassResults(6, card->code, goOn, rows).Told()),
            "Result codes are read against the class set on screen: print the class set or copy its link first, or give its seed.");
  nextDay->ChooseTheme(zoo, "Zoo");
  nextDay->UseClassSet(set);
  ASSERT_TRUE(nextDay->ReadClassResults(6, card->code + "\n\n" + card->code.substr(1) + "2", goOn, rows).done);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].read.result, (PupilResult{2, 75, 1, 0}));
  EXPECT_FALSE(rows[1].read.result) << "a code typed wrongly";
  ASSERT_TRUE(teacher->ReadClassResults(6, card->code, goOn, rows).done);
  EXPECT_FALSE(rows.at(0).read.result) << "against the new set, the old set's code";

  auto seeded = NewSession();  // made from a chosen seed, as the compile tool makes them: on screen, a pupil's puzzle all the same
  seeded->SeedNextCompile(77);
  made.clear();
  ASSERT_TRUE(seeded->MakeClassSet(2, goOn, Keep(made)).done);
  ASSERT_TRUE(seeded->CurrentView().classSet);
  EXPECT_EQ(PuzzleOf(*Pupil(*seeded->CurrentView().classSet, 2)).placements, made.at(1).document.puzzle.placements);
}

TEST_F(SessionTest, LettersTimeAndCountsGoIntoTheFileNotIntoAWebPageOutliveDamagedTextsAndSolvedIsToldOnce) {
  auto session = NewSession(Start::SolvingWithLetters);
  session->Check();
  session->Check();  // a check that finds nothing counts all the same
  session->Press(SolvingKey::NextSquare);
  session->Reveal();
  session->Reveal();  // the letter is there already: nothing revealed
  session->Undo();    // the letter goes, the count stays
  EXPECT_EQ(session->CurrentView().counts, (SolvingCounts{2, 1}));
  now = 60'000;
  session->PauseClock(true);
  now = 1'000'000;
  EXPECT_EQ(session->CurrentView().clock, (SolvingClock{60'000, false, true, false, "1:00"})) << "minimised, the clock waits";
  session->PauseClock(false);
  now += 1'500;
  const std::string saved = FileOf(*session);
  EXPECT_NE(saved.find("\n# progress time=61 checks=2 revealed=1\n"), std::string::npos) << saved;
  const std::map<std::string_view, std::string_view> base64 = {  // the standard's examples, and its last two digits
      {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foobar", "Zm9vYmFy"}, {"\xFF\xFE<\"/>", "//48Ii8+"}};
  for (const auto& [bytes, text] : base64) {
    EXPECT_EQ(Base64(bytes), text);
    EXPECT_EQ(Base64Decoded(text), bytes) << text;
  }
  for (const std::string_view damaged : {"Zm9v!", "Zm9vY", "Zg=\n", "Z==="}) EXPECT_EQ(Base64Decoded(damaged), std::nullopt) << damaged;
  const std::string sheetFile = session->CurrentView().puzzle->sheetFile;
  EXPECT_EQ(PageWithPuzzle("<head>" + std::string(kPagePuzzleSlot) + "</head>", sheetFile),
            "<head><meta name=\"loopword-puzzle\" content=\"" + Base64(sheetFile) + "\"></head>");
  const PuzzleFileResult carried = ParsePuzzleText(sheetFile, "page");
  ASSERT_EQ(carried.puzzles.size(), 1u) << carried.message;
  EXPECT_EQ(carried.puzzles[0].puzzle.placements, PuzzleOf(*session).placements) << "a web page carries the puzzle";
  EXPECT_FALSE(carried.puzzles[0].solving.Kept()) << "nor the letters and progress";
  EXPECT_EQ(PageWithPuzzle("<head></head>", sheetFile), std::nullopt) << "no slot";
  EXPECT_EQ(PageWithPuzzle(*PageWithPuzzle(kPagePuzzleSlot, "an older puzzle"), sheetFile), PageWithPuzzle(kPagePuzzleSlot, sheetFile))
      << "a page that carries a puzzle carries the new one instead";
  std::string damagedLetters = saved;
  damagedLetters.replace(damagedLetters.find("# typed 04 ") + 11, 8, "QQ");
  const View before = session->CurrentView();
  for (const std::string& text : {std::string("# Loopword puzzle\n01 ABCDEFGH 1 ABCDEFGX\n"), damagedLetters, std::string(kPuzzleFileLimit + 1, '#')}) {
    const Reply reply = session->OpenText(text, "bad.loopword");
    EXPECT_EQ(EnglishText(reply.Told()).rfind("Loopword could not open the puzzle file:\nbad.loopword\n", 0), 0u) << reply.Told();
    EXPECT_FALSE(reply.done);
    const View after = session->CurrentView();
    EXPECT_EQ(after.picture, before.picture) << "a damaged text changes nothing but the message";
    EXPECT_TRUE(after.unsaved);
    EXPECT_EQ(after.reply, reply);
  }
  auto reopened = NewSession();
  reopened->OpenText(saved, "saved.loopword");  // its counts are in what it tells when solved
  now += 4'000;
  EXPECT_EQ(reopened->CurrentView().clock.elapsedMs, 65'000) << "the time kept goes on";
  reopened->PauseClock(true);
  now -= 500'000;
  reopened->PauseClock(false);
  now -= 1'000;
  EXPECT_EQ(reopened->CurrentView().clock.elapsedMs, 65'000) << "a clock going backwards counts nothing";
  reopened->HideTimer(true);
  EXPECT_FALSE(reopened->CurrentView().clock.shown);
  EXPECT_EQ(Fill(*reopened, 1, kSquareCount), std::vector<std::string>{"Solved with 2 checks and 1 letter revealed"}) << "no time while the timer is hidden";
  now += 501'000 + 121'500;
  EXPECT_EQ(Fill(*session, 1, kSquareCount), std::vector<std::string>{"Solved in 3:07 with 2 checks and 1 letter revealed"});
  EXPECT_EQ(Fill(*session, 1), std::vector<std::string>{}) << "told once while it stays solved";
  EXPECT_TRUE(session->Select({2, 1}).messages.empty()) << "told once while it stays solved";
  now += 60'000;
  EXPECT_EQ(session->CurrentView().clock, (SolvingClock{187'000, false, true, false, "3:07"})) << "the clock stops at the solution";
  session->Check();
  EXPECT_EQ(session->CurrentView().counts.checks, 2) << "a check of a solved puzzle counts nothing";
  session->Undo();  // the last letter taken back: solving goes on, with the time that went before
  EXPECT_FALSE(session->CurrentView().solved);
  EXPECT_EQ(session->CurrentView().clock, (SolvingClock{187'000, true, true, false, "3:07"}));
  now += 1'000;
  EXPECT_EQ(EnglishText(session->Redo().Told()), "Solved in 3:08 with 2 checks and 1 letter revealed");
  const std::string solvedFile = FileOf(*session);
  EXPECT_TRUE(session->Exit().question.empty()) << "a solved puzzle is left without a question";
  std::string damagedTime = saved;  // the damaged progress lines themselves are the solving tests'
  damagedTime.replace(damagedTime.find("time=61"), 7, "time=x");
  reopened->OpenText(damagedTime, "damaged.loopword");  // solved: opened without a question
  EXPECT_EQ(reopened->CurrentView().clock.elapsedMs, 0) << "a damaged progress line: the letters open all the same";
  EXPECT_EQ(reopened->CurrentView().mode, Mode::Solving);
  auto solved = NewSession();
  solved->OpenText(solvedFile, "solved.loopword");
  EXPECT_EQ(EnglishText(solved->Check().Told()), "Check: every letter so far is right.") << "opened solved: told before";
}

TEST_F(SessionTest, WhatATeacherTurnsOffGoesWithThePuzzleToPupilsWhoseSessionRefusesIt) {
  auto teacher = NewSession(Start::Solving);
  Fill(*teacher, 3);
  const std::string progress = FileOf(*teacher);  // solved a while with everything allowed, its progress kept
  EXPECT_TRUE(teacher->SetPupilRules({true, false, false}).changed.choices);
  const std::string strict = teacher->CurrentView().puzzle->sheetFile;
  EXPECT_NE(strict.find("\n# off for pupils: reveal,timer\n"), std::string::npos) << strict;
  EXPECT_NE(teacher->CurrentView().choices.Encode().find("off=reveal%2Ctimer"), std::string::npos);
  teacher->Compile(true);
  testing::FinishCompile(*teacher);
  EXPECT_NE(FileOf(*teacher).find("# off for pupils: reveal,timer"), std::string::npos) << "the next puzzle keeps them";

  auto pupil = NewSession();
  EXPECT_TRUE(pupil->OpenText(strict, "link").messages.empty());
  EXPECT_TRUE(pupil->Resume(progress).done);
  const View view = pupil->CurrentView();
  EXPECT_EQ(view.picture.rings[3], PuzzleOf(*pupil).board.SquareWord[3]) << "the letters come back";
  EXPECT_EQ(OfferDigits(view.offer) + (view.offer.check ? " check" : "") + (view.offer.reveal ? " reveal" : ""), "111100 check");
  EXPECT_FALSE(view.clock.shown);
  EXPECT_EQ(EnglishText(view.rulesNote), "Your teacher has turned off Reveal letter and the timer.");
  EXPECT_FALSE(pupil->Reveal().done);
  EXPECT_EQ(pupil->CurrentView().picture, view.picture);
  teacher->StartSolving();
  Fill(*teacher, 2);
  EXPECT_FALSE(pupil->Resume(FileOf(*teacher)).done) << "the progress of another puzzle";
  EXPECT_EQ(pupil->CurrentView().picture, view.picture);

  std::string damaged = strict;  // the damaged texts themselves are the choices tests'
  damaged.replace(damaged.find("reveal,timer"), 12, "revael");
  const Reply reply = pupil->OpenText(damaged, "link", true);
  EXPECT_EQ(EnglishText(reply.Told()), "What your teacher turned off could not be read (\"revael\"): everything is allowed.");
  EXPECT_EQ(pupil->CurrentView().rules, PupilRules{}) << "what the link before turned off is allowed again";
  EXPECT_EQ(ModeOf(*pupil), Mode::ShowingSolution) << "the puzzle opens";
}

TEST_F(SessionTest, AKeyTypesTheLettersTheWordListsOfThePuzzlesLanguageSpellAsOneStepAndAnythingElseNothing) {
  const std::string english = FileOf(*NewSession(Start::Solution));
  auto session = NewSession();
  const auto solveIn = [&](Language language) {
    session->OpenText(testing::PuzzleFileIn(english, language), "typed.loopword", true);
    session->StartSolving();
    const RingCell cell = testing::FreeCell(session->CurrentView());
    session->Select(cell);
    return cell;
  };
  for (const auto& [language, key, fills] : testing::TypedKeys()) {
    const RingCell cell = solveIn(language);
    const View before = session->CurrentView();
    const Reply reply = session->Key(key, false, false);
    const View after = session->CurrentView();
    EXPECT_EQ(reply.done, !fills.empty()) << key;
    EXPECT_EQ(testing::RingFrom(after, cell), testing::RingOf(fills)) << key;
    if (fills.empty()) {
      EXPECT_EQ(after.picture, before.picture) << key;
      EXPECT_FALSE(after.offer.undo) << key;
    }
    session->Undo();
    EXPECT_EQ(session->CurrentView().picture, before.picture) << key << ": one step";
  }
  const RingCell cell = solveIn(Language::German);
  for (const char* key : {"M", "\xC3\x84", "D", "c", "H", "E", "N"}) session->Key(key, false, false);
  EXPECT_EQ(testing::RingFrom(session->CurrentView(), cell), "MAEDCHEN") << "as the German lists spell it";

  const int square = cell.square;
  const struct { const char* key; bool control, shift, done; int square; } moves[] = {
      {"PageDown", false, false, true, square % kSquareCount + 1},
      {"PageUp", false, false, true, square},
      {"PageUp", false, true, true, (square + kSquareCount - 2) % kSquareCount + 1},
      {"Tab", false, false, false, (square + kSquareCount - 2) % kSquareCount + 1},  // Tab leaves the figure
      {"x", true, false, false, (square + kSquareCount - 2) % kSquareCount + 1},
  };
  for (const auto& [key, control, shift, done, toSquare] : moves) {
    const View before = session->CurrentView();
    EXPECT_EQ(session->Key(key, control, shift).done, done) << key;
    const View after = session->CurrentView();
    EXPECT_EQ(after.picture.cursor->square, toSquare) << key;
    if (!done) {
      EXPECT_EQ(after.picture, before.picture) << key;
    }
  }
  session->PressViewButton(true);
  EXPECT_FALSE(session->Key("a", false, false).done) << "no letters but while solving";
}

TEST_F(SessionTest, ACompileThatMakesNoPuzzleLeavesThePuzzleBeingSolvedItsLettersTimeAndStepsAsTheyWere) {
  const std::vector<std::string> without = testing::PlantedList(6, 26, 8, 1);  // no puzzle: the compile tests'
  const auto stop = [](Session& session) { session.PressViewButton(); };
  const struct { const char* name; std::function<void(Session&)> end; bool saved; } cases[] = {
      {"none can be made", [](Session& session) { testing::FinishCompile(session); }, false},
      {"stopped before it made one", stop, false},
      {"stopped, the letters saved before", stop, true},
  };
  for (const auto& [name, end, saved] : cases) {
    auto session = NewSession(saved ? Start::SolvingWithSavedLetters : Start::SolvingWithLetters);
    session->ChooseWordList(kUserDictionary, files.Write("list.txt", testing::ListText(without)));
    session->EnterStartWord(without[0]);
    now = 20'000;
    const View before = session->CurrentView();
    EXPECT_EQ(session->Compile().question.empty(), saved) << name << ": asks first while letters are unsaved";
    session->Compile(true);
    ASSERT_EQ(ModeOf(*session), Mode::Compiling) << name;
    now += 30'000;
    end(*session);
    const View after = session->CurrentView();
    EXPECT_EQ(std::tuple(after.mode, after.offer, after.counts, after.clock.elapsedMs, after.unsaved),
              std::tuple(Mode::Solving, before.offer, before.counts, before.clock.elapsedMs, !saved)) << name;
    EXPECT_EQ(after.picture, before.picture) << name;
    EXPECT_EQ(after.puzzle->file, before.puzzle->file) << name;
    EXPECT_TRUE(session->Undo().done) << name << ": the letters typed before can be taken back";
  }
}

/// Plays `steps` on a session solving its puzzle from square 1's first cell, most by the keys a browser names: a
/// letter types it, '<' is Backspace, '>' moves right, '1' goes back to the first cell, 'p' turns the pencil on or
/// off, 'c' checks, 'r' reveals, 'u' undoes (Ctrl+Z), 'd' and 'y' redo (Ctrl+Shift+Z, Ctrl+Y), '0' starts over, 's'
/// marks the letters saved, 'o' opens the puzzle's own file, 'n' solves a new puzzle. What square 1 shows then: its
/// ring (pencil letters in lower case), '!' under each mark, which of undo and redo are on offer and whether letters
/// are unsaved.
std::string Played(Session& session, std::string_view steps) {
  session.ClickAt(CellPoint(1, 1));
  for (const char step : steps) {
    if (step >= 'A' && step <= 'Z') session.Key(std::string(1, step), false, false);
    if (step == '<') session.Key("Backspace", false, false);
    if (step == '>') session.Key("ArrowRight", false, false);
    if (step == '1') session.Select({1, 1});
    if (step == 'p') session.Key(".", false, false);
    if (step == 'c') session.Check();
    if (step == 'r') session.Reveal();
    if (step == 'u') session.Key("z", true, false);
    if (step == 'd') session.Key("Z", true, true);
    if (step == 'y') session.Key("y", true, false);
    if (step == '0') session.StartOver(true);
    if (step == 's') session.MarkSaved();
    if (step == 'o') session.OpenText(FileOf(session), "saved.loopword", true);
    if (step == 'n') session.Compile(true);
    testing::FinishCompile(session);
    if (step == 'n') session.StartSolving();
  }
  View view = session.CurrentView();
  if (view.pencil) session.TogglePencil();  // the next row starts in ink
  std::string marks(kRingSize, ' ');
  for (const RingCell& cell : view.picture.marked) {
    if (cell.square == 1) marks[static_cast<std::size_t>(cell.position - 1)] = '!';
  }
  for (const RingCell& cell : view.picture.pencil) {
    if (cell.square == 1) view.picture.rings[1][static_cast<std::size_t>(cell.position - 1)] += 'a' - 'A';
  }
  const std::string history = std::string(view.offer.undo ? "undo" : "") + (view.offer.redo ? " redo" : "");
  return view.picture.rings[1] + "|" + marks + "|" + history + (view.unsaved ? " unsaved" : "");
}

TEST_F(SessionTest, EachLetterOrCheckIsAStepToUndoUnsavedLettersAreKnownAndPencilLettersNeverSolveButGoWithTheFile) {
  auto session = NewSession(Start::Solving);
  const std::string first(1, PuzzleOf(*session).board.SquareWord[1][0]);
  const std::string wrong(1, first[0] == 'Q' ? 'X' : 'Q');
  const struct { std::string steps, shows; } cases[] = {
      {"ABCuuuddd", "ABC     |        |undo unsaved"},
      {"ABCuuuuuu", "        |        | redo"},          // nothing more to undo: nothing changes
      {"ABCuuddyd", "ABC     |        |undo unsaved"},    // nothing more to redo
      {"ABCuuZd", "AZ      |        |undo unsaved"},     // a new letter drops what was undone
      {"ABC<", "AB      |        |undo unsaved"},
      {"ABC<u", "ABC     |        |undo redo unsaved"},
      {"A>>>>u", "        |        | redo"},             // moving is no step
      {wrong + "cu", wrong + "       |        |undo redo unsaved"},
      {wrong + "cud", wrong + "       |!       |undo unsaved"},
      {"cc", "        |        |"},                     // a check that marks nothing changes nothing
      {"ru", "        |        | redo"},
      {"p", "        |        |"},                      // the pencil itself is no step
      {"pAB", "ab      |        |undo unsaved"},
      {"pABu", "a       |        |undo redo unsaved"},
      {"pr", first + "       |        |undo unsaved"},  // a revealed letter is sure
      {"AsB", "AB      |        |undo unsaved"},
      {"ABsu", "A       |        |undo redo unsaved"},
      {"Asud", "A       |        |undo"},               // back to what was saved
      {"ABuou", "A       |        |"},                  // opened with its letters: nothing to undo
      {"Ao1B", "B       |        |undo unsaved"},
      {"AB0", "        |        |undo"},               // started over: no letters, as when it began
      {"pAp" + wrong + "c0u", "a" + wrong + "      | !      |undo redo unsaved"},  // letters, pencil and marks back
      {"AB0ud", "        |        |undo"},
      {"AB0uA", "ABA     |        |undo unsaved"},      // the cell selected before
      {"ABunu", "        |        |"},                  // a new puzzle: the last row, as it changes the puzzle
  };
  for (const auto& [steps, shows] : cases) {
    const std::string played = Played(*session, steps);
    session->PressViewButton(true);  // the next row starts afresh
    session->StartSolving();
    std::string expected = shows;
    const std::string fresh = session->CurrentView().picture.rings[1];  // a hint cell shows its letter, typed or not
    for (std::size_t p = 0; p < fresh.size(); ++p) expected[p] = fresh[p] == ' ' ? expected[p] : fresh[p];
    EXPECT_EQ(played, expected) << steps;
  }
  session->TogglePencil();  // on the new puzzle
  EXPECT_EQ(Fill(*session, 1, kSquareCount), std::vector<std::string>{}) << "guesses never solve";
  const View guessed = session->CurrentView();
  EXPECT_EQ(EnglishText(session->Exit().question), "Exiting ends solving this puzzle. Exit anyway?") << "guesses";
  auto reopened = NewSession();
  EXPECT_TRUE(reopened->OpenText(FileOf(*session), "guesses.loopword").messages.empty());
  EXPECT_EQ(reopened->CurrentView().picture.rings, guessed.picture.rings);
  EXPECT_EQ(reopened->CurrentView().picture.pencil, guessed.picture.pencil);
  std::string damaged = FileOf(*session);
  damaged.replace(damaged.find("# pencil 01 ") + 12, 2, "zz");
  const Reply opened = reopened->OpenText(damaged, "damaged.loopword");
  EXPECT_EQ(EnglishText(opened.Told()), "Some pencil letters kept with this puzzle were damaged and were left out.");
  EXPECT_GT(reopened->CurrentView().picture.pencil.size(), 100u) << "the puzzle opens with the other pencil lines";
  EXPECT_LT(reopened->CurrentView().picture.pencil.size(), guessed.picture.pencil.size());
}

TEST_F(SessionTest, EachMessageSaysItsKindAndEachReplyWhetherTheProgressToKeepChanged) {
  using enum MessageKind;
  struct KindCase { const char* name; Start start; std::function<Reply(Session&)> command; MessageKind gravest; bool progress; };
  const KindCase cases[] = {
      {"a letter typed", Start::Solving, [](Session& s) { return s.Type("A"); }, Status, true},
      {"a cell clicked", Start::Solving, [](Session& s) { return s.ClickAt(CellPoint(3, 2)); }, Status, true},
      {"check", Start::SolvingWithLetters, [](Session& s) { return s.Check(); }, Status, true},
      {"the clock paused", Start::Solving, [](Session& s) { return s.PauseClock(true); }, Status, true},
      {"the clock paused with nothing solved", Start::Solution, [](Session& s) { return s.PauseClock(true); }, Status, false},
      {"solving begun", Start::Solution, [](Session& s) { return s.StartSolving(); }, Status, true},
      {"solving ended", Start::SolvingWithLetters, [](Session& s) { return s.PressViewButton(true); }, Status, true},
      {"the other sheet", Start::Solution, [](Session& s) { return s.PressViewButton(); }, Status, false},
      {"the pencil", Start::Solving, [](Session& s) { return s.TogglePencil(); }, Status, false},
      {"a compile ended", Start::Compiling, [](Session& s) { return testing::FinishCompile(s); }, Status, false},
      {"theme words left out", Start::Fresh, [](Session& s) { return s.ChooseTheme("ELEPHANT\nzoo", ""); }, Warning, false},
      {"a word list that is not there", Start::Fresh, [](Session& s) { return s.ChooseWordList(3); }, Error, false},
      {"a damaged puzzle text", Start::Solving, [](Session& s) { return s.OpenText("not a puzzle", "x.loopword"); }, Error, false},
      {"a choice while compiling", Start::Compiling, [](Session& s) { return s.ChooseRandomStartWord(); }, Error, false},
  };
  for (const KindCase& c : cases) {
    auto session = NewSession(c.start);
    const Reply reply = c.command(*session);
    EXPECT_EQ(std::pair(reply.Gravest(), reply.changed.progress), std::pair(c.gravest, c.progress)) << c.name;
    if (c.gravest != Status) {
      EXPECT_FALSE(reply.Told().empty()) << c.name << ": says what went wrong";
    }
    EXPECT_EQ(reply.done, c.gravest != Error) << c.name << ": a refusal is an error";
  }
}

}  // namespace
}  // namespace loopword
