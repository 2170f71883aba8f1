// Drives the main window under the offscreen platform with scripted answers: start-up, Help,
// About, the live compile and the two sheets. Random sessions cover the rest.
#include "app/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/about_form.h"
#include "app/picture_box.h"
#include "display/units.h"
#include "support/puzzle_check.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

/// A window over a program folder that holds the level-1 list, unless told otherwise.
class Form1Test : public ::testing::Test {
 protected:
  void Open(bool withLevel1 = true) {
    if (withLevel1) std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / "L1words.txt", Level1());
    window = std::make_unique<Form1>(toolkit, folder.Path().string());
  }
  [[nodiscard]] std::string Level1() const { return (folder.Path() / "L1words.txt").string(); }
  [[nodiscard]] bool Checked(const char* name) const { return window->MenuItem(name)->isChecked(); }

  /// True when the picture has ink around the letter point of (square, position).
  [[nodiscard]] bool InkAt(int square, int position) const { return InkAt(window->PictureImage(), square, position); }
  static bool InkAt(const QImage& image, int square, int position) {
    const TwipPoint point = CellPoint(square, position);
    const int x = TwipsToPixels(point.x);
    const int y = TwipsToPixels(point.y);
    for (int dy = 0; dy < 14; ++dy) {
      for (int dx = 0; dx < 10; ++dx) {
        if (qGray(image.pixel(x + dx, y + dy)) < 100) return true;
      }
    }
    return false;
  }

  testing::TempDir folder;
  testing::ScriptedToolkit toolkit{folder.Path().string()};
  std::unique_ptr<Form1> window;
};

TEST_F(Form1Test, StartsOnLevelOneWithRandomChecked) {
  Open();
  EXPECT_EQ(window->windowTitle().toStdString(), "Dictionary: " + Level1() + " (6508 words)");
  EXPECT_TRUE(Checked("mnuStart0") && !Checked("mnuStart1"));
  EXPECT_TRUE(Checked("mnuDictLevel1") && !Checked("mnuDictLevel0") && !Checked("mnuDictLevel2"));
  EXPECT_TRUE(window->Caption() == "Show Puzzle" && !window->ButtonEnabled() && toolkit.messages.empty());
}

TEST_F(Form1Test, MissingLevelOneIsReportedAndTheTitleStays) {
  Open(false);
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Error while reading dictionary:\n" + Level1() +
                                                       "\nProgram may not run correctly"});
  EXPECT_TRUE(window->windowTitle() == "Loopword" && Checked("mnuDictLevel1"));
}

TEST_F(Form1Test, HelpShowsTenLinesAndTheAboutBoxHidesOnEscAndGoesOnOk) {
  Open();
  window->MenuItem("Helpx")->trigger();
  const QStringList lines = QString::fromStdString(toolkit.messages.at(0)).split('\n');
  ASSERT_EQ(lines.size(), 10);
  EXPECT_TRUE(lines[1].isEmpty());
  QTimer::singleShot(0, [this] { QTest::keyClick(window->findChild<AboutForm*>(), Qt::Key_Escape); });
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

TEST_F(Form1Test, CompileDisablesCommandsAndEndsWithDoneOnASoundFullyDrawnSolution) {
  Open();
  bool lockedDuringRun = true;
  toolkit.onYield = [&](int) {
    for (const char* name : {"mnuSolve", "mnuStart1", "mnuDictLevel2", "mnuprint", "copyx"}) {
      lockedDuringRun = lockedDuringRun && !window->MenuItem(name)->isEnabled();
    }
    lockedDuringRun = lockedDuringRun && window->Caption() == "Stop" && toolkit.busy;
  };
  window->MenuItem("mnuSolve")->trigger();
  EXPECT_TRUE(lockedDuringRun);
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Done"});
  EXPECT_EQ(window->Caption(), "Show Puzzle");
  EXPECT_TRUE(window->ButtonEnabled() && !toolkit.busy && window->MenuItem("mnuSolve")->isEnabled());
  std::set<std::string> words;
  for (int n = 1; n <= window->Dictionaries().WordCount(); ++n) words.insert(ToString(window->Dictionaries().Words()->WordPool(n)));
  EXPECT_EQ(testing::CheckPuzzle(window->CurrentPuzzle().List2, words), "");
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) EXPECT_TRUE(InkAt(s, p)) << s << "." << p;
  }
}

TEST_F(Form1Test, ClosingTheWindowMidRunEndsItWithoutDone) {
  Open();
  window->show();
  toolkit.onYield = [&](int yields) {
    if (yields == 190) window->close();
  };
  window->mnuSolve_Click();
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_FALSE(window->isVisible());
}

TEST_F(Form1Test, AnyMouseButtonAlternatesTheSheetsTheKeyboardDoesNot) {
  Open();
  window->mnuSolve_Click();
  QTest::mouseClick(window->Command1(), Qt::RightButton);
  EXPECT_EQ(window->Caption(), "Show Solution");
  EXPECT_TRUE(InkAt(12, 2) && InkAt(6, 2)) << "square 12's word and a hint letter";
  EXPECT_FALSE(InkAt(6, 1)) << "the other cells are empty";
  QTest::keyClick(window->Command1(), Qt::Key_Space);
  EXPECT_EQ(window->Caption(), "Show Solution");
  QTest::mouseClick(window->Command1(), Qt::MiddleButton);
  EXPECT_EQ(window->Caption(), "Show Puzzle");
  EXPECT_TRUE(InkAt(6, 1));
}

TEST_F(Form1Test, SolvingOnScreenByClicksAndKeysUntilSolvedWithCheckAndThePlainSheetSaved) {
  Open();
  const auto enabled = [this](const char* name) { return window->MenuItem(name)->isEnabled(); };
  EXPECT_FALSE(enabled("mnuPlay"));
  window->mnuSolve_Click();
  window->MenuItem("mnuPlay")->trigger();
  ASSERT_NE(window->Solving(), nullptr);
  EXPECT_TRUE(window->Caption() == "Show Solution" && enabled("mnuCheck") && enabled("mnuReveal"));
  auto* picture = window->findChild<PictureBox*>();
  const auto click = [picture](int square, int position) {
    const TwipPoint point = CellPoint(square, position);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(TwipsToPixels(point.x), TwipsToPixels(point.y)));
  };
  const auto& words = window->CurrentPuzzle().board.SquareWord;
  click(4, 2);
  QTest::keyClick(picture, words[4][1] == 'Q' ? 'r' : 'q');
  window->MenuItem("mnuCheck")->trigger();
  const std::string bitmap = (folder.Path() / "sheet.bmp").string();
  toolkit.fileReplies = {bitmap};
  toolkit.yesNoReplies = {false};  // to the question whether the solution may end solving
  window->copyx_Click();
  QTest::mouseClick(window->Command1(), Qt::LeftButton);
  EXPECT_TRUE(window->Solving()->IsMarked({4, 2}) && InkAt(4, 2) && window->Caption() == "Show Solution");
  EXPECT_FALSE(InkAt(QImage(QString::fromStdString(bitmap)), 4, 2)) << "the saved sheet holds no typed letter";
  toolkit.messages.clear();
  for (int s = 1; s <= kSquareCount; ++s) {
    click(s, 1);
    QTest::keyClicks(picture, QString::fromStdString(words[static_cast<std::size_t>(s)]).toLower());
  }
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(toolkit.messages[0]).contains(QRegularExpression("^Solved in \\d+:\\d\\d$")));
  window->MenuItem("mnuPlay")->trigger();  // solving already: nothing changes
  QTest::mouseClick(window->Command1(), Qt::LeftButton);
  EXPECT_EQ(toolkit.questions, (std::vector<std::string>(2, "Showing the solution ends solving this puzzle. Show it anyway?")));
  EXPECT_TRUE(window->Solving() == nullptr && window->Caption() == "Show Puzzle" && !enabled("mnuCheck"));
}

}  // namespace
}  // namespace loopword
