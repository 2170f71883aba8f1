// Painting the persistent image, passing on its clicks and keys and every mouse-button release of the view button.
#include "app/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace loopword {

ViewButton::ViewButton(QWidget* parent) : QPushButton(parent) { setFocusPolicy(Qt::NoFocus); }

void ViewButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QPushButton::mousePressEvent(event);
  } else {
    event->accept();  // keep the release of the right and middle buttons coming here
  }
}

void ViewButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool over = rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) QPushButton::mouseReleaseEvent(event);
  if (over && isEnabled()) emit mouseUp(event->button());
}

PictureBox::PictureBox(ImageCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  setFixedSize(canvas_.Image().size());
  setFocusPolicy(Qt::ClickFocus);
  canvas_.SetPixelRatio(devicePixelRatioF());
  canvas_.changed = [this] { update(); };
}

bool PictureBox::event(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::event(event);
  const auto* key = static_cast<QKeyEvent*>(event);  // Tab too, which would move the focus
  emit keyPressed(key->key(), key->modifiers(), key->text());
  return true;
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(event->position().toPoint());
  QWidget::mousePressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
  canvas_.SetPixelRatio(devicePixelRatioF());  // the window may have moved to another screen
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_.ScreenImage());
}

}  // namespace loopword
