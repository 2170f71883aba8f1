// The card a solved puzzle shows, and its lines in the user's language.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/result_card.h"

#include "play/solving.h"
#include "session/result_code.h"

namespace loopword {

namespace {
constexpr Text kSolvedHeading = LOOPWORD_TEXT("Messages", "Solved!");
constexpr Text kPlaceLine = LOOPWORD_TEXT("Messages", "Puzzle %1 of %2 · set %3");
constexpr Text kTimeLine = LOOPWORD_TEXT("Messages", "Time: %1");
constexpr Text kHelpLine = LOOPWORD_TEXT("Messages", "Checks: %1 · letters revealed: %2");
constexpr Text kCodeLine = LOOPWORD_TEXT("Messages", "Result code for your teacher: %1");
}  // namespace

ResultCard ResultCardOf(const Puzzle& puzzle, const std::optional<ClassPlace>& place, const SolvingProgress& progress, bool timed) {
  const std::int64_t seconds = progress.ms / 1000;
  ResultCard card{puzzle.title, place, "", timed ? SolvingTimeText(seconds) : "", progress.checks, progress.revealed, ""};
  if (place) {
    card.setId = SetId(place->setSeed);
    card.code = ResultCode({place->number, seconds, progress.checks, progress.revealed}, place->setSeed, puzzle);
  }
  return card;
}

Message PlaceLine(const ClassPlace& place) {
  return Message(kPlaceLine, {place.number, place.pupils, SetId(place.setSeed)});
}

std::vector<Message> CardLines(const ResultCard& card) {
  std::vector<Message> lines{Message(kSolvedHeading)};
  if (!card.title.empty()) lines.emplace_back(Phrase(card.title));
  if (card.place) lines.push_back(PlaceLine(*card.place));
  if (!card.time.empty()) lines.emplace_back(kTimeLine, std::vector<Phrase>{card.time});
  lines.emplace_back(kHelpLine, std::vector<Phrase>{card.checks, card.revealed});
  if (!card.code.empty()) lines.emplace_back(kCodeLine, std::vector<Phrase>{card.code});
  return lines;
}

}  // namespace loopword
