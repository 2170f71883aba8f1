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
/// A pattern as the installed translations give it; a counting pattern in the form of its language for `count` (the
/// English ones where no translation gives it).
std::string TranslatedPattern(const Text& pattern, std::optional<long long> count) {
  if (!pattern.Counts()) return QCoreApplication::translate(pattern.context, pattern.source).toStdString();
  const QString translated = QCoreApplication::translate(pattern.context, pattern.source, pattern.one, static_cast<int>(count.value_or(0)));
  if (translated == QString(pattern.source).replace("%n", QString::number(count.value_or(0)))) return EnglishPattern(pattern, count);
  return translated.toStdString();
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
