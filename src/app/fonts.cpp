// Building fonts with clean fallbacks for faces the system lacks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fonts.h"

namespace loopword {

QFont SansFont(const QStringList& faces, double points, bool bold) {
  QFont font;
  font.setFamilies(faces + QStringList{"Liberation Sans", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace loopword
