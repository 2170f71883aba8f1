// Checks work shared among threads: every piece done once, handed on in order, a bounded window ahead, early ends.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/work_in_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace loopword {
namespace {

TEST(WorkInOrder, EveryPieceIsDoneOnceAndHandedOnInOrderWithinItsWindowUntilTheRunEnds) {
  // handUntil: the hand refuses this piece, -1 for none; goesUntil: the run is called off once this many are handed on
  // and the next is awaited, -1 for never
  const struct { int count, workers, handUntil, goesUntil, handed; } cases[] = {
      {12, 3, -1, -1, 12}, {5, 1, -1, -1, 5}, {3, 8, -1, -1, 3}, {0, 2, -1, -1, 0},
      {20, 2, 7, -1, 7},   {20, 3, -1, 4, 4},  {1, 4, 0, -1, 0},
  };
  for (const auto& c : cases) {
    std::mutex mutex;
    std::vector<int> doneTimes(static_cast<std::size_t>(std::max(c.count, 0)), 0);
    std::vector<int> handedOrder;
    std::vector<std::thread::id> threads;
    int mostAhead = 0;
    std::atomic<int> started = 0;
    std::atomic<bool> stopSeen = false;
    const auto work = [&](int worker, int index, const std::atomic<bool>& stop) {
      ++started;
      // later pieces finish first now and then, so order must be restored; a piece past the end of a run called off
      // goes on until it is told to stop (or for 5 s), so the run is asked whether it goes on while it waits
      if (c.goesUntil >= 0 && index >= c.goesUntil) {
        for (int wait = 0; wait < 500 && !stop; ++wait) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        stopSeen = stopSeen || stop;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds((index * 7 + worker * 3) % 5));
      const std::lock_guard lock(mutex);
      ++doneTimes[static_cast<std::size_t>(index)];
      threads.push_back(std::this_thread::get_id());
      mostAhead = std::max(mostAhead, index - static_cast<int>(handedOrder.size()));
    };
    const auto hand = [&](int index) {
      const std::lock_guard lock(mutex);
      if (index == c.handUntil) return false;
      handedOrder.push_back(index);
      return true;
    };
    const auto goesOn = [&] {
      const std::lock_guard lock(mutex);
      return c.goesUntil < 0 || static_cast<int>(handedOrder.size()) < c.goesUntil;
    };
    const int handed = WorkInOrder(c.count, c.workers, work, hand, goesOn);
    const std::string name = std::to_string(c.count) + " pieces, " + std::to_string(c.workers) + " workers";
    EXPECT_EQ(handed, c.handed) << name;
    if (c.goesUntil >= 0) {
      EXPECT_TRUE(stopSeen) << name << ": the work in hand was not told that the run ended";
    }
    for (int i = 0; i < static_cast<int>(handedOrder.size()); ++i) EXPECT_EQ(handedOrder[static_cast<std::size_t>(i)], i) << name;
    EXPECT_TRUE(std::all_of(doneTimes.begin(), doneTimes.end(), [](int times) { return times <= 1; })) << name;
    for (int i = 0; i < handed; ++i) EXPECT_EQ(doneTimes[static_cast<std::size_t>(i)], 1) << name << " piece " << i;
    EXPECT_LT(mostAhead, std::min(c.workers, std::max(c.count, 1)) * kPiecesAheadPerWorker) << name;
    if (c.handed < c.count) {  // no piece starts past the window of the one the run ended at
      EXPECT_LE(started, c.handed + 1 + c.workers * kPiecesAheadPerWorker) << name << ": work went on after the run ended";
    }
    std::sort(threads.begin(), threads.end());
    const auto distinct = std::unique(threads.begin(), threads.end()) - threads.begin();
    EXPECT_LE(distinct, c.workers) << name;
    if (c.handed >= 12 && c.workers > 1) {
      EXPECT_GT(distinct, 1) << name << ": one thread did all";
    }
  }
}

}  // namespace
}  // namespace loopword
