// Fuzzes the file-name dialog's handling of its mode text, filter and folder settings.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/fn_dialog.h"
#include "support/scripted_toolkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input holds four texts separated by NUL bytes: mode, patterns, filter name, folder.
  std::string fields[4];
  std::size_t field = 0;
  for (std::size_t i = 0; i < size && field < 4; ++i) {
    if (data[i] == 0) ++field;
    else fields[field] += static_cast<char>(data[i]);
  }
  loopword::testing::ScriptedToolkit toolkit;  // answers every dialog with a cancel
  loopword::FNDialog dialog(toolkit);
  dialog.FileTypes = fields[1];
  dialog.FileTypesName = fields[2];
  dialog.DefaultDir = fields[3];
  const loopword::FileDialogRequest request = dialog.Request(fields[0]);
  if (request.folder.empty() || request.folder.back() != '/') std::abort();
  if (request.folder.compare(0, fields[3].size(), fields[3]) != 0) std::abort();
  if (dialog.DefaultDir != fields[3]) std::abort();
  const std::string filter = loopword::DialogFilter(request);
  if (filter.compare(0, fields[2].size(), fields[2]) != 0 || filter.back() != ')') std::abort();
  if (filter.find(';', fields[2].size()) != std::string::npos) std::abort();
  if (dialog.GetFileName(fields[0]) != "") std::abort();
  return 0;
}
