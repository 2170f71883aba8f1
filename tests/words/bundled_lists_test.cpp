// Checks where the bundled word lists are found: beside the program, else in ../share/loopword.
#include "words/bundled_lists.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace loopword {
namespace {

TEST(BundledLists, BesideTheProgramFirstThenTheInstalledDataFolder) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "bin" / "L1words.txt");  // a folder is no list
  std::filesystem::create_directories(dir.Path() / "share" / "loopword");
  const std::string bin = (dir.Path() / "bin").string();
  const std::string installed = dir.Write("share/loopword/L1words.txt", "");
  dir.Write("share/loopword/L3words.txt", "");
  const std::string beside = dir.Write("bin/L3words.txt", "");
  EXPECT_EQ(BundledListPath(bin, 1), installed);
  EXPECT_EQ(BundledListPath(bin + "/", 1), installed);
  EXPECT_EQ(BundledListPath(bin, 3), beside);
  EXPECT_EQ(BundledListPath(bin, 2), (dir.Path() / "bin" / "L2words.txt").string()) << "missing: named beside";
}

}  // namespace
}  // namespace loopword
