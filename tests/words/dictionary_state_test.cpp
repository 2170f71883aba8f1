// Checks loading the chosen dictionary: the file of each level, the title and what each failure says.
#include "words/dictionary_state.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace loopword {
namespace {

TEST(DictionaryState, EachLevelHasItsFileAFailedLoadSaysWhyAndKeepsTheLastList) {
  testing::TempDir dir;
  DictionaryState state(dir.Path().string() + "/");
  EXPECT_EQ(state.LoadDictionary().level, 1);  // its missing file's message and the bare title: the window tests
  std::string tooMany;
  for (int i = 0; i <= kWordLimit; ++i) tooMany += "ZZZZZZZZ\n";
  for (const std::string& text : {std::string("PLATYPUS\r\nKEEPSAKE\r\n"), tooMany, std::string("lower\ncase\n")}) {
    const bool good = text.starts_with("PLATYPUS");
    const std::string path = dir.Write(good ? "good.txt" : "bad.txt", text);
    EXPECT_EQ(state.Choose(kUserDictionary, path).messages.empty(), good) << "a failed load says why";
  }
  EXPECT_EQ(state.Title(), "Dictionary: " + (dir.Path() / "good.txt").string() + " (2 words)");
  EXPECT_EQ(state.Choose(7).outcome, LoadOutcome::ReadError);
}

}  // namespace
}  // namespace loopword
