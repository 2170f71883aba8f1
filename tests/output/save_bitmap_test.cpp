// Saves the picture area as a bitmap through the window with scripted answers: the file, the
// overwrite question, failures that must leave files intact, and the clipboard left alone.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

using testing::ScriptedToolkit;
using testing::TempDir;

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class SaveBitmapTest : public ::testing::Test {
 protected:
  SaveBitmapTest() {
    std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / "L1words.txt", program.Path() / "L1words.txt");
    window = std::make_unique<Form1>(toolkit, program.Path().string());
  }

  /// Runs Save as bitmap with `path` typed into the dialog.
  void SaveAs(const std::filesystem::path& path) {
    toolkit.fileReplies = {path.string()};
    window->MenuItem("copyx")->trigger();
  }

  TempDir program;
  TempDir target;
  ScriptedToolkit toolkit{program.Path().string()};
  std::unique_ptr<Form1> window;
};

TEST_F(SaveBitmapTest, WritesA24BitBitmapOfThePictureAndReportsItsLength) {
  window->mnuSolve_Click();
  toolkit.messages.clear();
  const auto path = target.Path() / "puzzle.bmp";
  SaveAs(path);
  ASSERT_EQ(toolkit.fileDialogs.size(), 1u);
  const FileDialogRequest& asked = toolkit.fileDialogs[0];
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.title, "Select destination file for a bitmap copy of this puzzle");
  EXPECT_EQ(asked.filterName, "Loopword Bitmap Files");
  EXPECT_EQ(asked.patterns, "*.bmp");
  EXPECT_EQ(asked.folder, program.Path().string() + "/");
  EXPECT_TRUE(toolkit.questions.empty()) << "a new file needs no question";
  const std::string bytes = ReadAll(path);
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << "24 bits a pixel";
  const QImage saved(QString::fromStdString(path.string()), "BMP");
  EXPECT_EQ(saved.size(), window->PictureImage().size());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), window->PictureImage().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Loopword copied to:\n" + path.string() + "\n " +
                                                       std::to_string(bytes.size()) + " bytes"});
  EXPECT_FALSE(toolkit.busy);
}

TEST_F(SaveBitmapTest, AsksBeforeReplacingAFileThatHasContent) {
  const auto path = target.Path() / "old.bmp";
  target.Write("old.bmp", "precious");
  toolkit.yesNoReplies = {false};
  SaveAs(path);
  EXPECT_EQ(toolkit.questions, std::vector<std::string>{"OverWrite file: " + path.string() + " ?"});
  EXPECT_EQ(ReadAll(path), "precious");
  EXPECT_TRUE(toolkit.messages.empty());
  toolkit.yesNoReplies = {true};
  SaveAs(path);
  EXPECT_EQ(ReadAll(path).substr(0, 2), "BM");
}

TEST_F(SaveBitmapTest, EmptyFileIsReplacedWithoutAQuestionAndNamesAreKeptAsTyped) {
  target.Write("empty.bmp", "");
  SaveAs(target.Path() / "empty.bmp");
  SaveAs(target.Path() / "no-extension");
  EXPECT_TRUE(toolkit.questions.empty());
  EXPECT_EQ(ReadAll(target.Path() / "empty.bmp").substr(0, 2), "BM");
  EXPECT_EQ(ReadAll(target.Path() / "no-extension").substr(0, 2), "BM");
  EXPECT_FALSE(std::filesystem::exists(target.Path() / "no-extension.bmp"));
}

TEST_F(SaveBitmapTest, CancelWritesNothing) {
  toolkit.fileReplies.clear();
  window->copyx_Click();
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_TRUE(std::filesystem::is_empty(target.Path()));
}

TEST_F(SaveBitmapTest, FailedWritesAreReportedAndLeaveNothingBehind) {
  std::filesystem::create_directory(target.Path() / "folder.bmp");
  target.Write("folder.bmp/keep.txt", "inside");
  for (const std::filesystem::path& path :
       {target.Path() / "folder.bmp", target.Path() / "missing" / "x.bmp", std::filesystem::path("/proc/loopword.bmp")}) {
    toolkit.messages.clear();
    SaveAs(path);
    ASSERT_EQ(toolkit.messages.size(), 1u) << path;
    EXPECT_EQ(toolkit.messages[0].rfind("Loopword could not save the bitmap to:\n" + path.string() + "\n", 0), 0u)
        << toolkit.messages[0];
    EXPECT_FALSE(toolkit.busy);
  }
  EXPECT_EQ(ReadAll(target.Path() / "folder.bmp" / "keep.txt"), "inside");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(target.Path())) ++entries;
  EXPECT_EQ(entries, 1u) << "no temporary file is left behind";
}

TEST_F(SaveBitmapTest, ReadOnlyFolderKeepsTheExistingFile) {
  if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind the superuser";
  target.Write("kept.bmp", "precious");
  std::filesystem::permissions(target.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  toolkit.yesNoReplies = {true};
  SaveAs(target.Path() / "kept.bmp");
  std::filesystem::permissions(target.Path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadAll(target.Path() / "kept.bmp"), "precious");
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_NE(toolkit.messages[0].find("could not save"), std::string::npos);
}

TEST_F(SaveBitmapTest, TheSystemClipboardIsLeftAlone) {
  QGuiApplication::clipboard()->setText("a teacher's notes");
  SaveAs(target.Path() / "puzzle.bmp");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "a teacher's notes");
}

}  // namespace
}  // namespace loopword
