// Laying out the picture area, painting the sheet's view, passing on its clicks and keys and every
// mouse-button release of the view button, and keeping what screen readers read of it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_box.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <optional>
#include <utility>

#include "app/figure_access.h"
#include "app/fonts.h"
#include "display/sheets.h"
#include "display/units.h"
#include "output/sheet_image.h"

namespace loopword {

namespace {

// Layout of the window in twips.
constexpr int kClientWidth = 7080;
constexpr int kClientHeight = 7248;
constexpr int kPictureLeft = 30;
constexpr int kPictureTop = 30;
constexpr int kPictureWidth = 6996;
constexpr int kPictureHeight = 7152;
constexpr int kPictureBorder = 30;  // the sunken frame, 2 pixels each side
constexpr int kButtonLeft = 5460;
constexpr int kButtonTop = 6672;
constexpr int kButtonWidth = 1410;
constexpr int kButtonHeight = 396;
static_assert(kSheetWidth == kPictureWidth - 2 * kPictureBorder && kSheetHeight == kPictureHeight - 2 * kPictureBorder,
              "the sheets fill the picture's drawing area");

/// The name a browser gives the key of `event` (KeyboardEvent.key) for the keys solving takes: the keys that move and
/// clear, the character typed, or with Ctrl the letter of the key; "" for any other key.
std::string KeyName(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace: return "Backspace";
    case Qt::Key_Delete: return "Delete";
    case Qt::Key_Left: return "ArrowLeft";
    case Qt::Key_Right: return "ArrowRight";
    case Qt::Key_Up: return "ArrowUp";
    case Qt::Key_Down: return "ArrowDown";
    case Qt::Key_PageDown: return "PageDown";
    case Qt::Key_PageUp: return "PageUp";
    default: break;
  }
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::ControlModifier) {
    const int key = event.key();
    return key >= Qt::Key_A && key <= Qt::Key_Z ? std::string(1, static_cast<char>('a' + (key - Qt::Key_A))) : "";
  }
  if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return "";
  return event.text().toStdString();
}

}  // namespace

PictureArea BuildPictureArea(QWidget* window, SheetSource source) {
  auto* client = new QWidget(window);
  client->setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  client->setFont(SansFont({"Arial", "Liberation Sans"}, 7.8, false));
  auto* frame = new QFrame(client);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(TwipsToPixels(kPictureBorder));
  frame->setGeometry(TwipsToPixels(kPictureLeft), TwipsToPixels(kPictureTop), TwipsToPixels(kPictureWidth), TwipsToPixels(kPictureHeight));
  auto* picture = new PictureBox(std::move(source), frame);
  picture->move(TwipsToPixels(kPictureBorder), TwipsToPixels(kPictureBorder));
  auto* button = new ViewButton(picture);
  button->setGeometry(TwipsToPixels(kButtonLeft), TwipsToPixels(kButtonTop), TwipsToPixels(kButtonWidth), TwipsToPixels(kButtonHeight));
  return {client, picture, button};
}

ViewButton::ViewButton(QWidget* parent) : QPushButton(parent) {
  setFocusPolicy(Qt::TabFocus);
  // a click without the mouse comes from the keyboard or a screen reader's press action
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (!handlingMouse_) emit mouseUp(Qt::LeftButton);
  });
}

void ViewButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QPushButton::mousePressEvent(event);
  } else {
    event->accept();  // keep the release of the right and middle buttons coming here
  }
}

void ViewButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool over = rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    handlingMouse_ = true;
    QPushButton::mouseReleaseEvent(event);
    handlingMouse_ = false;
  }
  if (over && isEnabled()) emit mouseUp(event->button());
}

PictureBox::PictureBox(SheetSource source, QWidget* parent) : QWidget(parent), source_(std::move(source)) {
  setFixedSize(TwipsToPixels(kSheetWidth), TwipsToPixels(kSheetHeight));
  setFocusPolicy(Qt::ClickFocus);
  InstallFigureAccess();
}

void PictureBox::ShowReading(FigureReading reading) {
  const FigureReading before = std::exchange(reading_, std::move(reading));
  AnnounceFigureChange(*this, before);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {  // Tab and Shift+Tab never come here: they move the focus on
  const std::string name = KeyName(*event);
  if (name.empty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  emit keyPressed(name, event->modifiers().testFlag(Qt::ControlModifier), event->modifiers().testFlag(Qt::ShiftModifier));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(event->position().toPoint());
  QWidget::mousePressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, images_.Draw(source_(), devicePixelRatioF()));  // the window may have moved to another screen
}

void PictureBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // after the focus event the toolkit sends for the whole picture, so that screen readers end on the cell
  QTimer::singleShot(0, this, [this] { AnnounceFocusedCell(*this); });
}

}  // namespace loopword
