// Boxes and texts in twips, scaled to the device and drawn with QPainter.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/painter_canvas.h"

#include <QFontMetricsF>
#include <algorithm>

namespace loopword {

QColor ToQColor(Color color) { return QColor(color.r, color.g, color.b); }

PainterCanvas::PainterCanvas(QPainter& painter, double dotsPerInch, int widthTwips, int heightTwips,
                             Color background)
    : painter_(painter),
      dotsPerInch_(dotsPerInch),
      widthTwips_(widthTwips),
      heightTwips_(heightTwips),
      background_(background) {}

QRectF PainterCanvas::BoxRect(int x1, int y1, int x2, int y2) const {
  const QPointF a(ToDevice(std::min(x1, x2)), ToDevice(std::min(y1, y2)));
  const QPointF b(ToDevice(std::max(x1, x2)), ToDevice(std::max(y1, y2)));
  return QRectF(a, b);
}

void PainterCanvas::Clear() { FillBox(0, 0, widthTwips_, heightTwips_, background_); }

void PainterCanvas::DrawBox(int x1, int y1, int x2, int y2, Color color, int penWidth) {
  QPen pen(ToQColor(color));
  pen.setWidthF(std::max(1, penWidth) * dotsPerInch_ / kScreenDpi);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.save();
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(BoxRect(x1, y1, x2, y2));
  painter_.restore();
}

void PainterCanvas::FillBox(int x1, int y1, int x2, int y2, Color color) {
  painter_.fillRect(BoxRect(x1, y1, x2, y2), ToQColor(color));
}

void PainterCanvas::UseFont(const Font& font) {
  if (font_ == font) return;
  font_ = font;
  qfont_ = QFont(QString::fromStdString(font.face));
  qfont_.setPointSizeF(font.size);
  qfont_.setBold(font.bold);
  qfont_.setStyleHint(QFont::TypeWriter);
  painter_.save();
  painter_.setFont(qfont_);  // measured as the painter resolves it on its device
  ascent_ = QFontMetricsF(painter_.font(), painter_.device()).ascent();
  painter_.restore();
}

void PainterCanvas::DrawText(int x, int y, const std::string& text, const Font& font, Color color) {
  if (text.empty()) return;
  UseFont(font);
  painter_.save();
  painter_.setFont(qfont_);
  painter_.setPen(ToQColor(color));
  painter_.drawText(QPointF(ToDevice(x), ToDevice(y) + ascent_), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  painter_.restore();
}

}  // namespace loopword
