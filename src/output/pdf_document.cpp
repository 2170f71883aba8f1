// One PDF writer for the exported page and the booklet: QPdfWriter into a QSaveFile.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/pdf_document.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace loopword {

SaveOutcome WritePdf(const QString& path, const QPageSize& paper, int pages, const PaintPdfPage& paint) {
  return SaveAtomically(
      path,
      [&](QSaveFile& file) {
        QPdfWriter writer(&file);
        writer.setCreator("Loopword");
        writer.setTitle("Loopword");
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        for (int index = 0; index < pages; ++index) {
          if (index > 0) writer.newPage();
          paint(painter, kPdfDpi, index);
        }
        return painter.end();
      },
      LOOPWORD_TEXT("Messages", "The PDF could not be written."));
}

}  // namespace loopword
