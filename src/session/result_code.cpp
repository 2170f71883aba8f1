// Result codes packed into 54 bits (the result and a check made from the set and the pupil's solution), written in
// 11 characters of an alphabet of 31.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/result_code.h"

#include <algorithm>
#include <cctype>

#include "board/plain_text.h"
#include "board/text_hash.h"
#include "play/solving.h"

namespace loopword {

namespace {

// The code's bits, from the highest: number 6, seconds 14, checks 5, revealed 7, then the check 22.
constexpr int kNumberBits = 6, kSecondsBits = 14, kChecksBits = 5, kRevealedBits = 7, kCheckBits = 22;
constexpr std::uint64_t kBase = kCodeAlphabet.size();

constexpr std::uint64_t Mask(int bits) { return (std::uint64_t{1} << bits) - 1; }

constexpr Text kWrongLength = LOOPWORD_TEXT("Messages", "A result code has 11 characters; this one has %1.");
constexpr Text kWrongCharacter =
    LOOPWORD_TEXT("Messages", "A result code has only digits 2 to 9 and letters other than I, L and O; this one has %1.");
constexpr Text kNoSuchPupil =
    LOOPWORD_TEXT("Messages", "This code is for puzzle %1, but the class set has %2 puzzles: a character may be typed wrongly.");
constexpr Text kWrongCheck = LOOPWORD_TEXT(
    "Messages", "This code does not fit the class set: a character may be typed wrongly, or it is from another set.");

/// The check of `payload` for the set made from `setSeed` and the puzzle whose placement lines are `puzzle`'s.
std::uint64_t CheckOf(std::uint64_t payload, std::uint64_t setSeed, const Puzzle& puzzle) {
  std::uint64_t hash = TextHash(std::to_string(setSeed) + ":" + std::to_string(payload));
  for (const PlacementLine& placement : puzzle.placements) hash = TextHash(placement.ToString(), hash);
  return (hash ^ (hash >> 32)) & Mask(kCheckBits);
}

/// `value` in `length` characters of the alphabet, the highest first.
std::string Written(std::uint64_t value, std::size_t length) {
  std::string text(length, kCodeAlphabet.front());
  for (std::size_t i = length; i-- > 0; value /= kBase) text[i] = kCodeAlphabet[value % kBase];
  return text;
}

std::uint64_t Payload(const PupilResult& result) {
  const auto capped = [](std::int64_t value, std::int64_t most) { return static_cast<std::uint64_t>(std::clamp<std::int64_t>(value, 0, most)); };
  const std::uint64_t number = result.number >= 1 && result.number <= static_cast<int>(Mask(kNumberBits)) ? static_cast<std::uint64_t>(result.number) : Mask(kNumberBits);
  std::uint64_t payload = number;
  payload = payload << kSecondsBits | capped(result.seconds, kMostResultSeconds);
  payload = payload << kChecksBits | capped(result.checks, kMostResultChecks);
  return payload << kRevealedBits | capped(result.revealed, kMostResultRevealed);
}

PupilResult ResultOf(std::uint64_t payload) {
  PupilResult result;
  result.revealed = static_cast<int>(payload & Mask(kRevealedBits));
  payload >>= kRevealedBits;
  result.checks = static_cast<int>(payload & Mask(kChecksBits));
  payload >>= kChecksBits;
  result.seconds = static_cast<std::int64_t>(payload & Mask(kSecondsBits));
  result.number = static_cast<int>(payload >> kSecondsBits);
  return result;
}

ReadCode Refused(Message why) { return {std::nullopt, std::move(why)}; }

/// `text` without spaces and dashes, in capitals.
std::string Squeezed(std::string_view text) {
  std::string squeezed;
  for (const char c : text) {
    if (c != ' ' && c != '-' && c != '\t' && c != '\r') squeezed += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return squeezed;
}

/// A field of the results' table, quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string SetId(std::uint64_t setSeed) {
  const std::uint64_t hash = TextHash("set:" + std::to_string(setSeed));
  return Written(hash % (kBase * kBase * kBase * kBase), kSetIdLength);
}

std::string ResultCode(PupilResult result, std::uint64_t setSeed, const Puzzle& puzzle) {
  const std::uint64_t payload = Payload(result);
  return Written(payload << kCheckBits | CheckOf(payload, setSeed, puzzle), kResultCodeLength);
}

ReadCode ReadResultCode(std::string_view text, std::uint64_t setSeed, const std::vector<Puzzle>& puzzles) {
  const std::string code = Squeezed(text);
  if (code.size() != kResultCodeLength) return Refused(Message(kWrongLength, {static_cast<long long>(CharacterCount(code))}));
  std::uint64_t value = 0;
  for (const char c : code) {
    const std::size_t digit = kCodeAlphabet.find(c);
    if (digit == std::string_view::npos) return Refused(Message(kWrongCharacter, {std::string(1, c)}));
    value = value * kBase + digit;
  }
  const std::uint64_t payload = value >> kCheckBits;
  const PupilResult result = ResultOf(payload);
  if (payload >> (kNumberBits + kSecondsBits + kChecksBits + kRevealedBits) != 0) return Refused(Message(kWrongCheck));
  if (result.number < 1 || result.number > static_cast<int>(puzzles.size())) {
    return Refused(Message(kNoSuchPupil, {result.number, static_cast<long long>(puzzles.size())}));
  }
  if ((value & Mask(kCheckBits)) != CheckOf(payload, setSeed, puzzles[static_cast<std::size_t>(result.number - 1)])) {
    return Refused(Message(kWrongCheck));
  }
  return {result, {}};
}

std::vector<ResultRow> ReadResults(std::string_view lines, std::uint64_t setSeed, const std::vector<Puzzle>& puzzles) {
  std::vector<ResultRow> results, refused;
  for (std::size_t at = 0; at <= lines.size();) {
    const std::size_t end = std::min(lines.find('\n', at), lines.size());
    const std::string_view line = lines.substr(at, end - at);
    at = end + 1;
    if (Squeezed(line).empty()) continue;
    ResultRow row{Squeezed(line), ReadResultCode(line, setSeed, puzzles)};
    (row.read.result ? results : refused).push_back(std::move(row));
  }
  std::stable_sort(results.begin(), results.end(), [](const ResultRow& a, const ResultRow& b) { return a.read.result->number < b.read.result->number; });
  results.insert(results.end(), std::make_move_iterator(refused.begin()), std::make_move_iterator(refused.end()));
  return results;
}

Message ResultsReport(const std::vector<ResultRow>& rows) {
  static constexpr Text kResultLine = LOOPWORD_TEXT("Messages", "Pupil %1: time %2, checks %3, letters revealed %4");
  static constexpr Text kRefusedLine = LOOPWORD_TEXT("Messages", "%1: %2");
  Message report;
  for (const ResultRow& row : rows) {
    if (const std::optional<PupilResult>& result = row.read.result) {
      report.Add(Phrase(kResultLine, {result->number, SolvingTimeText(result->seconds), result->checks, result->revealed}));
    } else {
      report.Add(Phrase(kRefusedLine, {row.code, row.read.refusal.Lines().front()}));
    }
  }
  return report;
}

std::string ResultsCsv(const std::vector<ResultRow>& rows, const std::function<std::string(const Message&)>& rendered) {
  std::string csv = "number,time,seconds,checks,letters revealed,code,problem\r\n";
  for (const ResultRow& row : rows) {
    if (const std::optional<PupilResult>& result = row.read.result) {
      csv += std::to_string(result->number) + "," + SolvingTimeText(result->seconds) + "," + std::to_string(result->seconds) + "," +
             std::to_string(result->checks) + "," + std::to_string(result->revealed) + "," + CsvField(row.code) + ",\r\n";
    } else {
      csv += ",,,,," + CsvField(row.code) + "," + CsvField(rendered(row.read.refusal)) + "\r\n";
    }
  }
  return csv;
}

}  // namespace loopword
