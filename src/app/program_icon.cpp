// Draws the icon: two loops of squares meeting in a dark-red crossing square.
#include "app/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <array>
#include <utility>

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
  // Cells of the upper and lower loop on a 5-pixel grid, then the crossing square.
  constexpr std::array<std::pair<int, int>, 12> kCells = {{
      {11, 3}, {16, 3}, {6, 7}, {21, 7}, {6, 11}, {21, 11},
      {6, 18}, {21, 18}, {6, 22}, {21, 22}, {11, 26}, {16, 26},
  }};
  painter.setPen(QPen(QColor(10, 10, 10), 1.0));
  painter.setBrush(QColor(255, 255, 255));
  for (const auto& [x, y] : kCells) painter.drawRect(QRectF(x, y, 5, 5));
  painter.setBrush(QColor(140, 50, 50));
  painter.drawRect(QRectF(11.5, 11.5, 9, 9));
  painter.setPen(QColor(240, 240, 240));
  QFont font("Liberation Sans");
  font.setPixelSize(8);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRectF(11.5, 11.5, 9, 9), Qt::AlignCenter, "8");
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
  return icon;
}

}  // namespace loopword
