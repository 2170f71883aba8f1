// Checks the bundled list names of every language and level, where a list is found, and unpacking a language's packed levels.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/bundled_lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace loopword {
namespace {

TEST(BundledLists, EveryLanguageHasThreeLevelFilesAndOnlyEnglishHasNoCode) {
  const struct {
    Language language;
    int level;
    std::string name;
  } cases[] = {
      {Language::English, 1, "L1words.txt"},    {Language::English, 3, "L3words.txt"},
      {Language::German, 1, "de-L1words.txt"},  {Language::French, 2, "fr-L2words.txt"},
      {Language::Spanish, 3, "es-L3words.txt"}, {Language::Italian, 1, "it-L1words.txt"},
      {Language::Portuguese, 2, "pt-L2words.txt"}, {Language::Dutch, 3, "nl-L3words.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(BundledListName(c.level, c.language), c.name) << c.name;
}

TEST(BundledLists, ALevelIsFoundBesideTheProgramThenInTheDataFolderElseNamedBesideTheProgram) {
  testing::TempDir root;
  const std::filesystem::path bin = root.Path() / "bin", share = root.Path() / "share" / "loopword";
  std::filesystem::create_directories(bin);
  std::filesystem::create_directories(share);
  std::ofstream(share / "de-L2words.txt") << "HAUSTUER\r\n";
  std::ofstream(bin / "de-L1words.txt") << "HAUSTUER\r\n";
  std::ofstream(share / "de-L1words.txt") << "HAUSTUER\r\n";
  EXPECT_EQ(BundledListPath(bin.string(), 1, Language::German), (bin / "de-L1words.txt").string());
  EXPECT_EQ(BundledListPath(bin.string(), 2, Language::German), (share / "de-L2words.txt").string());
  EXPECT_EQ(BundledListPath(bin.string(), 3, Language::German), (bin / "de-L3words.txt").string());
}

TEST(BundledLists, PackedLevelsUnpackIntoNestedSortedListsWithCrLf) {
  const struct {
    std::string packed;
    std::array<std::string, 3> levels;
  } cases[] = {
      {"BBBBBBBB\r\nAAAAAAAA\r\n\r\nDDDDDDDD\r\nCCCCCCCC\r\n\r\nEEEEEEEE\r\n",
       {"AAAAAAAA\r\nBBBBBBBB\r\n", "AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\n",
        "AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\nEEEEEEEE\r\n"}},
      {"ZZZZZZZZ\nAAAAAAAA\n\n\nMMMMMMMM", {"AAAAAAAA\r\nZZZZZZZZ\r\n", "AAAAAAAA\r\nZZZZZZZZ\r\n",
                                              "AAAAAAAA\r\nMMMMMMMM\r\nZZZZZZZZ\r\n"}},
      {"AAAAAAAA\r\n", {"AAAAAAAA\r\n", "AAAAAAAA\r\n", "AAAAAAAA\r\n"}},
      {"\r\n\r\nAAAAAAAA\r\n\r\nBBBBBBBB\r\n", {"", "", "AAAAAAAA\r\nBBBBBBBB\r\n"}},
      {"", {"", "", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(UnpackLevels(c.packed), c.levels) << c.packed;
}

}  // namespace
}  // namespace loopword
