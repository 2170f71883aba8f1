// What a learning platform (SCORM 1.2) is told of the puzzle a learner solves, and what it kept of it before.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "board/message.h"
#include "session/view.h"

namespace loopword {

/// What the platform says of the learner and the attempt when it starts the page, as its data model gives it.
struct PlatformStart {
  std::string learner;        ///< cmi.core.student_id; "" when the platform names none
  std::string mode;           ///< cmi.core.lesson_mode: "normal", "browse" or "review"
  std::string suspendData;    ///< cmi.suspend_data: the progress kept at the end of the last attempt
  std::string location;       ///< cmi.core.lesson_location: the cell selected then, "SQUARE.POSITION"
  std::string masteryScore;   ///< cmi.student_data.mastery_score: the score that passes; "" for none
};

/// An element of the platform's data model and the value it is set to.
using PlatformValue = std::pair<std::string, std::string>;

/// How many points of 100 each check and each letter revealed cost a solved puzzle's score.
inline constexpr int kCheckPoints = 2;
inline constexpr int kRevealPoints = 5;

/// The score of a puzzle solved with `checks` checks and `revealed` letters revealed: 100 less their points, 0 at least.
int PlatformScore(int checks, int revealed);
/// `ms` as SCORM 1.2 writes a time span: "HH:MM:SS", the hours up to 9999.
std::string PlatformTime(std::int64_t ms);
/// The progress kept in a puzzle file text `file` (its typed and pencil letters, time and counts) as the platform
/// keeps it for the puzzle with placement key `key`: a line that checks it, then those lines.
std::string SuspendData(const std::string& file, const std::string& key);

/// The learner's side of the platform: the puzzle it gives them, the progress it kept, and after each command what
/// changed in what it is to be told. It tells nothing in the platform's browse and review modes.
class LearningPlatform {
 public:
  explicit LearningPlatform(PlatformStart start);

  /// Which of `count` puzzles is the learner's: always the same for one learner id, 1 when the platform names none.
  int PuzzleNumber(int count);
  /// The puzzle file text `sheetFile` (of placement key `key`) with the progress the platform kept for it; nullopt
  /// when it kept none, or progress that is damaged, cut short or of another puzzle (the note says which).
  std::optional<std::string> KeptProgress(const std::string& sheetFile, const std::string& key);
  /// The cell selected when the platform last heard of the puzzle; none when it kept none.
  [[nodiscard]] std::optional<RingCell> LastCell() const;
  /// Whether what the learner does is told the platform: not when it shows the puzzle for browsing or review.
  [[nodiscard]] bool Records() const;

  /// What changed in what the platform is told, from the `view` after a command: "incomplete" from the first letter,
  /// the progress and the cell selected as they change, and once solved the score and "passed", "failed" (below the
  /// platform's mastery score) or "completed" (where it gave none). Empty when nothing changed.
  std::vector<PlatformValue> Report(const View& view);
  /// What the platform is to be told when the learner leaves after the `view` (for the page to tell it at once as it
  /// closes): the time spent in this sitting and whether the attempt is to be taken up again. Empty before solving.
  [[nodiscard]] std::vector<PlatformValue> Leaving(const View& view) const;

  /// What to tell the learner once of the platform's data: no learner named, progress that could not be used, a
  /// mode that records nothing; empty for nothing. Each is told once.
  Message TakeNote();
  /// Tells once that the platform refused what it was told: the learner solves on, but nothing is recorded.
  void Refused();

 private:
  void Set(std::vector<PlatformValue>& changes, const std::string& element, const std::string& value);

  PlatformStart start_;
  std::vector<PlatformValue> told_;          // each element as last set
  std::optional<std::int64_t> startMs_;      // the clock when this sitting began
  bool solved_ = false;
  bool refused_ = false;
  Message note_;
};

}  // namespace loopword
