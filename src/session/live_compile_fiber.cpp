// The live compile in a build without threads (the web page): the compile runs on a fiber of its own, switched to
// while the caller waits for a step or lets it work, and back at each step or when its time is up.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <emscripten/fiber.h>

#include "session/live_compile.h"

#include <memory>

namespace loopword {

namespace {

constexpr std::size_t kCompileStack = 2 << 20;      // the exact searches recurse a square at a time
constexpr std::size_t kSwitchStack = 256 << 10;  // what a switch keeps of the frames it leaves

/// The memory a compile's fiber runs in: allocated once, as one compile runs at a time, and never cleared.
struct FiberMemory {
  std::unique_ptr<char[]> callerData{new char[kSwitchStack]};
  std::unique_ptr<char[]> compileData{new char[kSwitchStack]};
  std::unique_ptr<char[]> stack{new char[kCompileStack]};
};

FiberMemory& Memory() {
  static FiberMemory memory;
  return memory;
}

}  // namespace

/// The caller's and the compile's fibers. A switch unwinds the stack to the entry point the front end called, so
/// the caller may switch only inside the entry points that let it (see web/web_session.cpp).
struct LiveCompile::Worker {
  emscripten_fiber_t caller{};
  emscripten_fiber_t compile{};
  /// Unseen, the compile hands the caller back its turn at this time.
  std::chrono::steady_clock::time_point until;

  static void Start(void* live) { static_cast<LiveCompile*>(live)->Work(); }
  void ToCompile() { emscripten_fiber_swap(&caller, &compile); }
  void ToCaller() { emscripten_fiber_swap(&compile, &caller); }
};

LiveCompile::LiveCompile(Compiler& compiler, const std::string& startWord, const CompileOptions& fill, bool shown)
    : compiler_(compiler), startWord_(startWord), fill_(fill), shown_(shown), worker_(std::make_unique<Worker>()) {
  Worker& w = *worker_;
  FiberMemory& memory = Memory();
  emscripten_fiber_init_from_current_context(&w.caller, memory.callerData.get(), kSwitchStack);
  emscripten_fiber_init(&w.compile, &Worker::Start, this, memory.stack.get(), kCompileStack, memory.compileData.get(), kSwitchStack);
}

LiveCompile::~LiveCompile() = default;  // ended by Stop or run to its end before; a fiber cannot be switched to here

void LiveCompile::Work() {
  Puzzle puzzle;
  outcome_ = compiler_.Compile(puzzle, startWord_, [&](const CompileEvent& event) { Observe(event, puzzle); }, fill_);
  puzzle_ = std::move(puzzle);
  done_ = true;
  worker_->ToCaller();  // never comes back
}

void LiveCompile::Observe(const CompileEvent& event, const Puzzle& puzzle) {
  if (event.kind == CompileEvent::Kind::AttemptStarted) progress_ = {progress_.attempts + 1, false};
  if (event.kind == CompileEvent::Kind::Searching) progress_.searching = true;
  if (stop_) {
    compiler_.RequestStop();
    return;
  }
  if (!shown_) {
    if (std::chrono::steady_clock::now() >= worker_->until) worker_->ToCaller();
    if (stop_) compiler_.RequestStop();
    return;
  }
  if (event.kind == CompileEvent::Kind::WordPlaced && !events_.empty()) worker_->ToCaller();
  std::optional<Puzzle> finished;
  if (event.kind == CompileEvent::Kind::PuzzleComplete) finished = puzzle;
  if (shown_) events_.push_back({event, std::move(finished)});
  if (EndsLiveStep(event.kind)) worker_->ToCaller();
  if (stop_) compiler_.RequestStop();
}

std::vector<LiveEvent> LiveCompile::NextStep() {
  if (!shown_) return {};
  if (!done_) worker_->ToCompile();
  std::vector<LiveEvent> step(std::make_move_iterator(events_.begin()), std::make_move_iterator(events_.end()));
  events_.clear();
  return step;
}

void LiveCompile::Run(std::chrono::milliseconds budget) {
  if (done_ || shown_) return;
  worker_->until = std::chrono::steady_clock::now() + budget;
  worker_->ToCompile();
}

void LiveCompile::Hide() {
  shown_ = false;
  events_.clear();
}

bool LiveCompile::Finished() { return done_ && events_.empty(); }

CompileProgress LiveCompile::Progress() { return progress_; }

void LiveCompile::Stop() {
  stop_ = true;
  events_.clear();
  while (!done_) worker_->ToCompile();
}

}  // namespace loopword
