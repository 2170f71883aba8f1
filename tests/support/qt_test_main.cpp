// Test entry for code that needs Qt: a QApplication on the offscreen platform, then every test.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // settings of a test never reach the user's own, nor another test's:
  QCoreApplication::setApplicationName(QCoreApplication::applicationName() + "-" + QString::number(QCoreApplication::applicationPid()));
  QSettings().clear();
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  QFile::remove(QSettings().fileName());
  return status;
}
