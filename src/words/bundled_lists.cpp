// Looking up the bundled word lists beside the program or in the installed data folder.
#include "words/bundled_lists.h"

#include <filesystem>
#include <system_error>

#include "words/dictionary_state.h"

namespace loopword {

namespace fs = std::filesystem;

std::string BundledListPath(const std::string& programFolder, int level) {
  const fs::path name = kLevelFileNames.at(static_cast<std::size_t>(level - 1));
  const fs::path folder = programFolder;
  const fs::path beside = folder / name;
  const fs::path installed = (folder / ".." / "share" / "loopword" / name).lexically_normal();
  std::error_code error;
  if (!fs::is_regular_file(beside, error) && fs::is_regular_file(installed, error)) return installed.string();
  return beside.string();
}

std::string RunningProgramFolder(const char* argv0) {
  std::error_code error;
  fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) program = fs::absolute(argv0 ? argv0 : "", error);
  return program.parent_path().string();
}

}  // namespace loopword
