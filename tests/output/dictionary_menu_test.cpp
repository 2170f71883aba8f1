// Checks Dictionary > User through the window: the open dialog, cancel, and files without words.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>

#include "app/form1.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

using testing::ScriptedToolkit;
using testing::TempDir;

class DictionaryMenuTest : public ::testing::Test {
 protected:
  DictionaryMenuTest() {
    std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / "L1words.txt", program.Path() / "L1words.txt");
    window = std::make_unique<Form1>(toolkit, program.Path().string());
  }

  bool Checked(int index) const { return window->MenuItem(QString("mnuDictLevel%1").arg(index))->isChecked(); }

  TempDir program;
  TempDir files;
  ScriptedToolkit toolkit{program.Path().string()};
  std::unique_ptr<Form1> window;
};

TEST_F(DictionaryMenuTest, UserFileIsChosenInTheProgramFolderAndLoaded) {
  const std::string path = files.Write("mine.dic", "ABCDEFGH\nPLATYPUS\nKEEPSAKE\n");
  toolkit.fileReplies = {path};
  window->MenuItem("mnuDictLevel0")->trigger();
  ASSERT_EQ(toolkit.fileDialogs.size(), 1u);
  const FileDialogRequest& asked = toolkit.fileDialogs[0];
  EXPECT_FALSE(asked.save);
  EXPECT_EQ(asked.title, "Select a file to open");
  EXPECT_EQ(asked.filterName, "Dictionary Files");
  EXPECT_EQ(asked.patterns, "*.txt;*.dat;*.dic");
  EXPECT_EQ(asked.folder, program.Path().string() + "/");
  EXPECT_EQ(window->windowTitle().toStdString(), "Dictionary: " + path + " (3 words)");
  EXPECT_TRUE(Checked(0));
  EXPECT_FALSE(Checked(1));
  EXPECT_TRUE(toolkit.pointerChanges.empty()) << "the user branch leaves the pointer alone";
}

TEST_F(DictionaryMenuTest, CancelChangesNothingNotEvenTheCheckMark) {
  const QString title = window->windowTitle();
  window->MenuItem("mnuDictLevel0")->trigger();
  EXPECT_EQ(window->windowTitle(), title);
  EXPECT_TRUE(Checked(1));
  EXPECT_FALSE(Checked(0));
  EXPECT_EQ(window->Dictionaries().DictLevel, 1);
}

TEST_F(DictionaryMenuTest, FileWithoutWordsMovesTheMarkAndKeepsTheWords) {
  const QString title = window->windowTitle();
  const int words = window->Dictionaries().WordCount();
  for (const std::string& bytes : {std::string("lower\ncase\nonly\n"), std::string("\x7f" "ELF\0\0\0\x01", 8)}) {
    toolkit.fileReplies = {files.Write("bad.txt", bytes)};
    toolkit.messages.clear();
    window->mnuDictLevel_Click(0);
    EXPECT_EQ(toolkit.messages, std::vector<std::string>{"There are no 8-letter words in this dictionary"});
    EXPECT_TRUE(Checked(0));
    EXPECT_EQ(window->Dictionaries().WordCount(), words);
    EXPECT_EQ(window->windowTitle(), title);
  }
  window->mnuSolve_Click();
  EXPECT_EQ(toolkit.messages.back(), "Done") << "the words in use still make puzzles";
}

TEST_F(DictionaryMenuTest, EveryKindOfLineEndLoads) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    toolkit.fileReplies = {files.Write("ends.txt", std::string("ABCDEFGH") + end + "BCDEFGHA" + end)};
    window->mnuDictLevel_Click(0);
    EXPECT_EQ(window->Dictionaries().WordCount(), 2);
  }
}

}  // namespace
}  // namespace loopword
