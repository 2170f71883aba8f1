// Finding and installing the program's translations; the sheets' words in the language they give.
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

SheetTexts TranslatedSheetTexts() {
  const SheetTexts english;
  const auto translated = [](const std::string& text) {
    return QCoreApplication::translate("Sheets", text.c_str()).toStdString();
  };
  SheetTexts texts{translated(english.puzzleHeading), translated(english.solutionHeading), translated(english.instructionLine),
                   translated(english.difficulty), {}};
  for (std::size_t g = 0; g < texts.grades.size(); ++g) texts.grades[g] = translated(english.grades[g]);
  return texts;
}

void UseSheetLanguage(Language language, const std::string& programFolder) {
  if (language == Language::English || QCoreApplication::instance() == nullptr) return;
  static QTranslator translator;
  const std::string_view code = LanguageCode(language);
  if (!LoadProgramTranslation(translator, QLocale(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()))), programFolder)) {
    return;
  }
  QCoreApplication::installTranslator(&translator);
  UseSheetTexts(TranslatedSheetTexts());
}

}  // namespace loopword
