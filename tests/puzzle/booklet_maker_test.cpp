// Checks making a booklet's puzzles: no word twice while the list allows, cancelling, giving up.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/booklet_maker.h"

#include <gtest/gtest.h>

#include <set>

#include "support/compiled_puzzles.h"

namespace loopword {
namespace {

std::shared_ptr<const Dictionary> NumberedWords(int count) {
  std::vector<WordRotations> rows;
  for (int n = 0; n < count; ++n) rows.push_back(BuildRotations({'W', 'O', 'R', 'D', 'A', char('A' + n / 26), 'A', char('A' + n % 26)}));
  return std::make_shared<const Dictionary>(std::move(rows), std::array<std::int64_t, 26>{});
}

/// A stand-in maker: a "puzzle" whose 23 placements carry the first 23 words it is given.
std::optional<Puzzle> FirstWords(const std::shared_ptr<const Dictionary>& words) {
  if (words->WordCount() < kSquareCount) return std::nullopt;
  Puzzle puzzle;
  for (int n = 1; n <= kSquareCount; ++n) puzzle.placements.push_back({n, "AAAAAAAA", 1, ToString(words->WordPool(n))});
  return puzzle;
}

TEST(BookletMaker, KeepsWordsApartWhileTheListAllowsSaysHowFarItGotAndStopsWhenCancelledOrStuck) {
  using Outcome = BookletRun::Outcome;
  const struct {  // the failing maker call and the count done at which the user cancels: 0 for never
    int words, count; bool noRepeats; int failingCall, cancelAtDone; Outcome outcome; int puzzles, withoutRepeats; std::string note;
  } cases[] = {
      {100, 4, true, 0, 0, Outcome::Complete, 4, 4, ""},
      {50, 4, true, 0, 0, Outcome::Complete, 4, 2,
       "Puzzles 1 to 2 share no word; the word list allows no more, so words repeat from puzzle 3 on."},
      {30, 3, true, 0, 0, Outcome::Complete, 3, 1, "The word list is too small to keep words apart: words repeat from puzzle 2 on."},
      {100, 4, false, 0, 0, Outcome::Complete, 4, 0, ""},
      {100, 5, false, 3, 0, Outcome::GaveUp, 2, 0, ""},
      {100, 5, false, 0, 2, Outcome::Cancelled, 0, 0, ""},
  };
  for (const auto& c : cases) {
    int calls = 0;
    const auto make = [&](const auto& words) { return ++calls == c.failingCall ? std::nullopt : FirstWords(words); };
    const BookletRun run = MakeBookletPuzzles({c.count, c.noRepeats}, NumberedWords(c.words), make,
                                              [&](int done, int) { return done != c.cancelAtDone || done == 0; });
    EXPECT_EQ(run.outcome, c.outcome) << c.words;
    ASSERT_EQ(static_cast<int>(run.puzzles.size()), c.puzzles);
    EXPECT_EQ(run.withoutRepeats, c.withoutRepeats) << c.words;
    EXPECT_EQ(EnglishText(run.note), c.note);
    std::set<std::string> seen;
    for (int i = 0; i < c.withoutRepeats; ++i) {
      for (const std::string& word : SortedWords(run.puzzles[static_cast<std::size_t>(i)])) {
        EXPECT_TRUE(seen.insert(word).second) << word << " twice in puzzles 1 to " << c.withoutRepeats;
      }
    }
  }
}

}  // namespace
}  // namespace loopword
