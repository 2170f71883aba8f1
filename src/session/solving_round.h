// One round of solving a puzzle on screen: its letters, pencil, undo and redo, clock, counts and what solving it says.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "play/solving.h"
#include "puzzle/puzzle_document.h"

namespace loopword {

/// Milliseconds from any fixed point; only differences are used.
using Clock = std::function<std::int64_t()>;

/// The solving key a key stands for by its DOM name ("Backspace", "Delete", "ArrowLeft"..."ArrowDown", "PageDown"
/// and "PageUp" for the next and previous square); nullopt for any other name.
std::optional<SolvingKey> SolvingKeyNamed(std::string_view name);

/// A puzzle being solved: the letters (sure and in pencil) with the steps that can be undone and done again, whether
/// letters are typed in pencil, the time spent (the clock stops at the solution and while the front end is hidden) and
/// the help taken (checks and letters revealed). Each command says whether it did anything; Solved news is told once.
class SolvingRound {
 public:
  /// Starts solving `puzzle` from its fixed cells, the clock from 0, waiting while `paused`.
  SolvingRound(const Puzzle& puzzle, Clock clock, bool paused);
  /// Goes on solving `puzzle` from `letters`, with the time and help of `progress` spent on it before.
  SolvingRound(const Puzzle& puzzle, SolvingState letters, const SolvingProgress& progress, Clock clock, bool paused);

  [[nodiscard]] const SolvingState& Letters() const { return letters_; }
  /// Whether letters are typed in pencil.
  [[nodiscard]] bool Pencil() const { return pencil_; }
  [[nodiscard]] bool Solved() const { return letters_.IsSolved(); }
  /// The time spent until now, the checks given and the letters revealed.
  [[nodiscard]] SolvingProgress Progress() const;
  /// Whether the clock counts on.
  [[nodiscard]] bool ClockRunning() const { return clockStart_.has_value(); }
  [[nodiscard]] bool CanUndo() const { return !undone_.empty(); }
  [[nodiscard]] bool CanRedo() const { return !redone_.empty(); }
  /// Whether the last command that was done solved the puzzle.
  [[nodiscard]] bool JustSolved() const { return justSolved_; }
  /// What the end of solving says: the time (unless `clockShown` is false), the checks and the letters revealed.
  [[nodiscard]] Message SolvedMessage(bool clockShown) const;

  /// Types the capitals of `letters` one after the other, as one step; nothing, false, when one is no capital A..Z
  /// or there are none.
  bool Type(std::string_view letters);
  /// A solving key; always done.
  bool Press(SolvingKey key);
  /// Marks the wrong sure letters; counted unless the puzzle is solved.
  bool Check();
  /// Fills the selected cell from the solution; counted when it changed the cell.
  bool Reveal();
  /// Selects `cell`, or the cell under `point`; false where there is none.
  bool Select(RingCell cell);
  bool SelectAt(TwipPoint point);
  /// Clears every letter, sure and pencil, and every mark, and counts the time and the help from 0 again: one step.
  bool StartOver();
  /// Takes back the last step (the time and counts too of a start over), or does it again; false when there is none.
  bool Undo();
  bool Redo();
  /// Letters go in pencil from now on, or again as sure letters.
  void TogglePencil() { pencil_ = !pencil_; }
  /// The clock waits while the front end is hidden, and goes on when it is back (unless the puzzle is solved).
  void PauseClock(bool paused);

 private:
  /// The letters before a step, and for a start over the progress before it too.
  struct Step {
    SolvingState letters;
    std::optional<SolvingProgress> progress;
  };

  [[nodiscard]] std::int64_t Elapsed() const;
  bool Record(Step before);
  bool StepBack(std::vector<Step>& from, std::vector<Step>& to);
  void TakeProgress(const SolvingProgress& progress);
  void AfterChange();

  Clock clock_;
  SolvingState fresh_;  // the puzzle's fixed cells alone
  SolvingState letters_;
  std::vector<Step> undone_;  // before each step that can be undone, latest last
  std::vector<Step> redone_;  // before each undo that can be done again, latest last
  bool pencil_ = false;
  bool paused_ = false;
  bool solvedTold_ = false;  // "Solved in" was told for the letters as they stand
  bool justSolved_ = false;
  std::int64_t spentMs_ = 0;  // time spent before the clock last started
  std::optional<std::int64_t> clockStart_;  // set while the clock runs
  int checks_ = 0;
  int revealed_ = 0;
};

/// Whether `message` is the news SolvingRound::SolvedMessage gives, which a result card tells as well.
bool IsSolvedNews(const Message& message);

}  // namespace loopword
