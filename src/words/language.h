// The languages puzzles are made in, and how each one folds a word-list line into capitals A..Z.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace loopword {

/// A language of word lists; English is the default.
enum class Language { English, German, French, Spanish, Italian, Portuguese, Dutch };

/// Every language, English first, in the order the Dictionary menu lists them.
inline constexpr std::array<Language, 7> kLanguages = {Language::English, Language::German,  Language::French,
                                                       Language::Spanish, Language::Italian, Language::Portuguese,
                                                       Language::Dutch};

/// The two-letter code of a language: "en", "de", "fr", "es", "it", "pt", "nl".
std::string_view LanguageCode(Language language);
/// The language's own name for itself: "English", "Deutsch", "Français", ...
std::string_view LanguageName(Language language);
/// The language's name in English: "German", "French", ...
std::string_view LanguageEnglishName(Language language);
/// The language with a two-letter code; nullopt for any other text.
std::optional<Language> LanguageFromCode(std::string_view code);

/// How many forms a text that counts takes in `language`: the forms its translation gives, in the order the window's
/// toolkit numbers them.
int PluralFormCount(Language language);
/// Which of `language`'s forms, from 0, a count of `n` takes: the singular (0) for 1, and in French and Portuguese (as
/// Brazil writes it, whose rules the translation follows) for 0 too; the plural (1) for any other count. The window's
/// toolkit picks the same form of the same translation.
int PluralFormIndex(Language language, long long n);

/// One word-list line in `language`, folded into capitals A..Z; "" when the line is no word there.
/// English: only letters a..z, all capitals or all lower case. Every other language also reads the
/// accented letters of Latin-1 and combining marks (UTF-8, precomposed or decomposed): the marks
/// are dropped (É→E, Ç→C, Ñ→N), except that German writes Ä→AE, Ö→OE, Ü→UE and ß (or ẞ)→SS. German lines
/// may start with a capital (nouns). Any other character, or other mixed case, makes no word.
std::string FoldWord(Language language, std::string_view line);

/// A word the user typed, folded by the same rules as FoldWord but in any mix of cases ("Mädchen",
/// "giraffes", "GiRaFfEs") and, in English, with accents taken off ("éléphant" is ELEPHANT); "" when a
/// character has no rule in `language`. The result may have any number of letters.
std::string FoldTypedWord(Language language, std::string_view typed);

/// Whether `text` is one character as a key types it (UTF-8): one code point, with the combining marks after it.
bool IsOneCharacter(std::string_view text);

}  // namespace loopword
