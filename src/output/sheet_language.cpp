// Finding and installing the program's translations; the sheets' words in the language they give.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/sheet_language.h"

#include <map>
#include <utility>

namespace loopword {

bool LoadProgramTranslation(QTranslator& translator, const QLocale& locale, const std::string& programFolder) {
  const QString folder = QString::fromStdString(programFolder);
  for (const QString& place : {folder, folder + "/../share/loopword"}) {
    if (translator.load(locale, "loopword", "_", place)) return true;
  }
  return false;
}

SheetTexts SheetTextsIn(Language language, const std::string& programFolder) {
  if (language == Language::English) return {};
  static std::map<std::pair<Language, std::string>, SheetTexts> read;
  const auto known = read.find({language, programFolder});
  if (known != read.end()) return known->second;
  QTranslator translator;
  const std::string_view code = LanguageCode(language);
  SheetTexts texts;
  if (LoadProgramTranslation(translator, QLocale(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()))), programFolder)) {
    texts = TranslatedSheetTexts([&](const std::string& english) {
      const QString translated = translator.translate("Sheets", english.c_str());
      return translated.isEmpty() ? english : translated.toStdString();
    });
  }
  return read.emplace(std::pair{language, programFolder}, texts).first->second;
}

}  // namespace loopword
