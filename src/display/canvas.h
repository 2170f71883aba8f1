// The surface the figure and the sheets are painted on: boxes and text placed in twips.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace loopword {

/// A colour as red, green and blue bytes.
struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend bool operator==(const Color&, const Color&) = default;
};

/// A text font: face name, size in points and weight.
struct Font {
  std::string face;
  int size = 0;
  bool bold = false;

  friend bool operator==(const Font&, const Font&) = default;
};

/// A surface that keeps everything drawn on it until it is cleared. Coordinates are twips
/// (1/1440 inch) from its top-left corner, y growing downwards.
class Canvas {
 public:
  virtual ~Canvas() = default;

  /// Paints the whole surface in its background colour.
  virtual void Clear() = 0;
  /// Outlines the box with corners (x1, y1) and (x2, y2) (twips) in `color`, `penWidth` pixels wide.
  virtual void DrawBox(int x1, int y1, int x2, int y2, Color color, int penWidth) = 0;
  /// Fills the box with corners (x1, y1) and (x2, y2) (twips) solid with `color`.
  virtual void FillBox(int x1, int y1, int x2, int y2, Color color) = 0;
  /// Draws `text` with its top-left corner at (x, y) (twips) in `font` and `color`; the
  /// background behind the text is left as it is.
  virtual void DrawText(int x, int y, const std::string& text, const Font& font, Color color) = 0;
};

}  // namespace loopword
