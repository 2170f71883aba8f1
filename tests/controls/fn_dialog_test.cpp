// Checks the file-name dialog control: the filter, the start folder and its choice, the current directory.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/fn_dialog.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

/// A user who browses to another folder while the dialog is open.
struct BrowsingToolkit : testing::ScriptedToolkit {
  testing::TempDir elsewhere;
  std::string ShowFileDialog(const FileDialogRequest& request) override {
    std::filesystem::current_path(elsewhere.Path());
    return ScriptedToolkit::ShowFileDialog(request);
  }
};

TEST(FNDialog, AsksWithItsSettingsAndLeavesTheCurrentDirectoryAlone) {
  BrowsingToolkit toolkit;
  FNDialog dialog(toolkit);
  EXPECT_EQ(dialog.InitialFolder(), "/") << "no folder: the root";
  dialog.FileTypes = "*.txt;*.dat;*.dic";
  dialog.FileTypesName = "Dictionary Files";
  dialog.DefaultDir = "/opt/loopword";
  const auto before = std::filesystem::current_path();
  toolkit.fileReplies = {"/tmp/mine"};
  EXPECT_EQ(dialog.GetFileName("OPEN"), "/tmp/mine");
  EXPECT_EQ(dialog.GetFileName("save"), "") << "cancelled";
  EXPECT_EQ(std::filesystem::current_path(), before);
  ASSERT_EQ(toolkit.fileDialogs.size(), 2u);
  EXPECT_EQ(std::pair(toolkit.fileDialogs[0].save, toolkit.fileDialogs[1].save), std::pair(false, true)) << "OPEN, save";
  EXPECT_EQ(toolkit.fileDialogs[0].folder, "/opt/loopword/");
  EXPECT_EQ(DialogFilter(toolkit.fileDialogs[0]), "Dictionary Files (*.txt *.dat *.dic)");
}

TEST(FNDialog, StartsInTheFolderUsedLastElseAWritableProgramFolderElseTheDocuments) {
  testing::TempDir used, program;
  const std::string last = used.Path().string(), own = program.Path().string(), gone = last + "/removed";
  const std::string locked = "/proc/self";  // a folder nobody may write in, root included
  const std::array<std::array<std::string, 3>, 5> cases = {
      {{last, locked, last}, {"", own, own}, {gone, own, own}, {"", locked, "docs"}, {gone, own + "/missing", "docs"}}};
  for (const auto& [remembered, folder, expected] : cases) {
    EXPECT_EQ(DialogStartFolder(remembered, folder, "docs"), expected) << remembered << " " << folder;
  }
}

}  // namespace
}  // namespace loopword
