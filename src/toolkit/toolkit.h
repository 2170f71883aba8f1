// What the program asks of the windowing toolkit: messages, questions, pointer, folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "board/message.h"
#include "words/language.h"

namespace loopword {

/// The program's name, the title of every message box.
inline constexpr const char* kProgramName = "Loopword";

/// What a file dialog shows: open or save, its title, its one filter and the folder it starts in.
struct FileDialogRequest {
  bool save = false;
  std::string title;
  /// Display name of the filter, e.g. "Dictionary Files".
  std::string filterName;
  /// Patterns of the filter separated by semicolons, e.g. "*.txt;*.dat;*.dic".
  std::string patterns;
  /// The folder the dialog starts in.
  std::string folder;
};

/// What the booklet dialog asks: how many puzzles, and whether a word may appear in two of them.
struct BookletChoices {
  int count = 30;
  bool noRepeats = false;
  /// The fill choices of the Solution menu: varied words, one solution.
  bool varied = false;
  bool unique = false;
};

/// What the theme dialog edits: the theme words as text, and the title.
struct ThemeEntry {
  std::string words;
  std::string title;
};

/// What a theme box says of the words typed so far, and whether they can be kept.
struct ThemeReport {
  Message text;
  bool usable = false;
};
/// Reads the words typed so far as the program will take them.
using ThemeCheck = std::function<ThemeReport(const std::string& words)>;

/// Toolkit services behind one small interface: the real toolkit in the program, a script in tests.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  /// Shows `message` with an OK button, titled "Loopword", no icon; returns when it is closed.
  virtual void ShowMessage(const Message& message) = 0;
  /// Asks `question` with Yes and No, `yesByDefault` saying which Enter chooses; true when the user chose Yes.
  virtual bool AskYesNo(const Message& question, bool yesByDefault = true) = 0;
  /// Asks for a line of text with an empty answer field; "" when cancelled.
  virtual std::string InputBox(const Message& prompt, const Message& title) = 0;
  /// Asks for a file; the full path, or "" when cancelled. Never asks about overwriting and
  /// never adds an extension to a typed name.
  virtual std::string ShowFileDialog(const FileDialogRequest& request) = 0;
  /// Asks for a whole number from `least` to `most`, starting from `initial`, with `prompt` beside the field and
  /// `title` above; nullopt when cancelled.
  virtual std::optional<int> AskNumber(const Message& prompt, const Message& title, int least, int most, int initial) = 0;
  /// Asks how many puzzles a booklet holds (1..500) and whether words may repeat, starting from
  /// `initial`; nullopt when cancelled.
  virtual std::optional<BookletChoices> AskBooklet(const BookletChoices& initial) = 0;
  /// Asks for theme words and a title, starting from `current` and saying while the words are
  /// typed what `check` makes of them; nullopt when cancelled, both empty when cleared.
  virtual std::optional<ThemeEntry> AskTheme(const ThemeEntry& current, const ThemeCheck& check) = 0;
  /// Shows (or updates) a progress bar with a Cancel button: `text`, `done` of `total`. Lets the
  /// event loop run; false once the user has cancelled.
  virtual bool ShowProgress(const Message& text, int done, int total) = 0;
  /// Closes the progress bar.
  virtual void EndProgress() = 0;
  /// Shows the busy pointer (arrow with hourglass) over the whole program, or the default one.
  virtual void SetBusy(bool busy) = 0;
  /// The folder the program file lies in, without a trailing '/' (unless it is the root).
  [[nodiscard]] virtual std::string ProgramFolder() const = 0;
};

}  // namespace loopword
