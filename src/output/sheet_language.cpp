// Finding and installing the program's translations; the sheets' words in the language they give.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/sheet_language.h"

#include <QCoreApplication>

namespace loopword {

bool LoadProgramTranslation(QTranslator& translator, const QLocale& locale, const std::string& programFolder) {
  const QString folder = QString::fromStdString(programFolder);
  for (const QString& place : {folder, folder + "/../share/loopword"}) {
    if (translator.load(locale, "loopword", "_", place)) return true;
  }
  return false;
}

SheetTexts InstalledSheetTexts() {
  return TranslatedSheetTexts(
      [](const std::string& english) { return QCoreApplication::translate("Sheets", english.c_str()).toStdString(); });
}

void UseSheetLanguage(Language language, const std::string& programFolder) {
  if (language == Language::English) return;
  static QTranslator translator;
  const std::string_view code = LanguageCode(language);
  if (!LoadProgramTranslation(translator, QLocale(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()))), programFolder)) {
    return;
  }
  if (QCoreApplication::instance() != nullptr) QCoreApplication::installTranslator(&translator);  // a booklet's "Puzzle 3"
  UseSheetTexts(TranslatedSheetTexts([](const std::string& english) {
    const QString translated = translator.translate("Sheets", english.c_str());
    return translated.isEmpty() ? english : translated.toStdString();
  }));
}

}  // namespace loopword
