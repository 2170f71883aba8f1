// Writing puzzle text, and reading it strictly: the first fault is reported with its line.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/puzzle_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

#include "board/placement_line.h"
#include "board/plain_text.h"
#include "board/program_text.h"

namespace loopword {

namespace {

constexpr Text kNotWritten = LOOPWORD_TEXT("Messages", "The file could not be written.");
constexpr Text kLineForm = LOOPWORD_TEXT("Messages", "not a placement line of the form \"SS RRRRRRRR D WWWWWWWW\"");
constexpr Text kClueGiven = LOOPWORD_TEXT("Messages", "the word %1 has a clue already");
constexpr Text kClueNotInPuzzle = LOOPWORD_TEXT("Messages", "the clue is for %1, which is not in the puzzle");
/// One puzzle as it is read: its comment lines and its placements.
struct ReadPuzzle {
  std::vector<std::string> comments;
  Puzzle puzzle;
};

/// Whether one of the placements of `puzzle` holds `word`.
bool HoldsWord(const Puzzle& puzzle, const std::string& word) {
  return std::any_of(puzzle.placements.begin(), puzzle.placements.end(), [&word](const PlacementLine& placement) { return placement.word == word; });
}

/// Reads the puzzles line by line, keeping the puzzle being read and the first fault.
class PuzzleReader {
 public:
  std::optional<PuzzleFileFault> Line(int number, std::string_view line) {
    lastLine_ = number;
    if (!line.empty() && line[0] == '#') return Comment(line);
    if (line.empty()) return EndOfPuzzle(number);
    return Placement(line);
  }

  std::optional<PuzzleFileFault> End() {
    if (!current_.puzzle.placements.empty()) {
      if (auto fault = EndOfPuzzle(lastLine_)) return fault;
    }
    if (puzzles_.empty()) return PuzzleFileFault{0, LOOPWORD_TEXT("Messages", "The file holds no puzzle.")};
    // Comment lines after the last puzzle stay with it, and their clues are held to it as its own are.
    ReadPuzzle& last = puzzles_.back();
    for (const auto& [line, word] : clueLines_) {
      if (std::find(lastClues_.begin(), lastClues_.end(), word) != lastClues_.end()) return PuzzleFileFault{line, Phrase(kClueGiven, {word})};
      if (!HoldsWord(last.puzzle, word)) return PuzzleFileFault{line, Phrase(kClueNotInPuzzle, {word})};
    }
    last.comments.insert(last.comments.end(), current_.comments.begin(), current_.comments.end());
    return std::nullopt;
  }

  std::vector<ReadPuzzle> TakePuzzles() { return std::move(puzzles_); }

 private:
  std::optional<PuzzleFileFault> Fault(Phrase what) const { return PuzzleFileFault{lastLine_, std::move(what)}; }

  std::optional<PuzzleFileFault> Comment(std::string_view line) {
    if (!IsCleanText(line)) return Fault(LOOPWORD_TEXT("Messages", "bad character in a comment line"));
    if (auto fault = CommentLineFault(line)) return Fault(*fault);
    if (const std::optional<std::string> word = ClueWord(line)) {
      if (std::any_of(clueLines_.begin(), clueLines_.end(), [&](const auto& given) { return given.second == *word; })) {
        return Fault(Phrase(kClueGiven, {*word}));
      }
      clueLines_.emplace_back(lastLine_, *word);
    }
    current_.comments.emplace_back(line);
    return std::nullopt;
  }

  std::optional<PuzzleFileFault> EndOfPuzzle(int number) {
    const auto lines = current_.puzzle.placements.size();
    if (lines == 0) return std::nullopt;
    if (lines < kSquareCount) {
      return PuzzleFileFault{number, Phrase(texts::kTooFewPlacementLines, {lines})};
    }
    lastClues_.clear();
    for (const auto& [line, word] : clueLines_) {
      if (!HoldsWord(current_.puzzle, word)) return PuzzleFileFault{line, Phrase(kClueNotInPuzzle, {word})};
      lastClues_.push_back(word);
    }
    clueLines_.clear();
    Board& board = current_.puzzle.board;
    board.BuildSquarePatterns();
    puzzles_.push_back(std::move(current_));
    current_ = ReadPuzzle{};
    return std::nullopt;
  }

  std::optional<PuzzleFileFault> Placement(std::string_view text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
    if (!plain) return Fault(LOOPWORD_TEXT("Messages", "bad character in a placement line"));
    const int square = static_cast<int>(current_.puzzle.placements.size()) + 1;
    if (square > kSquareCount) return Fault(LOOPWORD_TEXT("Messages", "more than 23 placement lines without an empty line between puzzles"));
    const std::optional<PlacementLine> line = PlacementLine::Parse(text);
    if (!line) return Fault(kLineForm);
    if (line->square != square) {
      return Fault(Phrase(texts::kSquareOutOfOrder, {SquareLabel(line->square), SquareLabel(square)}));
    }
    if (auto fault = CheckRing(*line)) return fault;
    Board& board = current_.puzzle.board;
    board.SquareWord[square] = line->ring;
    board.SquareMark[square] = MarkOn;
    current_.puzzle.placements.push_back(*line);
    return CheckSharedCells(square);
  }

  std::optional<PuzzleFileFault> CheckRing(const PlacementLine& line) const {
    const int start = line.StartPosition();
    for (int k = 0; k < kRingSize; ++k) {
      if (line.ring[static_cast<std::size_t>((start - 1 + k) % kRingSize)] != line.word[static_cast<std::size_t>(k)]) {
        return Fault(Phrase(texts::kRingNotWord, {line.ring, line.word, start}));
      }
    }
    for (const PlacementLine& placed : current_.puzzle.placements) {
      if (placed.word == line.word) return Fault(Phrase(texts::kWordRepeated, {line.word, SquareLabel(placed.square)}));
    }
    return std::nullopt;
  }

  std::optional<PuzzleFileFault> CheckSharedCells(int square) const {
    const Board& board = current_.puzzle.board;
    for (const Overlap& rule : Overlaps()) {
      if (std::max(rule.squareA, rule.squareB) != square) continue;
      if (RingLetterAt(board.SquareWord[rule.squareA], rule.positionA) != RingLetterAt(board.SquareWord[rule.squareB], rule.positionB)) {
        return Fault(Phrase(texts::kSharedCellDisagrees, {SquareLabel(square), SquareLabel(std::min(rule.squareA, rule.squareB))}));
      }
    }
    return std::nullopt;
  }

  std::vector<ReadPuzzle> puzzles_;
  ReadPuzzle current_;
  std::vector<std::pair<int, std::string>> clueLines_;  // the line and word of each clue of the puzzle being read
  std::vector<std::string> lastClues_;  // the words the puzzle read last has clues for
  int lastLine_ = 0;
};

/// The fault as a sentence: "Line 17: square 15 where square 17 belongs." or "The file holds no puzzle."
Phrase FaultSentence(const PuzzleFileFault& fault) {
  return fault.line > 0 ? Phrase(texts::kFaultOnLine, {fault.line, fault.what}) : fault.what;
}

/// Why a file that could not be read is refused.
constexpr Text kUnreadable = LOOPWORD_TEXT("Messages", "The file could not be read.");

PuzzleFileResult Refused(const std::string& fileName, PuzzleFileFault fault) {
  PuzzleFileResult result;
  result.message = RefusalMessage(fileName, FaultSentence(fault));
  result.fault = std::move(fault);
  return result;
}

}  // namespace

Message RefusalMessage(const std::string& fileName, const Phrase& why) {
  return Message(LOOPWORD_TEXT("Messages", "Loopword could not open the puzzle file:")).Add(fileName).Add(why);
}

Message SaveFailureMessage(Text heading, const std::string& path, const Message& reason) {
  return Message(heading).Add(path).Append(reason);
}

std::string FormatPuzzle(const PuzzleDocument& puzzle) {
  std::string text;
  for (const std::string& line : CommentLines(puzzle)) text += line + '\n';
  for (const PlacementLine& placement : puzzle.puzzle.placements) text += placement.ToString() + '\n';
  return text;
}

std::string FormatPuzzleFile(const std::vector<PuzzleDocument>& puzzles) {
  std::string text;
  for (const PuzzleDocument& puzzle : puzzles) {
    if (!text.empty()) text += '\n';
    text += FormatPuzzle(puzzle);
  }
  return text;
}

PuzzleFileResult ParsePuzzleText(std::string_view text, const std::string& fileName) {
  if (text.size() > kPuzzleFileLimit) return Refused(fileName, {0, LOOPWORD_TEXT("Messages", "The file is larger than 1 MiB.")});
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark some editors write
  PuzzleReader reader;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (auto fault = reader.Line(++number, line)) return Refused(fileName, *fault);
  }
  if (auto fault = reader.End()) return Refused(fileName, *fault);
  std::vector<PuzzleDocument> documents;
  for (ReadPuzzle& read : reader.TakePuzzles()) documents.push_back(ReadDocument(read.comments, std::move(read.puzzle)));
  return {std::move(documents), std::nullopt, {}};
}

PuzzleFileText ReadPuzzleFileText(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "rb"), &std::fclose);
  std::string text;
  char buffer[1 << 16];
  while (in && text.size() <= kPuzzleFileLimit) {
    const std::size_t read = std::fread(buffer, 1, sizeof buffer, in.get());
    text.append(buffer, read);
    if (read < sizeof buffer) break;
  }
  if ((!in || std::ferror(in.get())) && text.size() <= kPuzzleFileLimit) return {std::nullopt, Refused(path, {0, kUnreadable}).message};
  return {std::move(text), {}};
}

PuzzleFileResult ReadPuzzleFile(const std::string& path) {
  const PuzzleFileText read = ReadPuzzleFileText(path);
  if (!read.text) return Refused(path, {0, kUnreadable});
  return ParsePuzzleText(*read.text, path);
}

Message WriteFileAtomically(const std::string& path, std::string_view text) {
  AtomicFile file(path);
  file.Write(text);
  return file.Finish();
}

AtomicFile::AtomicFile(const std::string& path) : path_(path) {
  std::error_code error;
  // A link is followed: the file it names is replaced and the link stays.
  if (std::filesystem::is_symlink(path, error)) path_ = std::filesystem::weakly_canonical(path, error).string();
  if (error) path_ = path;
  const std::filesystem::file_status old = std::filesystem::status(path_, error);
  if (std::filesystem::is_directory(old)) {
    failure_ = texts::kFolderInTheWay;
    return;
  }
  const bool replacing = std::filesystem::exists(old);
  if (replacing && (old.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none) {
    failure_ = LOOPWORD_TEXT("Messages", "The file is read-only.");
    return;
  }
  part_ = path_ + ".part-" + std::to_string(std::random_device()());
  errno = 0;
  out_ = std::fopen(part_.c_str(), "wb");
  if (out_ == nullptr) failure_ = errno != 0 ? Message(Phrase(std::strerror(errno))) : Message(kNotWritten);  // the system's reason, as it says it
  // The new file is as private as the one it replaces.
  if (out_ != nullptr && replacing) ::fchmod(fileno(out_), static_cast<mode_t>(old.permissions() & std::filesystem::perms::mask));
}

AtomicFile::~AtomicFile() {
  if (out_ != nullptr) std::fclose(out_);
  if (finished_ || part_.empty()) return;
  std::error_code error;
  std::filesystem::remove(part_, error);
}

bool AtomicFile::Write(std::string_view text) {
  if (!failure_.empty()) return false;
  if (std::fwrite(text.data(), 1, text.size(), out_) != text.size()) failure_ = kNotWritten;
  return failure_.empty();
}

Message AtomicFile::Finish() {
  std::error_code error;
  if (failure_.empty()) {
    // On the disk before it replaces the file: a crash or a power cut leaves the old file or the new one, whole.
    const bool written = std::fflush(out_) == 0 && ::fsync(fileno(out_)) == 0;
    const bool closed = std::fclose(std::exchange(out_, nullptr)) == 0;
    if (written && closed) std::filesystem::rename(part_, path_, error);
    if (!written || !closed || error) failure_ = kNotWritten;
  }
  if (!failure_.empty() && !part_.empty()) std::filesystem::remove(part_, error);
  finished_ = true;
  return failure_;
}

}  // namespace loopword
