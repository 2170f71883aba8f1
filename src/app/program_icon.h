// The program's icon: a small figure 8 of lettered squares.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace loopword {

/// The icon drawn at `size` × `size` pixels.
QImage ProgramIconImage(int size);
/// The icon at the sizes window managers ask for.
QIcon ProgramIcon();

}  // namespace loopword
