// The window's fonts by face name, falling back to the sans faces the system has.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

namespace loopword {

/// A font of the first available face in `faces`, else Liberation Sans or another sans face,
/// at `points` points.
QFont SansFont(const QStringList& faces, double points, bool bold);

}  // namespace loopword
