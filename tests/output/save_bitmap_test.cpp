// Saves the picture area as a bitmap and opens a user word list through the window with scripted
// answers: the dialogs' questions, the file, the overwrite question, failures and the clipboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class OutputTest : public ::testing::Test {
 protected:
  OutputTest() {
    fs::copy_file(fs::path(LOOPWORD_DATA_DIR) / "L1words.txt", program.Path() / "L1words.txt");
    window = std::make_unique<Form1>(toolkit, program.Path().string());
  }

  /// Runs `command` with `path` chosen in its dialog and `yes` to any question.
  void Choose(const char* command, const fs::path& path, bool yes = true) {
    toolkit.messages.clear();
    toolkit.fileReplies = {path.string()};
    toolkit.yesNoReplies = {yes};
    window->MenuItem(command)->trigger();
  }

  testing::TempDir program;
  testing::TempDir target;
  testing::ScriptedToolkit toolkit{program.Path().string()};
  std::unique_ptr<Form1> window;
};

TEST_F(OutputTest, WritesA24BitBitmapOfThePictureAndReportsItsLength) {
  QGuiApplication::clipboard()->setText("a teacher's notes");
  window->mnuSolve_Click();
  const fs::path path = target.Path() / "puzzle";
  Choose("copyx", path);
  const FileDialogRequest& asked = toolkit.fileDialogs.at(0);
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.title, "Select destination file for a bitmap copy of this puzzle");
  EXPECT_EQ(DialogFilter(asked), "Loopword Bitmap Files (*.bmp)");
  EXPECT_EQ(asked.folder, program.Path().string() + "/");
  const std::string bytes = ReadAll(path);
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << "bits a pixel";
  const QImage saved(QString::fromStdString(path.string()), "BMP");
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), window->PictureImage().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Loopword copied to:\n" + path.string() + "\n " +
                                                       std::to_string(bytes.size()) + " bytes"});
  EXPECT_TRUE(toolkit.questions.empty()) << "a new file needs no question";
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "a teacher's notes");
}

TEST_F(OutputTest, ReplacesAFileWithContentOnlyAfterYes) {
  const fs::path path = target.Write("old.bmp", "precious");
  Choose("copyx", path, false);
  EXPECT_EQ(toolkit.questions, std::vector<std::string>{"OverWrite file: " + path.string() + " ?"});
  EXPECT_EQ(ReadAll(path), "precious");
  Choose("copyx", path, true);
  EXPECT_EQ(ReadAll(path).substr(0, 2), "BM");
}

TEST_F(OutputTest, FailedWritesAreReportedAndLeaveNothingBehind) {
  fs::create_directory(target.Path() / "folder.bmp");
  for (const fs::path& path : {target.Path() / "folder.bmp", target.Path() / "missing" / "x.bmp", fs::path("/proc/x.bmp")}) {
    Choose("copyx", path);
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].rfind("Loopword could not save the bitmap to:\n" + path.string() + "\n", 0), 0u);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(target.Path()), fs::directory_iterator()), 1) << "no part file";
}

TEST_F(OutputTest, UserWordListIsChosenInTheProgramFolder) {
  const fs::path path = target.Write("mine.dic", "ABCDEFGH\nPLATYPUS\nKEEPSAKE\n");
  Choose("mnuDictLevel0", path);
  const FileDialogRequest& asked = toolkit.fileDialogs.at(0);
  EXPECT_FALSE(asked.save);
  EXPECT_EQ(asked.title, "Select a file to open");
  EXPECT_EQ(DialogFilter(asked), "Dictionary Files (*.txt *.dat *.dic)");
  EXPECT_EQ(asked.folder, program.Path().string() + "/");
  EXPECT_EQ(window->windowTitle().toStdString(), "Dictionary: " + path.string() + " (3 words)");
  EXPECT_TRUE(window->MenuItem("mnuDictLevel0")->isChecked());
}

}  // namespace
}  // namespace loopword
