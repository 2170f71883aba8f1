// Where the bundled word lists are: beside the program, or in the installed data folder.
#pragma once

#include <string>

namespace loopword {

/// Full path of the bundled list of `level` (1..3) for a program in `programFolder`: the file in
/// that folder when it exists there, else in `../share/loopword/` when it exists there, else the
/// path beside the program (so a failed load names where the list was expected).
std::string BundledListPath(const std::string& programFolder, int level);

/// The folder of the running program's file, from the system or failing that from `argv0`.
std::string RunningProgramFolder(const char* argv0);

}  // namespace loopword
