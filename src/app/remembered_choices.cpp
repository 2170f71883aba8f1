// Keeping the window's choices in the user's settings.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/remembered_choices.h"

#include <QLocale>
#include <QSettings>

namespace loopword {

namespace {

constexpr const char* kLanguageSetting = "dictionary/language";
constexpr const char* kThemeWordsSetting = "theme/words";
constexpr const char* kThemeTitleSetting = "theme/title";

}  // namespace

Language RememberedLanguage() {
  const QSettings settings;
  const QString desktop = QLocale().name().section('_', 0, 0);  // "C" for the C locale
  const QString code = settings.contains(kLanguageSetting) ? settings.value(kLanguageSetting).toString() : desktop;
  return LanguageFromCode(code.toStdString()).value_or(Language::English);
}

void RememberLanguage(Language language) {
  const std::string_view code = LanguageCode(language);
  QSettings().setValue(kLanguageSetting, QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())));
}

ThemeEntry RememberedTheme() {
  const QSettings settings;
  return {settings.value(kThemeWordsSetting).toString().toStdString(), settings.value(kThemeTitleSetting).toString().toStdString()};
}

void RememberTheme(const ThemeEntry& theme) {
  QSettings settings;
  settings.setValue(kThemeWordsSetting, QString::fromStdString(theme.words));
  settings.setValue(kThemeTitleSetting, QString::fromStdString(theme.title));
}

}  // namespace loopword
