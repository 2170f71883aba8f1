// The file-name dialog control: four settings, then one call that asks for a file to open or save.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "toolkit/toolkit.h"

namespace loopword {

/// Asks the user for a file name through the toolkit's file dialog, keeping the process's
/// current directory as it was.
class FNDialog {
 public:
  explicit FNDialog(Toolkit& toolkit) : toolkit_(toolkit) {}

  /// The dialog's title; "0" until a caller sets it.
  std::string Title = "0";
  /// Patterns of the dialog's one filter, separated by semicolons ("*.txt;*.dat;*.dic").
  std::string FileTypes;
  /// Display name of that filter ("Dictionary Files").
  std::string FileTypesName;
  /// The folder the dialog opens in.
  std::string DefaultDir;

  /// Shows the dialog in the mode `mode` names ("SAVE" in any case saves; anything else opens)
  /// and returns the chosen full path, or "" when the user cancels.
  std::string GetFileName(const std::string& mode = "");

  /// True for the save dialog: `mode` in upper case is exactly "SAVE".
  static bool IsSaveMode(const std::string& mode);
  /// The request the settings make for `mode`, as the toolkit's dialog receives it.
  [[nodiscard]] FileDialogRequest Request(const std::string& mode) const;
  /// The folder the dialog starts in: DefaultDir ending in '/', or "/" when it is empty.
  [[nodiscard]] std::string InitialFolder() const;

 private:
  Toolkit& toolkit_;
};

/// The filter as a file dialog lists it: "Dictionary Files (*.txt *.dat *.dic)".
std::string DialogFilter(const FileDialogRequest& request);

/// The folder a file dialog starts in: `remembered` (the folder used last) while it exists, else
/// `programFolder` when it can be written, else `documents`.
std::string DialogStartFolder(const std::string& remembered, const std::string& programFolder,
                              const std::string& documents);

}  // namespace loopword
