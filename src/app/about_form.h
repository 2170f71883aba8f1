// The About box (release line, licence, word credits, version, icon and an OK button), the Help text and the user guide window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <array>

#include "board/program_text.h"

class QPlainTextEdit;
class QTextBrowser;

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

/// The opening of the About box, line by line.
inline constexpr const char* kAboutText = QT_TRANSLATE_NOOP("loopword::AboutForm",
    "\n"
    "Loopword - October 2005\n"
    "Makes 8-shaped word puzzles to print and solve on paper.\n");

/// The licence of the program, as the About box states it.
inline constexpr const char* kLicenceText = QT_TRANSLATE_NOOP("loopword::AboutForm",
    "Free software under the GNU General Public License, version 3\n"
    "or (at your option) any later version: GPL-3.0-or-later.\n");

/// Where the words come from, a line each, as the About box lists them: a new source is one more line.
inline constexpr std::array kWordCredits = {
    QT_TRANSLATE_NOOP("loopword::AboutForm", "English word lists from SCOWL (Spell Checker Oriented Word Lists)"),
    QT_TRANSLATE_NOOP("loopword::AboutForm", "German from igerman98"),
    QT_TRANSLATE_NOOP("loopword::AboutForm", "French from wfrench"),
    QT_TRANSLATE_NOOP("loopword::AboutForm", "Spanish from wspanish"),
    QT_TRANSLATE_NOOP("loopword::AboutForm", "Italian from witalian"),
    QT_TRANSLATE_NOOP("loopword::AboutForm", "Portuguese from ispell.pt"),
    QT_TRANSLATE_NOOP("loopword::AboutForm", "Dutch from OpenTaal"),
    QT_TRANSLATE_NOOP("loopword::AboutForm", "Offensive words left out with the naughty-words blocklist"),
    QT_TRANSLATE_NOOP("loopword::AboutForm", "Word frequencies from subtitle word lists"),
};

/// The whole text of the About box in the user's language: the opening, the licence and the word credits.
QString AboutText();

/// What Help shows: the puzzle and its rules (a message, translated like the others).
inline constexpr Text kHelpText = LOOPWORD_TEXT("Messages", "This program will create an 8-shaped word puzzle for you to print and solve at your leisure.\n"
    "\n"
    "- There are 23 words in 23 squares in the puzzle, each 8-letter long\n"
    "- One word and a number of letters are provided as hint\n"
    "- Each word must be placed clock-wise around each square\n"
    "- A word can start in any position around a square\n"
    "- Overlapping letters must be same\n"
    "- A word cannot be made twice\n"
    "- You can three standard or your own dictionary\n"
    "- User dictionaries must be sorted text files, one word in each line");

/// Shows the user guide in a window of its own beside `parent`, in the language of the default
/// locale: made into `guide` on first use, then brought to the front.
void ShowUserGuide(QPointer<QTextBrowser>& guide, QWidget* parent);

}  // namespace loopword
