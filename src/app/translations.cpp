// Installing the translation of the system's language; messages and the sheets' words as it gives them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "output/sheet_language.h"

namespace loopword {

namespace {

constexpr const char* kMessages = "Messages";

/// A pattern as the installed translations give it.
std::string TranslatedPattern(const Text& pattern) { return QCoreApplication::translate(pattern.context, pattern.source).toStdString(); }

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
  if (LoadProgramTranslation(program_, QLocale(), programFolder)) QCoreApplication::installTranslator(&program_);
  if (toolkit_.load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&toolkit_);
  }
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(&program_);
  QCoreApplication::removeTranslator(&toolkit_);
}

}  // namespace loopword
