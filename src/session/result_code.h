// Result codes: what a pupil's solved puzzle tells the teacher (who, in what time, with how much help) in a short
// code the teacher's copy of the class set checks, with no server between them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "board/puzzle.h"

namespace loopword {

/// The characters of result codes and set ids: digits and capitals that cannot be taken for one another (no 0, 1,
/// I, L or O).
inline constexpr std::string_view kCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
/// The length of a result code, and of a class set's short id.
inline constexpr std::size_t kResultCodeLength = 11;
inline constexpr std::size_t kSetIdLength = 4;
/// The most a code carries of each count: more is carried as this much ("at least").
inline constexpr std::int64_t kMostResultSeconds = 16'383;  // 4:33:03
inline constexpr int kMostResultChecks = 31;
inline constexpr int kMostResultRevealed = 127;

/// What a pupil's result code carries: their number in the class set, the time they took in whole seconds, the checks
/// they asked for and the letters they had revealed.
struct PupilResult {
  int number = 1;
  std::int64_t seconds = 0;
  int checks = 0;
  int revealed = 0;
  friend bool operator==(const PupilResult&, const PupilResult&) = default;
};

/// The short id of the class set made from `setSeed` (its first puzzle's seed), shown beside "Puzzle k of N":
/// kSetIdLength characters of kCodeAlphabet.
std::string SetId(std::uint64_t setSeed);

/// The result code of `result` for the pupil who solved `puzzle`, pupil result.number's puzzle of the set made from
/// `setSeed`: kResultCodeLength characters of kCodeAlphabet. The counts are carried up to their most; a number
/// outside 1 to 63 is carried as 63, which no set has.
std::string ResultCode(PupilResult result, std::uint64_t setSeed, const Puzzle& puzzle);

/// A result code read back against a class set: the result, or why the code is refused.
struct ReadCode {
  std::optional<PupilResult> result;
  Message refusal;
};

/// Reads `text` (either case; spaces and dashes are passed over) as a result code of the set made from `setSeed`,
/// whose puzzles are `puzzles` in the order of the pupils' numbers. Refused: a code of another length or with a
/// character that is no code's, a number the set does not have, and a code whose check does not agree with the
/// set's puzzle of that number (a character typed wrongly, or a code of another set or made up).
ReadCode ReadResultCode(std::string_view text, std::uint64_t setSeed, const std::vector<Puzzle>& puzzles);

/// One line of the teacher's results: the code as given, and what it carries or why it is refused.
struct ResultRow {
  std::string code;
  ReadCode read;
};

/// Reads each line of `lines` holding something as a result code of the set (ReadResultCode): the results first,
/// by the pupils' numbers (a number given twice keeps both lines), then the lines refused, in their order.
std::vector<ResultRow> ReadResults(std::string_view lines, std::uint64_t setSeed, const std::vector<Puzzle>& puzzles);

/// `rows` as the user reads them, a line each: "Pupil 2: time 1:15, checks 1, letters revealed 0", or a refused code
/// and why.
Message ResultsReport(const std::vector<ResultRow>& rows);

/// `rows` as comma-separated values with a heading line: number, time ("m:ss"), seconds, checks, letters revealed,
/// code, and what is wrong (empty for a sound code, else the refusal as `rendered` gives it in the user's language);
/// texts quoted where they need it, lines ending in CR LF.
std::string ResultsCsv(const std::vector<ResultRow>& rows, const std::function<std::string(const Message&)>& rendered);

}  // namespace loopword
