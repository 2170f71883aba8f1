// Drawing through the picture area's current state.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/picture.h"

namespace loopword {

void Picture::LineBox(int x1, int y1, int x2, int y2, Color color) {
  canvas_.DrawBox(x1, y1, x2, y2, color, DrawWidth);
}

void Picture::LineBoxFilled(int x1, int y1, int x2, int y2, Color color) {
  canvas_.FillBox(x1, y1, x2, y2, color);
}

void Picture::Print(const std::string& text) {
  if (text.empty()) return;
  canvas_.DrawText(CurrentX, CurrentY, text, Font{FontName, FontSize, FontBold}, ForeColor);
}

void Picture::Cls() {
  canvas_.Clear();
  CurrentX = 0;
  CurrentY = 0;
}

}  // namespace loopword
