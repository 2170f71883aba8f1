// The first puzzle a front end shows and what it keeps between visits, through a real session on the bundled Level 1.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/first_puzzle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
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

}  // namespace
}  // namespace loopword
