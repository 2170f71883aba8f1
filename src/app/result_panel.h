// The result card beside the figure while the puzzle being solved is solved: its lines and a button that copies them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QString>
#include <optional>

#include "session/result_card.h"

class QLabel;
class QPushButton;

namespace loopword {

/// What a pupil shows the teacher once their puzzle is solved, in the window's language: the card's lines, which can
/// be selected (the result code with them), and Copy result, which puts them on the clipboard. Hidden without a card.
class ResultPanel final : public QFrame {
  Q_OBJECT
 public:
  explicit ResultPanel(QWidget* parent);

  /// Shows `card`, or hides the panel for none.
  void Show(const std::optional<ResultCard>& card);
  /// The card's lines as shown, one a line: what Copy result puts on the clipboard.
  [[nodiscard]] QString CardText() const;
  /// The Copy result button, for the tests that press it.
  [[nodiscard]] QPushButton* CopyButton() const { return copy_; }

 private:
  QLabel* lines_ = nullptr;
  QPushButton* copy_ = nullptr;
  std::optional<ResultCard> card_;
};

}  // namespace loopword
