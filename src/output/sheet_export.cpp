// PDF and SVG through the same drawing of the sheets' views as the screen and the printer, written atomically.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/sheet_export.h"

#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "display/sheets.h"
#include "display/units.h"
#include "output/pdf_document.h"
#include "output/print_page.h"

namespace loopword {

namespace {

/// Paints `sheet` into `file` as SVG at screen resolution.
bool WriteSvgSheet(QSaveFile& file, const SheetView& sheet) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setResolution(static_cast<int>(kScreenDpi));
  const QSize size(TwipsToPixels(kSheetWidth), TwipsToPixels(kSheetHeight));
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle("Loopword");
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  PaintSheetOnPage(painter, kScreenDpi, QPointF(0, 0), 1.0, sheet);
  return painter.end();
}

}  // namespace

QPageSize LocalePaper() {
  return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                       : QPageSize::A4);
}

SaveOutcome ExportPdf(const Puzzle& puzzle, const QString& path, const QPageSize& paper) {
  return WritePdf(path, paper, 1, [&](QPainter& painter, double dotsPerInch, int) {
    PaintPrintedPage(painter, dotsPerInch, puzzle);
  });
}

std::pair<QString, QString> SvgPaths(const QString& path) {
  QString stem = path;
  if (stem.endsWith(".svg", Qt::CaseInsensitive)) stem.chop(4);
  return {stem + "-puzzle.svg", stem + "-solution.svg"};
}

SaveOutcome ExportSvg(const Puzzle& puzzle, const QString& path) {
  const auto [puzzlePath, solutionPath] = SvgPaths(path);
  QSaveFile puzzleFile(puzzlePath);
  QSaveFile solutionFile(solutionPath);
  for (QSaveFile* file : {&puzzleFile, &solutionFile}) {
    if (QFileInfo(file->fileName()).isDir()) return {false, LOOPWORD_TEXT("Messages", "A folder of that name is in the way.")};
    file->setDirectWriteFallback(false);
    if (!file->open(QIODevice::WriteOnly)) return {false, FileError(*file)};
  }
  const bool drawn = WriteSvgSheet(puzzleFile, PuzzleSheetView(puzzle)) && WriteSvgSheet(solutionFile, SolutionSheetView(puzzle));
  if (!drawn || !puzzleFile.commit() || !solutionFile.commit()) {
    return {false, LOOPWORD_TEXT("Messages", "The SVG files could not be written.")};
  }
  return {true, {}};
}

}  // namespace loopword
