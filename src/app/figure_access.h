// The figure on screen for screen readers: the picture box as a table of the squares' ring cells.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/view.h"

class QWidget;

namespace loopword {

class PictureBox;

/// Gives every PictureBox, from now on, its accessible table: a row per square, a column per ring
/// position, each cell named by its square, position and letter. Installing twice does nothing more.
void InstallFigureAccess();

/// Tells screen readers what changed on `picture` from `before` to what it reads now: the cells
/// whose letters changed, the sheet's name and word list, and the selected cell, which takes the
/// focus while the picture has it.
void AnnounceFigureChange(PictureBox& picture, const FigureReading& before);

/// Gives the focus of screen readers to the selected cell of `picture` while it has the keyboard focus.
void AnnounceFocusedCell(PictureBox& picture);

}  // namespace loopword
