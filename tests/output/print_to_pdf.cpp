// Prints from the window to the system's default printer with scripted answers.
// Usage: print_to_pdf PROGRAM_FOLDER (printer|no-printer) GEOMETRY_FILE
// With "printer": compiles, prints, expects "Done", and writes the page geometry in points
// (paper width and height, printable left and top) for the check of the printed page.
// With "no-printer": expects a clear message and no "Done", and the view left as it was.
#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>
#include <iostream>

#include "app/form1.h"
#include "support/scripted_toolkit.h"

namespace {

int Fail(const std::string& why) {
  std::cerr << "print test: " << why << '\n';
  return 1;
}

bool WriteGeometry(const QString& path) {
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  const QPageLayout layout = printer.pageLayout();
  const QRectF paper = layout.fullRectPoints();
  const QRectF printable = layout.paintRectPoints();
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QTextStream(&file) << paper.width() << ' ' << paper.height() << ' ' << printable.left() << ' ' << printable.top()
                     << '\n';
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 4) return Fail("usage: print_to_pdf PROGRAM_FOLDER (printer|no-printer) GEOMETRY_FILE");
  const std::string mode = argv[2];
  loopword::testing::ScriptedToolkit toolkit(argv[1]);
  loopword::Form1 window(toolkit, argv[1]);
  window.mnuSolve_Click();
  window.Command1_MouseUp();  // the puzzle sheet is on screen before printing
  toolkit.messages.clear();
  toolkit.yesNoReplies = {true};
  window.mnuprint_Click();
  if (toolkit.questions != std::vector<std::string>{"Do you wish to print puzzle and its solution?"}) {
    return Fail("the print question was not asked");
  }
  if (toolkit.messages.size() != 1) return Fail("expected one message");
  if (mode == "no-printer") {
    if (toolkit.messages[0] == "Done") return Fail("\"Done\" without a printer");
    if (window.Caption() != "Show Solution") return Fail("the view changed although nothing was printed");
    std::cout << "no printer: " << toolkit.messages[0] << '\n';
    return 0;
  }
  if (toolkit.messages[0] != "Done") return Fail("printing said: " + toolkit.messages[0]);
  if (window.Caption() != "Show Puzzle") return Fail("after printing the button must offer the puzzle");
  if (toolkit.busy) return Fail("the busy pointer stayed");
  return WriteGeometry(argv[3]) ? 0 : Fail("cannot write the page geometry");
}
