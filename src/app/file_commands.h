// The File menu's dialogs and writes: asking for file names, confirming overwrites, and writing bitmaps, PDFs,
// SVGs, booklets and the printed page.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "board/puzzle.h"
#include "controls/fn_dialog.h"
#include "output/save_pic.h"
#include "session/session.h"
#include "toolkit/toolkit.h"

namespace loopword {

/// Asks for files through the window's one file-name dialog, starting where a file was chosen last, and
/// writes them with the busy pointer on; every failure is told to the user.
class FileCommands {
 public:
  explicit FileCommands(Toolkit& toolkit) : toolkit_(toolkit), gf1(toolkit) {}

  /// Open puzzle: asks for a puzzle file and reads it; its path and text, or nothing when cancelled or
  /// unreadable (told).
  std::optional<std::pair<std::string, std::string>> AskPuzzleText();
  /// Save puzzle: asks for a file and writes the puzzle file `text` to it; whether it was written.
  bool SavePuzzle(const std::string& text);
  /// Export web page: asks for a file and writes to it what `fill` makes of the web page at `pagePath`
  /// (nullopt: the page is missing or damaged).
  void ExportWebPage(const std::string& pagePath, const std::function<std::optional<std::string>(std::string_view page)>& fill);
  /// Asks where to save a package for a learning platform and writes there what `fill` makes of the web page at
  /// `pagePath` (the .zip); says so when the page is missing or damaged.
  void ExportLearningPackage(const std::string& pagePath, const std::function<std::optional<std::string>(std::string_view page)>& fill);
  /// The user's word list; "" when cancelled.
  std::string AskWordList();
  /// Save as bitmap: asks for a file and writes `picture` to it, telling its length.
  void SaveBitmap(const QImage& picture);
  /// Export PDF: asks for a file and writes the printed page of `sheets` to it.
  void ExportPdf(const PrintedSheets& sheets);
  /// Export SVG: asks for a name and writes the two `sheets` beside it.
  void ExportSvg(const PrintedSheets& sheets);
  /// Print: asks first, then prints `sheets` on the default printer; `starting` runs once the printer has started.
  void Print(const PrintedSheets& sheets, const std::function<void()>& starting);
  /// The booklet dialog, starting from its last answers and `fill`, then the file; "" when cancelled.
  std::string AskBooklet(const CompileOptions& fill);
  /// Class set: asks how many pupils (starting from the last answer), then the file; nothing when cancelled.
  std::optional<std::pair<int, std::string>> AskClassSet();
  /// Asks for a text file of result codes, one a line: its text; none when the user cancels or it cannot be read,
  /// which is told.
  std::optional<std::string> AskResultCodes();
  /// Asks where to save the class results `csv` (comma-separated values) and writes them there.
  void SaveResults(const std::string& csv);
  /// The booklet dialog's last answers.
  [[nodiscard]] const BookletChoices& Booklet() const { return booklet_; }
  /// Writes the booklet (or class set) of the puzzles whose sheets are `made` to `path` and tells how it went, with
  /// what the run told; nothing when the run was cancelled or gave up (its messages say why).
  void WriteBooklet(const Reply& run, const std::vector<PrintedSheets>& made, const std::string& path);

 private:
  std::string AskFileName(const char* mode, const std::string& title, const std::string& typesName,
                          const std::string& patterns);
  std::string AskSavePath(const std::string& title, const std::string& typesName, const std::string& extension);
  std::string AskNewFile(const std::string& title, const std::string& typesName, const std::string& extension);
  bool ConfirmOverwrite(const std::string& path);
  bool Write(Text failureHeading, const std::string& path, const std::function<SaveOutcome()>& write);
  bool WriteText(Text failureHeading, const std::string& path, std::string_view text);
  /// Asks for a new file (`title`, `typesName`, `extension`) and writes there what `fill` makes of the web page at
  /// `pagePath`, `failureHeading` heading what went wrong.
  void ExportWithPage(const std::string& pagePath, const std::function<std::optional<std::string>(std::string_view page)>& fill,
                      const char* title, const char* typesName, const std::string& extension, Text failureHeading);

  Toolkit& toolkit_;
  FNDialog gf1;  // the one file-name dialog of the window
  BookletChoices booklet_;  // the booklet dialog's last answers
  int pupils_ = 30;  // the last number of pupils asked for
};

}  // namespace loopword
