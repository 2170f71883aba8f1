// The first puzzle a front end shows and what it keeps between visits, through a real session on the bundled Level 1.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/first_puzzle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "board/geometry.h"
#include "puzzle/web_page.h"
#include "support/session_steps.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

using Entries = std::map<std::string, std::string>;

class FirstPuzzleTest : public ::testing::Test {
 protected:
  FirstPuzzleTest() {
    for (const char* list : {"L1words.txt", "de-L1words.txt"}) {
      std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / list, program.Path() / list);
    }
  }

  std::unique_ptr<Session> NewSession(bool wordLists = true) {
    return testing::ClockedSession(program.Path().string(), [] { return std::int64_t{0}; }, wordLists);
  }

  /// Lets every compile the first puzzle waits for run to its end; what it said once it waits no more.
  static Reply Settled(Session& session, FirstPuzzle& first, Reply reply, bool* compiled = nullptr) {
    while (first.Waiting()) {
      if (compiled) *compiled = true;
      testing::FinishCompile(session);
      reply = first.AfterCompile();
    }
    return reply;
  }

  /// The puzzle file text the address's seed makes, and its progress after letters typed into square 3.
  void MakePuzzle() {
    auto maker = NewSession();
    maker->SeedNextCompile(12);
    maker->Compile();
    testing::FinishCompile(*maker);
    maker->StartSolving();
    maker->ClickAt(CellPoint(3, 1));
    for (const char* letter : {"A", "B", "C"}) maker->Type(letter);
    const View solved = maker->CurrentView();
    puzzle = solved.puzzle->sheetFile;
    key = solved.puzzle->key;
    progress = solved.puzzle->file;
  }

  static std::string Named(const Text& name) { return name.source; }

  testing::TempDir program;
  std::string puzzle, key, progress;
};

TEST_F(FirstPuzzleTest, ALinkASavedPageTheSeedTheLastPuzzleOrANewOneEachSolvedFromWhereItWasLeft) {
  MakePuzzle();
  // given: the puzzle on show is the one made above; resumed: with its letters; compiled: a compile ran first
  struct StartCase { const char* name; Entries kept; StartAddress address; Visit visit; bool given, resumed, compiled; MessageKind told; };
  const std::string link = PercentEncoded(puzzle);
  const Entries solvedHere{{"puzzle:" + key, progress}, {"square:" + key, "3.6"}, {"choices", "language=de"}, {"last", "own"}};
  const Entries lastHere{{"last", puzzle}, {"choices", "language=de"}};
  const StartCase cases[] = {  // links cut short or changed: the puzzle link and puzzle file tests'
      {"a link", {}, {"", link, ""}, Visit::PupilLink, true, false, false, MessageKind::Status},
      {"a link to a puzzle solved here before", solvedHere, {"", link, ""}, Visit::PupilLink, true, true, false, MessageKind::Status},
      {"a saved page's puzzle", solvedHere, {"", "", Base64(puzzle)}, Visit::Own, true, true, false, MessageKind::Status},
      {"a damaged link", lastHere, {"", "%E0%A4%A", ""}, Visit::DamagedLink, false, false, false, MessageKind::Error},
      {"a link that is no puzzle", lastHere, {"", "not%20a%20puzzle", ""}, Visit::DamagedLink, false, false, false, MessageKind::Error},
      {"a damaged saved page, nothing kept", {}, {"", "", "!not base 64!"}, Visit::Own, false, false, true, MessageKind::Warning},
      {"the address's seed", {}, {"seed=12", "", ""}, Visit::Own, true, false, true, MessageKind::Status},
      {"the address's seed, the page kept in German", lastHere, {"seed=12", "", ""}, Visit::Own, true, false, true, MessageKind::Status},
      {"the last puzzle kept", lastHere, {}, Visit::Own, true, false, false, MessageKind::Status},
      {"nothing kept", {}, {}, Visit::Own, false, false, true, MessageKind::Status},
      {"a last puzzle that no longer opens", {{"last", "junk"}}, {}, Visit::Own, false, false, true, MessageKind::Status},
      {"damaged choices kept", {{"choices", "level=banana"}, {"last", puzzle}}, {}, Visit::Own, true, false, false, MessageKind::Warning},
      {"a damaged entry of the timer", {{"timer-hidden", "maybe"}, {"last", puzzle}}, {}, Visit::Own, true, false, false, MessageKind::Warning},
  };
  for (const StartCase& c : cases) {
    auto session = NewSession();
    KeptEntries kept(c.kept);
    FirstPuzzle first(*session, kept, Named);
    bool compiled = false;
    const Reply told = Settled(*session, first, first.Start(c.address), &compiled);
    const View view = session->CurrentView();
    EXPECT_EQ(first.VisitKind(), c.visit) << c.name;
    const bool own = c.visit == Visit::Own;
    for (const char* entry : {"choices", "last"}) {
      EXPECT_EQ(EntriesToKeep(view, own).contains(entry), own && (entry[0] == 'c' || view.offer.puzzle)) << c.name << ": " << entry;
    }
    if (c.visit == Visit::DamagedLink) {
      EXPECT_FALSE(view.offer.puzzle) << c.name << ": no puzzle opens from " << c.address.link;
      EXPECT_EQ(EnglishText(told.Told()), "This link is damaged or cut short. Ask your teacher for it again.") << c.name;
      continue;
    }
    ASSERT_EQ(view.mode, Mode::Solving) << c.name;
    EXPECT_EQ(view.puzzle->key == key, c.given) << c.name;
    EXPECT_EQ(view.puzzle->file == progress, c.resumed) << c.name;
    EXPECT_EQ(compiled, c.compiled) << c.name;
    EXPECT_EQ(told.Gravest(), c.told) << c.name << ": " << EnglishText(told.Told());
    if (c.resumed) {
      EXPECT_EQ(view.reading.current, (RingCell{3, 6})) << c.name << ": the cell selected when it was left";
    }
    const auto changes = kept.TakeChanges();
    EXPECT_EQ(changes.contains("last") && !changes.at("last"), c.kept.contains("last") && !c.given) << c.name << ": a last puzzle that does not open goes";
  }
}

TEST_F(FirstPuzzleTest, AFrontEndThatOnlySolvesOpensWhatNeedsNoCompileAndHandsTheRestOverThroughWhatItKeeps) {
  MakePuzzle();
  struct SolverCase { const char* name; Entries kept; StartAddress address; bool needsMaking; };
  const Entries germanLevel2{{"choices", "language=de&level=2&difficulty=hard"}};
  const std::vector<SolverCase> cases = {
      {"a link", {}, {"", PercentEncoded(puzzle), ""}, false},
      {"the last puzzle kept", {{"last", puzzle}}, {}, false},
      {"a new visitor, a puzzle made beforehand", germanLevel2, {.ready = puzzle}, false},
      {"a new visitor, none made beforehand", germanLevel2, {}, true},
      {"a made puzzle that does not open", germanLevel2, {.ready = "junk"}, true},
      {"the address's seed", {}, {"seed=12", "", ""}, true},
  };
  for (const SolverCase& c : cases) {
    auto session = NewSession(false);  // a front end that only solves
    KeptEntries kept(c.kept);
    FirstPuzzle first(*session, kept, Named, {});
    const Reply told = first.Start(c.address);
    EXPECT_EQ(first.NeedsMaking(), c.needsMaking) << c.name;
    EXPECT_FALSE(first.Waiting()) << c.name << ": no compile runs";
    EXPECT_NE(told.Gravest(), MessageKind::Error) << c.name << ": " << EnglishText(told.Told());
    const View shown = session->CurrentView();
    EXPECT_EQ(shown.mode, c.needsMaking ? Mode::Idle : Mode::Solving) << c.name;
    if (c.needsMaking) continue;
    EXPECT_EQ(shown.puzzle->key, key) << c.name;
    session->ClickAt(CellPoint(3, 1));
    session->Type("Q");
    const Entries handed = EntriesToKeep(session->CurrentView(), first.VisitKind() == Visit::Own);
    if (c.kept == germanLevel2) {
      EXPECT_EQ(handed.at("choices"), c.kept.at("choices")) << c.name << ": the choices as kept";
    }

    auto maker = NewSession();  // the front end that makes puzzles takes over from what was kept
    KeptEntries takenOver(handed);
    FirstPuzzle again(*maker, takenOver, Named);
    Settled(*maker, again, again.Start(c.address));
    EXPECT_EQ(maker->CurrentView().puzzle->file, session->CurrentView().puzzle->file) << c.name << ": the letters typed";
    EXPECT_EQ(maker->CurrentView().choices, session->CurrentView().choices) << c.name;
  }
}

TEST_F(FirstPuzzleTest, AClassLinkOffersItsNumbersAndOpensTheNumberChosenBeforeAgain) {
  auto teacher = NewSession();
  ASSERT_TRUE(teacher->MakeClassSet(3, [](int, int) { return true; }, [](MadePuzzle&&) { return true; }).done);
  const std::string link = ClassLinkOf(*teacher->CurrentView().classSet, "https://example.org/").link;
  const std::string query = link.substr(link.find('?'));
  std::string pupilsKey;
  for (const auto& [entries, chosen] : {std::pair(Entries{{"choices", "level=banana"}}, ""), std::pair(Entries{{"class:" + query, "2"}}, "2")}) {
    auto pupil = NewSession();
    KeptEntries kept(entries);
    FirstPuzzle first(*pupil, kept, Named);
    Reply told = Settled(*pupil, first, first.Start({query, "", ""}));
    if (*chosen == '\0') {
      EXPECT_EQ(told.Gravest(), MessageKind::Warning) << "the damaged choices kept are told of";
    }
    EXPECT_EQ(first.Chooser(), (ClassChooser{3, chosen, *chosen == '\0'})) << chosen << ": shown until a puzzle is";
    EXPECT_EQ(first.VisitKind(), Visit::ClassLink);
    if (*chosen == '\0') {
      EXPECT_EQ(pupil->CurrentView().mode, Mode::Idle) << "the chooser waits for a number";
      EXPECT_FALSE(first.OpenNumber(4).done) << "a number that is not the set's";
      told = Settled(*pupil, first, first.OpenNumber(2));
      EXPECT_EQ(kept.TakeChanges().at("class:" + query), "2");
      pupilsKey = pupil->CurrentView().puzzle->key;
    }
    EXPECT_EQ(pupil->CurrentView().mode, Mode::Solving) << chosen;
    EXPECT_EQ(pupil->CurrentView().puzzle->key, pupilsKey) << "pupil 2's puzzle";
    EXPECT_EQ(EnglishText(told.Told()), "Done");
  }
  for (const auto& [entry, kept] : {std::pair(teacher->CurrentView().classSet->Encode(), true), std::pair(std::string("pupils=3"), false)}) {
    auto nextDay = NewSession();  // the teacher's page the next day: the set shared before is the one shared again
    KeptEntries entries(Entries{{"class-set", entry}});
    FirstPuzzle first(*nextDay, entries, Named);
    const Reply told = Settled(*nextDay, first, first.Start({}));
    EXPECT_EQ(nextDay->CurrentView().classSet == teacher->CurrentView().classSet, kept) << entry;
    EXPECT_EQ(told.Gravest() == MessageKind::Warning, !kept) << entry << ": a damaged entry is told of";
  }
  {  // on a phone kept in German, the English link gives pupil 2 the same puzzle; the chooser comes back when asked
    auto pupil = NewSession();
    KeptEntries kept(Entries{{"choices", "language=de"}});
    FirstPuzzle first(*pupil, kept, Named);
    Settled(*pupil, first, first.Start({query, "", ""}));
    Settled(*pupil, first, first.OpenNumber(2));
    EXPECT_EQ(pupil->CurrentView().puzzle->key, pupilsKey) << "an English class link on a German page";
    EXPECT_EQ(pupil->CurrentView().puzzle->classPlace, (ClassPlace{2, 3, *teacher->CurrentView().classSet->choices.seed}));
    EXPECT_FALSE(first.Chooser()->shown);
    first.ShowChooser();
    EXPECT_TRUE(first.Chooser()->shown) << "not their number";
  }
  std::vector<std::string> damaged = {query + "&language=xx", query + "garbage"};  // cut at every tenth character too
  for (std::size_t cut = 10; cut < query.size(); cut += 10) damaged.push_back(query.substr(0, cut));
  for (const std::string& address : damaged) {
    auto pupil = NewSession();
    KeptEntries kept;
    FirstPuzzle first(*pupil, kept, Named);
    EXPECT_EQ(first.Start({address, "", ""}).Gravest(), MessageKind::Error) << address;
    EXPECT_EQ(first.VisitKind(), Visit::DamagedLink) << address;
    EXPECT_FALSE(first.Chooser()) << address << ": no chooser for a damaged link";
    EXPECT_FALSE(pupil->CurrentView().offer.puzzle) << address;
    EXPECT_EQ(first.OpenNumber(1).Gravest(), MessageKind::Error) << address;
  }
}

TEST_F(FirstPuzzleTest, WhatIsKeptOfAViewIsItsChoicesPuzzleProgressAndCellAndKeptEntriesHandBackOnlyChanges) {
  MakePuzzle();
  auto session = NewSession();
  session->OpenText(progress, "kept.loopword");
  session->Select({5, 2});
  const View view = session->CurrentView();
  const Entries entries = EntriesToKeep(view);
  EXPECT_EQ(entries.at("puzzle:" + key), view.puzzle->file);
  EXPECT_EQ(KeptCell(entries.at("square:" + key)), (RingCell{5, 2}));
  EXPECT_EQ(entries.at("last"), view.puzzle->sheetFile);
  Choices choices = view.choices;
  choices.seed.reset();  // the next compile's seed is not kept
  EXPECT_EQ(DecodeChoices(entries.at("choices")).choices, choices);
  session->PressViewButton(true);
  EXPECT_FALSE(EntriesToKeep(session->CurrentView()).contains("puzzle:" + key)) << "nothing solved, no progress";

  const std::string box = "éléphant = a big grey animal\ngiraffes, 🐘\n";  // the theme box comes back as it was typed
  for (const auto& [theme, shown] : {std::pair("ELEPHANT%3Da+big+grey+animal%0AGIRAFFES", box),
                                     std::pair("GIRAFFES", std::string("GIRAFFES\n"))}) {
    auto again = NewSession();
    KeptEntries keptBox(Entries{{"choices", std::string("theme=") + theme}, {"theme-box", box}});
    FirstPuzzle started(*again, keptBox, Named);
    Settled(*again, started, started.Start({}));
    EXPECT_EQ(again->CurrentView().themeText, shown) << theme << ": the box, while it gives the theme kept";
    EXPECT_EQ(EntriesToKeep(again->CurrentView()).at("theme-box"), shown);
  }

  KeptEntries kept(entries);
  for (const auto& [name, value] : entries) kept.Write(name, value);
  EXPECT_TRUE(kept.TakeChanges().empty()) << "what is kept already is no change";
  kept.Write("last", "other");
  kept.Drop("choices");
  kept.Drop("never kept");
  EXPECT_EQ(kept.KeepWhole({{"timer-hidden", "1"}, {"last", "other"}}),
            (std::map<std::string, std::optional<std::string>>{{"choices", std::nullopt}, {"last", "other"}, {"timer-hidden", "1"}}))
      << "the entries whole, and those dropped";
  EXPECT_EQ(kept.Read("timer-hidden"), "1");
  EXPECT_TRUE(kept.TakeChanges().empty());
  const auto number = [](const std::string& text) { return text == "1"; };
  for (const auto& [value, read] : {std::pair("1", true), std::pair("x", false)}) {
    KeptEntries one(Entries{{"n", value}});
    EXPECT_EQ(one.Read("n", number).has_value(), read) << value;
    EXPECT_EQ(one.TakeNote().empty(), read) << value << ": a damaged entry is told of";
    EXPECT_EQ(one.TakeChanges().size(), read ? 0u : 1u) << value << ": and dropped";
  }
  for (const auto& [text, cell] : {std::pair("7.3", std::optional(RingCell{7, 3})), std::pair("7", std::optional(RingCell{7, 1})),
                                   std::pair("x.3", std::optional<RingCell>())}) {
    EXPECT_EQ(KeptCell(text), cell) << text;
  }
}

}  // namespace
}  // namespace loopword
