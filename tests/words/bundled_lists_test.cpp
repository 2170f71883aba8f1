// Checks where the bundled word lists are found: beside the program, else in ../share/loopword.
#include "words/bundled_lists.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace loopword {
namespace {

TEST(BundledLists, BesideTheProgramFirstThenTheInstalledDataFolder) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "bin");
  std::filesystem::create_directories(dir.Path() / "share" / "loopword");
  const std::string bin = (dir.Path() / "bin").string();
  const std::string installed = dir.Write("share/loopword/L2words.txt", "PLATYPUS\r\n");
  dir.Write("share/loopword/L3words.txt", "PLATYPUS\r\n");
  const std::string beside = dir.Write("bin/L3words.txt", "PLATYPUS\r\n");

  EXPECT_EQ(BundledListPath(bin, 2), installed);
  EXPECT_EQ(BundledListPath(bin + "/", 2), installed);
  EXPECT_EQ(BundledListPath(bin, 3), beside);
  // Found nowhere: the path beside the program, for the message that says what is missing.
  EXPECT_EQ(BundledListPath(bin, 1), (dir.Path() / "bin" / "L1words.txt").string());
  // A folder named like a list is not a list.
  std::filesystem::create_directories(dir.Path() / "bin" / "L2words.txt");
  EXPECT_EQ(BundledListPath(bin, 2), installed);
}

TEST(BundledLists, RunningProgramFolderHoldsThisTest) {
  const std::filesystem::path folder = RunningProgramFolder("ignored");
  EXPECT_TRUE(folder.is_absolute());
  EXPECT_TRUE(std::filesystem::exists(folder / "test_words_bundled_lists_test"));
}

}  // namespace
}  // namespace loopword
