// A compile run beside the front end in time-limited steps: shown live one step of events at a time, then unseen.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
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

/// How far a compile has got: the attempts of the fill begun, and whether the exact search is under way.
struct CompileProgress {
  int attempts = 0;
  bool searching = false;
};

/// Runs `compiler` beside its caller: on a worker thread, or in a build without threads on a stack of its own that
/// runs only while the caller waits for it. While it is shown, the compile pauses at every point where the screen
/// should show what was drawn (after a blanked cell or a search report, before a placed word) until the caller
/// took the step, so the fill goes at the pace the screen shows it; unseen, it runs through and hands over no
/// events, only its progress.
class LiveCompile {
 public:
  LiveCompile(Compiler& compiler, const std::string& startWord, const CompileOptions& fill, bool shown = true);
  ~LiveCompile();
  LiveCompile(const LiveCompile&) = delete;
  LiveCompile& operator=(const LiveCompile&) = delete;

  /// The events of the next step, waiting at most a few milliseconds for the compile; none when it
  /// is still working or unseen.
  std::vector<LiveEvent> NextStep();
  /// Lets an unseen compile work for up to `budget`; returns sooner when it ends.
  void Run(std::chrono::milliseconds budget);
  /// From now on the compile goes on unseen; the events of the step not yet taken are dropped.
  void Hide();
  /// True once the compile has ended and every event was taken.
  [[nodiscard]] bool Finished();
  /// Stops the compile where it is and waits for it; the events not yet taken are dropped.
  void Stop();
  /// How far the compile has got.
  [[nodiscard]] CompileProgress Progress();
  /// How the compile ended and the puzzle it left; only once it finished or was stopped.
  [[nodiscard]] CompileOutcome Outcome() const { return outcome_; }
  [[nodiscard]] Puzzle TakePuzzle() { return std::move(puzzle_); }
  /// The fill this compile makes.
  [[nodiscard]] const CompileOptions& Fill() const { return fill_; }

 private:
  struct Worker;
  void Work();
  void Observe(const CompileEvent& event, const Puzzle& puzzle);
  void WaitUntilTaken(std::unique_lock<std::mutex>& lock);

  Compiler& compiler_;
  const std::string startWord_;
  const CompileOptions fill_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<LiveEvent> events_;
  bool shown_ = true;
  bool stepReady_ = false;  // the compile waits until the caller took the queued step
  bool stop_ = false;
  bool done_ = false;
  CompileProgress progress_;
  CompileOutcome outcome_ = CompileOutcome::Stopped;
  Puzzle puzzle_;
  std::unique_ptr<Worker> worker_;  // last: it ends before the state it works on
};

}  // namespace loopword
