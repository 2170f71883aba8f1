// The puzzle text format: comment lines, then 23 placement lines per puzzle, puzzles separated by an empty line.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "board/puzzle.h"
#include "puzzle/puzzle_document.h"

namespace loopword {

/// File name extension of puzzle files, with its dot.
inline constexpr const char* kPuzzleExtension = ".loopword";
/// Largest puzzle file that is read, in bytes.
inline constexpr std::size_t kPuzzleFileLimit = 1 << 20;

/// The text of one puzzle: its comment lines, then its placement lines, each ending in LF.
std::string FormatPuzzle(const PuzzleDocument& puzzle);
/// The text of a puzzle file: the puzzles one after another with one empty line between them.
std::string FormatPuzzleFile(const std::vector<PuzzleDocument>& puzzles);

/// What the user is told when the file `fileName` cannot be opened as a puzzle, and `why`.
Message RefusalMessage(const std::string& fileName, const Phrase& why);
/// What the user is told when a file could not be saved to `path`: `heading` ("Loopword could not
/// save the puzzle to:"), the path and why, a line each.
Message SaveFailureMessage(Text heading, const std::string& path, const Message& reason);

/// The first fault of a text that is not a puzzle file: its line (0 for the whole file) and what is wrong.
struct PuzzleFileFault {
  int line = 0;
  /// For a line, in lower case without a full stop ("the word LOOPWORD is already in square 03"), as
  /// the message's "Line 17: ..." sentence ends it; for the whole file, a sentence ("The file holds no puzzle.").
  Phrase what;
};

/// What reading a puzzle file gave: the puzzles, or the first fault and the message for the user.
struct PuzzleFileResult {
  std::vector<PuzzleDocument> puzzles;
  std::optional<PuzzleFileFault> fault;
  /// For the user: names the file, then the fault as a sentence ("Line 17: …." or "The file …."); nothing
  /// when the file was read.
  Message message;
};

/// Reads puzzle text (LF or CR LF line ends, an optional UTF-8 byte-order mark); `fileName` only
/// names the file in the message.
/// Every puzzle must be complete: 23 lines in square order, each ring its word from its start
/// cell, shared cells agreeing, no word twice; its comment lines, which come before its placement lines
/// (those after the last puzzle belong to it), must be clean text, with a difficulty, hint cells and
/// clues that can be read (a word of the puzzle, a clue of 1 to kClueLimit characters, one clue a word).
/// Boards come filled and marked, ready to draw, in documents as ReadDocument reads them.
PuzzleFileResult ParsePuzzleText(std::string_view text, const std::string& fileName);

/// The text of a puzzle file, or what the user is told when it cannot be read.
struct PuzzleFileText {
  std::optional<std::string> text;
  Message message;
};

/// Reads the file at `path` through a bounded buffer: a file over kPuzzleFileLimit is read only just
/// past the limit, for ParsePuzzleText to refuse.
PuzzleFileText ReadPuzzleFileText(const std::string& path);

/// Reads the puzzle file at `path` through a bounded buffer; files over kPuzzleFileLimit are refused.
PuzzleFileResult ReadPuzzleFile(const std::string& path);

/// Writes `text` to `path` through a temporary file renamed over it; nothing when done, else why not.
Message WriteFileAtomically(const std::string& path, std::string_view text);

/// A file written piece by piece into a temporary file in its folder, which replaces `path` only
/// when finished; the temporary file is removed when anything fails or the writer goes unfinished.
/// A link at `path` is followed (the file it names is replaced, the link stays); a read-only file is
/// refused; the new file keeps the permissions of the one it replaces.
class AtomicFile {
 public:
  explicit AtomicFile(const std::string& path);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  /// Appends `text`; false once anything has failed.
  bool Write(std::string_view text);
  /// Renames the temporary file over the path: nothing when done, else why not.
  Message Finish();
  /// The temporary file being written; empty when none could be started.
  [[nodiscard]] const std::string& TemporaryPath() const { return part_; }

 private:
  std::string path_;
  std::string part_;
  std::FILE* out_ = nullptr;
  Message failure_;
  bool finished_ = false;
};

}  // namespace loopword
