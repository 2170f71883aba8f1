// What a learning platform is told of a puzzle solved through a real session, and how the progress it kept comes back.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/learning_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "board/geometry.h"
#include "support/session_steps.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

using Told = std::map<std::string, std::string>;

Told AsMap(const std::vector<PlatformValue>& values) { return {values.begin(), values.end()}; }

class LearningPlatformTest : public ::testing::Test {
 protected:
  LearningPlatformTest() {
    std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / "L1words.txt", program.Path() / "L1words.txt");
  }

  /// A session on the fake clock solving the puzzle seed 12 makes.
  std::unique_ptr<Session> Solving() {
    auto session = testing::ClockedSession(program.Path().string(), [this] { return now; });
    session->SeedNextCompile(12);
    session->Compile();
    testing::FinishCompile(*session);
    session->StartSolving();
    return session;
  }

  testing::TempDir program;
  std::int64_t now = 0;
};

TEST(PlatformFigures, ScoreLosesPointsForChecksAndLettersRevealedAndTimeIsWrittenAsSpansAre) {
  const struct { int checks, revealed, score; } scores[] = {{0, 0, 100}, {1, 0, 100 - kCheckPoints}, {0, 1, 100 - kRevealPoints},
                                                          {3, 2, 100 - 3 * kCheckPoints - 2 * kRevealPoints}, {0, 40, 0}, {-1, -1, 100}};
  for (const auto& [checks, revealed, score] : scores) EXPECT_EQ(PlatformScore(checks, revealed), score) << checks << ", " << revealed;
  const struct { std::int64_t ms; const char* span; } times[] = {
      {0, "00:00:00"}, {65'999, "00:01:05"}, {3'600'000 * 25 + 61'000, "25:01:01"}, {-5, "00:00:00"}, {std::int64_t{1} << 50, "9999:59:59"}};
  for (const auto& [ms, span] : times) EXPECT_EQ(PlatformTime(ms), span) << ms;
}

TEST_F(LearningPlatformTest, TheProgressKeptComesBackForItsPuzzleOnlyAndAnAttemptLeftGoesOnWhereItWas) {
  auto session = Solving();
  LearningPlatform first({"learner-7", "normal", "", "", ""});
  first.Report(session->CurrentView());
  now = 42'000;
  testing::TypeAnswers(*session, 3, 4);
  session->TogglePencil();
  session->Type("Q");
  const Told told = AsMap(first.Report(session->CurrentView()));
  EXPECT_EQ(AsMap(first.Leaving(session->CurrentView())), (Told{{"cmi.core.session_time", "00:00:42"}, {"cmi.core.exit", "suspend"}}));
  const View left = session->CurrentView();

  auto again = Solving();  // the next sitting, perhaps on another computer
  const std::string sheet = again->CurrentView().puzzle->sheetFile, key = again->CurrentView().puzzle->key;
  LearningPlatform resumed({"learner-7", "normal", told.at("cmi.suspend_data"), told.at("cmi.core.lesson_location"), ""});
  const std::optional<std::string> progress = resumed.KeptProgress(sheet, key);
  ASSERT_TRUE(progress);
  EXPECT_TRUE(resumed.TakeNote().empty());
  ASSERT_TRUE(again->Resume(*progress).done);
  EXPECT_EQ(again->CurrentView().puzzle->file, left.puzzle->file) << "letters, pencil and time as they were";
  EXPECT_EQ(resumed.LastCell(), left.reading.current);

  const std::string data = told.at("cmi.suspend_data");
  const struct { const char* what; std::string kept; bool noted; } unusable[] = {
      {"none kept", "", false},
      {"cut short", data.substr(0, data.size() - 9), true},
      {"a line changed", std::string(data).replace(data.find("# typed 03") + 11, 1, "Z"), true},
      {"of another program", "<progress/>", true},
      {"only its first line", data.substr(0, data.find('\n')), true},
  };
  for (const auto& [what, kept, noted] : unusable) {
    LearningPlatform platform({"learner-7", "normal", kept, "", ""});
    EXPECT_FALSE(platform.KeptProgress(sheet, key)) << what;
    EXPECT_EQ(EnglishText(platform.TakeNote()).find("damaged or cut short") != std::string::npos, noted) << what;
  }
  LearningPlatform other({"learner-7", "normal", data, "", ""});
  EXPECT_FALSE(other.KeptProgress(sheet, key + "|another placement"));
  EXPECT_NE(EnglishText(other.TakeNote()).find("of another puzzle"), std::string::npos);
}

TEST_F(LearningPlatformTest, BrowseAndReviewShowThePuzzleAndRecordNothingWhichIsSaidOnce) {
  for (const char* mode : {"browse", "review"}) {
    auto session = Solving();
    LearningPlatform platform({"learner-7", mode, "", "", ""});
    EXPECT_FALSE(platform.Records());
    testing::TypeAnswers(*session, 1, kSquareCount);
    EXPECT_TRUE(platform.Report(session->CurrentView()).empty()) << mode;
    EXPECT_TRUE(platform.Leaving(session->CurrentView()).empty()) << mode;
    EXPECT_NE(EnglishText(platform.TakeNote()).find("nothing you do here is recorded"), std::string::npos) << mode;
    EXPECT_TRUE(platform.TakeNote().empty()) << mode;
  }
  LearningPlatform refusing({"learner-7", "normal", "", "", ""});
  refusing.Refused();
  refusing.Refused();
  const std::string said = EnglishText(refusing.TakeNote());
  EXPECT_NE(said.find("did not take"), std::string::npos);
  EXPECT_EQ(said.find("did not take"), said.rfind("did not take")) << "said once";
  refusing.Refused();
  EXPECT_TRUE(refusing.TakeNote().empty());
}

TEST(LearningPlatform, EachLearnerHasOnePuzzleOfTheSetTheSameEveryTimeAndWithoutALearnerTheFirstIsSaid) {
  std::map<int, int> learners;
  for (int id = 1; id <= 300; ++id) {
    const std::string learner = std::to_string(id);
    const int number = LearningPlatform({learner, "normal", "", "", ""}).PuzzleNumber(30);
    ASSERT_GE(number, 1);
    ASSERT_LE(number, 30);
    EXPECT_EQ(LearningPlatform({learner, "", "", "", ""}).PuzzleNumber(30), number) << learner;
    ++learners[number];
  }
  EXPECT_EQ(learners.size(), 30U) << "every puzzle of the set goes to some learner";
  LearningPlatform nobody({"", "normal", "", "", ""});
  EXPECT_EQ(nobody.PuzzleNumber(1), 1);
  EXPECT_TRUE(nobody.TakeNote().empty()) << "one puzzle is everyone's";
  EXPECT_EQ(nobody.PuzzleNumber(30), 1);
  EXPECT_NE(EnglishText(nobody.TakeNote()).find("puzzle 1 of the set"), std::string::npos);
}

}  // namespace
}  // namespace loopword
