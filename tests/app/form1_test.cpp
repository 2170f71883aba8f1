// Drives the main window with scripted answers: start-up, Help, About, closing mid-run, the sheets, solving on screen.
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "app/about_form.h"
#include "support/window_test.h"

namespace loopword {
namespace {

using Form1Test = testing::WindowTest;

TEST_F(Form1Test, StartsOnLevelOneOrSaysLevelOneIsMissing) {
  auto window = NewWindow();
  EXPECT_EQ(window->windowTitle().toStdString(), "Dictionary: " + program.Path().string() + "/L1words.txt (6508 words)");
  EXPECT_TRUE(window->MenuItem("mnuStart0")->isChecked() && window->MenuItem("mnuDictLevel1")->isChecked());
  EXPECT_TRUE(window->Caption() == "Show Puzzle" && !window->ButtonEnabled() && toolkit.messages.empty());
  testing::TempDir empty;
  const Form1 bare(toolkit, empty.Path().string());
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Error while reading dictionary:\n" + empty.Path().string() +
                                                       "/L1words.txt\nProgram may not run correctly"});
  EXPECT_TRUE(bare.windowTitle() == "Loopword" && bare.MenuItem("mnuDictLevel1")->isChecked());
}

TEST_F(Form1Test, HelpShowsTenLinesAndTheAboutBoxHidesOnEscAndGoesOnOk) {
  auto window = NewWindow();
  window->MenuItem("Helpx")->trigger();
  const QStringList lines = QString::fromStdString(toolkit.messages.at(0)).split('\n');
  EXPECT_TRUE(lines.size() == 10 && lines[1].isEmpty());
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
  toolkit.onYield = [&](int yields) {
    if (yields == 190) window->close();
  };
  window->mnuSolve_Click();
  EXPECT_TRUE(toolkit.messages.empty() && !window->isVisible());
}

TEST_F(Form1Test, TheKeyboardDoesNotPressTheViewButton) {  // any mouse button does, in the random sessions
  auto window = NewWindow();
  window->mnuSolve_Click();
  QTest::keyClick(window->Command1(), Qt::Key_Space);
  EXPECT_EQ(window->Caption(), "Show Puzzle");
}

// Starting, leaving and the question before the solution are left to the random sessions.
TEST_F(Form1Test, SolvingOnScreenByClicksAndKeysUntilSolvedWithCheckAndThePlainSheetSaved) {
  auto window = NewWindow();
  window->mnuSolve_Click();
  window->MenuItem("mnuPlay")->trigger();
  EXPECT_TRUE(window->MenuItem("mnuCheck")->isEnabled() && window->MenuItem("mnuReveal")->isEnabled());
  auto* picture = window->findChild<PictureBox*>();
  const auto& words = window->CurrentPuzzle().board.SquareWord;
  ClickCell(*window, 4, 2);
  QTest::keyClick(picture, words[4][1] == 'Q' ? 'r' : 'q');
  window->MenuItem("mnuCheck")->trigger();
  Choose(*window, "copyx", Target("sheet.bmp"));
  EXPECT_TRUE(window->Solving()->IsMarked({4, 2}) && InkAt(window->PictureImage(), 4, 2));
  EXPECT_FALSE(InkAt(QImage(QString::fromStdString(Target("sheet.bmp"))), 4, 2)) << "the saved sheet holds no typed letter";
  for (int s = 1; s <= kSquareCount; ++s) {
    ClickCell(*window, s, 1);
    QTest::keyClicks(picture, QString::fromStdString(words[static_cast<std::size_t>(s)]).toLower());
  }
  ASSERT_EQ(toolkit.messages.size(), 2u) << "the bitmap's, then";
  EXPECT_TRUE(QString::fromStdString(toolkit.messages[1]).contains(QRegularExpression("^Solved in \\d+:\\d\\d$")));
}

}  // namespace
}  // namespace loopword
