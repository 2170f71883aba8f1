// Laying out the About box and its three ways out.
#include "app/about_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace loopword {

namespace {

/// Pixels for twips on the screen (15 twips a pixel).
int Px(int twips) { return twips / 15; }

}  // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About Loopword");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(Px(5400), Px(1980));
  QFont font = this->font();
  font.setBold(true);
  setFont(font);

  aboutText_ = new QPlainTextEdit(QString::fromLatin1(kAboutText), this);
  aboutText_->setReadOnly(true);
  aboutText_->setGeometry(Px(72), Px(48), Px(4755), Px(1044));
  aboutText_->setBackgroundRole(QPalette::Button);
  aboutText_->viewport()->installEventFilter(this);
  aboutText_->setFocusPolicy(Qt::NoFocus);

  auto* icon = new QLabel(this);
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  icon->setGeometry(Px(4896), Px(48), Px(384), Px(384));

  auto* version = new QLabel("Version 1.0", this);
  version->setGeometry(Px(456), Px(1152), Px(4092), Px(312));

  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(Px(2184), Px(1584), Px(510) + 10, Px(315));
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
