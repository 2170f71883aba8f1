// The program's texts in the language of the system's locale: menus, dialogs, messages and the sheets' words.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>
#include <string>

#include "board/message.h"

namespace loopword {

/// Makes the C locale the default when the environment's messages locale (LC_ALL, else LC_MESSAGES,
/// else LANG) is C or POSIX, or none is set, so the program keeps its English texts: the C library
/// ignores the LANGUAGE list then, and so does the program, where Qt alone would still follow it.
void KeepEnglishInTheCLocale();

/// A fixed text of the "Messages" context (a caption, a file dialog's title) as the installed
/// translations give it; without a translation, the text as it stands.
QString ShownText(const std::string& text);
/// A message as the installed translations give it, line by line: each pattern by its translation
/// with its values put in, plain values as they stand and patterns among them translated in turn.
QString ShownText(const Message& message);

/// Loads the translation of the default locale's language (loopword_de.qm, ...) found beside the
/// program in `programFolder` or in its installed data folder, with the toolkit's own where the
/// system has it. English, the source language, and the C locale need no translation: nothing
/// changes then. (The sheets speak the puzzle's language, whatever the window's: see SheetTextsIn.)
class Translations {
 public:
  explicit Translations(const std::string& programFolder);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

 private:
  QTranslator program_;
  QTranslator toolkit_;
};

}  // namespace loopword
