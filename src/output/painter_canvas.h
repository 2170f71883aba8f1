// Paints the figure's boxes and texts with a QPainter on any device: screen image, bitmap or printer page.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <optional>

#include "display/canvas.h"
#include "display/units.h"

namespace loopword {

/// Paints canvas operations through `painter`; twips become device units at `dotsPerInch`.
class PainterCanvas final : public Canvas {
 public:
  /// `widthTwips` × `heightTwips` is the area Clear() paints in `background`.
  PainterCanvas(QPainter& painter, double dotsPerInch, int widthTwips, int heightTwips, Color background);

  void Clear() override;
  void DrawBox(int x1, int y1, int x2, int y2, Color color, int penWidth) override;
  void FillBox(int x1, int y1, int x2, int y2, Color color) override;
  void DrawText(int x, int y, const std::string& text, const Font& font, Color color) override;

  /// Device units for a length in twips.
  [[nodiscard]] double ToDevice(double twips) const { return TwipsToDevice(twips, dotsPerInch_); }

 private:
  QRectF BoxRect(int x1, int y1, int x2, int y2) const;
  /// Makes `font` the one texts are drawn in, with its ascent on the device; kept while the font stays.
  void UseFont(const Font& font);

  QPainter& painter_;
  double dotsPerInch_;
  int widthTwips_;
  int heightTwips_;
  Color background_;
  std::optional<Font> font_;  // the last text's font, as QFont and ascent below
  QFont qfont_;
  double ascent_ = 0;
};

/// The Qt colour of a canvas colour.
QColor ToQColor(Color color);

}  // namespace loopword
