// Build tool: writes the program's icon as PNG files for the icon theme, one per size.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "app/program_icon.h"

/// Usage: write_icons OUTPUT_FOLDER SIZE...; writes OUTPUT_FOLDER/<SIZE>.png for each size.
int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: write_icons OUTPUT_FOLDER SIZE...\n", stderr);
    return 2;
  }
  QGuiApplication application(argc, argv);
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString file = QString("%1/%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    if (size <= 0 || !loopword::ProgramIconImage(size).save(file, "PNG")) {
      std::fprintf(stderr, "write_icons: cannot write the %s pixel icon\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
