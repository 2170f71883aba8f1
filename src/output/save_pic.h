// Writing files without risk: any file through a temporary one, and a picture as a bitmap file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <string>

#include "board/message.h"

class QFileDevice;
class QSaveFile;

namespace loopword {

/// How writing a bitmap file went.
struct SaveOutcome {
  bool saved = false;
  /// Why it failed, for the user; nothing when saved.
  Message reason;
};

/// Why `file` failed, as the toolkit says it: a value shown as it stands, in the system's language already.
Message FileError(const QFileDevice& file);

/// Why no file can be written at `path` because a folder has its name; nothing when none has.
Message FolderInTheWay(const QString& path);

/// Writes a file through `write`, which fills the open file and says whether that worked: into a
/// temporary file beside `path`, renamed over it only when complete, so a failure leaves any
/// existing file as it was and no part file. `failure` is the reason given when `write` fails
/// without a file error.
SaveOutcome SaveAtomically(const QString& path, const std::function<bool(QSaveFile&)>& write, Text failure);

/// Writes `picture` as a 24-bit Windows bitmap: into a temporary file beside `path`, renamed
/// over it only when complete, so a failure leaves any existing file as it was and no part file.
SaveOutcome SaveBitmapFile(const QImage& picture, const QString& path);

}  // namespace loopword
