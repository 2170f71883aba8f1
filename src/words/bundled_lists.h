// Where the bundled word lists and the web page are: beside the program, or in the installed data folder.
#pragma once

#include <string>

#include "words/language.h"

namespace loopword {

/// File name of the bundled list of `level` (1..3) in `language`: English has three levels, every
/// other language one list ("de-words.txt", ...) that stands at each level.
std::string BundledListName(int level, Language language);

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
