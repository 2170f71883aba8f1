// The learning platform's side of a puzzle: the learner's puzzle, the progress kept, status, score and time.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/learning_platform.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "board/plain_text.h"
#include "board/text_hash.h"
#include "board/whole_number.h"
#include "puzzle/puzzle_document.h"
#include "session/kept_entries.h"

namespace loopword {

namespace {

constexpr Text kNoLearner =
    LOOPWORD_TEXT("Messages", "The learning platform did not say who you are, so this is puzzle 1 of the set.");
constexpr Text kProgressDamaged = LOOPWORD_TEXT(
    "Messages", "The progress the learning platform kept for this puzzle is damaged or cut short: the puzzle starts afresh.");
constexpr Text kProgressOfAnother =
    LOOPWORD_TEXT("Messages", "The progress the learning platform kept is of another puzzle: this one starts afresh.");
constexpr Text kNotRecorded =
    LOOPWORD_TEXT("Messages", "The learning platform shows this puzzle for a look only: nothing you do here is recorded.");
constexpr Text kPlatformRefused = LOOPWORD_TEXT(
    "Messages", "The learning platform did not take what this page told it: you can go on solving, but your progress and result are not recorded.");

/// The first word of what the platform keeps: this program's progress, in this form.
constexpr std::string_view kSuspendMark = "loopword-1";

std::string Hex(std::uint64_t value) {
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(value));
  return digits;
}

/// The typed, pencil and progress lines of the puzzle file text `file`, one a line.
std::string SolvingLines(const std::string& file) {
  std::string lines;
  for (const std::string_view line : LinesOf(file)) {
    if (SolvingLineKind(line)) lines.append(line).append("\n");
  }
  return lines;
}

/// Whether the puzzle file text `file` keeps letters typed (sure or pencilled).
bool KeepsLetters(const std::string& file) {
  for (const std::string_view line : LinesOf(file)) {
    const std::optional<LineKind> kind = SolvingLineKind(line);
    if (kind == LineKind::Typed || kind == LineKind::Pencil) return true;
  }
  return false;
}

}  // namespace

int PlatformScore(int checks, int revealed) {
  return std::max(0, 100 - kCheckPoints * std::max(0, checks) - kRevealPoints * std::max(0, revealed));
}

std::string PlatformTime(std::int64_t ms) {
  const std::int64_t seconds = std::clamp<std::int64_t>(ms / 1000, 0, 9999LL * 3600 + 59 * 60 + 59);
  const auto twoDigits = [](std::int64_t value) { return (value < 10 ? "0" : "") + std::to_string(value); };
  return twoDigits(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" + twoDigits(seconds % 60);
}

std::string SuspendData(const std::string& file, const std::string& key) {
  const std::string lines = SolvingLines(file);
  return std::string(kSuspendMark) + " " + Hex(TextHash(key)) + " " + Hex(TextHash(lines)) + "\n" + lines;
}

LearningPlatform::LearningPlatform(PlatformStart start) : start_(std::move(start)) {
  if (!Records()) note_ = Message(kNotRecorded);
}

int LearningPlatform::PuzzleNumber(int count) {
  if (count <= 1) return 1;
  if (start_.learner.empty()) {
    note_.Append(Message(kNoLearner));
    return 1;
  }
  return static_cast<int>(TextHash(start_.learner) % static_cast<std::uint64_t>(count)) + 1;
}

std::optional<std::string> LearningPlatform::KeptProgress(const std::string& sheetFile, const std::string& key) {
  if (start_.suspendData.empty()) return std::nullopt;
  const std::size_t end = start_.suspendData.find('\n');
  const std::string_view check = std::string_view(start_.suspendData).substr(0, end);
  const std::string lines = end == std::string::npos ? "" : start_.suspendData.substr(end + 1);
  const std::vector<std::string_view> words = BlankSeparated(check);
  if (words.size() != 3 || words[0] != kSuspendMark || words[2] != Hex(TextHash(lines))) {
    note_.Append(Message(kProgressDamaged));
    return std::nullopt;
  }
  if (words[1] != Hex(TextHash(key))) {
    note_.Append(Message(kProgressOfAnother));
    return std::nullopt;
  }
  std::string text;
  bool placed = false;
  for (const std::string_view line : LinesOf(sheetFile)) {
    if (!placed && !line.starts_with('#')) {
      text += lines;
      placed = true;
    }
    text.append(line).append("\n");
  }
  return placed ? std::optional(text) : std::nullopt;
}

std::optional<RingCell> LearningPlatform::LastCell() const {
  return start_.location.empty() ? std::nullopt : loopword::KeptCell(start_.location);
}

bool LearningPlatform::Records() const {
  return start_.mode != "browse" && start_.mode != "review";
}

void LearningPlatform::Set(std::vector<PlatformValue>& changes, const std::string& element, const std::string& value) {
  const auto told = std::find_if(told_.begin(), told_.end(), [&element](const PlatformValue& value) { return value.first == element; });
  if (told != told_.end() && told->second == value) return;
  if (told != told_.end()) told->second = value;
  else told_.emplace_back(element, value);
  changes.emplace_back(element, value);
}

std::vector<PlatformValue> LearningPlatform::Report(const View& view) {
  std::vector<PlatformValue> changes;
  if (!Records() || view.mode != Mode::Solving || !view.puzzle) return changes;
  if (!startMs_) startMs_ = view.clock.elapsedMs;
  if (!solved_ && !KeepsLetters(view.puzzle->file)) return changes;
  if (!solved_) Set(changes, "cmi.core.lesson_status", "incomplete");
  Set(changes, "cmi.suspend_data", SuspendData(view.puzzle->file, view.puzzle->key));
  if (const std::optional<RingCell> cell = view.reading.current) {
    Set(changes, "cmi.core.lesson_location", std::to_string(cell->square) + "." + std::to_string(cell->position));
  }
  if (view.solved && view.result && !solved_) {
    solved_ = true;
    const int score = PlatformScore(view.result->checks, view.result->revealed);
    Set(changes, "cmi.core.score.raw", std::to_string(score));
    Set(changes, "cmi.core.score.min", "0");
    Set(changes, "cmi.core.score.max", "100");
    const std::optional<int> mastery = WholeNumber(start_.masteryScore, 0, 100);
    Set(changes, "cmi.core.lesson_status", !mastery ? "completed" : score >= *mastery ? "passed" : "failed");
  }
  return changes;
}

std::vector<PlatformValue> LearningPlatform::Leaving(const View& view) const {
  if (!Records() || !startMs_) return {};
  return {{"cmi.core.session_time", PlatformTime(view.clock.elapsedMs - *startMs_)}, {"cmi.core.exit", solved_ ? "" : "suspend"}};
}

Message LearningPlatform::TakeNote() {
  return std::exchange(note_, {});
}

void LearningPlatform::Refused() {
  if (std::exchange(refused_, true)) return;
  note_.Append(Message(kPlatformRefused));
}

}  // namespace loopword
