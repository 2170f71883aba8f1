// Draws the icon: two loops of squares meeting in a dark-red crossing square.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace loopword {

QImage ProgramIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  painter.setBrush(QColor(250, 248, 240));
  painter.setPen(QPen(QColor(10, 10, 10), 1.2));
  painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
  // Two rings of cells, the upper and the lower loop, meeting in the crossing square.
  painter.setPen(QPen(QColor(10, 10, 10), 0.8));
  painter.setBrush(QColor(255, 255, 255));
  for (const double centreY : {8.5, 23.5}) {
    for (int i = 0; i < 10; ++i) {
      const double angle = i * 2 * M_PI / 10;
      painter.drawRect(QRectF(16 + 8 * std::sin(angle) - 2, centreY - 5.5 * std::cos(angle) - 2, 4, 4));
    }
  }
  painter.setBrush(QColor(140, 50, 50));
  painter.drawRect(QRectF(12.5, 12.5, 7, 7));  // square 12
  painter.setPen(QColor(240, 240, 240));
  QFont font("Liberation Sans");
  font.setPixelSize(7);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRectF(12.5, 12.5, 7, 7), Qt::AlignCenter, "8");
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
  return icon;
}

}  // namespace loopword
