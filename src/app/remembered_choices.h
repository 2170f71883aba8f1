// The choices the window remembers between runs: the word lists' language, the theme words with their title, the fill and the last folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "board/puzzle.h"
#include "toolkit/toolkit.h"
#include "words/language.h"

namespace loopword {

/// The language the user chose last; before any choice, the desktop's language when Loopword has
/// word lists in it (the C locale counts as English), else English.
Language RememberedLanguage();
/// Keeps `language` as the user's choice.
void RememberLanguage(Language language);

/// The theme words and title kept last; both empty before any.
ThemeEntry RememberedTheme();
/// Keeps the theme words and title of `theme`.
void RememberTheme(const ThemeEntry& theme);

/// The switches of the Solution menu's fill.
enum class FillSwitch { Varied, Unique };
/// Whether `fill` was left on; off before any choice.
bool RememberedSwitch(FillSwitch fill);
/// Keeps whether `fill` is on.
void RememberSwitch(FillSwitch fill, bool on);
/// The difficulty chosen last; Standard before any choice.
Difficulty RememberedDifficulty();
/// Keeps `difficulty` as the user's choice.
void RememberDifficulty(Difficulty difficulty);

/// The folder of the file chosen last in a file dialog; "" before any.
std::string RememberedFolder();
/// Keeps the folder of `path`, a file just chosen.
void RememberFolderOf(const std::string& path);

}  // namespace loopword
