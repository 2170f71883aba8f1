// The picture area on screen: the persistent image and the view button that sits inside it.
#pragma once

#include <QPushButton>
#include <QWidget>

#include "output/image_canvas.h"

namespace loopword {

/// The view button: acts on the release of any mouse button over it, never on the keyboard.
class ViewButton final : public QPushButton {
  Q_OBJECT
 public:
  explicit ViewButton(QWidget* parent);

 signals:
  /// A mouse button was released over the button.
  void mouseUp(Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

/// Shows an ImageCanvas at its pixel size, drawn at the screen's pixel ratio, and repaints whenever it changes.
class PictureBox final : public QWidget {
  Q_OBJECT
 public:
  PictureBox(ImageCanvas& canvas, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ImageCanvas& canvas_;
};

}  // namespace loopword
