// The About box: release line, version, icon and an OK button.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace loopword {

/// About Loopword. OK or a click on the text closes it for good; Esc only hides it.
class AboutForm final : public QDialog {
  Q_OBJECT
 public:
  explicit AboutForm(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Unload();

  QPlainTextEdit* aboutText_;
};

/// The text of the About box, line by line.
inline constexpr const char* kAboutText =
    "\n"
    "Loopword - October 2005\n"
    "Makes 8-shaped word puzzles to print and solve on paper.\n"
    "Word lists from SCOWL (Spell Checker Oriented Word Lists).\n";

}  // namespace loopword
