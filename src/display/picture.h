// The picture area's drawing state (pen, text colour, font, text position) over a canvas.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "display/canvas.h"
#include "display/colors.h"

namespace loopword {

/// Draws on a canvas with the current pen width, text colour, font and text position, as the
/// picture area of the main window does. Coordinates are twips.
class Picture {
 public:
  /// A picture area over `canvas` in its start-up state: "courier new", bold, 14 points, ColorInk,
  /// pen 1 pixel, text position (0, 0). The canvas must outlive the picture.
  explicit Picture(Canvas& canvas) : canvas_(canvas) {}

  /// Pen width of outlines in pixels.
  int DrawWidth = 1;
  /// Colour of printed text.
  Color ForeColor = ColorInk;
  /// Colour of the thin inner lines of a square's cell grid.
  Color GridColor = ColorGrey;
  /// Face of printed text.
  std::string FontName = "courier new";
  /// Size of printed text in points.
  int FontSize = 14;
  /// Whether printed text is bold.
  bool FontBold = true;
  /// Left edge of the next printed text, in twips.
  int CurrentX = 0;
  /// Top edge of the next printed text, in twips.
  int CurrentY = 0;

  /// Outlines the box with corners (x1, y1) and (x2, y2) (twips) in `color`, DrawWidth pixels wide.
  void LineBox(int x1, int y1, int x2, int y2, Color color);
  /// Fills the box with corners (x1, y1) and (x2, y2) (twips) solid with `color`.
  void LineBoxFilled(int x1, int y1, int x2, int y2, Color color);
  /// Prints `text` at (CurrentX, CurrentY) in the current font and ForeColor, on a transparent
  /// background; an empty text draws nothing. The text position is left where it was.
  void Print(const std::string& text);
  /// Clears the picture to its background colour and moves the text position to (0, 0).
  void Cls();

 private:
  Canvas& canvas_;
};

}  // namespace loopword
