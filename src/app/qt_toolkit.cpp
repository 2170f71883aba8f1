// Qt's message box, input dialog, override cursor and event loop behind the toolkit interface.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_toolkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/translations.h"
#include "board/plain_text.h"
#include "controls/fn_dialog.h"
#include "puzzle/booklet_maker.h"
#include "words/theme_words.h"

namespace loopword {

namespace {

constexpr Text kClearThemeQuestion = LOOPWORD_TEXT("Messages", "Clear the theme words, their clues and the title?");

QMessageBox::StandardButton Ask(QWidget* parent, const Message& message, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
  QMessageBox box(QMessageBox::NoIcon, kProgramName, ShownText(message), buttons, parent);
  box.setTextFormat(Qt::PlainText);  // file names and titles are shown as typed, never as markup
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtToolkit::ShowMessage(const Message& message) { Ask(parent_, message, QMessageBox::Ok, QMessageBox::Ok); }

bool QtToolkit::AskYesNo(const Message& question, bool yesByDefault) {
  return Ask(parent_, question, QMessageBox::Yes | QMessageBox::No, yesByDefault ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

std::string QtToolkit::InputBox(const Message& prompt, const Message& title) {
  bool accepted = false;
  const QString answer = QInputDialog::getText(parent_, ShownText(title), ShownText(prompt),
                                               QLineEdit::Normal, QString(), &accepted);
  return accepted ? answer.toStdString() : std::string();
}

std::optional<int> QtToolkit::AskNumber(const Message& prompt, const Message& title, int least, int most, int initial) {
  bool accepted = false;
  const int number = QInputDialog::getInt(parent_, ShownText(title), ShownText(prompt), initial, least, most, 1, &accepted);
  return accepted ? std::optional(number) : std::nullopt;
}

std::string QtToolkit::ShowFileDialog(const FileDialogRequest& request) {
  FileDialogRequest shown = request;
  shown.filterName = ShownText(request.filterName).toStdString();
  QFileDialog dialog(parent_, ShownText(request.title), QString::fromStdString(request.folder),
                     QString::fromStdString(DialogFilter(shown)));
  dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<BookletChoices> QtToolkit::AskBooklet(const BookletChoices& initial) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(QObject::tr("Make booklet"));
  auto* count = new QSpinBox(&dialog);
  count->setRange(1, kBookletLimit);
  count->setValue(initial.count);
  auto* noRepeats = new QCheckBox(QObject::tr("No word twice in the booklet"), &dialog);
  noRepeats->setChecked(initial.noRepeats);
  auto* varied = new QCheckBox(QObject::tr("Varied words"), &dialog);
  varied->setChecked(initial.varied);
  auto* unique = new QCheckBox(QObject::tr("One solution"), &dialog);
  unique->setChecked(initial.unique);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout(&dialog);
  form->addRow(QObject::tr("Number of puzzles:"), count);
  form->addRow(varied);
  form->addRow(unique);
  form->addRow(noRepeats);
  form->addRow(buttons);
  QWidget::setTabOrder(count, varied);  // reading order, as the rows stand
  QWidget::setTabOrder(varied, unique);
  QWidget::setTabOrder(unique, noRepeats);
  QWidget::setTabOrder(noRepeats, buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return BookletChoices{count->value(), noRepeats->isChecked(), varied->isChecked(), unique->isChecked()};
}

std::optional<ThemeEntry> QtToolkit::AskTheme(const ThemeEntry& current, const ThemeCheck& check) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(QObject::tr("Theme words"));
  auto* words = new QPlainTextEdit(QString::fromStdString(current.words), &dialog);
  words->setTabChangesFocus(true);
  words->setObjectName("themeWords");
  auto* title = new QLineEdit(QString::fromStdString(current.title), &dialog);
  title->setMaxLength(kTitleLimit);
  title->setObjectName("themeTitle");
  auto* report = new QLabel(&dialog);
  report->setTextFormat(Qt::PlainText);
  report->setWordWrap(true);
  report->setObjectName("themeReport");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QPushButton* clear = buttons->addButton(QObject::tr("C&lear"), QDialogButtonBox::ResetRole);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setDefault(true);
  bool cleared = false;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(clear, &QPushButton::clicked, &dialog, [&] {  // asked first: No keeps what the box holds
    if (Ask(&dialog, Message(kClearThemeQuestion), QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) return;
    cleared = true;
    dialog.accept();
  });
  auto* acceptFromWords = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), &dialog);  // Return starts a new line there
  QObject::connect(acceptFromWords, &QShortcut::activated, &dialog, [&] {
    if (ok->isEnabled()) dialog.accept();
  });
  const auto showReport = [&] {
    const ThemeReport read = check(words->toPlainText().toStdString());
    report->setText(ShownText(read.text));
    ok->setEnabled(read.usable);
  };
  QObject::connect(words, &QPlainTextEdit::textChanged, &dialog, showReport);
  showReport();
  auto* wordsLabel = new QLabel(QObject::tr("&Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:"), &dialog);
  wordsLabel->setBuddy(words);
  auto* titleLabel = new QLabel(QObject::tr("&Title:"), &dialog);
  titleLabel->setBuddy(title);
  auto* column = new QVBoxLayout(&dialog);
  for (QWidget* row : std::initializer_list<QWidget*>{wordsLabel, words, report, titleLabel, title, buttons}) column->addWidget(row);
  QWidget* const readingOrder[] = {words, title, clear, ok, buttons->button(QDialogButtonBox::Cancel)};  // Clear stands left
  for (std::size_t i = 0; i + 1 < std::size(readingOrder); ++i) QWidget::setTabOrder(readingOrder[i], readingOrder[i + 1]);
  dialog.resize(420, 360);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (cleared) return ThemeEntry{};
  return ThemeEntry{words->toPlainText().toStdString(), title->text().toStdString()};
}

bool QtToolkit::ShowProgress(const Message& text, int done, int total) {
  if (!progress_) {
    progress_ = std::make_unique<QProgressDialog>(QString(), QObject::tr("Cancel"), 0, total, parent_);
    progress_->setWindowTitle(kProgramName);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
  }
  progress_->setMaximum(total);
  progress_->setLabelText(ShownText(text));
  progress_->setValue(done);
  QCoreApplication::processEvents();
  return !progress_->wasCanceled();
}

void QtToolkit::EndProgress() { progress_.reset(); }

void QtToolkit::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

std::string QtToolkit::ProgramFolder() const { return QCoreApplication::applicationDirPath().toStdString(); }

}  // namespace loopword
