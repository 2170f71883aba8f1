// Checks the file-name dialog control: mode words, the filter, the start folder, the current directory.
#include "controls/fn_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

using testing::ScriptedToolkit;

TEST(FNDialog, OnlyTheWordSaveInAnyCaseGivesTheSaveDialog) {
  for (const char* save : {"SAVE", "save", "SaVe"}) EXPECT_TRUE(FNDialog::IsSaveMode(save)) << save;
  for (const char* open : {"", "   ", "OPEN", "open", "Open", " SAVE", "SAVE ", "saved", "print"}) {
    EXPECT_FALSE(FNDialog::IsSaveMode(open)) << '"' << open << '"';
  }
}

TEST(FNDialog, RequestCarriesTheSettingsAndTheFilter) {
  ScriptedToolkit toolkit;
  FNDialog dialog(toolkit);
  EXPECT_EQ(dialog.Request("OPEN").title, "0") << "a title never set shows 0";
  dialog.Title = "Select destination file for a bitmap copy of this puzzle";
  dialog.FileTypes = "*.bmp";
  dialog.FileTypesName = "Loopword Bitmap Files";
  dialog.DefaultDir = "/opt/loopword";
  const FileDialogRequest request = dialog.Request("save");
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.title, dialog.Title);
  EXPECT_EQ(request.folder, "/opt/loopword/");
  EXPECT_EQ(DialogFilter(request), "Loopword Bitmap Files (*.bmp)");
  dialog.FileTypes = "*.txt;*.dat;*.dic";
  dialog.FileTypesName = "Dictionary Files";
  EXPECT_EQ(DialogFilter(dialog.Request("")), "Dictionary Files (*.txt *.dat *.dic)");
  EXPECT_EQ(dialog.DefaultDir, "/opt/loopword") << "the setting itself is not changed";
}

TEST(FNDialog, StartFolderEndsInOneSlash) {
  ScriptedToolkit toolkit;
  FNDialog dialog(toolkit);
  EXPECT_EQ(dialog.InitialFolder(), "/");
  dialog.DefaultDir = "/";
  EXPECT_EQ(dialog.InitialFolder(), "/");
  dialog.DefaultDir = "/home/teacher/";
  EXPECT_EQ(dialog.InitialFolder(), "/home/teacher/");
}

/// A user who browses to another folder while the dialog is open.
class BrowsingToolkit : public ScriptedToolkit {
 public:
  explicit BrowsingToolkit(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::string ShowFileDialog(const FileDialogRequest& request) override {
    std::filesystem::current_path(folder_);
    return ScriptedToolkit::ShowFileDialog(request);
  }

 private:
  std::filesystem::path folder_;
};

TEST(FNDialog, ReturnsTheAnswerAndRestoresTheCurrentDirectory) {
  testing::TempDir elsewhere;
  BrowsingToolkit toolkit(elsewhere.Path());
  FNDialog dialog(toolkit);
  const auto before = std::filesystem::current_path();
  toolkit.fileReplies = {"/tmp/puzzle"};
  EXPECT_EQ(dialog.GetFileName("SAVE"), "/tmp/puzzle");
  EXPECT_EQ(std::filesystem::current_path(), before);
  EXPECT_EQ(dialog.GetFileName(), "") << "cancel";
  EXPECT_FALSE(toolkit.fileDialogs.back().save);
  EXPECT_EQ(std::filesystem::current_path(), before);
}

}  // namespace
}  // namespace loopword
