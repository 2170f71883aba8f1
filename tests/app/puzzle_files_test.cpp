// Drives the window's puzzle files, exports and booklets with scripted answers: what is asked, written and shown.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "output/booklet.h"
#include "support/run_tool.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class PuzzleFilesTest : public ::testing::Test {
 protected:
  PuzzleFilesTest() {
    fs::copy_file(fs::path(LOOPWORD_DATA_DIR) / "L1words.txt", program.Path() / "L1words.txt");
    window = NewWindow();
  }

  std::unique_ptr<Form1> NewWindow() { return std::make_unique<Form1>(toolkit, program.Path().string()); }

  /// Runs the menu item `name` of `on` with `path` chosen in its file dialog and `yes` to any question.
  void Choose(Form1& on, const char* name, const fs::path& path, bool yes = true) {
    toolkit.messages.clear();
    toolkit.questions.clear();
    toolkit.fileReplies = {path.string()};
    toolkit.yesNoReplies = {yes};
    on.MenuItem(name)->trigger();
  }

  testing::TempDir program;
  testing::TempDir target;
  testing::ScriptedToolkit toolkit{program.Path().string()};
  std::unique_ptr<Form1> window;
};

TEST_F(PuzzleFilesTest, FileCommandsHaveTheirKeys) {
  const struct {
    const char* name;
    const char* keys;
  } items[] = {{"mnuOpen", "Ctrl+O"}, {"mnuSave", "Ctrl+S"}, {"copyx", "Ctrl+B"}, {"mnuExportPdf", "Ctrl+E"}, {"mnuprint", "Ctrl+P"}};
  for (const auto& [name, keys] : items) EXPECT_EQ(window->MenuItem(name)->shortcut(), QKeySequence(keys)) << name;
}

TEST_F(PuzzleFilesTest, ASavedPuzzleOpensInANewWindowAsTheSamePictureAndBitmap) {
  EXPECT_FALSE(window->MenuItem("mnuSave")->isEnabled()) << "nothing to save before a compile";
  window->mnuSolve_Click();
  ASSERT_TRUE(window->MenuItem("mnuSave")->isEnabled());
  Choose(*window, "mnuSave", target.Path() / "monday");
  const FileDialogRequest& asked = toolkit.fileDialogs.back();
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(DialogFilter(asked), "Loopword Puzzles (*.loopword)");
  const fs::path saved = target.Path() / "monday.loopword";
  ASSERT_TRUE(fs::exists(saved)) << "the extension is added to a name without one";
  EXPECT_EQ(ReadAll(saved).rfind("# Loopword puzzle\n# word list: L1words.txt (6508 words)\n# fill: classic\n", 0), 0u);
  const QImage compiled = window->PictureImage().copy();
  Choose(*window, "copyx", target.Path() / "before.bmp");

  auto reopened = NewWindow();
  Choose(*reopened, "mnuOpen", saved);
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(reopened->CurrentPuzzle().List2, window->CurrentPuzzle().List2);
  EXPECT_EQ(reopened->PictureImage(), compiled);
  EXPECT_TRUE(reopened->Caption() == "Show Puzzle" && reopened->ButtonEnabled());
  EXPECT_TRUE(reopened->MenuItem("mnuSave")->isEnabled());
  Choose(*reopened, "copyx", target.Path() / "after.bmp");
  EXPECT_EQ(ReadAll(target.Path() / "after.bmp"), ReadAll(target.Path() / "before.bmp"));

  Choose(*reopened, "mnuSave", saved, false);
  EXPECT_EQ(toolkit.questions, std::vector<std::string>{"OverWrite file: " + saved.string() + " ?"});
}

TEST_F(PuzzleFilesTest, ADamagedFileIsRefusedWithItsLineAndNothingChanges) {
  window->mnuSolve_Click();
  const Puzzle shown = window->CurrentPuzzle();
  const QImage picture = window->PictureImage().copy();
  const fs::path damaged = target.Write("damaged.loopword", "# Loopword puzzle\n01 ABCDEFGH 1 ABCDEFGX\n");
  Choose(*window, "mnuOpen", damaged);
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].rfind("Loopword could not open the puzzle file:\n" + damaged.string() + "\nLine 2: ", 0), 0u)
      << toolkit.messages[0];
  EXPECT_EQ(window->CurrentPuzzle().List2, shown.List2);
  EXPECT_EQ(window->PictureImage(), picture);
}

TEST_F(PuzzleFilesTest, ExportsWriteThePdfPageAndBothSvgSheets) {
  window->mnuSolve_Click();
  Choose(*window, "mnuExportPdf", target.Path() / "page");
  EXPECT_EQ(testing::PdfPageCount((target.Path() / "page.pdf").string()), 1);
  Choose(*window, "mnuExportSvg", target.Path() / "sheets.svg");
  EXPECT_TRUE(fs::exists(target.Path() / "sheets-puzzle.svg") && fs::exists(target.Path() / "sheets-solution.svg"));
  Choose(*window, "mnuExportPdf", target.Path() / "missing" / "x.pdf");
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].rfind("Loopword could not save the PDF to:\n", 0), 0u);
}

TEST_F(PuzzleFilesTest, ABookletIsWrittenWhenFinishedAndNotAtAllWhenCancelled) {
  const fs::path pdf = target.Path() / "class.pdf";
  toolkit.bookletReplies = {BookletChoices{3, true}};
  Choose(*window, "mnuBooklet", pdf);
  EXPECT_EQ(testing::PdfPageCount(pdf.string()), BookletPageCount(3));
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Done"});
  EXPECT_EQ(toolkit.progress.back(), "end");

  toolkit.bookletReplies = {BookletChoices{4, false}};
  toolkit.cancelAtDone = 2;
  Choose(*window, "mnuBooklet", target.Path() / "cancelled.pdf");
  EXPECT_FALSE(fs::exists(target.Path() / "cancelled.pdf"));
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(toolkit.bookletAsked.back().count, 3) << "the dialog starts from the last answers";
  EXPECT_TRUE(window->MenuItem("mnuSolve")->isEnabled());
}

}  // namespace
}  // namespace loopword
