// Keeping the window's choices in the user's settings, each under a key of its own.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/remembered_choices.h"

#include <QLocale>
#include <QSettings>
#include <filesystem>

namespace loopword {

namespace {

constexpr const char* kLanguageSetting = "dictionary/language";
constexpr const char* kThemeWordsSetting = "theme/words";
constexpr const char* kThemeTitleSetting = "theme/title";
constexpr const char* kVariedSetting = "fill/varied";
constexpr const char* kUniqueSetting = "fill/unique";
constexpr const char* kDifficultySetting = "fill/difficulty";
constexpr const char* kFolderSetting = "files/folder";

const char* SwitchSetting(FillSwitch fill) { return fill == FillSwitch::Varied ? kVariedSetting : kUniqueSetting; }

QString FromName(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

}  // namespace

Language RememberedLanguage() {
  const QSettings settings;
  const QString desktop = QLocale().name().section('_', 0, 0);  // "C" for the C locale
  const QString code = settings.contains(kLanguageSetting) ? settings.value(kLanguageSetting).toString() : desktop;
  return LanguageFromCode(code.toStdString()).value_or(Language::English);
}

void RememberLanguage(Language language) { QSettings().setValue(kLanguageSetting, FromName(LanguageCode(language))); }

ThemeEntry RememberedTheme() {
  const QSettings settings;
  return {settings.value(kThemeWordsSetting).toString().toStdString(), settings.value(kThemeTitleSetting).toString().toStdString()};
}

void RememberTheme(const ThemeEntry& theme) {
  QSettings settings;
  settings.setValue(kThemeWordsSetting, QString::fromStdString(theme.words));
  settings.setValue(kThemeTitleSetting, QString::fromStdString(theme.title));
}

bool RememberedSwitch(FillSwitch fill) { return QSettings().value(SwitchSetting(fill), false).toBool(); }

void RememberSwitch(FillSwitch fill, bool on) { QSettings().setValue(SwitchSetting(fill), on); }

Difficulty RememberedDifficulty() {
  return DifficultyNamed(QSettings().value(kDifficultySetting).toString().toStdString()).value_or(Difficulty::Standard);
}

void RememberDifficulty(Difficulty difficulty) { QSettings().setValue(kDifficultySetting, FromName(DifficultyName(difficulty))); }

std::string RememberedFolder() { return QSettings().value(kFolderSetting).toString().toStdString(); }

void RememberFolderOf(const std::string& path) {
  QSettings().setValue(kFolderSetting, QString::fromStdString(std::filesystem::path(path).parent_path().string()));
}

}  // namespace loopword
