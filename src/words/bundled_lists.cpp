// Looking up the bundled word lists beside the program or in the installed data folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/bundled_lists.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "words/dictionary_state.h"

namespace loopword {

namespace fs = std::filesystem;

namespace {

/// The file `name` beside the program when it is there, else in the installed data folder when it
/// is there; nullopt when it is in neither.
std::optional<fs::path> FoundFile(const fs::path& folder, const fs::path& name) {
  std::error_code error;
  for (const fs::path& place : {folder / name, (folder / ".." / "share" / "loopword" / name).lexically_normal()}) {
    if (fs::is_regular_file(place, error)) return place;
  }
  return std::nullopt;
}

}  // namespace

std::string BundledListName(int level, Language language) {
  const std::string name = kLevelFileNames.at(static_cast<std::size_t>(level - 1));
  return language == Language::English ? name : std::string(LanguageCode(language)) + "-" + name;
}

std::array<std::string, 3> UnpackLevels(std::string_view packed) {
  constexpr int kSharedLimit = 8;  // letters a word may share with the word before, given by its mark
  std::array<std::string, 3> levels;
  std::string word;
  while (!packed.empty()) {
    const int mark = packed.front() - 'a';
    const int shared = mark % kSharedLimit;
    const std::size_t level = static_cast<std::size_t>(mark / kSharedLimit);
    if (mark < 0 || level >= levels.size() || static_cast<std::size_t>(shared) > word.size()) break;
    packed.remove_prefix(1);
    const std::size_t letters = std::min(packed.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), packed.size());
    word.resize(static_cast<std::size_t>(shared));
    word.append(packed.substr(0, letters));
    packed.remove_prefix(letters);
    for (std::size_t from = level; from < levels.size(); ++from) levels.at(from).append(word).append("\r\n");
  }
  return levels;
}

std::string BundledListPath(const std::string& programFolder, int level, Language language) {
  const fs::path name = BundledListName(level, language);
  return FoundFile(programFolder, name).value_or(fs::path(programFolder) / name).string();
}

std::string WebPagePath(const std::string& programFolder) {
  const std::optional<fs::path> page = FoundFile(programFolder, kWebPageName);
  return page ? page->string() : "";
}

std::string RunningProgramFolder(const char* argv0) {
  std::error_code error;
  fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) program = fs::absolute(argv0 ? argv0 : "", error);
  return program.parent_path().string();
}

}  // namespace loopword
