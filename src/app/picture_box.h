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

/// Shows an ImageCanvas at its pixel size, drawn at the screen's pixel ratio, and repaints whenever
/// it changes; passes on clicks and every key it receives, Tab and Shift+Tab included.
class PictureBox final : public QWidget {
  Q_OBJECT
 public:
  PictureBox(ImageCanvas& canvas, QWidget* parent);

 signals:
  /// The left mouse button was pressed at `pixel` of the picture.
  void clicked(QPoint pixel);
  /// A key was pressed while the picture had the focus.
  void keyPressed(int key, Qt::KeyboardModifiers modifiers, const QString& text);

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  ImageCanvas& canvas_;
};

}  // namespace loopword
