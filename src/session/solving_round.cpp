// Solving a puzzle on screen: each command on the letters, the steps kept for undo, the clock and the help counted.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/solving_round.h"

#include <algorithm>
#include <array>
#include <utility>

#include "board/letters.h"
#include "board/program_text.h"

namespace loopword {

namespace {

/// What the end of solving says: the time (unless the clock is out of view), the checks and the letters revealed.
constexpr Text kSolvedIn = LOOPWORD_TEXT("Messages", "Solved in %1 with %2 and %3");
constexpr Text kSolvedWith = LOOPWORD_TEXT("Messages", "Solved with %1 and %2");
constexpr Text kChecks = LOOPWORD_COUNTED_TEXT("Messages", "%n checks", "1 check");
constexpr Text kLettersRevealed = LOOPWORD_COUNTED_TEXT("Messages", "%n letters revealed", "1 letter revealed");

}  // namespace

std::optional<SolvingKey> SolvingKeyNamed(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, SolvingKey>, 8> kKeys = {{
      {"Backspace", SolvingKey::Backspace}, {"Delete", SolvingKey::Delete}, {"ArrowLeft", SolvingKey::Left},
      {"ArrowRight", SolvingKey::Right}, {"ArrowUp", SolvingKey::Up}, {"ArrowDown", SolvingKey::Down},
      {"PageDown", SolvingKey::NextSquare}, {"PageUp", SolvingKey::PreviousSquare}}};
  const auto* key = std::find_if(kKeys.begin(), kKeys.end(), [&](const auto& named) { return named.first == name; });
  return key == kKeys.end() ? std::nullopt : std::optional(key->second);
}

SolvingRound::SolvingRound(const Puzzle& puzzle, Clock clock, bool paused)
    : SolvingRound(puzzle, SolvingState(puzzle), {}, std::move(clock), paused) {}

SolvingRound::SolvingRound(const Puzzle& puzzle, SolvingState letters, const SolvingProgress& progress, Clock clock,
                           bool paused)
    : clock_(std::move(clock)), fresh_(puzzle), letters_(std::move(letters)), paused_(paused) {
  TakeProgress(progress);
  solvedTold_ = Solved();
  if (solvedTold_) clockStart_.reset();
}

std::int64_t SolvingRound::Elapsed() const {
  return spentMs_ + (clockStart_ ? std::max<std::int64_t>(0, clock_() - *clockStart_) : 0);
}

SolvingProgress SolvingRound::Progress() const { return {Elapsed(), checks_, revealed_}; }

Message SolvingRound::SolvedMessage(bool clockShown) const {
  const Phrase checks = Phrase::Counted(kChecks, checks_);
  const Phrase revealed = Phrase::Counted(kLettersRevealed, revealed_);
  if (!clockShown) return Message(kSolvedWith, {checks, revealed});
  return Message(kSolvedIn, {SolvingTimeText(Elapsed() / 1000), checks, revealed});
}

bool IsSolvedNews(const Message& message) {
  if (message.Lines().size() != 1 || message.Lines().front().IsPlain()) return false;
  const std::string_view pattern = message.Lines().front().Pattern().source;
  return pattern == kSolvedIn.source || pattern == kSolvedWith.source;
}

bool SolvingRound::Type(std::string_view letters) {
  if (letters.empty() || !IsCapitalsWord(letters)) return false;
  Step before{letters_, std::nullopt};
  for (const char letter : letters) letters_.Type(letter, pencil_);
  return Record(std::move(before));
}

bool SolvingRound::Press(SolvingKey key) {
  Step before{letters_, std::nullopt};
  letters_.Press(key);
  return Record(std::move(before));
}

bool SolvingRound::Check() {
  if (!Solved()) ++checks_;
  Step before{letters_, std::nullopt};
  letters_.Check();
  return Record(std::move(before));
}

bool SolvingRound::Reveal() {
  Step before{letters_, std::nullopt};
  letters_.RevealLetter();
  if (!letters_.SameCells(before.letters)) ++revealed_;
  return Record(std::move(before));
}

bool SolvingRound::Select(RingCell cell) {
  justSolved_ = false;
  return letters_.Select(cell);
}

bool SolvingRound::SelectAt(TwipPoint point) {
  justSolved_ = false;
  return letters_.SelectAt(point);
}

bool SolvingRound::StartOver() {
  Step before{std::exchange(letters_, fresh_), Progress()};
  TakeProgress({});
  undone_.push_back(std::move(before));
  redone_.clear();
  AfterChange();
  return true;
}

bool SolvingRound::Undo() { return StepBack(undone_, redone_); }

bool SolvingRound::Redo() { return StepBack(redone_, undone_); }

bool SolvingRound::Record(Step before) {
  if (!letters_.SameCells(before.letters)) {  // a letter or a mark changed: a step to undo
    undone_.push_back(std::move(before));
    redone_.clear();
  }
  AfterChange();
  return true;
}

bool SolvingRound::StepBack(std::vector<Step>& from, std::vector<Step>& to) {
  if (from.empty()) return false;
  Step step = std::move(from.back());
  from.pop_back();
  std::optional<SolvingProgress> now;
  if (step.progress) {
    now = Progress();
    TakeProgress(*step.progress);
  }
  to.push_back({std::exchange(letters_, std::move(step.letters)), now});
  AfterChange();
  return true;
}

void SolvingRound::TakeProgress(const SolvingProgress& progress) {
  spentMs_ = progress.ms;
  checks_ = progress.checks;
  revealed_ = progress.revealed;
  clockStart_.reset();
  if (!paused_) clockStart_ = clock_();
}

void SolvingRound::AfterChange() {
  const bool solved = Solved();
  justSolved_ = solved && !solvedTold_;
  if (solved && clockStart_) {  // the clock stops at the solution, and goes on if a letter is taken back
    spentMs_ = Elapsed();
    clockStart_.reset();
  } else if (!solved && !clockStart_ && !paused_) {
    clockStart_ = clock_();
  }
  solvedTold_ = solved;
}

void SolvingRound::PauseClock(bool paused) {
  paused_ = paused;
  if (paused != clockStart_.has_value() || (!paused && Solved())) return;
  if (paused) {
    spentMs_ = Elapsed();
    clockStart_.reset();
  } else {
    clockStart_ = clock_();
  }
}

}  // namespace loopword
