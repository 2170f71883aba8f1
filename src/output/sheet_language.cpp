// Finding and installing the program's translations; the sheets' words in the language they give.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/sheet_language.h"

#include <QCoreApplication>
#include <functional>

namespace loopword {

namespace {

/// The sheets' words, each English one given to `translated`.
SheetTexts SheetTextsFrom(const std::function<QString(const char* english)>& translated) {
  return TranslatedSheetTexts([&](const std::string& english) { return translated(english.c_str()).toStdString(); });
}

}  // namespace

bool LoadProgramTranslation(QTranslator& translator, const QLocale& locale, const std::string& programFolder) {
  const QString folder = QString::fromStdString(programFolder);
  for (const QString& place : {folder, folder + "/../share/loopword"}) {
    if (translator.load(locale, "loopword", "_", place)) return true;
  }
  return false;
}

SheetTexts TranslatedSheetTexts() {
  return SheetTextsFrom([](const char* english) { return QCoreApplication::translate("Sheets", english); });
}

void UseSheetLanguage(Language language, const std::string& programFolder) {
  if (language == Language::English) return;
  static QTranslator translator;
  const std::string_view code = LanguageCode(language);
  if (!LoadProgramTranslation(translator, QLocale(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()))), programFolder)) {
    return;
  }
  if (QCoreApplication::instance() != nullptr) QCoreApplication::installTranslator(&translator);  // a booklet's "Puzzle 3"
  UseSheetTexts(SheetTextsFrom([](const char* english) {
    const QString translated = translator.translate("Sheets", english);
    return translated.isEmpty() ? QString::fromUtf8(english) : translated;
  }));
}

}  // namespace loopword
