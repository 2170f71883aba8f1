// The program's translations found beside it or in its data folder, and the sheets' words they give.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>
#include <string>

#include "display/sheets.h"
#include "words/language.h"

namespace loopword {

/// Loads into `translator` the program's translation for `locale` (loopword_de.qm, ...) from
/// `programFolder` or its installed data folder (../share/loopword); false when there is none.
bool LoadProgramTranslation(QTranslator& translator, const QLocale& locale, const std::string& programFolder);

/// The sheets' words as the installed translations give them: English where none gives them.
SheetTexts InstalledSheetTexts();

/// Draws every sheet from now on in the words of `language`, from the program's translation of it
/// found from `programFolder`, and so a booklet's headings when the application object exists.
/// English, or a language without a translation, keeps the English words.
void UseSheetLanguage(Language language, const std::string& programFolder);

}  // namespace loopword
