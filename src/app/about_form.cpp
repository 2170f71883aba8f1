// Laying out the About box and its three ways out, and the user guide window.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_form.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "app/fonts.h"
#include "display/units.h"

namespace loopword {

namespace {

/// The program's icon in the box is shown whole, 32 pixels square.
constexpr int kIconSide = 32;
// The user guide: compiled in from docs/guide.html and its translations docs/guide.de.html, ...
constexpr const char* kEnglishGuide = ":/guide.html";
constexpr int kGuideWidth = 9000;
constexpr int kGuideHeight = 9600;

/// The user guide's resource in the language of the default locale (":/guide.de.html"), or the
/// English one where the guide has no translation into it.
QString UserGuidePath() {
  const QString translated = QString(":/guide.%1.html").arg(QLocale::languageToCode(QLocale().language()));
  return QFile::exists(translated) ? translated : kEnglishGuide;
}

/// The smallest text area of the About box; it grows to show the whole text.
constexpr int kTextWidth = 4755;
constexpr int kTextHeight = 1044;

/// The size the text area needs to show each of its lines whole, at least the smallest one.
QSize TextAreaSize(const QPlainTextEdit& area) {
  const QFontMetrics metrics(area.font());
  const QTextDocument& document = *area.document();
  qreal width = 0;
  qreal height = 0;
  for (QTextBlock line = document.firstBlock(); line.isValid(); line = line.next()) {
    width = std::max<qreal>(width, metrics.horizontalAdvance(line.text()));
    height += document.documentLayout()->blockBoundingRect(line).height();
  }
  const int margins = 2 * (static_cast<int>(document.documentMargin()) + area.frameWidth()) + metrics.averageCharWidth();
  return {std::max(TwipsToPixels(kTextWidth), static_cast<int>(std::ceil(width)) + margins),
          std::max(TwipsToPixels(kTextHeight), static_cast<int>(std::ceil(height)) + margins)};
}

}  // namespace

QString AboutText() {
  QString text = AboutForm::tr(kAboutText) + AboutForm::tr(kLicenceText);
  for (const char* credit : kWordCredits) text += "\n" + AboutForm::tr(credit);
  return text;
}

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Loopword"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(SansFont({"MS Sans Serif", "Microsoft Sans Serif"}, 7.8, true));

  aboutText_ = new QPlainTextEdit(AboutText(), this);
  aboutText_->setReadOnly(true);
  aboutText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  const QSize text = TextAreaSize(*aboutText_);
  const int wider = text.width() - TwipsToPixels(kTextWidth), taller = text.height() - TwipsToPixels(kTextHeight);
  setFixedSize(TwipsToPixels(5400) + wider, TwipsToPixels(1980) + taller);
  aboutText_->setGeometry(TwipsToPixels(72), TwipsToPixels(48), text.width(), text.height());
  QPalette buttonFace = aboutText_->palette();
  buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
  aboutText_->setPalette(buttonFace);
  aboutText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  aboutText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  aboutText_->viewport()->installEventFilter(this);
  aboutText_->setFocusPolicy(Qt::NoFocus);

  auto* icon = new QLabel(this);
  icon->setPixmap(QApplication::windowIcon().pixmap(kIconSide, kIconSide));
  icon->setGeometry(TwipsToPixels(4896) + wider, TwipsToPixels(48), kIconSide, kIconSide);

  auto* version = new QLabel(tr("Version 1.0"), this);
  version->setGeometry(TwipsToPixels(456), TwipsToPixels(1152) + taller, TwipsToPixels(4092), TwipsToPixels(312));

  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(TwipsToPixels(2184) + wider / 2, TwipsToPixels(1584) + taller, TwipsToPixels(510), TwipsToPixels(315));
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

void ShowUserGuide(QPointer<QTextBrowser>& guide, QWidget* parent) {
  if (!guide) {
    guide = new QTextBrowser(parent);
    guide->setWindowFlag(Qt::Window);
    guide->setWindowTitle(QObject::tr("Loopword User Guide"));
    guide->setOpenExternalLinks(true);
    guide->setSource(QUrl("qrc" + UserGuidePath()));
    guide->resize(TwipsToPixels(kGuideWidth), TwipsToPixels(kGuideHeight));
  }
  guide->show();
  guide->raise();
  guide->activateWindow();
}

}  // namespace loopword
