// Looking up the bundled word lists beside the program or in the installed data folder.
#include "words/bundled_lists.h"

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
  if (language != Language::English) return std::string(LanguageCode(language)) + "-words.txt";
  return kLevelFileNames.at(static_cast<std::size_t>(level - 1));
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
