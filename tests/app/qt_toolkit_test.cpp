// Checks that the real Qt dialogs behind the toolkit hand back what the user answered with the keyboard.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_toolkit.h"
#include "words/theme_words.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "support/temp_dir.h"

namespace loopword {
namespace {

/// A dialog opened by `ask`, the text typed over its focused field's text, then the keys pressed, the keys that answer
/// the question it asks on the way (none when it asks none), and the reply expected.
struct Answer { const char* what; std::function<std::string(QtToolkit&)> ask; std::string typed; std::vector<Qt::Key> keys;
                std::string expected; std::vector<Qt::Key> answered = {}; };

/// Once `ask` opens its dialog, types the answer into it, and the answer to its question into the box that asks it;
/// what the toolkit then returns.
std::string Reply(const Answer& answer) {
  QTimer typist, answerer;  // one timer each: a timer waits while its own handler runs
  QWidget* first = nullptr;
  QObject::connect(&answerer, &QTimer::timeout, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr || box == first) return;
    answerer.stop();
    for (const Qt::Key key : answer.answered) QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, key);
  });
  QObject::connect(&typist, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || QApplication::activeWindow() != dialog) return;  // keys go to the active window
    typist.stop();
    first = dialog;
    if (!answer.answered.empty()) answerer.start(10);
    const auto focused = [dialog] { return dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog; };
    if (!answer.typed.empty()) QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), QString::fromStdString(answer.typed));
    for (const Qt::Key key : answer.keys) QTest::keyClick(focused(), key);
  });
  typist.start(10);
  QtToolkit toolkit;
  return answer.ask(toolkit);
}

TEST(QtToolkit, EachDialogReturnsWhatWasTypedIntoIt) {
  testing::TempDir dir;
  const std::string typedPath = (dir.Path() / "sheet").string();
  const auto yesNo = [](QtToolkit& toolkit) { return toolkit.AskYesNo(Message(Phrase("Print?"))) ? "yes" : "no"; };
  const auto keepByDefault = [](QtToolkit& toolkit) { return toolkit.AskYesNo(Message(Phrase("Exit anyway?")), false) ? "yes" : "no"; };
  const auto input = [](QtToolkit& toolkit) { return "[" + toolkit.InputBox(Message(Phrase("Enter a word")), Message(Phrase("Starting Word"))) + "]"; };
  const auto file = [&dir](QtToolkit& toolkit) {
    return toolkit.ShowFileDialog({true, "Save as", "Bitmap Files", "*.bmp", dir.Path().string()});
  };
  const auto booklet = [](QtToolkit& toolkit) {
    const std::optional<BookletChoices> chosen = toolkit.AskBooklet({30, false, false, true});
    if (!chosen) return std::string("cancelled");
    return std::to_string(chosen->count) + (chosen->noRepeats ? " no repeats" : "") + (chosen->varied ? " varied" : "") +
           (chosen->unique ? " unique" : "");
  };
  const auto theme = [](QtToolkit& toolkit) {
    const std::optional<ThemeEntry> chosen = toolkit.AskTheme({"", "Zoo"}, [](const std::string& words) {
      const ThemeWords read = ReadThemeWords(words, Language::English);
      return ThemeReport{ThemeWordsReport(read), read.Fit()};
    });
    return chosen ? "[" + chosen->words + "|" + chosen->title + "]" : std::string("cancelled");
  };
  std::string tooMany;
  for (char c = 'A'; c <= 'X'; ++c) tooMany += std::string(8, c) + " ";
  const std::vector<Answer> answers = {
      {"Enter takes Yes, the default", yesNo, "", {Qt::Key_Return}, "yes"},
      {"Escape says No", yesNo, "", {Qt::Key_Escape}, "no"},
      {"Enter keeps what a No keeps where No is the default", keepByDefault, "", {Qt::Key_Return}, "no"},
      {"a typed word", input, "platypus", {Qt::Key_Return}, "[platypus]"},
      {"a cancelled input box", input, "platypus", {Qt::Key_Escape}, "[]"},
      {"a typed full path, no extension added", file, typedPath, {Qt::Key_Return}, typedPath},
      {"a cancelled file dialog", file, "", {Qt::Key_Escape}, ""},
      {"the count, then the next box ticked", booklet, "12", {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return}, "12 varied unique"},
      {"a cancelled booklet", booklet, "", {Qt::Key_Escape}, "cancelled"},
      {"theme words, Tab to the title, Enter", theme, "elephant, giraffes", {Qt::Key_Tab, Qt::Key_Return}, "[elephant, giraffes|Zoo]"},
      {"24 theme words cannot be kept", theme, tooMany, {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape}, "cancelled"},
      {"Clear asks first: Yes empties both", theme, "elephant", {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}, "[|]", {Qt::Key_Y}},
      {"Clear asks first: No, the default, keeps both", theme, "elephant", {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Backtab, Qt::Key_Return},
       "[elephant|Zoo]", {Qt::Key_Return}},
  };
  for (const Answer& answer : answers) EXPECT_EQ(Reply(answer), answer.expected) << answer.what;
}

}  // namespace
}  // namespace loopword
