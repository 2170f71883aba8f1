// The picture area on screen: the view of the sheet in its sunken frame, the view button inside it, and the keys it takes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBoxLayout>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>

#include "board/geometry.h"
#include "display/sheet_view.h"
#include "output/sheet_image.h"
#include "play/solving.h"
#include "session/view.h"

namespace loopword {

/// The view button: acts on the release of any mouse button over it, and on a screen reader's press action or the
/// keyboard (Tab reaches it from the figure) as on the left button.
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

 private:
  bool handlingMouse_ = false;  // a click now comes from the mouse, whose release is told already
};

/// What the picture shows now.
using SheetSource = std::function<SheetView()>;

/// Paints the sheet view `source` gives as large as the picture's size lets it, its shape kept and centred, drawn
/// afresh at every size and at the screen's pixel ratio so that it stays sharp, whenever it is asked to repaint;
/// passes on clicks as points of the sheet and the keys pressed by name; Tab and Shift+Tab move the focus on, out of
/// the figure. Its usual size shows the sheet one pixel a screen pixel. Screen readers find the figure in it as a
/// table of cells (app/figure_access.h).
class PictureBox final : public QWidget {
  Q_OBJECT
 public:
  PictureBox(SheetSource source, QWidget* parent);

  /// The figure as screen readers read it from now on; they are told what changed.
  void ShowReading(FigureReading reading);
  [[nodiscard]] const FigureReading& Reading() const { return reading_; }
  /// Keeps `button` over the sheet where the sheet's layout puts it, its size and font growing with the sheet.
  void PlaceOnSheet(QPushButton* button);

  /// The point of the sheet, in twips, shown at `pixel` of the picture.
  [[nodiscard]] TwipPoint SheetPointAt(QPointF pixel) const;
  /// The pixels of the picture that show the sheet's rectangle `width` by `height` twips from `topLeft`.
  [[nodiscard]] QRect PixelsOf(TwipPoint topLeft, int width, int height) const;

  [[nodiscard]] QSize sizeHint() const override;
  [[nodiscard]] QSize minimumSizeHint() const override;

 signals:
  /// The left mouse button was pressed over `point` of the sheet, in twips.
  void clicked(TwipPoint point);
  /// A key was pressed while the picture had the focus, named as a browser names it (Session::Key): "ArrowLeft",
  /// "PageDown", "Backspace", the character typed ("ä", "."), or with `control` the letter of its key.
  void keyPressed(const std::string& key, bool control, bool shift);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  /// The sheet's scale on screen and where its top left corner lies, for the picture's size now.
  [[nodiscard]] double Scale() const;
  [[nodiscard]] QPointF SheetOrigin() const;
  void PlaceButton();

  SheetSource source_;
  QPushButton* button_ = nullptr;
  QFont buttonFont_;  // the button's font at the usual size
  SheetImages images_;  // keeps the empty figure: a live compile's steps draw only themselves
  FigureReading reading_;
};

/// The window's client area: the picture in its sunken frame, with the view button inside it, and the row that holds
/// the frame, where panels beside the picture go.
struct PictureArea {
  QWidget* client;
  PictureBox* picture;
  ViewButton* button;
  QBoxLayout* row;
};
/// Lays out the client area of `window` around the picture of `source`, which fills the inside of the frame and
/// takes the room the window gives it.
PictureArea BuildPictureArea(QWidget* window, SheetSource source);

}  // namespace loopword
