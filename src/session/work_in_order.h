// Work shared among several threads, each piece's result handed on in the order of the pieces.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>

namespace loopword {

/// Does piece `index` on worker `worker`'s thread; `stop` turns true when the run ends early, for long work to end too.
using PieceWork = std::function<void(int worker, int index, const std::atomic<bool>& stop)>;
/// Hands on piece `index` on the calling thread once its work is done; false ends the run there.
using PieceHand = std::function<bool(int index)>;
/// Asked now and then on the calling thread while it waits; false ends the run.
using GoesOn = std::function<bool()>;

/// How many pieces may be done and not yet handed on, for each worker: what bounds the memory a run holds.
inline constexpr int kPiecesAheadPerWorker = 8;

/// Does pieces 0 to count - 1 with `work` on `workers` threads (the calling thread only waits) and hands each on with
/// `hand` in their order, at most workers × kPiecesAheadPerWorker pieces ahead of the one handed on; asks `goesOn`
/// while it waits. Returns how many pieces were handed on: `count` unless `hand` or `goesOn` ended the run, after which
/// no piece starts and those being done are told to stop.
int WorkInOrder(int count, int workers, const PieceWork& work, const PieceHand& hand, const GoesOn& goesOn);

}  // namespace loopword
