// Checks making a booklet's puzzles: no word twice while the list allows, cancelling, giving up.
#include "puzzle/booklet_maker.h"

#include <gtest/gtest.h>

#include <set>

#include "support/compiled_puzzles.h"

namespace loopword {
namespace {

/// A word list of `count` distinct words.
std::shared_ptr<const Dictionary> NumberedWords(int count) {
  std::vector<WordRotations> rows;
  for (int n = 0; n < count; ++n) rows.push_back(BuildRotations({'W', 'O', 'R', 'D', 'A', char('A' + n / 26), 'A', char('A' + n % 26)}));
  return std::make_shared<const Dictionary>(std::move(rows), std::array<std::int64_t, 26>{});
}

/// A stand-in maker: a "puzzle" whose 23 lines carry the first 23 words it is given.
std::optional<Puzzle> FirstWords(const std::shared_ptr<const Dictionary>& words) {
  if (words->WordCount() < kSquareCount) return std::nullopt;
  Puzzle puzzle;
  for (int n = 1; n <= kSquareCount; ++n) puzzle.List2.push_back("00 AAAAAAAA 1 " + ToString(words->WordPool(n)));
  return puzzle;
}

TEST(BookletMaker, KeepsWordsApartForAsLongAsTheListAllowsThenSaysHowFarItGot) {
  const struct {
    int words, count;
    bool noRepeats;
    int withoutRepeats;
    std::string note;
  } cases[] = {
      {100, 4, true, 4, ""},
      {50, 4, true, 2, "Puzzles 1 to 2 share no word; the word list allows no more, so words repeat from puzzle 3 on."},
      {30, 3, true, 1, "The word list is too small to keep words apart: words repeat from puzzle 2 on."},
      {100, 4, false, 0, ""},
  };
  for (const auto& c : cases) {
    const BookletRun run = MakeBookletPuzzles({c.count, c.noRepeats}, NumberedWords(c.words), FirstWords,
                                              [](int, int) { return true; });
    EXPECT_EQ(run.outcome, BookletRun::Outcome::Complete);
    ASSERT_EQ(static_cast<int>(run.puzzles.size()), c.count);
    EXPECT_EQ(run.withoutRepeats, c.withoutRepeats) << c.words;
    EXPECT_EQ(run.note, c.note);
    std::set<std::string> seen;
    for (int i = 0; i < c.withoutRepeats; ++i) {
      for (const std::string& word : testing::WordsOf(run.puzzles[static_cast<std::size_t>(i)])) {
        EXPECT_TRUE(seen.insert(word).second) << word << " twice in puzzles 1 to " << c.withoutRepeats;
      }
    }
  }
}

TEST(BookletMaker, CancellingKeepsNothingAndGivingUpKeepsWhatWasMade) {
  std::vector<std::pair<int, int>> reported;
  const BookletRun cancelled = MakeBookletPuzzles({5, false}, NumberedWords(40), FirstWords, [&](int done, int total) {
    reported.emplace_back(done, total);
    return done < 2;
  });
  EXPECT_EQ(cancelled.outcome, BookletRun::Outcome::Cancelled);
  EXPECT_TRUE(cancelled.puzzles.empty());
  EXPECT_EQ(reported, (std::vector<std::pair<int, int>>{{0, 5}, {1, 5}, {2, 5}}));
  int made = 0;
  const auto failsThird = [&](const auto& words) { return ++made == 3 ? std::nullopt : FirstWords(words); };
  const BookletRun gaveUp = MakeBookletPuzzles({5, false}, NumberedWords(40), failsThird, [](int, int) { return true; });
  EXPECT_EQ(gaveUp.outcome, BookletRun::Outcome::GaveUp);
  EXPECT_EQ(gaveUp.puzzles.size(), 2u);
}

}  // namespace
}  // namespace loopword
