// Checks ranking and candidate lists of both searches on small word lists with known answers.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/candidate_search.h"

#include <gtest/gtest.h>

#include <functional>

namespace loopword {
namespace {

using SearchFactory = std::function<std::unique_ptr<CandidateSearch>(std::shared_ptr<const Dictionary>)>;

class CandidateSearchTest : public ::testing::TestWithParam<SearchFactory> {
 protected:
  std::unique_ptr<CandidateSearch> Search(const std::string& list) {
    return GetParam()(std::make_shared<const Dictionary>(ParseDictionaryText(list).dictionary));
  }
};

/// The total, then each shortlisted line as "score word ring digit".
std::vector<std::string> Lines(const CandidateList& found) {
  std::vector<std::string> lines{std::to_string(found.total)};
  for (const Candidate& c : found.shortlist) {
    lines.push_back(std::to_string(c.score) + " " + std::to_string(c.word) + " " + ToString(c.ring) + " " +
                    std::to_string(c.startDigit));
  }
  return lines;
}

TEST_P(CandidateSearchTest, RanksFewestPairsFirstSkipsFilledAndUnletteredSquares) {
  // Each of A..H fits one rotation of ABCDEFGH; each CCCCCCCC adds 8 for square 11's C.
  auto search = Search("ABCDEFGH\nCCCCCCCC\nCCCCCCCC\nCXXXXXXX\n");
  Board board;  // ABCDEFGH in the crossing square
  board.SquareWord[12] = "ABCDEFGH";
  board.SquareMark[12] = MarkOn;
  for (int s = 1; s <= kSquareCount; ++s) board.BuildSquarePattern(s);
  EXPECT_EQ(search->RankOpenSquares(board), (std::vector<RankLine>{{1, 1}, {1, 13}, {1, 23}, {18, 11}}));
  search->Withdraw(2);  // the same word in row 3 goes with it
  board.SquareMark[13] = MarkOn;
  EXPECT_EQ(search->RankOpenSquares(board), (std::vector<RankLine>{{1, 1}, {1, 23}, {2, 11}}));
  search->MakeAllAvailable();
  EXPECT_EQ(search->RankOpenSquares(board).back(), (RankLine{18, 11}));
  EXPECT_TRUE(search->RankOpenSquares(Board()).empty()) << "wildcards only";
}

TEST_P(CandidateSearchTest, ShortlistsTheBestLinesWithTheirStartDigitsAndReadsOddPatternsSafely) {
  // Letter weights: B 1, X 8 and Y 4 (the rejected lines count up to their first bad character).
  auto search = Search("ABCDEFGH\nAXCDEFGH\nAYCDEFGH\nXXXXXXX1\nYYY1YYYY\n");
  EXPECT_EQ(Lines(search->FindCandidates("A*......")),
            (std::vector<std::string>{"3", "8 2 AXCDEFGH 9", "4 3 AYCDEFGH 9"}));
  EXPECT_EQ(Lines(search->FindCandidates("A.C.....")),
            (std::vector<std::string>{"3", "0 3 AYCDEFGH 9", "0 2 AXCDEFGH 9", "0 1 ABCDEFGH 9"}))
      << "no pending cell: every line ties";
  EXPECT_EQ(Lines(search->FindCandidates("..A....Z")), std::vector<std::string>{"0"});
  search = Search("ABCDEFGH\nABCDABCD\n");
  EXPECT_EQ(Lines(search->FindCandidates("..A...E.")), (std::vector<std::string>{"1", "0 1 GHABCDEF 3"}));
  EXPECT_EQ(Lines(search->FindCandidates("AB.DA...")),
            (std::vector<std::string>{"2", "0 2 ABCDABCD 9", "0 2 ABCDABCD 5"}));
  EXPECT_EQ(search->FindCandidates("A").total, 3);           // missing characters are free
  EXPECT_EQ(search->FindCandidates("A      *").total, 3);    // blanks are free
  EXPECT_EQ(search->FindCandidates("a.......").total, 0);    // only capitals fit
  EXPECT_EQ(search->FindCandidates("ABCDEFGHIJ").total, 1);  // extra characters are ignored
  search->Withdraw(2);
  EXPECT_EQ(search->FindCandidates("AB.DA...").total, 0);
}

INSTANTIATE_TEST_SUITE_P(BothSearches, CandidateSearchTest,
                         ::testing::Values(SearchFactory(MakeReferenceSearch), SearchFactory(MakeIndexedSearch)),
                         [](const auto& info) { return std::string(info.index == 0 ? "Reference" : "Indexed"); });

}  // namespace
}  // namespace loopword
