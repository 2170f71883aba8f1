// Making the puzzles of a booklet one after another, with progress, cancelling and no word twice.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/message.h"
#include "board/puzzle.h"
#include "words/dictionary.h"

namespace loopword {

/// Most puzzles one booklet may hold.
inline constexpr int kBookletLimit = 500;

/// Makes one complete puzzle from `words`; nullopt when it cannot (gave up or stopped).
using PuzzleMaker = std::function<std::optional<Puzzle>(const std::shared_ptr<const Dictionary>& words)>;
/// Receives each finished puzzle in order; returns false to stop the run (it ends as cancelled).
using PuzzleSink = std::function<bool(Puzzle&& puzzle)>;
/// Told how many puzzles are done out of how many; returns false to cancel the booklet.
using BookletProgress = std::function<bool(int done, int total)>;

/// What to make: how many puzzles, and whether a word may appear in two of them.
struct BookletRequest {
  int count = 1;
  bool noRepeats = false;
};

/// How making a booklet ended.
struct BookletRun {
  enum class Outcome { Complete, Cancelled, GaveUp };
  Outcome outcome = Outcome::Complete;
  /// The finished puzzles in order: all when complete, those made before giving up, none when cancelled.
  std::vector<Puzzle> puzzles;
  /// With no repeats asked for: how many puzzles from the first share no word; count when all.
  int withoutRepeats = 0;
  /// What the user should be told about repeats; empty when nothing needs saying.
  Message note;
};

/// The words of `words` without those in `taken`, with the same letter counts.
std::shared_ptr<const Dictionary> WithoutWords(const Dictionary& words, const std::vector<std::string>& taken);

/// Makes request.count puzzles with `make`, calling `progress` before the first and after each.
/// With noRepeats each puzzle is made from the words no earlier puzzle used, for as long as
/// that succeeds; from the first failure on the whole list is used again.
BookletRun MakeBookletPuzzles(const BookletRequest& request, const std::shared_ptr<const Dictionary>& words,
                              const PuzzleMaker& make, const BookletProgress& progress);

/// As MakeBookletPuzzles, but each puzzle goes to `sink` as soon as it is made and none is kept
/// (the run's puzzles stay empty), so memory does not grow with the count.
BookletRun StreamBookletPuzzles(const BookletRequest& request, const std::shared_ptr<const Dictionary>& words,
                                const PuzzleMaker& make, const PuzzleSink& sink, const BookletProgress& progress);

}  // namespace loopword
