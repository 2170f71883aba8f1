// Where the bundled word lists and the web page are: beside the program, or in the installed data folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "words/language.h"

namespace loopword {

/// File name of the bundled list of `level` (1..3) in `language`: "L1words.txt" ... in English,
/// the language code before it in the others ("de-L1words.txt", ...).
std::string BundledListName(int level, Language language);

/// The three level lists of a language packed in one text: every word of Level 3 once, in order, each
/// written as a mark and the letters that differ from the word before. The mark is a lower-case letter:
/// 'a' + 8 × (the word's lowest level - 1) + (how many letters it shares with the word before, 0..7).
/// Each list comes back sorted, a word a line ending in CR LF, as the bundled files are; a mark out of
/// range ends the text there, so a damaged text gives the words before the damage.
std::array<std::string, 3> UnpackLevels(std::string_view packed);

/// Full path of the bundled list of `level` (1..3) in `language` for a program in `programFolder`:
/// the file in that folder when it exists there, else in `../share/loopword/` when it exists there,
/// else the path beside the program (so a failed load names where the list was expected).
std::string BundledListPath(const std::string& programFolder, int level, Language language = Language::English);

/// File name of the web page built with the program.
inline constexpr const char* kWebPageName = "loopword.html";

/// Full path of the web page for a program in `programFolder`, looked for where the lists are;
/// "" when the program was built without it.
std::string WebPagePath(const std::string& programFolder);

/// The folder of the running program's file, from the system or failing that from `argv0`.
std::string RunningProgramFolder(const char* argv0);

}  // namespace loopword
