// Installing the translation of the system's language and the sheets' translated words.
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "display/sheets.h"

namespace loopword {

namespace {

/// The sheets' words as the installed translations give them.
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

}  // namespace

Translations::Translations(const std::string& programFolder) {
  const QString folder = QString::fromStdString(programFolder);
  for (const QString& place : {folder, folder + "/../share/loopword"}) {
    if (program_.load(QLocale(), "loopword", "_", place)) {
      QCoreApplication::installTranslator(&program_);
      break;
    }
  }
  if (toolkit_.load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&toolkit_);
  }
  UseSheetTexts(TranslatedSheetTexts());
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(&program_);
  QCoreApplication::removeTranslator(&toolkit_);
  UseSheetTexts({});
}

}  // namespace loopword
