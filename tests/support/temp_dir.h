// A fresh folder for one test, removed with everything in it when the test ends; reading a file whole.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace loopword::testing {

/// The bytes of a file, or "" when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

/// A new empty folder under the system's temporary folder, deleted on destruction.
class TempDir {
 public:
  TempDir() { std::filesystem::create_directories(path_); }
  ~TempDir() { std::error_code ignored; std::filesystem::remove_all(path_, ignored); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
  /// Writes `bytes` exactly as given to a file in the folder and returns its full path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    std::ofstream(path_ / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return (path_ / name).string();
  }

 private:
  std::filesystem::path path_ = std::filesystem::temp_directory_path() / ("loopword-test-" + std::to_string(std::random_device()()));
};

}  // namespace loopword::testing
