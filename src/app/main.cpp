// Program entry: the application, its icon and the main window.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/form1.h"
#include "app/program_icon.h"
#include "app/qt_toolkit.h"
#include "app/translations.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(loopword::kProgramName);
  QApplication::setOrganizationName(loopword::kProgramName);
  QApplication::setWindowIcon(loopword::ProgramIcon());
  loopword::QtToolkit toolkit;
  loopword::KeepEnglishInTheCLocale();
  const loopword::Translations translations(toolkit.ProgramFolder());
  loopword::Form1 window(toolkit, toolkit.ProgramFolder());
  toolkit.SetParent(&window);
  window.show();
  return QApplication::exec();
}
