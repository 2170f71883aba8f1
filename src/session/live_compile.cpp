// The live compile on a worker thread: its events handed over one step at a time, or its progress while unseen.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/live_compile.h"

namespace loopword {

namespace {

/// How long one call for the next step waits for the worker before giving the caller back its thread.
constexpr std::chrono::milliseconds kStepWait{10};

}  // namespace

struct LiveCompile::Worker {
  std::thread thread;
};

LiveCompile::LiveCompile(Compiler& compiler, const std::string& startWord, const CompileOptions& fill, bool shown)
    : compiler_(compiler), startWord_(startWord), fill_(fill), shown_(shown), worker_(std::make_unique<Worker>()) {
  worker_->thread = std::thread([this] { Work(); });
}

LiveCompile::~LiveCompile() { Stop(); }

void LiveCompile::Work() {
  Puzzle puzzle;
  const CompileOutcome outcome =
      compiler_.Compile(puzzle, startWord_, [&](const CompileEvent& event) { Observe(event, puzzle); }, fill_);
  const std::lock_guard lock(mutex_);
  outcome_ = outcome;
  puzzle_ = std::move(puzzle);
  done_ = true;
  changed_.notify_all();
}

void LiveCompile::Observe(const CompileEvent& event, const Puzzle& puzzle) {
  std::unique_lock lock(mutex_);
  if (event.kind == CompileEvent::Kind::AttemptStarted) progress_ = {progress_.attempts + 1, false};
  if (event.kind == CompileEvent::Kind::Searching) progress_.searching = true;
  if (stop_) {
    compiler_.RequestStop();
    return;
  }
  if (!shown_) return;
  if (event.kind == CompileEvent::Kind::WordPlaced && !events_.empty()) WaitUntilTaken(lock);
  std::optional<Puzzle> finished;
  if (event.kind == CompileEvent::Kind::PuzzleComplete) finished = puzzle;
  if (shown_) events_.push_back({event, std::move(finished)});
  if (EndsLiveStep(event.kind)) WaitUntilTaken(lock);
  if (stop_) compiler_.RequestStop();
}

void LiveCompile::WaitUntilTaken(std::unique_lock<std::mutex>& lock) {
  stepReady_ = true;
  changed_.notify_all();
  changed_.wait(lock, [this] { return !stepReady_ || stop_ || !shown_; });
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

void LiveCompile::Run(std::chrono::milliseconds budget) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, budget, [this] { return done_; });
}

void LiveCompile::Hide() {
  const std::lock_guard lock(mutex_);
  shown_ = false;
  events_.clear();
  stepReady_ = false;
  changed_.notify_all();
}

bool LiveCompile::Finished() {
  const std::lock_guard lock(mutex_);
  return done_ && events_.empty();
}

CompileProgress LiveCompile::Progress() {
  const std::lock_guard lock(mutex_);
  return progress_;
}

void LiveCompile::Stop() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
    events_.clear();
    changed_.notify_all();
  }
  if (worker_->thread.joinable()) worker_->thread.join();
}

}  // namespace loopword
