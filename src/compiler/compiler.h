// The compile driver: fills the figure square by square and reports every step as it happens.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/message.h"
#include "board/placement_line.h"
#include "board/puzzle.h"
#include "compiler/candidate_search.h"
#include "compiler/word_groups.h"
#include "exact/exact_engine.h"
#include "exact/theme_search.h"
#include "random/random_source.h"

namespace loopword {

/// Failed attempts in a row after which a compile gives up.
inline constexpr int kAttemptLimit = 1000;
/// What the user is told when a compile gives up.
inline constexpr Text kGiveUpMessage =
    LOOPWORD_TEXT("Messages", "No complete puzzle could be made with this dictionary and starting word.");
/// Pairs the exact search may try before a compile gives up without a proof.
inline constexpr std::int64_t kExactSearchBudget = 3'000'000;
/// Filled puzzles a graded compile tries before it gives up the grade.
inline constexpr int kGradedFillLimit = 40;
/// Different words a puzzle needs: one per square.
inline constexpr int kWordsNeeded = 23;
/// Seconds a compile with theme words may search before it gives up without a proof.
inline constexpr int kThemeSearchSeconds = 20;

/// What the user is told when no puzzle exists: with the typed starting word, or ("") with any.
Message ImpossibleMessage(const std::string& startWord);
/// What the user is told when the dictionary holds fewer than kWordsNeeded different words.
Message TooFewWordsMessage(int distinctWords);

/// How a compile fills the figure.
struct CompileOptions {
  /// Draw the fill at random among all complete fills instead of the letter-weighted fill.
  bool varied = false;
  /// Keep only a fill whose puzzle sheet allows exactly one letter grid.
  bool unique = false;
  /// Words every puzzle must hold once (distinct, 8 capitals, at most 23), the others coming from
  /// the list; none for the usual fill.
  std::vector<std::string> theme{};
  /// The grade of the puzzle sheet: Standard gives the usual hint cells; the other grades choose
  /// hint cells so the sheet has exactly one grid and needs exactly the grade's techniques.
  Difficulty difficulty = Difficulty::Standard;
  /// The theme words that carry a clue. The puzzle sheet prints square 12's word whole, which would give its clue
  /// away: none of them goes there while a word without a clue can.
  std::vector<std::string> clued{};
};

/// What happened during a compile, in the order it happened.
struct CompileEvent {
  enum class Kind {
    RunStarted,          ///< a run begins from an empty figure (also after a failed overlap check)
    AttemptStarted,      ///< an attempt begins; its cells are blanked next
    CellBlanked,         ///< ring cell (square, position) was emptied
    StartWordPlaced,     ///< square 12 received the starting word as its ring
    SquareHighlighted,   ///< `square` is the next to fill
    WordPlaced,          ///< `square` received `ring`
    AttemptFailed,       ///< no word fits an open square, or one stays empty: a new attempt follows
    OverlapCheckFailed,  ///< the filled figure has a disagreeing shared cell: a new run follows
    PuzzleComplete,      ///< all 23 squares are filled and every shared cell agrees
    Stopped,             ///< the stop request was seen
    GaveUp,              ///< kAttemptLimit attempts failed and no fill was found or ruled out
    Searching,           ///< a search without visible steps is under way (sent every few thousand steps)
    Impossible,          ///< the exact search proved that no puzzle exists
    TooFewWords,         ///< the dictionary has fewer different words than a puzzle needs
  };
  /// An event of `kind` about square/position with the ring string it concerns.
  CompileEvent(Kind eventKind, int eventSquare = 0, int eventPosition = 0, std::string eventRing = {})
      : kind(eventKind), square(eventSquare), position(eventPosition), ring(std::move(eventRing)) {}

  Kind kind;
  int square = 0;
  int position = 0;
  std::string ring;
};

/// How a compile ended.
enum class CompileOutcome { Complete, Stopped, GaveUp, Impossible, TooFewWords };

/// The fill as a puzzle file names it, every choice made: "classic", "varied", "one solution" or
/// "varied, one solution".
std::string FillName(const CompileOptions& options);
/// Whether a compile with `options` draws its fill at random among all fills: with Varied words,
/// and always for an Expert sheet, which the letter-weighted fill's look-alike words almost never
/// give (their fewest hints still leave a sheet that trying candidates solves).
bool DrawsVaried(const CompileOptions& options);

/// Runs compiles over one dictionary with one search and one random generator.
class Compiler {
 public:
  /// Receives every event; it may call RequestStop meanwhile.
  using Observer = std::function<void(const CompileEvent&)>;

  Compiler(std::shared_ptr<const Dictionary> words, std::unique_ptr<CandidateSearch> search, RandomSource random);
  /// Compiles over `words` with the indexed search, as the program does.
  Compiler(std::shared_ptr<const Dictionary> words, RandomSource random);

  /// Compiles from now on over `words` with a new indexed search; nothing changes when they are
  /// the words in use already.
  void UseWords(std::shared_ptr<const Dictionary> words);
  /// Draws from `random` from now on, so the next compile depends only on its seed and the words.
  void UseRandom(RandomSource random) { random_ = random; }
  /// The words compiles draw from.
  [[nodiscard]] const std::shared_ptr<const Dictionary>& Words() const { return words_; }

  /// Fills `puzzle` with `startWord` in square 12 ("" for a random word) until it is complete or
  /// the stop request is seen. The classic fill tries kAttemptLimit attempts, then lets the exact
  /// search decide. Varied and one-solution fills are made without events, then shown step by
  /// step through the same events as a classic fill.
  CompileOutcome Compile(Puzzle& puzzle, const std::string& startWord, const Observer& observer,
                         const CompileOptions& options = {});
  /// Number of different words in the dictionary.
  [[nodiscard]] int DistinctWordCount() const { return groups_.DistinctCount(); }
  /// True when the dictionary, with `startWord` in square 12 ("" for a random word) and the theme
  /// words, holds fewer different words than a puzzle needs: a compile would end at once with TooFewWords.
  [[nodiscard]] bool TooFewWords(const std::string& startWord, const std::vector<std::string>& theme = {}) const;
  /// What the user is told when the last compile, with `startWord` and `options`, ended with
  /// `outcome`: nothing when it made a puzzle or was stopped.
  [[nodiscard]] Message FailureMessage(CompileOutcome outcome, const std::string& startWord,
                                       const CompileOptions& options) const;
  /// Asks the running compile to stop at its next step.
  void RequestStop() { stopRequested_ = true; }

 private:
  enum class AttemptResult { Filled, Failed, Stopped };

  int WordsAvailable(const std::string& startWord, const std::vector<std::string>& theme) const;
  CompileOutcome CompileClassic(Puzzle& puzzle, const std::string& startWord, const Observer& observer);
  CompileOutcome CompileHeadless(Puzzle& puzzle, const std::string& startWord, const Observer& observer,
                                 const CompileOptions& options);
  CompileOutcome MakeFill(Puzzle& made, const std::string& startWord, const Observer& observer,
                          const CompileOptions& options);
  CompileOutcome MakeThemeFill(Puzzle& made, const std::string& startWord, const Observer& observer,
                               const CompileOptions& options);
  bool GradeSheet(Puzzle& made, Difficulty difficulty, const Observer& observer);
  CompileOutcome EndWith(const exact::FillResult& result, Puzzle& puzzle, const Observer& observer);
  CompileOutcome Replay(Puzzle& puzzle, const std::vector<PlacementLine>& placements, const Observer& observer);
  exact::SearchLimits Limits(const Observer& observer);
  const exact::ExactEngine& Exact();
  AttemptResult RunAttempt(Puzzle& puzzle, const std::string& startWord, const Observer& observer);
  void SetUpAttempt(Puzzle& puzzle, const std::string& startWord, const Observer& observer);
  std::string ChooseStartWord(const std::string& startWord);
  bool PlaceWord(Puzzle& puzzle, int square, const Observer& observer);

  std::shared_ptr<const Dictionary> words_;
  WordGroups groups_;
  std::unique_ptr<CandidateSearch> search_;
  RandomSource random_;
  std::unique_ptr<exact::ExactEngine> exact_;  // prepared on first use, dropped with the words
  std::unique_ptr<exact::ThemeEngine> theme_;  // prepared for the theme words in use, dropped with the words
  std::string themeWordLeftOut_;  // after theme words proved impossible: one without which the others fit, or ""
  bool stopRequested_ = false;
};

}  // namespace loopword
