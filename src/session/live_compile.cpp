// The worker thread of a live compile and the hand-over of its events one step at a time.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/live_compile.h"

#include <chrono>

namespace loopword {

namespace {

/// How long one call for the next step waits for the worker before giving the caller back its thread.
constexpr std::chrono::milliseconds kStepWait{10};

}  // namespace

LiveCompile::LiveCompile(Compiler& compiler, const std::string& startWord, const CompileOptions& fill, bool steps)
    : fill_(fill), steps_(steps), worker_([this, &compiler, startWord] {
        Puzzle puzzle;
        const CompileOutcome outcome = compiler.Compile(
            puzzle, startWord, [&](const CompileEvent& event) { Observe(event, puzzle, compiler); }, fill_);
        const std::lock_guard lock(mutex_);
        outcome_ = outcome;
        puzzle_ = std::move(puzzle);
        done_ = true;
        changed_.notify_all();
      }) {}

LiveCompile::~LiveCompile() { Stop(); }

void LiveCompile::Observe(const CompileEvent& event, const Puzzle& puzzle, Compiler& compiler) {
  std::unique_lock lock(mutex_);
  if (stop_) {
    compiler.RequestStop();
    return;
  }
  if (!steps_) return;
  if (event.kind == CompileEvent::Kind::WordPlaced && !events_.empty()) WaitUntilTaken(lock);
  std::optional<Puzzle> finished;
  if (event.kind == CompileEvent::Kind::PuzzleComplete) finished = puzzle;
  events_.push_back({event, std::move(finished)});
  if (EndsLiveStep(event.kind)) WaitUntilTaken(lock);
  if (stop_) compiler.RequestStop();
}

void LiveCompile::WaitUntilTaken(std::unique_lock<std::mutex>& lock) {
  stepReady_ = true;
  changed_.notify_all();
  changed_.wait(lock, [this] { return !stepReady_ || stop_; });
}

std::vector<LiveEvent> LiveCompile::NextStep() {
  std::unique_lock lock(mutex_);
  if (!changed_.wait_for(lock, kStepWait, [this] { return stepReady_ || done_; })) return {};
  std::vector<LiveEvent> step(std::make_move_iterator(events_.begin()), std::make_move_iterator(events_.end()));
  events_.clear();
  stepReady_ = false;
  changed_.notify_all();
  return step;
}

bool LiveCompile::Finished() {
  const std::lock_guard lock(mutex_);
  return done_ && events_.empty();
}

void LiveCompile::Stop() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
    events_.clear();
    changed_.notify_all();
  }
  if (worker_.joinable()) worker_.join();
}

}  // namespace loopword
