// Drives the Solution menu's fill choices in the window: remembered between runs, and every way a
// compile can end told to the user with the window left sound.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>

#include "app/form1.h"
#include "support/brute_force.h"
#include "support/puzzle_check.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

class FillModesTest : public ::testing::Test {
 protected:
  FillModesTest() { std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / "L1words.txt", folder.Path() / "L1words.txt"); }

  std::unique_ptr<Form1> Open() { return std::make_unique<Form1>(toolkit, folder.Path().string()); }

  /// Loads `words` as the user's list, types `start` as the starting word, compiles; the message shown.
  std::string CompileFrom(Form1& window, const std::vector<std::string>& words, const std::string& start) {
    std::string text;
    for (const std::string& word : words) text += word + "\n";
    toolkit.fileReplies = {folder.Write("list.txt", text)};
    window.MenuItem("mnuDictLevel0")->trigger();
    toolkit.inputReplies = {start};
    window.MenuItem("mnuStart1")->trigger();
    toolkit.messages.clear();
    window.MenuItem("mnuSolve")->trigger();
    return toolkit.messages.size() == 1 ? toolkit.messages[0] : "(not one message)";
  }

  testing::TempDir folder;
  testing::ScriptedToolkit toolkit{folder.Path().string()};
};

TEST_F(FillModesTest, ChoicesStartOffAndAreRememberedBetweenRuns) {
  auto window = Open();
  EXPECT_FALSE(window->MenuItem("mnuVaried")->isChecked() || window->MenuItem("mnuUnique")->isChecked());
  window->MenuItem("mnuVaried")->trigger();
  window = Open();
  EXPECT_TRUE(window->MenuItem("mnuVaried")->isChecked());
  EXPECT_FALSE(window->MenuItem("mnuUnique")->isChecked());
  window->MenuItem("mnuUnique")->trigger();
  window->mnuSolve_Click();
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Done"});
  std::set<std::string> words;
  for (int n = 1; n <= window->Dictionaries().WordCount(); ++n) words.insert(ToString(window->Dictionaries().Words()->WordPool(n)));
  EXPECT_EQ(testing::CheckPuzzle(window->CurrentPuzzle().List2, words), "");
  EXPECT_TRUE(window->ButtonEnabled() && window->MenuItem("mnuSave")->isEnabled());
  window->MenuItem("mnuVaried")->trigger();
  window->MenuItem("mnuUnique")->trigger();
}

TEST_F(FillModesTest, SmallListsGetAPuzzleOrAProofTooFewWordsAreToldAtOnce) {
  auto window = Open();
  std::vector<std::string> twenty = testing::PlantedList(1, 26, 0, 0);
  twenty.resize(20);
  EXPECT_EQ(CompileFrom(*window, twenty, twenty[0]), "A puzzle needs 23 different words; this dictionary has 20.");
  int made = 0, proven = 0;
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    const std::vector<std::string> list = testing::PlantedList(seed, 26, 8, seed % 3 == 0 ? 1 : 0);
    testing::GridProblem problem{{list.begin() + 1, list.end()}, list[0], {}};
    problem.words.erase(list[0]);
    const bool exists = !testing::BruteForceGrids(problem, 1).empty();
    EXPECT_EQ(CompileFrom(*window, list, list[0]), exists ? "Done" : ImpossibleMessage(list[0])) << "seed " << seed;
    EXPECT_EQ(window->ButtonEnabled(), exists);
    made += exists;
    proven += !exists;
  }
  EXPECT_TRUE(made > 0 && proven > 0) << "both endings tried";
}

}  // namespace
}  // namespace loopword
