// Drives the Solution menu's fill choices in the window: remembered between runs, every ending of a compile told.
#include "support/brute_force.h"
#include "support/window_test.h"

namespace loopword {
namespace {

class FillModesTest : public testing::WindowTest {
 protected:
  /// Loads `words` as the user's list, types `start` as the starting word, compiles; the message shown.
  std::string CompileFrom(Form1& window, const std::vector<std::string>& words, const std::string& start) {
    std::string text;
    for (const std::string& word : words) text += word + "\n";
    toolkit.fileReplies = {target.Write("list.txt", text)};
    window.MenuItem("mnuDictLevel0")->trigger();
    toolkit.inputReplies = {start};
    window.MenuItem("mnuStart1")->trigger();
    toolkit.messages.clear();
    window.MenuItem("mnuSolve")->trigger();
    return toolkit.messages.size() == 1 ? toolkit.messages[0] : "(not one message)";
  }
};

TEST_F(FillModesTest, ChoicesStartOffAndAreRememberedBetweenRuns) {
  auto window = NewWindow();
  EXPECT_FALSE(window->MenuItem("mnuVaried")->isChecked() || window->MenuItem("mnuUnique")->isChecked());
  window->MenuItem("mnuVaried")->trigger();
  window = NewWindow();
  EXPECT_TRUE(window->MenuItem("mnuVaried")->isChecked());
  EXPECT_FALSE(window->MenuItem("mnuUnique")->isChecked());
  window->MenuItem("mnuUnique")->trigger();
  window->mnuSolve_Click();
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Done"});  // the random sessions check such puzzles are sound
  EXPECT_TRUE(window->ButtonEnabled() && window->MenuItem("mnuSave")->isEnabled());
}

TEST_F(FillModesTest, SmallListsGetAPuzzleOrAProofTooFewWordsAreToldAtOnce) {
  auto window = NewWindow();
  std::vector<std::string> twenty = testing::PlantedList(1, 26, 0, 0);
  twenty.resize(20);
  EXPECT_EQ(CompileFrom(*window, twenty, twenty[0]), "A puzzle needs 23 different words; this dictionary has 20.");
  int made = 0, proven = 0;
  for (const std::uint64_t seed : {1, 6}) {  // a list with a puzzle, one without
    const std::vector<std::string> list = testing::PlantedList(seed, 26, 8, seed % 3 == 0 ? 1 : 0);
    const bool exists = !testing::BruteForceGrids(testing::AroundFirstWord(list), 1).empty();
    EXPECT_EQ(CompileFrom(*window, list, list[0]), exists ? "Done" : ImpossibleMessage(list[0])) << "seed " << seed;
    EXPECT_EQ(window->ButtonEnabled(), exists);
    made += exists;
    proven += !exists;
  }
  EXPECT_TRUE(made > 0 && proven > 0) << "both endings tried";
}

}  // namespace
}  // namespace loopword
