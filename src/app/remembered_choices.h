// The choices the window remembers between runs: the word lists' language and the theme words with their title.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

}  // namespace loopword
