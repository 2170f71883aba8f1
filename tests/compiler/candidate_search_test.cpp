// Checks ranking and candidate lists of both searches on small word lists with known answers.
#include "compiler/candidate_search.h"

#include <gtest/gtest.h>

#include <functional>

namespace loopword {
namespace {

using SearchFactory = std::function<std::unique_ptr<CandidateSearch>(std::shared_ptr<const Dictionary>)>;

std::shared_ptr<const Dictionary> Words(const std::string& text) {
  ReadResult result = ParseDictionaryText(text);
  return std::make_shared<const Dictionary>(std::move(result.dictionary));
}

std::string RingOf(const Candidate& candidate) { return ToString(candidate.ring); }

class CandidateSearchTest : public ::testing::TestWithParam<SearchFactory> {
 protected:
  std::unique_ptr<CandidateSearch> Search(const std::shared_ptr<const Dictionary>& words) { return GetParam()(words); }
};

Board WithCrossingWord(const std::string& word) {
  Board board;
  board.SquareWord[12] = word;
  board.SquareMark[12] = MarkOn;
  for (int s = 1; s <= kSquareCount; ++s) board.BuildSquarePattern(s);
  return board;
}

TEST_P(CandidateSearchTest, RanksFewestPairsFirstAndTiesByLowerSquare) {
  // Each of A..H fits one rotation of ABCDEFGH; CCCCCCCC adds 8 rotations for square 11's C.
  auto search = Search(Words("ABCDEFGH\nCCCCCCCC\n"));
  const Board board = WithCrossingWord("ABCDEFGH");
  EXPECT_EQ(search->RankOpenSquares(board),
            (std::vector<RankLine>{{1, 1}, {1, 13}, {1, 23}, {9, 11}}));
}

TEST_P(CandidateSearchTest, SkipsFilledSquaresAndSquaresWithoutFixedLetters) {
  auto search = Search(Words("ABCDEFGH\nCCCCCCCC\n"));
  Board board = WithCrossingWord("ABCDEFGH");
  board.SquareMark[1] = MarkOn;
  board.SquareMark[13] = MarkOn;
  const std::vector<RankLine> ranking = search->RankOpenSquares(board);
  EXPECT_EQ(ranking, (std::vector<RankLine>{{1, 23}, {9, 11}}));
  EXPECT_TRUE(search->RankOpenSquares(Board()).empty()) << "an empty figure has only wildcards";
}

TEST_P(CandidateSearchTest, CountsFollowWithdrawnAndRestoredWords) {
  auto search = Search(Words("ABCDEFGH\nCCCCCCCC\nCCCCCCCC\nCXXXXXXX\n"));
  const Board board = WithCrossingWord("ABCDEFGH");
  ASSERT_EQ(search->RankOpenSquares(board).back(), (RankLine{18, 11}));
  search->Withdraw(2);  // the same word in row 3 goes with it
  EXPECT_EQ(search->RankOpenSquares(board).back(), (RankLine{2, 11}));
  search->Withdraw(1);
  EXPECT_EQ(search->RankOpenSquares(board), (std::vector<RankLine>{{1, 11}}));
  search->MakeAllAvailable();
  EXPECT_EQ(search->RankOpenSquares(board).back(), (RankLine{18, 11}));
}

TEST_P(CandidateSearchTest, ShortlistHoldsTheBestLineAndTheOneBelowIt) {
  // Letter weights: B 1, X 8 (7 from a rejected line), Y 4 (3 from a rejected line).
  auto search = Search(Words("ABCDEFGH\nAXCDEFGH\nAYCDEFGH\nXXXXXXX1\nYYY1YYYY\n"));
  const CandidateList found = search->FindCandidates("A*......");
  EXPECT_EQ(found.total, 3);
  ASSERT_EQ(found.shortlist.size(), 2u);
  EXPECT_EQ(found.shortlist[0].word, 2);
  EXPECT_EQ(found.shortlist[0].score, 8);
  EXPECT_EQ(found.shortlist[1].word, 3);
  EXPECT_EQ(found.shortlist[1].score, 4);
}

TEST_P(CandidateSearchTest, WithoutPendingCellsEveryCandidateTiesAtZero) {
  auto search = Search(Words("ABCDEFGH\nAXCDEFGH\nAYCDEFGH\nXXXXXXX1\n"));
  const CandidateList found = search->FindCandidates("A.C.....");
  EXPECT_EQ(found.total, 3);
  ASSERT_EQ(found.shortlist.size(), 3u);
  for (const Candidate& candidate : found.shortlist) EXPECT_EQ(candidate.score, 0);
  EXPECT_EQ(found.shortlist[0].word, 3);  // descending line order
  EXPECT_EQ(found.shortlist[2].word, 1);
}

TEST_P(CandidateSearchTest, RotationsCarryStartDigitTenMinusRotation) {
  auto search = Search(Words("ABCDEFGH\n"));
  const CandidateList unrotated = search->FindCandidates("A.......");
  ASSERT_EQ(unrotated.shortlist.size(), 1u);
  EXPECT_EQ(unrotated.total, 1);
  EXPECT_EQ(unrotated.shortlist[0].startDigit, 9);
  EXPECT_EQ(RingOf(unrotated.shortlist[0]), "ABCDEFGH");
  const CandidateList third = search->FindCandidates("..A.....");  // rotation 7: GHABCDEF
  ASSERT_EQ(third.shortlist.size(), 1u);
  EXPECT_EQ(RingOf(third.shortlist[0]), "GHABCDEF");
  EXPECT_EQ(third.shortlist[0].startDigit, 3);
}

TEST_P(CandidateSearchTest, CoincidingRotationsAreListedOncePerRotation) {
  auto search = Search(Words("ABCDABCD\n"));
  const CandidateList found = search->FindCandidates("A.......");
  EXPECT_EQ(found.total, 2);
  ASSERT_EQ(found.shortlist.size(), 2u);
  EXPECT_EQ(RingOf(found.shortlist[0]), "ABCDABCD");
  EXPECT_EQ(found.shortlist[0].startDigit, 9);
  EXPECT_EQ(found.shortlist[1].startDigit, 5);
  Board board;
  board.SquarePattern[3] = "..A.*...";
  EXPECT_EQ(search->RankOpenSquares(board), (std::vector<RankLine>{{2, 3}}));
}

TEST_P(CandidateSearchTest, NothingFitsGivesAnEmptyList) {
  auto search = Search(Words("ABCDEFGH\n"));
  const CandidateList found = search->FindCandidates("Z*......");
  EXPECT_EQ(found.total, 0);
  EXPECT_TRUE(found.shortlist.empty());
  search->Withdraw(1);
  EXPECT_EQ(search->FindCandidates("A.......").total, 0);
}

TEST_P(CandidateSearchTest, OddPatternsAreReadSafely) {
  auto search = Search(Words("ABCDEFGH\n"));
  EXPECT_EQ(search->FindCandidates("A").total, 1);                // missing characters are free
  EXPECT_EQ(search->FindCandidates("A      *").total, 1);         // blanks are free
  EXPECT_EQ(search->FindCandidates("a.......").total, 0);         // only capitals fit
  EXPECT_EQ(search->FindCandidates("ABCDEFGHIJ").total, 1);       // extra characters are ignored
}

INSTANTIATE_TEST_SUITE_P(BothSearches, CandidateSearchTest,
                         ::testing::Values(SearchFactory(MakeReferenceSearch), SearchFactory(MakeIndexedSearch)),
                         [](const ::testing::TestParamInfo<SearchFactory>& info) {
                           return info.index == 0 ? std::string("Reference") : std::string("Indexed");
                         });

}  // namespace
}  // namespace loopword
