// The session without any window: each command in each mode, compiles to their end, solving against a fake clock, files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <numeric>

#include "board/geometry.h"
#include "session/session.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/web_page.h"
#include "support/brute_force.h"
#include "support/compiled_puzzles.h"
#include "support/puzzle_check.h"
#include "support/recording_canvas.h"
#include "support/temp_dir.h"
#include "words/theme_words.h"

namespace loopword {
namespace {

/// Where a row of the command table starts.
enum class Start { Fresh, Compiling, Solution, Puzzle, Solving, SolvingWithLetters };

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / "L1words.txt", program.Path() / "L1words.txt");
  }

  /// Advances the running compile to its end; what its last step replied.
  static Reply Finish(Session& session) {
    Reply reply;
    while (session.CurrentMode() == Mode::Compiling) reply = session.AdvanceCompile();
    return reply;
  }

  /// Brings `session` to `start`.
  static void Reach(Session& session, Start start) {
    if (start == Start::Fresh) return;
    session.Compile();
    if (start == Start::Compiling) return;
    Finish(session);
    if (start == Start::Puzzle) session.PressViewButton();
    if (start == Start::Solving || start == Start::SolvingWithLetters) session.StartSolving();
    if (start == Start::SolvingWithLetters) Fill(session, 4);
  }

  /// Types the word of every square from `first` to `last` into its ring from the first cell; the messages told.
  static std::vector<std::string> Fill(Session& session, int first, int last = 0) {
    std::vector<std::string> told;
    for (int s = first; s <= std::max(first, last); ++s) {
      session.ClickAt(CellPoint(s, 1));
      for (const char letter : session.CurrentPuzzle().board.SquareWord[static_cast<std::size_t>(s)]) {
        const std::string message = EnglishText(session.Type(letter).message);
        if (!message.empty()) told.push_back(message);
      }
    }
    return told;
  }

  std::unique_ptr<Session> NewSession() {
    return std::make_unique<Session>(program.Path().string(), picture, [this] { return now; });
  }

  testing::TempDir program, files;
  testing::RecordingCanvas canvas;
  Picture picture{canvas};
  std::int64_t now = 0;
};

struct CommandCase { const char* name; Start start; std::function<Reply(Session&)> command; Mode mode; const char* caption; bool asks, redraw; };

TEST_F(SessionTest, EachModeOffersItsCommandsEachCommandLeadsToItsModeAndCaption) {
  const auto press = [](Session& s) { return s.PressViewButton(); };
  const auto pressYes = [](Session& s) { return s.PressViewButton(true); };
  const auto compile = [](Session& s) { return s.Compile(); };
  const auto solve = [](Session& s) { return s.StartSolving(); };
  const auto check = [](Session& s) { return s.Check(); };
  const auto exit = [](Session& s) { return s.Exit(); };
  const auto openSaved = [this](Session& s, bool yes) {
    const std::string path = (files.Path() / "saved.loopword").string();
    return s.Save(path).message.empty() ? s.Open(path, yes) : Reply{Message(Phrase("not saved")), {}, false};
  };
  const auto open = [openSaved](Session& s) { return openSaved(s, false); };
  const auto openYes = [openSaved](Session& s) { return openSaved(s, true); };
  const std::vector<CommandCase> cases = {
      {"press with nothing to show", Start::Fresh, press, Mode::Idle, kShowPuzzle, false, false},
      {"press to stop", Start::Compiling, press, Mode::Idle, kShowSolution, false, true},
      {"press for the puzzle", Start::Solution, press, Mode::ShowingPuzzle, kShowSolution, false, true},
      {"press for the solution", Start::Puzzle, press, Mode::ShowingSolution, kShowPuzzle, false, true},
      {"press while solving, nothing typed", Start::Solving, press, Mode::ShowingSolution, kShowPuzzle, false, true},
      {"press while solving, letters typed", Start::SolvingWithLetters, press, Mode::Solving, kShowSolution, true, false},
      {"press while solving, confirmed", Start::SolvingWithLetters, pressYes, Mode::ShowingSolution, kShowPuzzle, false, true},
      {"compile", Start::Fresh, compile, Mode::Compiling, kStop, false, false},
      {"compile while compiling", Start::Compiling, compile, Mode::Compiling, kStop, false, false},
      {"compile while solving, nothing typed", Start::Solving, compile, Mode::Compiling, kStop, false, false},
      {"compile while solving, letters typed", Start::SolvingWithLetters, compile, Mode::Solving, kShowSolution, true, false},
      {"solve with no puzzle", Start::Fresh, solve, Mode::Idle, kShowPuzzle, false, false},
      {"solve the puzzle sheet", Start::Puzzle, solve, Mode::Solving, kShowSolution, false, true},
      {"solve while solving", Start::Solving, solve, Mode::Solving, kShowSolution, false, false},
      {"check while not solving", Start::Solution, check, Mode::ShowingSolution, kShowPuzzle, false, false},
      {"check while solving", Start::Solving, check, Mode::Solving, kShowSolution, false, true},
      {"exit while compiling", Start::Compiling, exit, Mode::Closed, kShowPuzzle, false, false},
      {"exit while solving, letters typed", Start::SolvingWithLetters, exit, Mode::Solving, kShowSolution, true, false},
      {"open a saved puzzle", Start::Puzzle, open, Mode::ShowingSolution, kShowPuzzle, false, true},
      {"open letters typed into a saved puzzle", Start::SolvingWithLetters, open, Mode::Solving, kShowSolution, true, false},
      {"open them, confirmed: solving goes on", Start::SolvingWithLetters, openYes, Mode::Solving, kShowSolution, false, true},
  };
  const std::map<Start, std::string> offers = {{Start::Fresh, "1000"}, {Start::Compiling, "0001"}, {Start::Solution, "1101"},
      {Start::Puzzle, "1101"}, {Start::Solving, "1111"}, {Start::SolvingWithLetters, "1111"}};  // commands, puzzle's, solving's, view button
  for (const CommandCase& c : cases) {
    auto session = NewSession();
    Reach(*session, c.start);
    const Offer o = session->Offered();
    EXPECT_EQ((std::string{char('0' + o.commands), char('0' + o.puzzle), char('0' + o.solving), char('0' + o.viewButton)}), offers.at(c.start)) << c.name;
    const Reply reply = c.command(*session);
    EXPECT_EQ(session->CurrentMode(), c.mode) << c.name;
    EXPECT_STREQ(session->Caption(), c.caption) << c.name;
    EXPECT_EQ(!reply.question.empty(), c.asks) << c.name;
    EXPECT_EQ(reply.redraw, c.redraw) << c.name;
    EXPECT_TRUE(reply.message.empty()) << c.name << ": " << reply.message;
  }
}

TEST_F(SessionTest, TypedWordsAreReadInTheListsLanguageAndAWordThatDoesNotFoldChangesNothing) {
  const struct {
    Language language;
    std::string typed, startWord, message;
    std::vector<std::string> theme;  // of "Mädchen" and the typed word
  } cases[] = {
      {Language::German, "Fu\u00DFball", "FUSSBALL", "", {"MAEDCHEN", "FUSSBALL"}},
      {Language::German, "Fu\u00DFb\u00E4lle", "GIRAFFES", "Fu\u00DFb\u00E4lle reads as FUSSBAELLE: not 8 letters A to Z.", {"MAEDCHEN"}},
      {Language::French, "\u00E9l\u00E9phant", "ELEPHANT", "", {"ELEPHANT"}},
      {Language::English, "\u00E9l\u00E9phant", "GIRAFFES", "Specify A..Z leters", {}},
      {Language::English, "platypus", "PLATYPUS", "", {"PLATYPUS"}},
  };
  for (const auto& c : cases) {
    auto session = NewSession();
    session->ChooseLanguage(c.language);
    session->EnterStartWord("giraffes");
    const std::size_t drawn = canvas.ops.size();
    const Reply reply = session->EnterStartWord(c.typed);
    EXPECT_EQ(EnglishText(reply.message), c.message) << c.typed;
    EXPECT_EQ(session->StartWord(), c.startWord) << c.typed;
    EXPECT_EQ(reply.redraw, c.message.empty()) << c.typed;
    if (!c.message.empty()) {
      EXPECT_EQ(canvas.ops.size(), drawn) << "nothing drawn for " << c.typed;
    }
    session->ChooseTheme("M\u00E4dchen, " + c.typed, "");
    EXPECT_EQ(session->Theme().words, c.theme) << c.typed;
  }
}

TEST_F(SessionTest, ACompileEndsWithAPuzzleOrAProofAndAStopSaysNothing) {
  auto session = NewSession();
  session->Compile();
  for (int step = 0; step < 5; ++step) session->AdvanceCompile();
  EXPECT_TRUE(session->PressViewButton().message.empty());
  EXPECT_FALSE(session->HasPuzzle());
  const std::vector<std::string> withPuzzle = testing::PlantedList(1, 26, 8, 0);
  const std::vector<std::string> without = testing::PlantedList(6, 26, 8, 1);
  ASSERT_FALSE(testing::BruteForceGrids(testing::AroundFirstWord(withPuzzle), 1).empty());
  ASSERT_TRUE(testing::BruteForceGrids(testing::AroundFirstWord(without), 1).empty());
  const struct { const std::vector<std::string>& words; CompileOptions fill; std::string said; Mode mode; } cases[] = {
      {withPuzzle, {}, "Done", Mode::ShowingSolution},
      {withPuzzle, {true, true}, "Done", Mode::ShowingSolution},
      {without, {}, EnglishText(ImpossibleMessage(without[0])), Mode::Idle},
  };
  for (const auto& c : cases) {
    session->ChooseWordList(kUserDictionary, files.Write("list.txt", std::accumulate(c.words.begin(), c.words.end(), std::string(), [](auto text, auto& word) { return text + word + "\n"; })));
    session->EnterStartWord(c.words[0]);
    session->SetFill(c.fill);
    session->Compile();
    EXPECT_EQ(EnglishText(Finish(*session).message), c.said);
    EXPECT_EQ(session->CurrentMode(), c.mode) << c.said;
  }
}

TEST_F(SessionTest, ThemeWordsGoIntoEveryPuzzleWithTheTitleOrTheFailureSaysWhy) {
  const std::vector<std::string> planted = testing::PlantedList(3, 26, 8, 0);
  const std::vector<std::string> theme(planted.begin() + 5, planted.begin() + 11);  // none of them left in the list
  const auto listWithout = [&](std::size_t fromGrid) {
    std::vector<std::string> list(planted.begin(), planted.begin() + 5);
    list.insert(list.end(), planted.begin() + 11, planted.begin() + static_cast<std::ptrdiff_t>(11 + fromGrid));
    return list;
  };
  std::vector<std::string> unplaceable = theme;
  unplaceable.push_back("ZZZZZZZZ");
  const struct { std::vector<std::string> list, theme; std::string said; } cases[] = {
      {listWithout(12), theme, "Done"},
      {listWithout(12), unplaceable, "The theme words cannot all be placed in one puzzle with this dictionary.\nWithout ZZZZZZZZ they fit."},
      {listWithout(4), theme, "A puzzle needs 23 different words; the dictionary and the theme words have 15."},
  };
  auto session = NewSession();
  for (const auto& [list, themeWords, said] : cases) {
    session->ChooseWordList(kUserDictionary, files.Write("list.txt", std::accumulate(list.begin(), list.end(), std::string(), [](auto text, auto& word) { return text + word + "\n"; })));
    session->ChooseTheme(ThemeText(themeWords), "Week 3 <i>fish</i>");
    EXPECT_NE(EnglishText(session->WindowTitle()).find(" - " + std::to_string(themeWords.size()) + " theme words"), std::string::npos);
    const Reply reply = session->Compile();
    EXPECT_EQ(EnglishText(reply.message.empty() ? Finish(*session).message : reply.message), said);
    if (said != "Done") continue;
    std::set<std::string> words(list.begin(), list.end());
    words.insert(themeWords.begin(), themeWords.end());
    const std::vector<std::string> lines = testing::TextLines(session->CurrentPuzzle());
    EXPECT_EQ(testing::CheckPuzzle(lines, words), "");
    for (const std::string& word : themeWords) EXPECT_EQ(std::ranges::count(SortedWords(session->CurrentPuzzle()), word), 1) << word;
    const std::string path = (files.Path() / "themed.loopword").string();
    session->Save(path);
    const PuzzleFileResult saved = ReadPuzzleFile(path);
    ASSERT_EQ(saved.puzzles.size(), 1u) << saved.message;
    EXPECT_EQ(saved.puzzles[0].puzzle.title, "Week 3 <i>fish</i>");
    EXPECT_EQ(ThemeWordsOf(saved.puzzles[0]), themeWords);
    const BookletOutcome booklet = session->MakeBooklet({2, true}, {true, false}, [](int, int) { return true; });
    ASSERT_EQ(booklet.run.puzzles.size(), 2u) << booklet.failure;
    for (const Puzzle& made : booklet.run.puzzles) {
      EXPECT_EQ(made.title, "Week 3 <i>fish</i>");
      for (const std::string& word : themeWords) EXPECT_EQ(std::ranges::count(SortedWords(made), word), 1) << word;
    }
  }
}

TEST_F(SessionTest, ASeededCompileMakesThePuzzleOfItsSeedAndSavesTheSeedTheNextDrawsOn) {
  auto session = NewSession();
  for (const CompileOptions& fill : {CompileOptions{}, CompileOptions{true, false}}) {
    Compiler compiler(session->Dictionaries().Words(), RandomSource(77));
    Puzzle expected;
    compiler.Compile(expected, "", [](const CompileEvent&) {}, fill);
    session->SetFill(fill);
    session->SeedNextCompile(77);
    session->Compile();
    Finish(*session);
    EXPECT_EQ(session->CurrentPuzzle().placements, expected.placements) << FillName(fill);
    const std::string path = (files.Path() / "seeded.loopword").string();
    session->Save(path);
    EXPECT_NE(testing::ReadFile(path).find("\n# seed: 77\n"), std::string::npos);
    session->Compile();
    Finish(*session);
    session->Save(path);
    EXPECT_EQ(testing::ReadFile(path).find("# seed:"), std::string::npos) << "the seed is the first compile's only";
  }
}

/// The bytes of base64 `text`, read independently of the writer.
std::string FromBase64(std::string_view text) {
  const std::string digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  for (std::size_t i = 0, bits = 0, value = 0; i < text.size() && text[i] != '='; ++i) {
    value = value << 6 | digits.find(text[i]);
    if ((bits += 6) >= 8) bytes += static_cast<char>(value >> (bits -= 8) & 0xFF);
  }
  return bytes;
}

TEST_F(SessionTest, AnExportedWebPageCarriesThePuzzleWithoutTheTypedLettersOrSaysWhyNot) {
  for (const std::string_view bytes : {"", "f", "fo", "foo", "foob", "fooba", "foobar", "\xFF\xFE<\"/>"}) EXPECT_EQ(FromBase64(Base64(bytes)), bytes);
  EXPECT_EQ(Base64("foobar!"), "Zm9vYmFyIQ==");
  auto session = NewSession();
  Reach(*session, Start::SolvingWithLetters);
  const std::string page = files.Write("page.html", "<head>" + std::string(kPagePuzzleSlot) + "</head>");
  const std::string exported = (files.Path() / "class.html").string();
  EXPECT_TRUE(session->ExportWebPage(page, exported).message.empty());
  const std::string html = testing::ReadFile(exported);
  const std::size_t start = html.find("content=\"") + 9;
  const PuzzleFileResult carried = ParsePuzzleText(FromBase64(html.substr(start, html.find('"', start) - start)), "page");
  ASSERT_EQ(carried.puzzles.size(), 1u) << carried.message;
  EXPECT_EQ(carried.puzzles[0].puzzle.placements, session->CurrentPuzzle().placements);
  EXPECT_TRUE(std::none_of(carried.puzzles[0].comments.begin(), carried.puzzles[0].comments.end(), [](const std::string& line) { return line.starts_with("# typed"); }));
  EXPECT_EQ(EnglishText(session->ExportWebPage(files.Write("old.html", "<head></head>"), exported).message),
            "Loopword's web page is missing or damaged:\n" + (files.Path() / "old.html").string());
  EXPECT_EQ(EnglishText(session->ExportWebPage(page, "/proc/none/class.html").message),
            "Loopword could not save the web page to:\n/proc/none/class.html\nThe file could not be written.");
}

TEST_F(SessionTest, TheSolvingClockStopsWhileMinimisedAndSolvedIsToldOncePerSolve) {
  auto session = NewSession();
  Reach(*session, Start::Solving);
  now = 60'000;
  session->PauseClock(true);
  now = 1'000'000;
  session->PauseClock(false);
  now += 127'000;
  EXPECT_EQ(Fill(*session, 1, kSquareCount), std::vector<std::string>{"Solved in 3:07"});
  EXPECT_EQ(Fill(*session, 1), std::vector<std::string>{}) << "told once while it stays solved";
  EXPECT_TRUE(session->Exit().question.empty()) << "a solved puzzle is left without a question";
}

TEST_F(SessionTest, ADamagedFileChangesNothing) {
  auto session = NewSession();
  Reach(*session, Start::SolvingWithLetters);
  const std::string path = (files.Path() / "half.loopword").string();
  session->Save(path);
  std::string damagedLetters = testing::ReadFile(path);
  damagedLetters.replace(damagedLetters.find("# typed 04 ") + 11, 8, "QQ");
  const std::size_t ops = canvas.ops.size();
  for (const std::string& text : {std::string("# Loopword puzzle\n01 ABCDEFGH 1 ABCDEFGX\n"), damagedLetters}) {
    EXPECT_FALSE(session->Open(files.Write("bad.loopword", text)).message.empty());
    EXPECT_EQ(canvas.ops.size(), ops) << "nothing drawn";
    EXPECT_EQ(session->CurrentMode(), Mode::Solving);
  }
}

}  // namespace
}  // namespace loopword
