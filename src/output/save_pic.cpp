// The atomic file writer and the bitmap writer on top of it.
#include "output/save_pic.h"

#include <QFileInfo>
#include <QSaveFile>

namespace loopword {

SaveOutcome SaveAtomically(const QString& path, const std::function<bool(QSaveFile&)>& write, const std::string& failure) {
  if (QFileInfo(path).isDir()) return {false, QT_TRANSLATE_NOOP("Messages", "A folder of that name is in the way.")};
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString().toStdString()};
  if (!write(file) || file.error() != QFileDevice::NoError) {
    const std::string reason = file.error() != QFileDevice::NoError ? file.errorString().toStdString() : failure;
    file.cancelWriting();
    file.commit();
    return {false, reason};
  }
  if (!file.commit()) return {false, file.errorString().toStdString()};
  return {true, {}};
}

SaveOutcome SaveBitmapFile(const QImage& picture, const QString& path) {
  if (picture.isNull()) return {false, QT_TRANSLATE_NOOP("Messages", "There is no picture to save.")};
  return SaveAtomically(
      path, [&picture](QSaveFile& file) { return picture.convertToFormat(QImage::Format_RGB888).save(&file, "BMP"); },
      QT_TRANSLATE_NOOP("Messages", "The picture could not be written."));
}

}  // namespace loopword
