// A live compile for builds without threads (the web page): made at once, its events handed over one step at a time.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/live_compile.h"

namespace loopword {

LiveCompile::LiveCompile(Compiler& compiler, const std::string& startWord, const CompileOptions& fill, bool steps)
    : fill_(fill), steps_(steps) {
  Puzzle puzzle;
  outcome_ = compiler.Compile(
      puzzle, startWord, [&](const CompileEvent& event) { Observe(event, puzzle, compiler); }, fill_);
  puzzle_ = std::move(puzzle);
  done_ = true;
}

LiveCompile::~LiveCompile() = default;

void LiveCompile::Observe(const CompileEvent& event, const Puzzle& puzzle, Compiler&) {
  if (!steps_) return;
  std::optional<Puzzle> finished;
  if (event.kind == CompileEvent::Kind::PuzzleComplete) finished = puzzle;
  events_.push_back({event, std::move(finished)});
}

std::vector<LiveEvent> LiveCompile::NextStep() {
  std::vector<LiveEvent> step;
  while (!events_.empty()) {
    if (events_.front().event.kind == CompileEvent::Kind::WordPlaced && !step.empty()) break;
    step.push_back(std::move(events_.front()));
    events_.pop_front();
    if (EndsLiveStep(step.back().event.kind)) break;
  }
  return step;
}

bool LiveCompile::Finished() { return events_.empty(); }

void LiveCompile::Stop() { events_.clear(); }

}  // namespace loopword
