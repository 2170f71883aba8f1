// Checks loading the chosen dictionary: title, messages, and the words in use kept after a failed load.
#include "words/dictionary_state.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace loopword {
namespace {

using testing::TempDir;

class DictionaryStateTest : public ::testing::Test {
 protected:
  DictionaryStateTest() : state(dir.Path().string()) {}

  LoadReport LoadUser(const std::string& name, const std::string& bytes) {
    state.DictLevel = kUserDictionary;
    state.DictPath[0] = dir.Write(name, bytes);
    return state.LoadDictionary();
  }

  TempDir dir;
  DictionaryState state;
};

TEST_F(DictionaryStateTest, LevelPathsLieInTheProgramFolder) {
  EXPECT_EQ(state.DictPath[1], (dir.Path() / "L1words.txt").string());
  EXPECT_EQ(state.DictPath[3], (dir.Path() / "L3words.txt").string());
  DictionaryState withSlash(dir.Path().string() + "/");
  EXPECT_EQ(withSlash.DictPath[2], (dir.Path() / "L2words.txt").string());
}

TEST_F(DictionaryStateTest, SuccessfulLoadNamesTheFileAndCount) {
  dir.Write("L2words.txt", "ABCDEFGH\r\nBCDEFGHA\r\n");
  state.DictLevel = 2;
  const LoadReport report = state.LoadDictionary();
  EXPECT_EQ(report.level, 2);
  EXPECT_EQ(report.outcome, LoadOutcome::Loaded);
  EXPECT_TRUE(report.messages.empty());
  EXPECT_EQ(state.WordCount(), 2);
  EXPECT_EQ(state.Title(), "Dictionary: " + state.DictPath[2] + " (2 words)");
}

TEST_F(DictionaryStateTest, MissingLevelAtStartUpLeavesNoWordsAndNoTitle) {
  const LoadReport report = state.LoadDictionary();
  EXPECT_EQ(report.level, 1);
  EXPECT_EQ(report.outcome, LoadOutcome::ReadError);
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_EQ(report.messages[0],
            "Error while reading dictionary:\n" + state.DictPath[1] + "\nProgram may not run correctly");
  EXPECT_EQ(state.WordCount(), 0);
  EXPECT_EQ(state.Title(), "");
}

TEST_F(DictionaryStateTest, FailedLoadsKeepTheWordsInUseIntact) {
  ASSERT_EQ(LoadUser("good.txt", "PLATYPUS\r\nKEEPSAKE\r\n").outcome, LoadOutcome::Loaded);
  const auto before = state.Words();
  const std::string title = state.Title();
  const auto weights = before->LetterWeight();

  std::string tooMany;
  for (int i = 0; i <= kWordLimit; ++i) tooMany += "ZZZZZZZZ\n";
  const LoadReport limit = LoadUser("many.txt", tooMany);
  EXPECT_EQ(limit.messages, (std::vector<std::string>{"Dictionary limit is 49,000 words"}));
  const LoadReport empty = LoadUser("empty.txt", "lower\ncase\n");
  EXPECT_EQ(empty.messages, (std::vector<std::string>{"There are no 8-letter words in this dictionary"}));
  state.DictPath[0] = (dir.Path() / "gone.txt").string();
  const LoadReport missing = state.LoadDictionary();
  EXPECT_EQ(missing.outcome, LoadOutcome::ReadError);
  EXPECT_EQ(missing.level, kUserDictionary);

  EXPECT_EQ(state.Words(), before);
  EXPECT_EQ(state.WordCount(), 2);
  EXPECT_EQ(ToString(state.Words()->WordPool(1)), "PLATYPUS");
  EXPECT_EQ(state.Words()->LetterWeight(), weights);
  EXPECT_EQ(state.Title(), title);
}

TEST_F(DictionaryStateTest, ExactlyTheLimitLoads) {
  std::string text;
  for (int i = 0; i < kWordLimit; ++i) text += "ABCDEFGH\r\n";
  EXPECT_EQ(LoadUser("full.txt", text).outcome, LoadOutcome::Loaded);
  EXPECT_EQ(state.WordCount(), kWordLimit);
}

TEST_F(DictionaryStateTest, UnknownLevelIsAReadErrorAndChangesNothing) {
  state.DictLevel = 7;
  const LoadReport report = state.LoadDictionary();
  EXPECT_EQ(report.outcome, LoadOutcome::ReadError);
  EXPECT_EQ(state.WordCount(), 0);
}

}  // namespace
}  // namespace loopword
