// Installing the translation of the system's language; messages and the sheets' words as it gives them.
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "display/sheets.h"

namespace loopword {

namespace {

constexpr const char* kMessages = "Messages";

/// A pattern as the installed translations give it.
std::string TranslatedPattern(const Text& pattern) { return QCoreApplication::translate(pattern.context, pattern.source).toStdString(); }

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

void KeepEnglishInTheCLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray value = qgetenv(name);
    if (value.isEmpty()) continue;
    if (value == "C" || value == "POSIX" || value.startsWith("C.")) break;
    return;
  }
  QLocale::setDefault(QLocale::c());
}

QString ShownText(const std::string& text) { return QCoreApplication::translate(kMessages, text.c_str()); }

QString ShownText(const Message& message) { return QString::fromStdString(RenderedText(message, TranslatedPattern)); }

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
