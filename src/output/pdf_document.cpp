// One PDF writer for the exported page and the booklet: QPdfWriter into a QSaveFile.
#include "output/pdf_document.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace loopword {

SaveOutcome WritePdf(const QString& path, const QPageSize& paper, int pages, const PaintPdfPage& paint) {
  if (QFileInfo(path).isDir()) return {false, "A folder of that name is in the way."};
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString().toStdString()};
  bool drawn = false;
  {
    QPdfWriter writer(&file);
    writer.setCreator("Loopword");
    writer.setTitle("Loopword");
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (painter.begin(&writer)) {
      for (int index = 0; index < pages; ++index) {
        if (index > 0) writer.newPage();
        paint(painter, kPdfDpi, index);
      }
      drawn = painter.end();
    }
  }
  if (!drawn || file.error() != QFileDevice::NoError) {
    const std::string reason = file.error() != QFileDevice::NoError ? file.errorString().toStdString()
                                                                      : std::string("The PDF could not be written.");
    file.cancelWriting();
    file.commit();
    return {false, reason};
  }
  if (!file.commit()) return {false, file.errorString().toStdString()};
  return {true, {}};
}

}  // namespace loopword
