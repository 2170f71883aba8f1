// Checks loading the chosen dictionary: title, messages, and the words in use kept after a failed load.
#include "words/dictionary_state.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace loopword {
namespace {

TEST(DictionaryState, SuccessNamesTheFileAndFailuresKeepTheWordsInUse) {
  testing::TempDir dir;
  DictionaryState state(dir.Path().string() + "/");
  EXPECT_EQ(state.DictPath[2], (dir.Path() / "L2words.txt").string());
  const LoadReport missing = state.LoadDictionary();
  EXPECT_EQ(missing.level, 1);
  EXPECT_EQ(missing.messages, std::vector<std::string>{"Error while reading dictionary:\n" + state.DictPath[1] +
                                                       "\nProgram may not run correctly"});
  EXPECT_EQ(state.Title(), "");

  state.DictLevel = kUserDictionary;
  state.DictPath[0] = dir.Write("good.txt", "PLATYPUS\r\nKEEPSAKE\r\n");
  EXPECT_TRUE(state.LoadDictionary().messages.empty());
  EXPECT_EQ(state.Title(), "Dictionary: " + state.DictPath[0] + " (2 words)");
  const auto inUse = state.Words();

  std::string tooMany;
  for (int i = 0; i <= kWordLimit; ++i) tooMany += "ZZZZZZZZ\n";
  const std::pair<std::string, std::string> failures[] = {
      {tooMany, "Dictionary limit is 49,000 words"},
      {"lower\ncase\n", "There are no 8-letter words in this dictionary"}};
  for (const auto& [text, message] : failures) {
    state.DictPath[0] = dir.Write("bad.txt", text);
    EXPECT_EQ(state.LoadDictionary().messages, std::vector<std::string>{message});
  }
  state.DictLevel = 7;
  EXPECT_EQ(state.LoadDictionary().outcome, LoadOutcome::ReadError);
  EXPECT_EQ(state.Words(), inUse);
  EXPECT_EQ(state.Title(), "Dictionary: " + (dir.Path() / "good.txt").string() + " (2 words)");
}

}  // namespace
}  // namespace loopword
