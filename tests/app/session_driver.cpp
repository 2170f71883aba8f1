// Drives the real window through one printing session with scripted answers, for the print and leak checks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTimer>
#include <fstream>
#include <iostream>

#include "app/form1.h"
#include "support/scripted_toolkit.h"

namespace {

/// Plays the session of `mode`; "" or what went wrong. print: compile, print with Yes ("Done", solution on show), the
/// page geometry in points (paper width, height, printable left, top) to `out`; no-printer: the same without a printer,
/// not "Done" and the view unchanged; whole: compile, both sheets, a bitmap to `out`, print, Exit through the menu.
std::string Play(loopword::Form1& window, loopword::testing::ScriptedToolkit& toolkit, const std::string& mode,
                 const std::string& out) {
  window.mnuSolve_Click();
  while (window.Compiling()) QCoreApplication::processEvents();
  window.Command1_MouseUp();  // the puzzle sheet
  if (mode == "whole") {
    window.Command1_MouseUp();
    toolkit.fileReplies = {out};
    window.MenuItem("copyx")->trigger();
    if (toolkit.messages.back().rfind("Loopword copied to:", 0) != 0) return "saving said: " + toolkit.messages.back();
  }
  toolkit.messages.clear();
  toolkit.yesNoReplies = {true};
  window.MenuItem("mnuprint")->trigger();
  if (toolkit.questions.back() != "Do you wish to print puzzle and its solution?") return "no print question";
  const std::string said = toolkit.messages.size() == 1 ? toolkit.messages[0] : "(no single message)";
  if (mode == "no-printer") {
    if (said == "Done" || window.Caption() != "Show Solution") return "printing without a printer said: " + said;
    std::cout << "no printer: " << said << '\n';
    return "";
  }
  if (said != "Done") return "printing said: " + said;
  if (window.Caption() != "Show Puzzle" || toolkit.busy) return "after printing the solution must be on show";
  if (mode != "print") return "";
  const QPageLayout layout = QPrinter(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution).pageLayout();
  std::ofstream file(out);
  file << layout.fullRectPoints().width() << ' ' << layout.fullRectPoints().height() << ' '
       << layout.paintRectPoints().left() << ' ' << layout.paintRectPoints().top() << std::endl;
  return file ? "" : "cannot write the page geometry";
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  if (argc != 4) return 2;  // usage: session_driver PROGRAM_FOLDER (print|no-printer|whole) OUT_FILE
  loopword::testing::ScriptedToolkit toolkit(argv[1]);
  loopword::Form1 window(toolkit, argv[1]);
  window.show();
  std::string fault;
  QTimer::singleShot(0, [&] {
    fault = Play(window, toolkit, argv[2], argv[3]);
    window.MenuItem("Exitx")->trigger();
  });
  QApplication::exec();
  if (!fault.empty()) std::cerr << "session: " << fault << '\n';
  return fault.empty() ? 0 : 1;
}
