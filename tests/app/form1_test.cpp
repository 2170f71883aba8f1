// Drives the main window under the offscreen platform with scripted answers: start-up, commands,
// starting word, the live compile with its stop button, and the two sheets.
#include "app/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/about_form.h"
#include "app/picture_box.h"
#include "board/geometry.h"
#include "support/puzzle_check.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

using testing::ScriptedToolkit;
using testing::TempDir;

/// A program folder holding the bundled word lists, or only some of them.
class ProgramFolder {
 public:
  explicit ProgramFolder(bool withLists = true) {
    if (!withLists) return;
    for (const char* name : kLevelFileNames) {
      std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / name, dir_.Path() / name);
    }
  }
  [[nodiscard]] std::string Path() const { return dir_.Path().string(); }
  [[nodiscard]] std::string File(const char* name) const { return (dir_.Path() / name).string(); }
  void Write(const char* name, const std::string& text) const { dir_.Write(name, text); }

 private:
  TempDir dir_;
};

std::set<std::string> WordsOf(const std::string& path) {
  std::set<std::string> words;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    words.insert(line);
  }
  return words;
}

bool Checked(const Form1& window, const char* name) { return window.MenuItem(name)->isChecked(); }

/// True when the image has dark pixels around the letter point of (square, position).
bool InkAtCell(const QImage& image, int square, int position) {
  const int x = (SquareX[static_cast<std::size_t>(square)] + RingX[static_cast<std::size_t>(position)]) / 15;
  const int y = (SquareY[static_cast<std::size_t>(square)] + RingY[static_cast<std::size_t>(position)]) / 15;
  for (int dy = 0; dy < 14; ++dy) {
    for (int dx = 0; dx < 10; ++dx) {
      if (qGray(image.pixel(x + dx, y + dy)) < 100) return true;
    }
  }
  return false;
}

TEST(Form1StartUp, NamesTheLevelOneListAndChecksRandomAndLevelOne) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  EXPECT_EQ(window.windowTitle().toStdString(), "Dictionary: " + folder.File("L1words.txt") + " (6508 words)");
  EXPECT_TRUE(Checked(window, "mnuStart0"));
  EXPECT_FALSE(Checked(window, "mnuStart1"));
  EXPECT_FALSE(Checked(window, "mnuDictLevel0"));
  EXPECT_TRUE(Checked(window, "mnuDictLevel1"));
  EXPECT_FALSE(Checked(window, "mnuDictLevel2"));
  EXPECT_EQ(window.Caption(), "Show Puzzle");
  EXPECT_FALSE(window.ButtonEnabled());
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(window.StartWord(), "");
}

TEST(Form1StartUp, MissingLevelOneIsReportedAndTheTitleStays) {
  ProgramFolder folder(false);
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0],
            "Error while reading dictionary:\n" + folder.File("L1words.txt") + "\nProgram may not run correctly");
  EXPECT_EQ(window.windowTitle(), "Loopword");
  EXPECT_TRUE(Checked(window, "mnuDictLevel1"));
  EXPECT_EQ(window.Dictionaries().WordCount(), 0);
}

TEST(Form1Commands, HelpShowsTenLinesWithTheSecondEmpty) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  window.MenuItem("Helpx")->trigger();
  ASSERT_EQ(toolkit.messages.size(), 1u);
  const QStringList lines = QString::fromStdString(toolkit.messages[0]).split('\n');
  ASSERT_EQ(lines.size(), 10);
  EXPECT_TRUE(lines[1].isEmpty());
  EXPECT_EQ(lines[7], "- A word cannot be made twice");
}

TEST(Form1Commands, EscHidesTheAboutBoxAndExitUnloadsIt) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  QTimer::singleShot(0, [&window] {
    auto* about = window.findChild<AboutForm*>();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Loopword");
    QTest::keyClick(about, Qt::Key_Escape);
  });
  window.Aboutx_Click();
  AboutForm* hidden = window.findChild<AboutForm*>();
  ASSERT_NE(hidden, nullptr) << "Esc keeps the box loaded";
  EXPECT_FALSE(hidden->isVisible());
  QTimer::singleShot(0, [hidden] {
    EXPECT_TRUE(hidden->isVisible()) << "About shows the hidden box again";
    auto* ok = hidden->findChild<QPushButton*>();
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  window.Aboutx_Click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window.findChild<AboutForm*>(), nullptr) << "OK unloads the box";
}

TEST(Form1StartingWord, AcceptsLowerCaseAndAsksAgainAfterWrongAnswers) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  toolkit.inputReplies = {" abcdefgh", "abc1defg", "abcd efg", "triangle"};
  window.MenuItem("mnuStart1")->trigger();
  EXPECT_EQ(window.StartWord(), "TRIANGLE");
  EXPECT_EQ(toolkit.messages, (std::vector<std::string>{"Specify 8-letter word", "Specify A..Z leters", "Specify A..Z leters"}));
  EXPECT_EQ(toolkit.prompts.front(), "Enter 8-letter word A..Z|Start Word");
  EXPECT_TRUE(Checked(window, "mnuStart1"));
  EXPECT_FALSE(Checked(window, "mnuStart0"));
  EXPECT_TRUE(InkAtCell(window.PictureImage(), 12, 1)) << "the word is drawn into square 12";

  toolkit.inputReplies = {"   "};
  window.MenuItem("mnuStart1")->trigger();
  EXPECT_EQ(window.StartWord(), "TRIANGLE") << "a blank answer keeps the word";
  window.MenuItem("mnuStart0")->trigger();
  EXPECT_EQ(window.StartWord(), "");
  EXPECT_TRUE(Checked(window, "mnuStart0"));
}

TEST(Form1Compile, EndsWithDoneOnASoundSolutionDrawnInFull) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  bool disabledDuringRun = true;
  toolkit.onYield = [&](int) {
    for (const char* name : {"mnuSolve", "mnuStart1", "mnuDictLevel2", "mnuprint", "copyx"}) {
      disabledDuringRun = disabledDuringRun && !window.MenuItem(name)->isEnabled();
    }
    disabledDuringRun = disabledDuringRun && window.Caption() == "Stop" && toolkit.busy;
  };
  window.MenuItem("mnuSolve")->trigger();
  EXPECT_TRUE(disabledDuringRun);
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Done"});
  EXPECT_EQ(window.Caption(), "Show Puzzle");
  EXPECT_TRUE(window.ButtonEnabled());
  EXPECT_FALSE(toolkit.busy);
  EXPECT_TRUE(window.MenuItem("mnuSolve")->isEnabled());
  EXPECT_EQ(testing::CheckPuzzle(window.CurrentPuzzle().List2, WordsOf(folder.File("L1words.txt"))), "");
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) EXPECT_TRUE(InkAtCell(window.PictureImage(), s, p)) << s << "." << p;
  }
}

TEST(Form1Compile, TypedStartingWordGoesIntoSquareTwelve) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  toolkit.inputReplies = {"keepsake"};
  window.mnuStart_Click(1);
  window.mnuSolve_Click();
  EXPECT_EQ(window.CurrentPuzzle().board.SquareWord[12], "KEEPSAKE");
  EXPECT_EQ(window.CurrentPuzzle().List2[11], "12 KEEPSAKE 1 KEEPSAKE");
}

TEST(Form1Compile, StopDuringBlankingShowsTheEmptyFigure) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  toolkit.onYield = [&](int yields) {
    if (yields == 5) QTest::mouseClick(window.Command1(), Qt::LeftButton);
  };
  window.mnuSolve_Click();
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(window.Caption(), "Show Solution");
  EXPECT_FALSE(window.ButtonEnabled());
  EXPECT_FALSE(toolkit.busy);
  EXPECT_FALSE(InkAtCell(window.PictureImage(), 12, 1)) << "the picture shows the empty figure";
  EXPECT_TRUE(window.MenuItem("mnuSolve")->isEnabled());
}

TEST(Form1Compile, RightButtonStopsDuringFillingAndTheNextCompileRunsAfresh) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  toolkit.onYield = [&](int yields) {
    if (yields == 184 + 3) QTest::mouseClick(window.Command1(), Qt::RightButton);
  };
  window.mnuSolve_Click();
  EXPECT_EQ(window.Caption(), "Show Solution");
  EXPECT_TRUE(toolkit.messages.empty());
  toolkit.onYield = nullptr;
  window.mnuSolve_Click();
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Done"});
}

TEST(Form1Compile, ASecondCompileCannotStartInsideTheFirst) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  toolkit.onYield = [&](int yields) {
    if (yields == 10) {
      window.mnuSolve_Click();
      window.mnuDictLevel_Click(3);
      window.mnuStart_Click(1);
    }
  };
  window.mnuSolve_Click();
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Done"});
  EXPECT_TRUE(toolkit.prompts.empty());
  EXPECT_TRUE(Checked(window, "mnuDictLevel1"));
}

TEST(Form1Compile, TooSmallADictionaryGivesUpWithAMessage) {
  ProgramFolder folder(false);
  folder.Write("L1words.txt", "ABCDEFGH\r\nIJKLMNOP\r\n");
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  window.mnuSolve_Click();
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{kGiveUpMessage});
  EXPECT_EQ(window.Caption(), "Show Solution");
  EXPECT_FALSE(window.ButtonEnabled());
  EXPECT_FALSE(toolkit.busy);
}

TEST(Form1Compile, ClosingTheWindowMidRunEndsItWithoutDone) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  window.show();
  toolkit.onYield = [&](int yields) {
    if (yields == 190) window.close();
  };
  window.mnuSolve_Click();
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_FALSE(window.isVisible());
}

TEST(Form1Sheets, ButtonAlternatesPuzzleAndSolutionWithAnyMouseButton) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  window.mnuSolve_Click();
  QTest::mouseClick(window.Command1(), Qt::RightButton);
  EXPECT_EQ(window.Caption(), "Show Solution");
  EXPECT_TRUE(InkAtCell(window.PictureImage(), 12, 2)) << "square 12's word is on the puzzle sheet";
  EXPECT_FALSE(InkAtCell(window.PictureImage(), 6, 1)) << "other cells are empty unless they are hints";
  EXPECT_TRUE(InkAtCell(window.PictureImage(), 6, 2)) << "a hint cell";
  QTest::keyClick(window.Command1(), Qt::Key_Space);
  EXPECT_EQ(window.Caption(), "Show Solution") << "the keyboard does not press the button";
  QTest::mouseClick(window.Command1(), Qt::MiddleButton);
  EXPECT_EQ(window.Caption(), "Show Puzzle");
  EXPECT_TRUE(InkAtCell(window.PictureImage(), 6, 1));
}

TEST(Form1Dictionary, LevelsReloadWithTheBusyPointerAndMoveTheCheckMark) {
  ProgramFolder folder;
  ScriptedToolkit toolkit(folder.Path());
  Form1 window(toolkit, folder.Path());
  window.MenuItem("mnuDictLevel3")->trigger();
  EXPECT_EQ(window.windowTitle().toStdString(), "Dictionary: " + folder.File("L3words.txt") + " (17255 words)");
  EXPECT_TRUE(Checked(window, "mnuDictLevel3"));
  EXPECT_FALSE(Checked(window, "mnuDictLevel1"));
  EXPECT_EQ(toolkit.pointerChanges, (std::vector<bool>{true, false}));
  std::filesystem::remove(folder.File("L2words.txt"));
  window.MenuItem("mnuDictLevel2")->trigger();
  EXPECT_TRUE(Checked(window, "mnuDictLevel2")) << "the mark follows the choice even when the load fails";
  EXPECT_EQ(window.Dictionaries().WordCount(), 17255) << "the words in use stay";
  EXPECT_EQ(window.windowTitle().toStdString(), "Dictionary: " + folder.File("L3words.txt") + " (17255 words)");
  window.mnuSolve_Click();
  EXPECT_EQ(toolkit.messages.back(), "Done");
}

}  // namespace
}  // namespace loopword
