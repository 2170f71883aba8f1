// The booklet maker's loop: one puzzle after another, each from the words still free.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/booklet_maker.h"

#include <unordered_set>

#include "board/geometry.h"

namespace loopword {

namespace {

Message RepeatsNote(int withoutRepeats, int count) {
  if (withoutRepeats >= count) return {};
  if (withoutRepeats <= 1) {
    return LOOPWORD_TEXT("Messages", "The word list is too small to keep words apart: words repeat from puzzle 2 on.");
  }
  return Message(texts::kWordsRepeatFrom, {withoutRepeats, withoutRepeats + 1});
}

BookletRun Cancelled() { return {BookletRun::Outcome::Cancelled, {}, 0, {}}; }

}  // namespace

std::shared_ptr<const Dictionary> WithoutWords(const Dictionary& words, const std::vector<std::string>& taken) {
  const std::unordered_set<std::string> skip(taken.begin(), taken.end());
  std::vector<WordRotations> rows;
  for (int n = 1; n <= words.WordCount(); ++n) {
    if (!skip.count(ToString(words.WordPool(n)))) rows.push_back(BuildRotations(words.WordPool(n)));
  }
  return std::make_shared<const Dictionary>(std::move(rows), words.LetterWeight());
}

BookletRun MakeBookletPuzzles(const BookletRequest& request, const std::shared_ptr<const Dictionary>& words,
                              const PuzzleMaker& make, const BookletProgress& progress) {
  std::vector<Puzzle> puzzles;
  const auto keep = [&](Puzzle&& puzzle) {
    puzzles.push_back(std::move(puzzle));
    return true;
  };
  BookletRun run = StreamBookletPuzzles(request, words, make, keep, progress);
  if (run.outcome != BookletRun::Outcome::Cancelled) run.puzzles = std::move(puzzles);
  return run;
}

BookletRun StreamBookletPuzzles(const BookletRequest& request, const std::shared_ptr<const Dictionary>& words,
                                const PuzzleMaker& make, const PuzzleSink& sink, const BookletProgress& progress) {
  BookletRun run;
  std::vector<std::string> used;
  bool keepApart = request.noRepeats;
  int made = 0;
  const auto cancelled = [&] { return !progress(made, request.count); };
  if (cancelled()) return Cancelled();
  while (made < request.count) {
    std::optional<Puzzle> puzzle;
    if (keepApart) {
      const auto freeWords = WithoutWords(*words, used);
      if (freeWords->WordCount() >= kSquareCount) puzzle = make(freeWords);
      if (!puzzle && cancelled()) return Cancelled();
    }
    if (!puzzle) {
      keepApart = false;
      puzzle = make(words);
    }
    if (!puzzle) {
      if (cancelled()) return Cancelled();
      run.outcome = BookletRun::Outcome::GaveUp;
      return run;
    }
    if (keepApart) {
      run.withoutRepeats = made + 1;
      for (const PlacementLine& placement : puzzle->placements) used.push_back(placement.word);
    }
    ++made;
    if (!sink(std::move(*puzzle)) || cancelled()) return Cancelled();
  }
  if (request.noRepeats) run.note = RepeatsNote(run.withoutRepeats, request.count);
  return run;
}

}  // namespace loopword
