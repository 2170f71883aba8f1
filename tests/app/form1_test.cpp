// Drives the main window with scripted answers: start-up, Help, About, the close box, and input and dialog answers reaching the session and files.
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
TEST_F(Form1Test, SolvingTakesClicksAndKeysSavesThePlainSheetAndNoToExitStays) {  // what No keeps: the random sessions
  auto window = CompiledWindow();
  window->show();
  window->MenuItem("mnuPlay")->trigger();
  const auto& words = window->CurrentPuzzle().board.SquareWord;
  Choose(*window, "copyx", Target("plain.bmp"));
  const QImage untyped = window->PictureImage();
  ClickCell(*window, 4, 2);
  QTest::keyClick(window->findChild<PictureBox*>(), words[4][1] == 'Q' ? 'r' : 'q');
  window->MenuItem("mnuCheck")->trigger();
  Choose(*window, "copyx", Target("sheet.bmp"));
  EXPECT_TRUE(window->Solving()->IsMarked({4, 2}));
  EXPECT_NE(window->PictureImage(), untyped) << "the typed letter is drawn";
  EXPECT_EQ(ReadFile(Target("sheet.bmp")), ReadFile(Target("plain.bmp"))) << "the saved sheet holds no typed letter";
  Choose(*window, "Exitx", "", false);
  EXPECT_EQ(toolkit.questions, std::vector<std::string>{"Exiting ends solving this puzzle. Exit anyway?"});
  EXPECT_TRUE(window->isVisible());
}

TEST_F(Form1Test, UserWordListIsChosenInTheProgramFolderAndLaterDialogsStartWhereItWas) {  // title, mark: random sessions
  auto window = NewWindow();
  const std::string path = target.Write("mine.dic", "ABCDEFGH\nPLATYPUS\nKEEPSAKE\n");
  Choose(*window, "mnuDictLevel0", path);
  EXPECT_EQ(toolkit.fileDialogs.at(0).folder, program.Path().string() + "/");
  EXPECT_EQ(window->Dictionaries().WordCount(), 3);
  Choose(*NewWindow(), "mnuOpen", "");
  EXPECT_EQ(toolkit.fileDialogs.back().folder, target.Path().string() + "/") << "remembered in the next run";
}

TEST_F(Form1Test, ASavedPuzzleOpensInANewWindowAsTheSamePictureAndBitmap) {
  auto window = NewWindow();
  EXPECT_FALSE(window->MenuItem("mnuSave")->isEnabled()) << "nothing to save before a compile";
  window->mnuSolve_Click();
  testing::FinishCompile(*window);
  Choose(*window, "mnuSave", Target("monday"));
  EXPECT_EQ(ReadFile(Target("monday.loopword")).rfind("# Loopword puzzle\n# word list: L1words.txt (6508 words)\n# fill: classic\n01 ", 0), 0u);
  Choose(*window, "copyx", Target("before.bmp"));
  const std::string bytes = ReadFile(Target("before.bmp"));
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes[28], 24) << "24 bits a pixel";
  EXPECT_EQ(QImage(QString::fromStdString(Target("before.bmp")), "BMP").convertToFormat(QImage::Format_RGB32),
            window->PictureImage().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Loopword copied to:\n" + Target("before.bmp") + "\n " +
                                                       std::to_string(bytes.size()) + " bytes"});
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
  EXPECT_TRUE(fs::exists(Target("page.pdf")));
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
  NewWindow()->MenuItem("mnuVaried")->trigger();
  auto window = NewWindow();
  EXPECT_TRUE(window->MenuItem("mnuVaried")->isChecked());
  EXPECT_FALSE(window->MenuItem("mnuUnique")->isChecked());
}

}  // namespace
}  // namespace loopword
