// The attempt loop: set up square 12, fill the most constrained open square, repeat.
#include "compiler/compiler.h"

#include <algorithm>

namespace loopword {

Compiler::Compiler(std::shared_ptr<const Dictionary> words, std::unique_ptr<CandidateSearch> search,
                   RandomSource random)
    : words_(std::move(words)), groups_(*words_), search_(std::move(search)), random_(random) {}

void Compiler::UseWords(std::shared_ptr<const Dictionary> words, std::unique_ptr<CandidateSearch> search) {
  words_ = std::move(words);
  groups_ = WordGroups(*words_);
  search_ = std::move(search);
}

CompileOutcome Compiler::Compile(Puzzle& puzzle, const std::string& startWord, const Observer& observer) {
  using Kind = CompileEvent::Kind;
  stopRequested_ = false;
  int failures = 0;
  bool freshRun = true;
  for (;;) {
    if (freshRun) observer({Kind::RunStarted});
    freshRun = false;
    const AttemptResult result = RunAttempt(puzzle, startWord, observer);
    if (result == AttemptResult::Stopped) {
      observer({Kind::Stopped});
      return CompileOutcome::Stopped;
    }
    if (result == AttemptResult::Filled) {
      if (puzzle.board.CheckOverlaps() == 0) {
        observer({Kind::PuzzleComplete});
        return CompileOutcome::Complete;
      }
      observer({Kind::OverlapCheckFailed});
      freshRun = true;
    } else {
      observer({Kind::AttemptFailed});
    }
    if (++failures >= kAttemptLimit) {
      observer({Kind::GaveUp});
      return CompileOutcome::GaveUp;
    }
  }
}

Compiler::AttemptResult Compiler::RunAttempt(Puzzle& puzzle, const std::string& startWord,
                                             const Observer& observer) {
  SetUpAttempt(puzzle, startWord, observer);
  for (;;) {
    if (stopRequested_) return AttemptResult::Stopped;
    const std::vector<RankLine> ranking = search_->RankOpenSquares(puzzle.board);
    if (ranking.empty()) return puzzle.board.IsComplete() ? AttemptResult::Filled : AttemptResult::Failed;
    const int square = ranking.front().square;
    observer({CompileEvent::Kind::SquareHighlighted, square});
    if (!PlaceWord(puzzle, square, observer)) return AttemptResult::Failed;
    Board& board = puzzle.board;
    board.SquareMark[static_cast<std::size_t>(square)] = MarkOn;
    if (square > 1) board.BuildSquarePattern(square - 1);
    if (square < kSquareCount) board.BuildSquarePattern(square + 1);
  }
}

void Compiler::SetUpAttempt(Puzzle& puzzle, const std::string& startWord, const Observer& observer) {
  using Kind = CompileEvent::Kind;
  observer({Kind::AttemptStarted});
  puzzle.List2.clear();
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) observer({Kind::CellBlanked, s, p});
  }
  search_->MakeAllAvailable();
  const std::string word = ChooseStartWord(startWord);
  Board& board = puzzle.board;
  board.SquareWord[kCrossingSquare] = word;
  std::string line;
  if (!word.empty()) {
    line = PlacementLine{kCrossingSquare, word, 1, word}.ToString();
    puzzle.AddPlacement(line);
  }
  observer({Kind::StartWordPlaced, kCrossingSquare, 0, word, line});
  for (int s = 1; s <= kSquareCount; ++s) {
    if (s == kCrossingSquare) continue;
    board.SquareWord[static_cast<std::size_t>(s)] = kEmptyRing;
    board.SquareMark[static_cast<std::size_t>(s)] = MarkOff;
  }
  board.SquareMark[kCrossingSquare] = MarkOn;
  for (int s = 1; s <= kSquareCount; ++s) board.BuildSquarePattern(s);
}

std::string Compiler::ChooseStartWord(const std::string& startWord) {
  if (!startWord.empty()) {
    if (const int row = groups_.Find(startWord); row != 0) search_->Withdraw(row);
    return startWord;
  }
  if (words_->WordCount() == 0) return "";
  const int row = random_.Draw(words_->WordCount());
  search_->Withdraw(row);
  return ToString(words_->WordPool(row));
}

bool Compiler::PlaceWord(Puzzle& puzzle, int square, const Observer& observer) {
  std::string& pattern = puzzle.board.SquarePattern[static_cast<std::size_t>(square)];
  std::replace(pattern.begin(), pattern.end(), ' ', kFreeCell);
  const CandidateList candidates = search_->FindCandidates(pattern);
  if (candidates.total == 0 || candidates.shortlist.empty()) return false;
  const std::size_t chosen =
      candidates.total > 1 ? static_cast<std::size_t>(random_.Draw(static_cast<int>(candidates.shortlist.size())) - 1) : 0;
  const Candidate& candidate = candidates.shortlist[chosen];
  const std::string word = ToString(words_->WordPool(candidate.word));
  search_->Withdraw(candidate.word);
  const std::string ring = ToString(candidate.ring);
  puzzle.board.SquareWord[static_cast<std::size_t>(square)] = ring;
  const std::string line = PlacementLine{square, ring, candidate.startDigit, word}.ToString();
  puzzle.AddPlacement(line);
  observer({CompileEvent::Kind::WordPlaced, square, 0, ring, line});
  return true;
}

}  // namespace loopword
