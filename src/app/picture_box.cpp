// Laying out the picture area, painting the sheet's view, passing on its clicks and keys and every
// mouse-button release of the view button, and keeping what screen readers read of it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_box.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "app/figure_access.h"
#include "app/fonts.h"
#include "display/colors.h"
#include "display/sheets.h"
#include "display/units.h"
#include "output/painter_canvas.h"
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
/// How small the sheet may get on screen: a part of its usual size.
constexpr int kSmallestScale = 2;
/// Twips in one pixel of the usual size.
constexpr double kTwipsPerPixel = kTwipsPerInch / kScreenDpi;
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

/// The sheet's size at its usual size, one pixel a screen pixel.
QSize SheetPixels() { return {TwipsToPixels(kSheetWidth), TwipsToPixels(kSheetHeight)}; }

}  // namespace

PictureArea BuildPictureArea(QWidget* window, SheetSource source) {
  auto* client = new QWidget(window);
  client->setFont(SansFont({"Arial", "Liberation Sans"}, 7.8, false));
  auto* row = new QHBoxLayout(client);
  const int left = TwipsToPixels(kPictureLeft);
  const int top = TwipsToPixels(kPictureTop);
  row->setContentsMargins(left, top, TwipsToPixels(kClientWidth) - left - TwipsToPixels(kPictureWidth),
                          TwipsToPixels(kClientHeight) - top - TwipsToPixels(kPictureHeight));
  row->setSpacing(left);
  auto* frame = new QFrame(client);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(TwipsToPixels(kPictureBorder));
  auto* inside = new QVBoxLayout(frame);  // within the frame's lines
  inside->setContentsMargins(0, 0, 0, 0);
  auto* picture = new PictureBox(std::move(source), frame);
  inside->addWidget(picture);
  row->addWidget(frame, 1);
  auto* button = new ViewButton(picture);
  picture->PlaceOnSheet(button);
  return {client, picture, button, row};
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
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFocusPolicy(Qt::ClickFocus);
  InstallFigureAccess();
}

QSize PictureBox::sizeHint() const { return SheetPixels(); }

QSize PictureBox::minimumSizeHint() const { return SheetPixels() / kSmallestScale; }

double PictureBox::Scale() const {
  const QSize usual = SheetPixels();
  return std::min(static_cast<double>(width()) / usual.width(), static_cast<double>(height()) / usual.height());
}

QPointF PictureBox::SheetOrigin() const {  // whole pixels, so that the sheet's pixels fall on the screen's
  const QSizeF shown = QSizeF(SheetPixels()) * Scale();
  return {std::floor((width() - shown.width()) / 2), std::floor((height() - shown.height()) / 2)};
}

TwipPoint PictureBox::SheetPointAt(QPointF pixel) const {
  const QPointF unscaled = (pixel - SheetOrigin()) / Scale();
  return {static_cast<int>(std::lround(unscaled.x() * kTwipsPerPixel)), static_cast<int>(std::lround(unscaled.y() * kTwipsPerPixel))};
}

QRect PictureBox::PixelsOf(TwipPoint topLeft, int width, int height) const {
  const double pixelsPerTwip = Scale() / kTwipsPerPixel;
  const QPointF origin = SheetOrigin();
  return QRectF(origin.x() + topLeft.x * pixelsPerTwip, origin.y() + topLeft.y * pixelsPerTwip, width * pixelsPerTwip, height * pixelsPerTwip).toRect();
}

void PictureBox::PlaceOnSheet(QPushButton* button) {
  button_ = button;
  buttonFont_ = button->font();
  PlaceButton();
}

void PictureBox::PlaceButton() {
  if (button_ == nullptr) return;
  button_->setGeometry(PixelsOf({kButtonLeft, kButtonTop}, kButtonWidth, kButtonHeight));
  QFont font = buttonFont_;
  font.setPointSizeF(buttonFont_.pointSizeF() * Scale());
  button_->setFont(font);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceButton();
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
  if (event->button() == Qt::LeftButton) emit clicked(SheetPointAt(event->position()));
  QWidget::mousePressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(ColorBack));  // the room beside the sheet, as the sheet
  const double screenRatio = devicePixelRatioF();  // the window may have moved to another screen
  const QImage sheet = images_.Draw(source_(), screenRatio * Scale());  // drawn at the size shown: sharp
  painter.drawImage(QRectF(SheetOrigin(), QSizeF(sheet.size()) / screenRatio), sheet);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // after the focus event the toolkit sends for the whole picture, so that screen readers end on the cell
  QTimer::singleShot(0, this, [this] { AnnounceFocusedCell(*this); });
}

}  // namespace loopword
