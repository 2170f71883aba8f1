// Laying out the About box and its three ways out.
#include "app/about_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "output/painter_canvas.h"

namespace loopword {

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About Loopword");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(ScreenPixels(5400), ScreenPixels(1980));
  QFont font = this->font();
  font.setBold(true);
  setFont(font);

  aboutText_ = new QPlainTextEdit(QString::fromLatin1(kAboutText), this);
  aboutText_->setReadOnly(true);
  aboutText_->setGeometry(ScreenPixels(72), ScreenPixels(48), ScreenPixels(4755), ScreenPixels(1044));
  aboutText_->setBackgroundRole(QPalette::Button);
  aboutText_->viewport()->installEventFilter(this);
  aboutText_->setFocusPolicy(Qt::NoFocus);

  auto* icon = new QLabel(this);
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  icon->setGeometry(ScreenPixels(4896), ScreenPixels(48), ScreenPixels(384), ScreenPixels(384));

  auto* version = new QLabel("Version 1.0", this);
  version->setGeometry(ScreenPixels(456), ScreenPixels(1152), ScreenPixels(4092), ScreenPixels(312));

  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(ScreenPixels(2184), ScreenPixels(1584), ScreenPixels(510) + 10, ScreenPixels(315));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &AboutForm::Unload);
}

void AboutForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    hide();  // stays loaded; the next About shows it again as it was
    return;
  }
  QDialog::keyPressEvent(event);
}

bool AboutForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == aboutText_->viewport() && event->type() == QEvent::MouseButtonPress) {
    Unload();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void AboutForm::Unload() {
  hide();
  deleteLater();
}

}  // namespace loopword
