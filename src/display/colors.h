// The colours the figure and the sheets are drawn in.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/canvas.h"

namespace loopword {

/// Square frames, letters, the tag of square 12 and the usual text colour.
inline constexpr Color ColorInk{10, 10, 10};
/// Square numbers on the tags and the start marks.
inline constexpr Color ColorPaper{240, 240, 240};
/// The thin inner lines of a square's cell grid.
inline constexpr Color ColorGrey{192, 192, 192};
/// The cell grid on a screen, darker than on paper so that it stands out against a lit background.
inline constexpr Color ColorScreenGrid{118, 118, 118};
/// Tag colour of the plain figure.
inline constexpr Color ColorFrame{140, 50, 50};
/// Tag colour of the square the compiler is working on.
inline constexpr Color ColorYellow{200, 200, 10};
/// Background of the picture area, used to blank cells.
inline constexpr Color ColorBack{255, 255, 255};

/// The selected cell while a puzzle is solved on screen.
inline constexpr Color ColorSelection{255, 196, 64};
/// The other ring cells of the selected cell's square.
inline constexpr Color ColorSquareShade{255, 238, 196};
/// Letters that Check found wrong.
inline constexpr Color ColorError{200, 20, 20};
/// Letters typed in pencil: guesses, grey beside the ink of sure letters (and readable on the selection's shades).
inline constexpr Color ColorPencil{100, 100, 100};

}  // namespace loopword
