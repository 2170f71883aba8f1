// The attempt loop: set up square 12, fill the most constrained open square, repeat.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/compiler.h"

#include <algorithm>
#include <array>

#include "board/program_text.h"
#include "grade/graded_sheet.h"

namespace loopword {

Compiler::Compiler(std::shared_ptr<const Dictionary> words, std::unique_ptr<CandidateSearch> search,
                   RandomSource random)
    : words_(std::move(words)), groups_(*words_), search_(std::move(search)), random_(random) {}

Compiler::Compiler(std::shared_ptr<const Dictionary> words, RandomSource random)
    : Compiler(words, MakeIndexedSearch(words), random) {}

namespace {

using Kind = CompileEvent::Kind;

/// Classic events a headless fill passes between two Searching events.
constexpr int kEventsPerSearching = 4096;

/// The order in which a fill made headless is shown: outward from square 12 along both loops.
constexpr std::array<int, kSquareCount - 1> kShowOrder = {1, 11, 13, 23, 2, 10, 14, 22, 3, 9, 15,
                                                          21, 4, 8, 16, 20, 5, 7, 17, 19, 6, 18};

/// Marks `square` as holding its word and rebuilds its chain neighbours' patterns.
void MarkFilled(Board& board, int square) {
  board.SquareMark[square] = MarkOn;
  if (square > 1) board.BuildSquarePattern(square - 1);
  if (square < kSquareCount) board.BuildSquarePattern(square + 1);
}

/// The placements of a found fill, in square order.
std::vector<PlacementLine> PlacementsOf(const exact::FillResult& result) {
  return {result.lines.begin(), result.lines.end()};
}

Message ThemeImpossibleMessage(const std::string& startWord) {
  if (startWord.empty()) return LOOPWORD_TEXT("Messages", "The theme words cannot all be placed in one puzzle with this dictionary.");
  return Message(texts::kThemeImpossibleWithStart, {startWord});
}

}  // namespace

Message ImpossibleMessage(const std::string& startWord) {
  if (startWord.empty()) return LOOPWORD_TEXT("Messages", "No puzzle can be made from this dictionary.");
  return Message(texts::kImpossibleWithStart, {startWord});
}

Message TooFewWordsMessage(int distinctWords) { return Message(texts::kTooFewWords, {distinctWords}); }

bool DrawsVaried(const CompileOptions& options) { return options.varied || options.difficulty == Difficulty::Expert; }

std::string FillName(const CompileOptions& options) {
  const bool varied = DrawsVaried(options);
  if (options.unique) return varied ? "varied, one solution" : "one solution";
  return varied ? "varied" : "classic";
}

void Compiler::UseWords(std::shared_ptr<const Dictionary> words) {
  if (words == words_) return;
  words_ = std::move(words);
  groups_ = WordGroups(*words_);
  search_ = MakeIndexedSearch(words_);
  exact_.reset();
  theme_.reset();
}

int Compiler::WordsAvailable(const std::string& startWord, const std::vector<std::string>& theme) const {
  const auto outsideList = [&](const std::string& word) { return groups_.Find(word) == 0; };
  int count = groups_.DistinctCount() + static_cast<int>(std::count_if(theme.begin(), theme.end(), outsideList));
  const bool startIsNew = !startWord.empty() && outsideList(startWord) && std::find(theme.begin(), theme.end(), startWord) == theme.end();
  return count + (startIsNew ? 1 : 0);
}

bool Compiler::TooFewWords(const std::string& startWord, const std::vector<std::string>& theme) const {
  return WordsAvailable(startWord, theme) < kWordsNeeded;
}

Message Compiler::FailureMessage(CompileOutcome outcome, const std::string& startWord, const CompileOptions& options) const {
  const bool themed = !options.theme.empty();
  switch (outcome) {
    case CompileOutcome::Impossible:
      if (!themed) return ImpossibleMessage(startWord);
      if (themeWordLeftOut_.empty()) return ThemeImpossibleMessage(startWord);
      return ThemeImpossibleMessage(startWord).Add(Phrase(texts::kThemeFitsWithout, {themeWordLeftOut_}));
    case CompileOutcome::TooFewWords:
      if (!themed) return TooFewWordsMessage(DistinctWordCount());
      return Message(texts::kTooFewWithTheme, {WordsAvailable(startWord, options.theme)});
    case CompileOutcome::GaveUp:
      if (options.difficulty != Difficulty::Standard) {
        return Message(themed ? texts::kNoGradedThemePuzzle : texts::kNoGradedPuzzle,
                       {DifficultyText(options.difficulty), kGradedFillLimit});
      }
      if (!themed) return kGiveUpMessage;
      return Message(texts::kNoThemePuzzleInTime, {kThemeSearchSeconds});
    case CompileOutcome::Complete:
    case CompileOutcome::Stopped:
      break;
  }
  return {};
}

CompileOutcome Compiler::Compile(Puzzle& puzzle, const std::string& startWord, const Observer& observer,
                                 const CompileOptions& options) {
  stopRequested_ = false;
  themeWordLeftOut_.clear();
  puzzle.difficulty = Difficulty::Standard;
  puzzle.hints.reset();
  if (TooFewWords(startWord, options.theme)) {
    observer({Kind::TooFewWords});
    return CompileOutcome::TooFewWords;
  }
  const bool graded = options.difficulty != Difficulty::Standard;
  if (!options.theme.empty() || options.varied || options.unique || graded) return CompileHeadless(puzzle, startWord, observer, options);
  return CompileClassic(puzzle, startWord, observer);
}

CompileOutcome Compiler::CompileClassic(Puzzle& puzzle, const std::string& startWord, const Observer& observer) {
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
    if (++failures >= kAttemptLimit) return EndWith(Exact().Decide(startWord, random_, Limits(observer)), puzzle, observer);
  }
}

CompileOutcome Compiler::CompileHeadless(Puzzle& puzzle, const std::string& startWord, const Observer& observer,
                                         const CompileOptions& options) {
  const bool graded = options.difficulty != Difficulty::Standard;
  for (int tries = 0; tries < (graded ? kGradedFillLimit : kAttemptLimit); ++tries) {
    Puzzle made;
    const CompileOutcome outcome = MakeFill(made, startWord, observer, options);
    if (outcome != CompileOutcome::Complete) return outcome;
    if (graded) {
      const bool reached = GradeSheet(made, options.difficulty, observer);
      if (stopRequested_) break;
      if (!reached) continue;
      const CompileOutcome shown = Replay(puzzle, made.placements, observer);
      puzzle.difficulty = made.difficulty;
      puzzle.hints = made.hints;
      return shown;
    }
    if (!options.unique) return Replay(puzzle, made.placements, observer);
    const exact::SolutionCount solutions = exact::CountSheetSolutions(made.placements, 2, Limits(observer));
    if (stopRequested_) break;
    if (solutions.settled && solutions.grids == 1) return Replay(puzzle, made.placements, observer);
  }
  observer({stopRequested_ ? Kind::Stopped : Kind::GaveUp});
  return stopRequested_ ? CompileOutcome::Stopped : CompileOutcome::GaveUp;
}

bool Compiler::GradeSheet(Puzzle& made, Difficulty difficulty, const Observer& observer) {
  const std::optional<grade::GradedHints> graded = grade::ChooseHints(made.placements, difficulty, random_, Limits(observer));
  if (!graded) return false;
  made.difficulty = difficulty;
  made.hints = graded->hints;
  return true;
}

CompileOutcome Compiler::MakeFill(Puzzle& made, const std::string& startWord, const Observer& observer,
                                  const CompileOptions& options) {
  if (!options.theme.empty()) return MakeThemeFill(made, startWord, observer, options);
  if (DrawsVaried(options)) {
    const exact::FillResult result = Exact().DrawVaried(startWord, random_, Limits(observer));
    if (result.status == exact::SearchStatus::Found) {
      made.placements = PlacementsOf(result);
      return CompileOutcome::Complete;
    }
    return EndWith(result, made, observer);
  }
  int events = 0;
  const CompileOutcome outcome = CompileClassic(made, startWord, [&](const CompileEvent& event) {
    const bool ending = event.kind == Kind::Stopped || event.kind == Kind::GaveUp || event.kind == Kind::Impossible;
    if (ending || event.kind == Kind::Searching || ++events % kEventsPerSearching == 0) {
      observer(ending ? event : CompileEvent(Kind::Searching));
    }
  });
  return outcome;
}

CompileOutcome Compiler::MakeThemeFill(Puzzle& made, const std::string& startWord, const Observer& observer,
                                       const CompileOptions& options) {
  if (!theme_ || theme_->Theme() != options.theme) theme_ = std::make_unique<exact::ThemeEngine>(Exact().Model(), options.theme);
  const exact::ThemeLimits limits{std::chrono::seconds(kThemeSearchSeconds), Limits(observer).poll};
  exact::ThemeResult result = theme_->Fill(startWord, DrawsVaried(options), random_, limits, options.clued);
  themeWordLeftOut_ = result.withoutWord;
  if (result.status == exact::SearchStatus::Found) {
    made.placements = {result.lines.begin(), result.lines.end()};
    return CompileOutcome::Complete;
  }
  return EndWith({result.status, {}}, made, observer);
}

CompileOutcome Compiler::EndWith(const exact::FillResult& result, Puzzle& puzzle, const Observer& observer) {
  switch (result.status) {
    case exact::SearchStatus::Found:
      return Replay(puzzle, PlacementsOf(result), observer);
    case exact::SearchStatus::Impossible:
      observer({Kind::Impossible});
      return CompileOutcome::Impossible;
    case exact::SearchStatus::Stopped:
      observer({Kind::Stopped});
      return CompileOutcome::Stopped;
    case exact::SearchStatus::BudgetSpent:
      break;
  }
  observer({Kind::GaveUp});
  return CompileOutcome::GaveUp;
}

CompileOutcome Compiler::Replay(Puzzle& puzzle, const std::vector<PlacementLine>& placements, const Observer& observer) {
  SquareArray<PlacementLine> bySquare{};
  for (const PlacementLine& placement : placements) bySquare[placement.square] = placement;
  observer({Kind::RunStarted});
  observer({Kind::AttemptStarted});
  puzzle.placements.clear();
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) observer({Kind::CellBlanked, s, p});
  }
  Board& board = puzzle.board;
  board.Clear();
  const PlacementLine& centre = bySquare[kCrossingSquare];
  board.SquareWord[kCrossingSquare] = centre.ring;
  board.SquareMark[kCrossingSquare] = MarkOn;
  puzzle.AddPlacement(centre);
  observer({Kind::StartWordPlaced, kCrossingSquare, 0, centre.ring});
  board.BuildSquarePatterns();
  for (const int square : kShowOrder) {
    if (stopRequested_) {
      observer({Kind::Stopped});
      return CompileOutcome::Stopped;
    }
    observer({Kind::SquareHighlighted, square});
    const PlacementLine& line = bySquare[square];
    board.SquareWord[square] = line.ring;
    puzzle.AddPlacement(line);
    MarkFilled(board, square);
    observer({Kind::WordPlaced, square, 0, line.ring});
  }
  observer({Kind::PuzzleComplete});
  return CompileOutcome::Complete;
}

exact::SearchLimits Compiler::Limits(const Observer& observer) {
  return {kExactSearchBudget, [this, &observer] {
            observer({Kind::Searching});
            return stopRequested_;
          }};
}

const exact::ExactEngine& Compiler::Exact() {
  if (!exact_) exact_ = std::make_unique<exact::ExactEngine>(*words_);
  return *exact_;
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
    MarkFilled(puzzle.board, square);
  }
}

void Compiler::SetUpAttempt(Puzzle& puzzle, const std::string& startWord, const Observer& observer) {
  using Kind = CompileEvent::Kind;
  observer({Kind::AttemptStarted});
  puzzle.placements.clear();
  for (int s = 1; s <= kSquareCount; ++s) {
    for (int p = 1; p <= kRingSize; ++p) observer({Kind::CellBlanked, s, p});
  }
  search_->MakeAllAvailable();
  const std::string word = ChooseStartWord(startWord);
  Board& board = puzzle.board;
  board.SquareWord[kCrossingSquare] = word;
  if (!word.empty()) puzzle.AddPlacement({kCrossingSquare, word, 1, word});
  observer({Kind::StartWordPlaced, kCrossingSquare, 0, word});
  for (int s = 1; s <= kSquareCount; ++s) {
    if (s == kCrossingSquare) continue;
    board.SquareWord[s] = kEmptyRing;
    board.SquareMark[s] = MarkOff;
  }
  board.SquareMark[kCrossingSquare] = MarkOn;
  board.BuildSquarePatterns();
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
  std::string& pattern = puzzle.board.SquarePattern[square];
  std::replace(pattern.begin(), pattern.end(), ' ', kFreeCell);
  const CandidateList candidates = search_->FindCandidates(pattern);
  if (candidates.total == 0 || candidates.shortlist.empty()) return false;
  const std::size_t chosen =
      candidates.total > 1 ? static_cast<std::size_t>(random_.Draw(static_cast<int>(candidates.shortlist.size())) - 1) : 0;
  const Candidate& candidate = candidates.shortlist[chosen];
  const std::string word = ToString(words_->WordPool(candidate.word));
  search_->Withdraw(candidate.word);
  const std::string ring = ToString(candidate.ring);
  puzzle.board.SquareWord[square] = ring;
  puzzle.AddPlacement({square, ring, candidate.startDigit, word});
  observer({CompileEvent::Kind::WordPlaced, square, 0, ring});
  return true;
}

}  // namespace loopword
