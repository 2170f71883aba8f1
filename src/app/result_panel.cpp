// Showing a solved puzzle's result card beside the figure and copying its lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/result_panel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "app/translations.h"
#include "display/units.h"

namespace loopword {

namespace {

constexpr Text kCopyResult = LOOPWORD_TEXT("Messages", "Copy result");
constexpr Text kResultName = LOOPWORD_TEXT("Messages", "Result");
/// The panel's width: the card's longest line, the result code's, fits in it.
constexpr int kPanelWidth = 3600;

}  // namespace

ResultPanel::ResultPanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  setFixedWidth(TwipsToPixels(kPanelWidth));
  setAccessibleName(ShownText(Message(kResultName)));
  auto* column = new QVBoxLayout(this);
  lines_ = new QLabel(this);
  lines_->setWordWrap(true);
  lines_->setTextFormat(Qt::PlainText);
  lines_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  lines_->setFocusPolicy(Qt::TabFocus);
  copy_ = new QPushButton(ShownText(Message(kCopyResult)), this);
  connect(copy_, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(CardText()); });
  column->addWidget(lines_);
  column->addWidget(copy_, 0, Qt::AlignLeft);
  column->addStretch(1);
  hide();
}

void ResultPanel::Show(const std::optional<ResultCard>& card) {
  if (card == card_ && isHidden() != card.has_value()) return;  // as shown already
  card_ = card;
  QStringList shown;
  if (card) {
    for (const Message& line : CardLines(*card)) shown << ShownText(line);
  }
  lines_->setText(shown.join('\n'));
  setVisible(card.has_value());
}

QString ResultPanel::CardText() const { return lines_->text(); }

}  // namespace loopword
