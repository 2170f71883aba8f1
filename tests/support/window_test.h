// A fixture for main-window tests: a program folder with the first level, scripted answers and chosen files.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLocale>
#include <QSettings>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/form1.h"
#include "app/picture_box.h"
#include "display/units.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword::testing {

/// Turns the event loop until the compile `window` draws has ended.
inline void FinishCompile(Form1& window) {
  while (window.Compiling()) QCoreApplication::processEvents();
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    QSettings().clear();  // every test starts as a first run
    QLocale::setDefault(QLocale::c());  // on an English desktop
    std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / "L1words.txt", program.Path() / "L1words.txt");
  }

  std::unique_ptr<Form1> NewWindow() { return std::make_unique<Form1>(toolkit, program.Path().string()); }
  std::unique_ptr<Form1> CompiledWindow() {
    auto window = NewWindow();
    window->mnuSolve_Click();
    FinishCompile(*window);
    return window;
  }
  /// `window` shown and active, so that the keys typed reach it.
  static std::unique_ptr<Form1> Active(std::unique_ptr<Form1> window) {
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }
  /// The path of `file` in the folder for chosen files.
  [[nodiscard]] std::string Target(const std::string& file) const { return (target.Path() / file).string(); }

  /// Runs the menu item `item` of `window` with `path` chosen in its file dialog and `yes` to any question.
  void Choose(Form1& window, const char* item, const std::string& path, bool yes = true) {
    toolkit.messages.clear();
    toolkit.questions.clear();
    toolkit.fileReplies = {path};
    toolkit.yesNoReplies = {yes};
    window.MenuItem(item)->trigger();
  }

  TempDir program, target;
  ScriptedToolkit toolkit{program.Path().string()};
};

}  // namespace loopword::testing
