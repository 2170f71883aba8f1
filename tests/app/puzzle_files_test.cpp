// Drives the window's puzzle files, exports and booklets with scripted answers: what is asked, written and shown.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <filesystem>

#include "app/form1.h"
#include "app/picture_box.h"
#include "display/units.h"
#include "output/booklet.h"
#include "support/run_tool.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;

class PuzzleFilesTest : public ::testing::Test {
 protected:
  PuzzleFilesTest() { fs::copy_file(fs::path(LOOPWORD_DATA_DIR) / "L1words.txt", program.Path() / "L1words.txt"); }

  std::unique_ptr<Form1> NewWindow() { return std::make_unique<Form1>(toolkit, program.Path().string()); }

  /// Runs the menu item `name` of `window` with `name` chosen in its file dialog and `yes` to any question.
  void Choose(Form1& window, const char* item, const std::string& file, bool yes = true) {
    toolkit.messages.clear();
    toolkit.questions.clear();
    toolkit.fileReplies = {(target.Path() / file).string()};
    toolkit.yesNoReplies = {yes};
    window.MenuItem(item)->trigger();
  }
  std::string Read(const std::string& file) const { return testing::RunTool("cat " + (target.Path() / file).string()).first; }

  testing::TempDir program;
  testing::TempDir target;
  testing::ScriptedToolkit toolkit{program.Path().string()};
};

TEST_F(PuzzleFilesTest, ASavedPuzzleOpensInANewWindowAsTheSamePictureAndBitmap) {
  auto window = NewWindow();
  for (const auto& [item, keys] : {std::pair{"mnuOpen", "Ctrl+O"}, {"mnuSave", "Ctrl+S"}, {"copyx", "Ctrl+B"}, {"mnuExportPdf", "Ctrl+E"}}) {
    EXPECT_EQ(window->MenuItem(item)->shortcut(), QKeySequence(keys)) << item;
  }
  EXPECT_FALSE(window->MenuItem("mnuSave")->isEnabled()) << "nothing to save before a compile";
  window->mnuSolve_Click();
  Choose(*window, "mnuSave", "monday");
  EXPECT_EQ(DialogFilter(toolkit.fileDialogs.back()), "Loopword Puzzles (*.loopword)");
  EXPECT_EQ(Read("monday.loopword").rfind("# Loopword puzzle\n# word list: L1words.txt (6508 words)\n# fill: classic\n01 ", 0), 0u);
  Choose(*window, "copyx", "before.bmp");

  auto reopened = NewWindow();
  Choose(*reopened, "mnuOpen", "monday.loopword");
  EXPECT_TRUE(toolkit.messages.empty() && reopened->Caption() == "Show Puzzle" && reopened->ButtonEnabled());
  EXPECT_EQ(reopened->PictureImage(), window->PictureImage());
  Choose(*reopened, "copyx", "after.bmp");
  EXPECT_EQ(Read("after.bmp"), Read("before.bmp"));
  Choose(*reopened, "mnuSave", "monday.loopword", false);
  EXPECT_EQ(toolkit.questions, std::vector<std::string>{"OverWrite file: " + (target.Path() / "monday.loopword").string() + " ?"});
}

TEST_F(PuzzleFilesTest, ADamagedFileIsRefusedWithItsLineAndNothingChanges) {
  auto window = NewWindow();
  window->mnuSolve_Click();
  const QImage picture = window->PictureImage().copy();
  const std::string damaged = target.Write("damaged.loopword", "# Loopword puzzle\n01 ABCDEFGH 1 ABCDEFGX\n");
  Choose(*window, "mnuOpen", "damaged.loopword");
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].rfind("Loopword could not open the puzzle file:\n" + damaged + "\nLine 2: ", 0), 0u);
  EXPECT_EQ(window->PictureImage(), picture);
  EXPECT_TRUE(window->MenuItem("mnuSave")->isEnabled());
}

TEST_F(PuzzleFilesTest, LettersTypedWhileSolvingAreSavedAndSolvingGoesOnWhenOpened) {
  auto window = NewWindow();
  window->mnuSolve_Click();
  window->MenuItem("mnuPlay")->trigger();
  QTest::mouseClick(window->findChild<PictureBox*>(), Qt::LeftButton, {}, QPoint(TwipsToPixels(CellPoint(4, 2).x), TwipsToPixels(CellPoint(4, 2).y)));
  QTest::keyClick(window->findChild<PictureBox*>(), 'q');
  Choose(*window, "mnuSave", "half.loopword");
  std::string saved = Read("half.loopword");
  const std::size_t typedLine = saved.find("\n# typed 04 ");
  ASSERT_NE(typedLine, std::string::npos) << saved;
  EXPECT_EQ(saved[typedLine + 13], 'Q') << "ring position 2";
  auto reopened = NewWindow();
  Choose(*reopened, "mnuOpen", "half.loopword");
  ASSERT_NE(reopened->Solving(), nullptr);
  EXPECT_EQ(reopened->Solving()->LetterAt({4, 2}), 'Q');
  target.Write("bad.loopword", saved.replace(typedLine + 12, 8, "QQ"));
  Choose(*reopened, "mnuOpen", "bad.loopword");
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Loopword could not open the puzzle file:\n" +
                                                       (target.Path() / "bad.loopword").string() + "\nThe letters typed into it are damaged."});
}

TEST_F(PuzzleFilesTest, ExportsAndBookletsAreWrittenAndACancelledBookletIsNot) {
  auto window = NewWindow();
  window->mnuSolve_Click();
  Choose(*window, "mnuExportPdf", "page");
  Choose(*window, "mnuExportSvg", "sheets.svg");
  EXPECT_EQ(testing::PdfPageCount((target.Path() / "page.pdf").string()), 1);
  EXPECT_TRUE(fs::exists(target.Path() / "sheets-puzzle.svg") && fs::exists(target.Path() / "sheets-solution.svg"));
  Choose(*window, "mnuExportPdf", "missing/x.pdf");
  EXPECT_EQ(toolkit.messages.at(0).rfind("Loopword could not save the PDF to:\n", 0), 0u);

  toolkit.bookletReplies = {BookletChoices{3, true}, BookletChoices{4, false}};
  Choose(*window, "mnuBooklet", "class.pdf");
  EXPECT_EQ(testing::PdfPageCount((target.Path() / "class.pdf").string()), BookletPageCount(3));
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Done"});
  toolkit.cancelAtDone = 2;
  Choose(*window, "mnuBooklet", "cancelled.pdf");
  EXPECT_FALSE(fs::exists(target.Path() / "cancelled.pdf"));
  EXPECT_TRUE(toolkit.messages.empty() && toolkit.progress.back() == "end" && window->MenuItem("mnuSolve")->isEnabled());
  EXPECT_EQ(toolkit.bookletAsked.back().count, 3) << "the dialog starts from the last answers";
}

}  // namespace
}  // namespace loopword
