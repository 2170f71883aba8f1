// PDF and SVG through the same drawing of the sheets' views as the screen and the printer, written atomically.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/sheet_export.h"

#include <QLocale>
#include <QPainter>

#include "display/svg_canvas.h"
#include "output/pdf_document.h"
#include "output/print_page.h"
#include "puzzle/puzzle_file.h"
#include "toolkit/toolkit.h"

namespace loopword {

QPageSize LocalePaper() {
  return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                       : QPageSize::A4);
}

SaveOutcome ExportPdf(const PrintedSheets& sheets, const QString& path, const QPageSize& paper) {
  return WritePdf(path, paper, 1, [&](QPainter& painter, double dotsPerInch, int) {
    PaintPrintedPage(painter, dotsPerInch, sheets);
  });
}

std::pair<QString, QString> SvgPaths(const QString& path) {
  QString stem = path;
  if (stem.endsWith(".svg", Qt::CaseInsensitive)) stem.chop(4);
  return {stem + "-puzzle.svg", stem + "-solution.svg"};
}

SaveOutcome ExportSvg(const PrintedSheets& sheets, const QString& path) {
  const auto [puzzlePath, solutionPath] = SvgPaths(path);
  for (const QString& file : {puzzlePath, solutionPath}) {
    if (Message inTheWay = FolderInTheWay(file); !inTheWay.empty()) return {false, std::move(inTheWay)};
  }
  const std::pair<const QString&, const SheetView&> files[] = {{puzzlePath, sheets.puzzle}, {solutionPath, sheets.solution}};
  for (const auto& [file, sheet] : files) {
    Message failure = WriteFileAtomically(file.toStdString(), SheetSvg(sheet, kProgramName));
    if (!failure.empty()) return {false, std::move(failure)};
  }
  return {true, {}};
}

}  // namespace loopword
