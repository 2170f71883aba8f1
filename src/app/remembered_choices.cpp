// Keeping the window's choices in the user's settings as their encoded text, and reading the separate keys of before.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/remembered_choices.h"

#include <QLocale>
#include <QSettings>
#include <filesystem>

#include "words/theme_words.h"

namespace loopword {

namespace {

constexpr const char* kChoicesSetting = "choices";
constexpr const char* kFolderSetting = "files/folder";
constexpr const char* kTimerHiddenSetting = "solving/hideTimer";

/// The keys earlier versions kept each choice under, read once when there is no choices text yet.
Choices EarlierChoices(const QSettings& settings) {
  Choices choices;
  const QString desktop = QLocale().name().section('_', 0, 0);  // "C" for the C locale
  const auto known = [](const QString& code) { return LanguageFromCode(code.toStdString()); };
  choices.language = known(settings.value("dictionary/language").toString()).value_or(known(desktop).value_or(Language::English));
  choices.varied = settings.value("fill/varied", false).toBool();
  choices.unique = settings.value("fill/unique", false).toBool();
  choices.difficulty = DifficultyNamed(settings.value("fill/difficulty").toString().toStdString()).value_or(Difficulty::Standard);
  ThemeWords theme = ReadThemeWords(settings.value("theme/words").toString().toStdString(), choices.language);
  if (theme.Fit()) choices.themeWords = std::move(theme.words);
  choices.title = settings.value("theme/title").toString().toStdString();
  return choices;
}

}  // namespace

Choices RememberedChoices() {
  const QSettings settings;
  Choices choices = settings.contains(kChoicesSetting) ? DecodeChoices(settings.value(kChoicesSetting).toString().toStdString()).choices
                                                       : EarlierChoices(settings);
  choices.level = 1;
  choices.startWord.clear();
  choices.seed.reset();
  choices.pupils = {};
  return choices;
}

void RememberChoices(const Choices& choices) {
  Choices kept = choices;
  kept.level = 1;
  kept.startWord.clear();
  kept.seed.reset();
  kept.pupils = {};  // the rules of a puzzle opened here go with it: the window has no choice of its own for them
  QSettings().setValue(kChoicesSetting, QString::fromStdString(kept.Encode()));
}

bool RememberedTimerHidden() { return QSettings().value(kTimerHiddenSetting, false).toBool(); }

void RememberTimerHidden(bool hidden) { QSettings().setValue(kTimerHiddenSetting, hidden); }

std::string RememberedFolder() { return QSettings().value(kFolderSetting).toString().toStdString(); }

void RememberFolderOf(const std::string& path) {
  QSettings().setValue(kFolderSetting, QString::fromStdString(std::filesystem::path(path).parent_path().string()));
}

}  // namespace loopword
