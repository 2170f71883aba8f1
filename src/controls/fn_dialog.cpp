// Building the dialog request from the control's settings and guarding the current directory.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/fn_dialog.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "board/letters.h"

namespace loopword {

namespace {

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), ToCapital);
  return text;
}

/// Puts the current directory back when it goes out of scope.
class CurrentDirectoryGuard {
 public:
  CurrentDirectoryGuard() { saved_ = std::filesystem::current_path(error_); }
  ~CurrentDirectoryGuard() {
    if (error_) return;
    std::error_code ignored;
    std::filesystem::current_path(saved_, ignored);
  }
  CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
  CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

 private:
  std::error_code error_;
  std::filesystem::path saved_;
};

}  // namespace

bool FNDialog::IsSaveMode(const std::string& mode) { return UpperCase(mode) == "SAVE"; }

std::string FNDialog::InitialFolder() const {
  if (DefaultDir.empty() || DefaultDir.back() != '/') return DefaultDir + '/';
  return DefaultDir;
}

FileDialogRequest FNDialog::Request(const std::string& mode) const {
  return FileDialogRequest{IsSaveMode(mode), Title, FileTypesName, FileTypes, InitialFolder()};
}

std::string DialogFilter(const FileDialogRequest& request) {
  std::string patterns = request.patterns;
  std::replace(patterns.begin(), patterns.end(), ';', ' ');
  return request.filterName + " (" + patterns + ")";
}

std::string DialogStartFolder(const std::string& remembered, const std::string& programFolder,
                              const std::string& documents) {
  std::error_code error;
  if (!remembered.empty() && std::filesystem::is_directory(remembered, error)) return remembered;
  const bool writable = std::filesystem::is_directory(programFolder, error) && access(programFolder.c_str(), W_OK) == 0;
  return writable ? programFolder : documents;
}

std::string FNDialog::GetFileName(const std::string& mode) {
  const CurrentDirectoryGuard guard;
  return toolkit_.ShowFileDialog(Request(mode));
}

}  // namespace loopword
