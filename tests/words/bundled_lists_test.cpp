// Checks where a bundled list is found and unpacking a language's packed levels.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/bundled_lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace loopword {
namespace {

TEST(BundledLists, ALevelIsFoundBesideTheProgramThenInTheDataFolderElseNamedBesideTheProgram) {
  testing::TempDir root;
  const std::filesystem::path bin = root.Path() / "bin", share = root.Path() / "share" / "loopword";
  for (const std::filesystem::path& file : {share / "de-L2words.txt", bin / "de-L1words.txt", share / "de-L1words.txt"}) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "HAUSTUER\r\n";
  }
  EXPECT_EQ(BundledListPath(bin.string(), 1, Language::German), (bin / "de-L1words.txt").string());
  EXPECT_EQ(BundledListPath(bin.string(), 2, Language::German), (share / "de-L2words.txt").string());
  EXPECT_EQ(BundledListPath(bin.string(), 3, Language::German), (bin / "de-L3words.txt").string());
}

TEST(BundledLists, PackedLevelsUnpackIntoNestedListsWithCrLfUpToAnyDamage) {
  // Marks: a–h a Level 1 word sharing 0–7 letters with the word before, i–p Level 2, q–x Level 3.
  const std::string all = "AAAAAAAA\r\nAAAAAAAB\r\nAACCCCCC\r\nAACDDDDD\r\nZZZZZZZZ\r\n";
  const struct { std::string packed; std::array<std::string, 3> levels; } cases[] = {
      {"aAAAAAAAAhBkCCCCCCtDDDDDaZZZZZZZZ",
       {"AAAAAAAA\r\nAAAAAAAB\r\nZZZZZZZZ\r\n", "AAAAAAAA\r\nAAAAAAAB\r\nAACCCCCC\r\nZZZZZZZZ\r\n", all}},
      {"aAAAAAAAAyBBB", {"AAAAAAAA\r\n", "AAAAAAAA\r\n", "AAAAAAAA\r\n"}},  // a mark out of range
      {"qAAAAAAAA1aBBBBBBBB", {"", "", "AAAAAAAA\r\n"}},                      // a sign that is no mark
      {"hABCDEFGH", {"", "", ""}},  // sharing more letters than the word before has
      {"", {"", "", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(UnpackLevels(c.packed), c.levels) << c.packed;
}

}  // namespace
}  // namespace loopword
