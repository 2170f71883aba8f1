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

/// The sheets' words in `language`, from the program's translation of it found from `programFolder` (read once per
/// language); English for English, a language without a translation, and each word the translation lacks.
SheetTexts SheetTextsIn(Language language, const std::string& programFolder);

}  // namespace loopword
