// The atomic file writer and the bitmap writer on top of it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/save_pic.h"

#include <QFileInfo>
#include <QSaveFile>

namespace loopword {

Message FileError(const QFileDevice& file) { return Message(Phrase(file.errorString().toStdString())); }

Message FolderInTheWay(const QString& path) { return QFileInfo(path).isDir() ? Message(texts::kFolderInTheWay) : Message(); }

SaveOutcome SaveAtomically(const QString& path, const std::function<bool(QSaveFile&)>& write, Text failure) {
  if (Message inTheWay = FolderInTheWay(path); !inTheWay.empty()) return {false, std::move(inTheWay)};
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return {false, FileError(file)};
  if (!write(file) || file.error() != QFileDevice::NoError) {
    const Message reason = file.error() != QFileDevice::NoError ? FileError(file) : Message(failure);
    file.cancelWriting();
    file.commit();
    return {false, reason};
  }
  if (!file.commit()) return {false, FileError(file)};
  return {true, {}};
}

SaveOutcome SaveBitmapFile(const QImage& picture, const QString& path) {
  if (picture.isNull()) return {false, LOOPWORD_TEXT("Messages", "There is no picture to save.")};
  return SaveAtomically(
      path, [&picture](QSaveFile& file) { return picture.convertToFormat(QImage::Format_RGB888).save(&file, "BMP"); },
      LOOPWORD_TEXT("Messages", "The picture could not be written."));
}

}  // namespace loopword
