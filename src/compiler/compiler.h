// The compile driver: fills the figure square by square and reports every step as it happens.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/placement_line.h"
#include "board/puzzle.h"
#include "compiler/candidate_search.h"
#include "compiler/random_source.h"
#include "compiler/word_groups.h"

namespace loopword {

/// Failed attempts in a row after which a compile gives up.
inline constexpr int kAttemptLimit = 1000;
/// What the user is told when a compile gives up.
inline constexpr const char* kGiveUpMessage =
    "No complete puzzle could be made with this dictionary and starting word.";

/// What happened during a compile, in the order it happened.
struct CompileEvent {
  enum class Kind {
    RunStarted,          ///< a run begins from an empty figure (also after a failed overlap check)
    AttemptStarted,      ///< an attempt begins; its cells are blanked next
    CellBlanked,         ///< ring cell (square, position) was emptied
    StartWordPlaced,     ///< square 12 received the starting word (ring, line)
    SquareHighlighted,   ///< `square` is the next to fill
    WordPlaced,          ///< `square` received `ring`, recorded as `line`
    AttemptFailed,       ///< no word fits an open square, or one stays empty: a new attempt follows
    OverlapCheckFailed,  ///< the filled figure has a disagreeing shared cell: a new run follows
    PuzzleComplete,      ///< all 23 squares are filled and every shared cell agrees
    Stopped,             ///< the stop request was seen
    GaveUp,              ///< kAttemptLimit attempts failed in a row
  };
  /// An event of `kind` about square/position with the ring string and placement line it concerns.
  CompileEvent(Kind eventKind, int eventSquare = 0, int eventPosition = 0, std::string eventRing = {},
               std::string eventLine = {})
      : kind(eventKind), square(eventSquare), position(eventPosition), ring(std::move(eventRing)),
        line(std::move(eventLine)) {}

  Kind kind;
  int square = 0;
  int position = 0;
  std::string ring;
  std::string line;
};

/// How a compile ended.
enum class CompileOutcome { Complete, Stopped, GaveUp };

/// Runs compiles over one dictionary with one search and one random generator.
class Compiler {
 public:
  /// Receives every event; it may yield to the event loop or call RequestStop meanwhile.
  using Observer = std::function<void(const CompileEvent&)>;

  Compiler(std::shared_ptr<const Dictionary> words, std::unique_ptr<CandidateSearch> search, RandomSource random);

  /// Compiles from now on over `words` with `search` (a search over the same words).
  void UseWords(std::shared_ptr<const Dictionary> words, std::unique_ptr<CandidateSearch> search);
  /// The words compiles draw from.
  [[nodiscard]] const std::shared_ptr<const Dictionary>& Words() const { return words_; }

  /// Fills `puzzle` with `startWord` in square 12 ("" for a random word) until it is complete,
  /// the stop request is seen, or kAttemptLimit attempts have failed in a row.
  CompileOutcome Compile(Puzzle& puzzle, const std::string& startWord, const Observer& observer);
  /// Asks the running compile to stop at its next step.
  void RequestStop() { stopRequested_ = true; }

 private:
  enum class AttemptResult { Filled, Failed, Stopped };

  AttemptResult RunAttempt(Puzzle& puzzle, const std::string& startWord, const Observer& observer);
  void SetUpAttempt(Puzzle& puzzle, const std::string& startWord, const Observer& observer);
  std::string ChooseStartWord(const std::string& startWord);
  bool PlaceWord(Puzzle& puzzle, int square, const Observer& observer);

  std::shared_ptr<const Dictionary> words_;
  WordGroups groups_;
  std::unique_ptr<CandidateSearch> search_;
  RandomSource random_;
  bool stopRequested_ = false;
};

}  // namespace loopword
