// Pieces claimed by worker threads in order, a window of them ahead of the one handed on.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/work_in_order.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace loopword {

namespace {

/// How long the calling thread waits for a piece before it asks whether the run goes on.
constexpr std::chrono::milliseconds kAskEvery{100};

/// What the workers and the calling thread share: the next piece to claim, the pieces done, the next to hand on.
class Pieces {
 public:
  Pieces(int count, int ahead) : done_(static_cast<std::size_t>(count), false), count_(count), ahead_(ahead) {}

  /// The next piece for a worker, once it is within the window; -1 when there is none or the run stopped.
  int Claim() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stop_ || next_ >= count_ || next_ < handed_ + ahead_; });
    if (stop_ || next_ >= count_) return -1;
    return next_++;
  }

  void Done(int index) {
    {
      const std::lock_guard lock(mutex_);
      done_[static_cast<std::size_t>(index)] = true;
    }
    changed_.notify_all();
  }

  /// Waits until piece `index` is done; false when `goesOn` ended the run first.
  bool WaitFor(int index, const GoesOn& goesOn) {
    std::unique_lock lock(mutex_);
    while (!changed_.wait_for(lock, kAskEvery, [&] { return done_[static_cast<std::size_t>(index)]; })) {
      lock.unlock();
      const bool goes = goesOn();
      lock.lock();
      if (!goes) return false;
    }
    return true;
  }

  void Handed(int count) {
    {
      const std::lock_guard lock(mutex_);
      handed_ = count;
    }
    changed_.notify_all();
  }

  void Stop(std::atomic<bool>& stop) {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
      stop = true;
    }
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<bool> done_;
  int count_;
  int ahead_;
  int next_ = 0;
  int handed_ = 0;
  bool stop_ = false;
};

}  // namespace

int WorkInOrder(int count, int workers, const PieceWork& work, const PieceHand& hand, const GoesOn& goesOn) {
  if (count <= 0) return 0;
  workers = std::clamp(workers, 1, count);
  Pieces pieces(count, workers * kPiecesAheadPerWorker);
  std::atomic<bool> stop = false;
  std::vector<std::thread> threads;
  for (int worker = 0; worker < workers; ++worker) {
    threads.emplace_back([&, worker] {
      for (int index = pieces.Claim(); index >= 0; index = pieces.Claim()) {
        work(worker, index, stop);
        pieces.Done(index);
      }
    });
  }
  int handed = 0;
  while (handed < count && pieces.WaitFor(handed, goesOn) && hand(handed)) pieces.Handed(++handed);
  if (handed < count) pieces.Stop(stop);
  for (std::thread& thread : threads) thread.join();
  return handed;
}

}  // namespace loopword
