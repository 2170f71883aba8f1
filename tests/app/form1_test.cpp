// Drives the main window with scripted answers: start-up, Help, About, solving on screen, and the files it reads and writes.
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "app/about_form.h"
#include "output/booklet.h"
#include "support/run_tool.h"
#include "support/window_test.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using Form1Test = testing::WindowTest;

// The start on level one, its title and marks, is checked by the random sessions.
TEST_F(Form1Test, SaysLevelOneIsMissing) {
  testing::TempDir empty;
  const Form1 bare(toolkit, empty.Path().string());
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Error while reading dictionary:\n" + empty.Path().string() +
                                                       "/L1words.txt\nProgram may not run correctly"});
  EXPECT_EQ(bare.windowTitle(), "Loopword");
  EXPECT_TRUE(bare.MenuItem("mnuDictLevel1")->isChecked());
}

TEST_F(Form1Test, TheGuideNamesEveryCommandAndTheAboutBoxHidesOnEscAndGoesOnOk) {
  auto window = NewWindow();
  window->MenuItem("mnuGuide")->trigger();
  ASSERT_NE(window->findChild<QTextBrowser*>(), nullptr);
  const QString guide = window->findChild<QTextBrowser*>()->toPlainText();
  for (const QAction* menu : window->menuBar()->actions()) {
    for (const QAction* item : menu->menu()->actions()) {
      const QString command = QString(menu->text() + QStringLiteral(" \u25B8 ") + item->text()).remove('&');
      EXPECT_TRUE(item->isSeparator() || guide.contains(command)) << command.toStdString();
    }
  }
  QTimer::singleShot(0, [&] { QTest::keyClick(window->findChild<AboutForm*>(), Qt::Key_Escape); });
  window->Aboutx_Click();
  AboutForm* hidden = window->findChild<AboutForm*>();
  ASSERT_NE(hidden, nullptr) << "Esc keeps the box loaded";
  EXPECT_EQ(hidden->windowTitle(), "About Loopword");
  QTimer::singleShot(0, [hidden] {
    EXPECT_TRUE(hidden->isVisible()) << "About shows the hidden box again";
    QTest::mouseClick(hidden->findChild<QPushButton*>(), Qt::LeftButton);
  });
  window->Aboutx_Click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->findChild<AboutForm*>(), nullptr) << "OK unloads the box";
}

TEST_F(Form1Test, ClosingTheWindowMidRunEndsItWithoutDone) {
  auto window = NewWindow();
  window->show();
  window->mnuSolve_Click();
  testing::FinishCompile(*window, [&](int step) {
    if (step == 50) window->close();
  });
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{});
  EXPECT_FALSE(window->isVisible());
}

TEST_F(Form1Test, TheKeyboardDoesNotPressTheViewButton) {  // any mouse button does, in the random sessions
  auto window = CompiledWindow();
  QTest::keyClick(window->Command1(), Qt::Key_Space);
  EXPECT_EQ(window->Caption(), "Show Puzzle");
}

// Solving itself, its clock and its questions are the session's: here keys, clicks and answers reach it.
TEST_F(Form1Test, SolvingTakesClicksAndKeysSavesThePlainSheetAndNoToExitKeepsAll) {
  auto window = CompiledWindow();
  window->show();
  window->MenuItem("mnuPlay")->trigger();
  EXPECT_TRUE(window->MenuItem("mnuCheck")->isEnabled());
  EXPECT_TRUE(window->MenuItem("mnuReveal")->isEnabled());
  const auto& words = window->CurrentPuzzle().board.SquareWord;
  ClickCell(*window, 4, 2);
  QTest::keyClick(window->findChild<PictureBox*>(), words[4][1] == 'Q' ? 'r' : 'q');
  window->MenuItem("mnuCheck")->trigger();
  Choose(*window, "copyx", Target("sheet.bmp"));
  EXPECT_TRUE(window->Solving()->IsMarked({4, 2}));
  EXPECT_TRUE(InkAt(window->PictureImage(), 4, 2));
  EXPECT_FALSE(InkAt(QImage(QString::fromStdString(Target("sheet.bmp"))), 4, 2)) << "the saved sheet holds no typed letter";
  Choose(*window, "Exitx", "", false);
  EXPECT_EQ(toolkit.questions, std::vector<std::string>{"Exiting ends solving this puzzle. Exit anyway?"});
  EXPECT_TRUE(window->isVisible());
  ASSERT_NE(window->Solving(), nullptr);
  EXPECT_TRUE(window->Solving()->IsMarked({4, 2})) << "No keeps all";
}

TEST_F(Form1Test, BitmapIsThePictureIn24BitsAskedForInTheProgramFolderAndReportedWithItsLength) {
  auto window = CompiledWindow();
  Choose(*window, "copyx", Target("puzzle"));
  const FileDialogRequest& asked = toolkit.fileDialogs.at(0);
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.folder, program.Path().string() + "/");
  EXPECT_EQ(asked.title, "Select destination file for a bitmap copy of this puzzle");
  EXPECT_EQ(DialogFilter(asked), "Loopword Bitmap Files (*.bmp)");
  const std::string bytes = ReadFile(Target("puzzle"));
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(bytes[28], 24) << "24 bits a pixel";
  const QImage saved(QString::fromStdString(Target("puzzle")), "BMP");
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), window->PictureImage().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Loopword copied to:\n" + Target("puzzle") + "\n " +
                                                       std::to_string(bytes.size()) + " bytes"});
  EXPECT_TRUE(toolkit.questions.empty()) << "a new file needs no question";
}

TEST_F(Form1Test, UserWordListIsChosenInTheProgramFolderAndLaterDialogsStartWhereItWas) {  // title, mark: random sessions
  auto window = NewWindow();
  const std::string path = target.Write("mine.dic", "ABCDEFGH\nPLATYPUS\nKEEPSAKE\n");
  Choose(*window, "mnuDictLevel0", path);
  const FileDialogRequest asked = toolkit.fileDialogs.at(0);
  EXPECT_FALSE(asked.save);
  EXPECT_EQ(asked.folder, program.Path().string() + "/");
  EXPECT_EQ(DialogFilter(asked), "Dictionary Files (*.txt *.dat *.dic)");
  EXPECT_EQ(window->Dictionaries().WordCount(), 3);
  Choose(*NewWindow(), "mnuOpen", "");
  EXPECT_EQ(toolkit.fileDialogs.back().folder, target.Path().string() + "/") << "remembered in the next run";
}

TEST_F(Form1Test, ASavedPuzzleOpensInANewWindowAsTheSamePictureAndBitmap) {
  auto window = NewWindow();
  for (const auto& [item, keys] : {std::pair{"mnuOpen", "Ctrl+O"}, {"mnuSave", "Ctrl+S"}, {"copyx", "Ctrl+B"}, {"mnuExportPdf", "Ctrl+E"}}) {
    EXPECT_EQ(window->MenuItem(item)->shortcut(), QKeySequence(keys)) << item;
  }
  EXPECT_FALSE(window->MenuItem("mnuSave")->isEnabled()) << "nothing to save before a compile";
  window->mnuSolve_Click();
  testing::FinishCompile(*window);
  Choose(*window, "mnuSave", Target("monday"));
  EXPECT_EQ(DialogFilter(toolkit.fileDialogs.back()), "Loopword Puzzles (*.loopword)");
  EXPECT_EQ(ReadFile(Target("monday.loopword")).rfind("# Loopword puzzle\n# word list: L1words.txt (6508 words)\n# fill: classic\n01 ", 0), 0u);
  Choose(*window, "copyx", Target("before.bmp"));
  auto reopened = NewWindow();
  Choose(*reopened, "mnuOpen", Target("monday.loopword"));
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{});
  EXPECT_EQ(reopened->Caption(), "Show Puzzle");
  EXPECT_TRUE(reopened->ButtonEnabled());
  EXPECT_EQ(reopened->PictureImage(), window->PictureImage());
  Choose(*reopened, "copyx", Target("after.bmp"));
  EXPECT_EQ(ReadFile(Target("after.bmp")), ReadFile(Target("before.bmp")));
  Choose(*reopened, "mnuSave", Target("monday.loopword"), false);
  EXPECT_EQ(toolkit.questions, std::vector<std::string>{"OverWrite file: " + Target("monday.loopword") + " ?"});
}

TEST_F(Form1Test, ExportsAndBookletsAreWrittenAndACancelledBookletIsNot) {
  auto window = CompiledWindow();
  Choose(*window, "mnuExportPdf", Target("page"));
  Choose(*window, "mnuExportSvg", Target("sheets.svg"));
  EXPECT_EQ(testing::PdfPageCount(Target("page.pdf")), 1);
  EXPECT_TRUE(fs::exists(Target("sheets-puzzle.svg")));
  EXPECT_TRUE(fs::exists(Target("sheets-solution.svg")));
  Choose(*window, "mnuExportPdf", Target("missing/x.pdf"));
  EXPECT_EQ(toolkit.messages.at(0).rfind("Loopword could not save the PDF to:\n", 0), 0u);
  toolkit.bookletReplies = {BookletChoices{3, true}, BookletChoices{4, false}};
  Choose(*window, "mnuBooklet", Target("class.pdf"));
  EXPECT_EQ(testing::PdfPageCount(Target("class.pdf")), BookletPageCount(3));
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Booklet written: " + Target("class.pdf") + ", " +
                                                       std::to_string(BookletPageCount(3)) + " pages."});
  toolkit.cancelAtDone = 2;
  Choose(*window, "mnuBooklet", Target("cancelled.pdf"));
  EXPECT_FALSE(fs::exists(Target("cancelled.pdf")));
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{});
  EXPECT_EQ(toolkit.progress.back(), "end");
  EXPECT_TRUE(window->MenuItem("mnuSolve")->isEnabled());
  EXPECT_EQ(toolkit.bookletAsked.back().count, 3) << "the dialog starts from the last answers";
}

TEST_F(Form1Test, FillChoicesStartOffAndAreRememberedBetweenRuns) {
  auto window = NewWindow();
  EXPECT_FALSE(window->MenuItem("mnuVaried")->isChecked());
  EXPECT_FALSE(window->MenuItem("mnuUnique")->isChecked());
  window->MenuItem("mnuVaried")->trigger();
  window = NewWindow();
  EXPECT_TRUE(window->MenuItem("mnuVaried")->isChecked());
  EXPECT_FALSE(window->MenuItem("mnuUnique")->isChecked());
}

}  // namespace
}  // namespace loopword
