// Folding word-list lines into capitals, by the rules of each language.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/language.h"

#include "board/plain_text.h"

namespace loopword {

namespace {

/// The names of a language: its two-letter code, its own name and its English name.
struct LanguageNames {
  std::string_view code;
  std::string_view name;
  std::string_view englishName;
};

/// Every language's names, in the order of Language: what the window's menu, the command line's help and the page's
/// language lists are made from. The page's build reads these lines too (web/page_texts.py): one entry a line, three
/// plain literals each.
constexpr std::array<LanguageNames, kLanguages.size()> kNames = {{
    {"en", "English", "English"},
    {"de", "Deutsch", "German"},
    {"fr", "Français", "French"},
    {"es", "Español", "Spanish"},
    {"it", "Italiano", "Italian"},
    {"pt", "Português", "Portuguese"},
    {"nl", "Nederlands", "Dutch"},
}};

/// The base capital of each Latin-1 letter U+00C0..U+00FF, '?' where the letter has no base letter
/// (Æ, Ð, Ø, Þ, ß and their lower-case forms, × and ÷).
constexpr std::string_view kLatin1Bases = "AAAAAA?CEEEEIIII?NOOOOO??UUUUY??AAAAAA?CEEEEIIII?NOOOOO??UUUUY?Y";

constexpr char32_t kSharpS = 0xDF;
constexpr char32_t kCapitalSharpS = 0x1E9E;
constexpr char32_t kCombiningDiaeresis = 0x308;

bool IsCombiningMark(char32_t c) { return c >= 0x300 && c <= 0x36F; }

/// The case of a letter.
enum class Case { Capital, Small };

/// One character of a line, folded.
struct Folded {
  std::string capitals;  ///< "" when the character cannot be folded
  Case letterCase = Case::Small;
};

/// German writes an umlaut as its letter followed by E.
bool IsUmlautBase(char c) { return c == 'A' || c == 'O' || c == 'U'; }

Folded FoldCharacter(Language language, char32_t c) {
  if (c >= 'A' && c <= 'Z') return {std::string(1, static_cast<char>(c)), Case::Capital};
  if (c >= 'a' && c <= 'z') return {std::string(1, static_cast<char>(c - 'a' + 'A')), Case::Small};
  if (language == Language::English) return {};
  if (c == kSharpS && language == Language::German) return {"SS", Case::Small};
  if (c == kCapitalSharpS && language == Language::German) return {"SS", Case::Capital};
  if (c < 0xC0 || c > 0xFF || kLatin1Bases[c - 0xC0] == '?') return {};
  const char base = kLatin1Bases[c - 0xC0];
  const char32_t capital = c & ~char32_t{0x20};
  const bool umlaut = language == Language::German && (capital == 0xC4 || capital == 0xD6 || capital == 0xDC);
  return {umlaut ? std::string{base, 'E'} : std::string(1, base), c < 0xE0 ? Case::Capital : Case::Small};
}

/// True when the letters' cases make a word: all capitals, all lower case, or in German a capital
/// followed by lower case.
bool AcceptedCases(Language language, const std::string& cases) {
  if (cases.find('c') == std::string::npos || cases.find('s') == std::string::npos) return true;
  return language == Language::German && cases[0] == 'c' && cases.find('c', 1) == std::string::npos;
}

/// The capitals of `text` folded character by character, with the case of each letter ('c' or 's'
/// in `cases`); nullopt when a character has no rule in `language`.
std::optional<std::string> FoldLetters(Language language, std::string_view text, std::string& cases) {
  std::string capitals;
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<Character> character = FirstCharacter(text.substr(at));
    if (!character) return std::nullopt;
    at += character->length;
    const char32_t c = character->code;
    if (language != Language::English && IsCombiningMark(c)) {
      if (capitals.empty()) return std::nullopt;
      if (language == Language::German && c == kCombiningDiaeresis && IsUmlautBase(capitals.back())) capitals += 'E';
      continue;
    }
    const Folded folded = FoldCharacter(language, c);
    if (folded.capitals.empty()) return std::nullopt;
    capitals += folded.capitals;
    cases += folded.letterCase == Case::Capital ? 'c' : 's';
  }
  return capitals;
}

}  // namespace

std::string_view LanguageCode(Language language) { return kNames[static_cast<std::size_t>(language)].code; }

std::string_view LanguageName(Language language) { return kNames[static_cast<std::size_t>(language)].name; }

std::string_view LanguageEnglishName(Language language) { return kNames[static_cast<std::size_t>(language)].englishName; }

std::optional<Language> LanguageFromCode(std::string_view code) {
  for (Language language : kLanguages) {
    if (LanguageCode(language) == code) return language;
  }
  return std::nullopt;
}

int PluralFormCount(Language) { return 2; }

int PluralFormIndex(Language language, long long n) {
  const bool zeroIsSingular = language == Language::French || language == Language::Portuguese;
  return (zeroIsSingular ? n <= 1 : n == 1) ? 0 : 1;
}

std::string FoldWord(Language language, std::string_view line) {
  std::string cases;
  const std::optional<std::string> capitals = FoldLetters(language, line, cases);
  return capitals && AcceptedCases(language, cases) ? *capitals : "";
}

std::string FoldTypedWord(Language language, std::string_view typed) {
  std::string cases;
  // English lists hold no accented letters: a word typed with them (ÉLÉPHANT, café) loses its accents, as in French.
  return FoldLetters(language == Language::English ? Language::French : language, typed, cases).value_or("");
}

bool IsOneCharacter(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<Character> character = FirstCharacter(text.substr(at));
    if (!character || (at > 0 && !IsCombiningMark(character->code))) return false;
    at += character->length;
  }
  return !text.empty();
}

}  // namespace loopword
