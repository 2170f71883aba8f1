// A compile run on a worker thread in step with the screen: the caller draws one step of events at a time.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "compiler/compiler.h"

namespace loopword {

/// One event of a live compile; a PuzzleComplete event carries the finished puzzle.
struct LiveEvent {
  CompileEvent event;
  std::optional<Puzzle> puzzle;
};

/// Whether the screen shows what was drawn after an event of `kind`: a blanked cell or a search report.
inline bool EndsLiveStep(CompileEvent::Kind kind) {
  return kind == CompileEvent::Kind::CellBlanked || kind == CompileEvent::Kind::Searching;
}

/// Runs `compiler` on a worker thread (in a build without threads, at once in the constructor). With `steps`, the
/// worker pauses at every point where the screen should show what was drawn (after a blanked cell or a search
/// report, before a placed word) until the caller took the step, so the fill goes at the pace the screen shows
/// it; without, it runs through and hands over no events, for a screen that shows only the outcome.
class LiveCompile {
 public:
  LiveCompile(Compiler& compiler, const std::string& startWord, const CompileOptions& fill, bool steps = true);
  ~LiveCompile();
  LiveCompile(const LiveCompile&) = delete;
  LiveCompile& operator=(const LiveCompile&) = delete;

  /// The events of the next step, waiting at most a few milliseconds for the worker; none when it
  /// is still working.
  std::vector<LiveEvent> NextStep();
  /// True once the worker has ended and every event was taken.
  [[nodiscard]] bool Finished();
  /// Stops the worker where it is and waits for it; the events not yet taken are dropped.
  void Stop();
  /// How the compile ended and the puzzle it left; only once it finished or was stopped.
  [[nodiscard]] CompileOutcome Outcome() const { return outcome_; }
  [[nodiscard]] Puzzle TakePuzzle() { return std::move(puzzle_); }
  /// The fill this compile makes.
  [[nodiscard]] const CompileOptions& Fill() const { return fill_; }

 private:
  void Observe(const CompileEvent& event, const Puzzle& puzzle, Compiler& compiler);
  void WaitUntilTaken(std::unique_lock<std::mutex>& lock);

  const CompileOptions fill_;
  const bool steps_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<LiveEvent> events_;
  bool stepReady_ = false;  // the worker waits until the caller took the queued step
  bool stop_ = false;
  bool done_ = false;
  CompileOutcome outcome_ = CompileOutcome::Stopped;
  Puzzle puzzle_;
  std::thread worker_;
};

}  // namespace loopword
