// Looking up the bundled word lists beside the program or in the installed data folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/bundled_lists.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

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
  std::array<std::vector<std::string_view>, 3> added;
  std::size_t level = 0;
  while (!packed.empty()) {
    const std::size_t end = std::min(packed.find('\n'), packed.size());
    std::string_view line = packed.substr(0, end);
    packed.remove_prefix(std::min(end + 1, packed.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) {
      level = std::min<std::size_t>(level + 1, added.size() - 1);
    } else {
      added.at(level).push_back(line);
    }
  }
  std::array<std::string, 3> levels;
  std::vector<std::string_view> words;
  for (std::size_t index = 0; index < levels.size(); ++index) {
    words.insert(words.end(), added.at(index).begin(), added.at(index).end());
    std::sort(words.begin(), words.end());
    for (const std::string_view word : words) levels.at(index).append(word).append("\r\n");
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
