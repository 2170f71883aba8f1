// Qt's message box, input dialog, override cursor and event loop behind the toolkit interface.
#include "app/qt_toolkit.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "controls/fn_dialog.h"

namespace loopword {

namespace {

QMessageBox::StandardButton Ask(QWidget* parent, const std::string& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
  QMessageBox box(QMessageBox::NoIcon, kProgramName, QString::fromStdString(text), buttons, parent);
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtToolkit::ShowMessage(const std::string& text) { Ask(parent_, text, QMessageBox::Ok, QMessageBox::Ok); }

bool QtToolkit::AskYesNo(const std::string& text) {
  return Ask(parent_, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

std::string QtToolkit::InputBox(const std::string& prompt, const std::string& title) {
  bool accepted = false;
  const QString answer = QInputDialog::getText(parent_, QString::fromStdString(title), QString::fromStdString(prompt),
                                               QLineEdit::Normal, QString(), &accepted);
  return accepted ? answer.toStdString() : std::string();
}

std::string QtToolkit::ShowFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title), QString::fromStdString(request.folder),
                     QString::fromStdString(DialogFilter(request)));
  dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  return dialog.selectedFiles().constFirst().toStdString();
}

void QtToolkit::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtToolkit::Yield() { QCoreApplication::processEvents(); }

std::string QtToolkit::ProgramFolder() const { return QCoreApplication::applicationDirPath().toStdString(); }

}  // namespace loopword
