// One whole session of the real window, for the leak check: start, compile, both sheets, save a
// bitmap, print, exit through the menu. Usage: whole_session PROGRAM_FOLDER BITMAP_PATH
// Exits 0 when every step said what it should.
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <iostream>

#include "app/form1.h"
#include "support/scripted_toolkit.h"

namespace {

/// Runs the session's steps in order; false (with a word on stderr) at the first surprise.
bool PlaySession(loopword::Form1& window, loopword::testing::ScriptedToolkit& toolkit, const std::string& bitmap) {
  const auto said = [&toolkit](const std::string& text) { return !toolkit.messages.empty() && toolkit.messages.back() == text; };
  window.MenuItem("mnuSolve")->trigger();
  if (!said("Done")) return false;
  window.Command1_MouseUp();
  window.Command1_MouseUp();
  toolkit.fileReplies = {bitmap};
  window.MenuItem("copyx")->trigger();
  if (toolkit.messages.back().rfind("Loopword copied to:", 0) != 0) return false;
  toolkit.yesNoReplies = {true};
  window.MenuItem("mnuprint")->trigger();
  if (!said("Done")) std::cerr << "printing said: " << toolkit.messages.back() << '\n';
  return said("Done");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: whole_session PROGRAM_FOLDER BITMAP_PATH\n";
    return 2;
  }
  loopword::testing::ScriptedToolkit toolkit(argv[1]);
  loopword::Form1 window(toolkit, argv[1]);
  window.show();
  bool played = false;
  QTimer::singleShot(0, [&] {
    played = PlaySession(window, toolkit, argv[2]);
    window.MenuItem("Exitx")->trigger();
  });
  QApplication::exec();
  std::cout << (played ? "whole session played\n" : "the session went wrong\n");
  return played ? 0 : 1;
}
