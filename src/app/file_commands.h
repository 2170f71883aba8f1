// The File menu's dialogs and writes: asking for file names, confirming overwrites, and writing bitmaps, PDFs,
// SVGs, booklets and the printed page.
#pragma once

#include <QImage>
#include <functional>
#include <string>

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

  /// The puzzle file to open; "" when cancelled.
  std::string AskPuzzleToOpen();
  /// The puzzle file to save to, ending in the puzzle extension; "" when cancelled or not to be overwritten.
  std::string AskPuzzleToSave();
  /// The web page file to export to, ending in .html; "" when cancelled or not to be overwritten.
  std::string AskWebPageToSave();
  /// The user's word list; "" when cancelled.
  std::string AskWordList();
  /// Save as bitmap: asks for a file and writes `picture` to it, telling its length.
  void SaveBitmap(const QImage& picture);
  /// Export PDF: asks for a file and writes the printed page of `puzzle` to it.
  void ExportPdf(const Puzzle& puzzle);
  /// Export SVG: asks for a name and writes the two sheets of `puzzle` beside it.
  void ExportSvg(const Puzzle& puzzle);
  /// Print: asks first, then prints `puzzle` on the default printer; `starting` runs once the printer has started.
  void Print(const Puzzle& puzzle, const std::function<void()>& starting);
  /// The booklet dialog, starting from its last answers and `fill`, then the file; "" when cancelled.
  std::string AskBooklet(const CompileOptions& fill);
  /// The booklet dialog's last answers.
  [[nodiscard]] const BookletChoices& Booklet() const { return booklet_; }
  /// Writes the puzzles `made` to the booklet file `path` and tells how it went; nothing when cancelled.
  void WriteBooklet(const BookletOutcome& made, const std::string& path);

 private:
  std::string AskFileName(const char* mode, const std::string& title, const std::string& typesName,
                          const std::string& patterns);
  std::string AskSavePath(const std::string& title, const std::string& typesName, const std::string& extension);
  std::string AskNewFile(const std::string& title, const std::string& typesName, const std::string& extension);
  bool ConfirmOverwrite(const std::string& path);
  bool Write(Text failureHeading, const std::string& path, const std::function<SaveOutcome()>& write);

  Toolkit& toolkit_;
  FNDialog gf1;  // the one file-name dialog of the window
  BookletChoices booklet_;  // the booklet dialog's last answers
};

}  // namespace loopword
