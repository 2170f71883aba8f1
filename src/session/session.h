// The program's state behind any front end: the puzzle, the mode, the choices, solving and the live compile.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "compiler/compiler.h"
#include "play/solving.h"
#include "puzzle/booklet_maker.h"
#include "session/live_compile.h"
#include "session/view.h"
#include "words/dictionary_state.h"

namespace loopword {

/// The puzzles a booklet run made, and what its last failed compile tells the user.
struct BookletOutcome {
  BookletRun run;
  Message failure;
};

/// The theme words every compile and booklet puts into its puzzles, and the title they carry.
struct ThemeChoice {
  /// Distinct words of 8 capitals, at most kThemeWordLimit; none for the usual fill.
  std::vector<std::string> words;
  /// One line of plain text; "" for none.
  std::string title;
};

/// Milliseconds from any fixed point; only differences are used.
using Clock = std::function<std::int64_t()>;
/// The steady clock of the machine.
Clock SteadyClock();

/// One user's session: the commands of every front end and the view they leave.
class Session {
 public:
  /// Loads the first bundled level of `language` found beside `programFolder`; `clock` times the solving.
  Session(const std::string& programFolder, Clock clock, Language language = Language::English);
  /// Stops a running compile and waits for its worker.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  /// What the start-up load said: its messages are for the user.
  [[nodiscard]] const LoadReport& StartReport() const { return startReport_; }
  /// What a front end shows now.
  [[nodiscard]] View CurrentView() const;

  /// What the user is told when the list in use, with the starting word, cannot make a puzzle; nothing when
  /// it can. While a compile runs, the compile is all it says (kStillCompiling).
  Message WhyNoPuzzle();
  /// Starts a compile with the chosen list, starting word and fill; refused with a message when
  /// the list cannot make a puzzle, asks first when solving would lose letters typed since the last save.
  Reply Compile(bool confirmed = false);
  /// Takes the next step of the running compile; at its end, what the user is told.
  Reply AdvanceCompile();
  /// The view button: stops a compile, or shows the other sheet (asking first while solving would lose letters).
  Reply PressViewButton(bool confirmed = false);
  /// Opens the first puzzle of the puzzle file text `text`, named `name` in messages: its solution
  /// sheet, or solving where it was saved. A damaged text changes nothing.
  Reply OpenText(const std::string& text, const std::string& name, bool confirmed = false);
  /// The puzzle file text of the puzzle on show: its comment lines and the letters on screen; "" without a puzzle.
  [[nodiscard]] std::string PuzzleFileText() const;
  /// The letters on screen were saved: they are no longer at stake.
  void MarkSaved();
  /// `page`, the text of the web page, with the puzzle on show put in, to open ready to solve without
  /// the letters typed here; nullopt without a puzzle or when the page has no place for one.
  [[nodiscard]] std::optional<std::string> WebPageText(std::string_view page) const;
  /// Starts solving the puzzle on screen.
  Reply StartSolving();
  /// Check, Reveal letter, a solving key, a typed character and a click (twips of the picture).
  Reply Check();
  Reply Reveal();
  Reply Press(SolvingKey key);
  Reply Type(char letter);
  Reply ClickAt(TwipPoint point);
  /// Takes back the last solving step (a letter typed, revealed or cleared, or a Check), or does it
  /// again; nothing when there is none.
  Reply Undo();
  Reply Redo();
  /// Stops or starts the solving clock (the window was minimised or restored).
  void PauseClock(bool paused);
  /// A random starting word from now on.
  void ChooseRandomStartWord();
  /// Takes a typed starting word, read by the rules of the lists' language; the message asks again,
  /// none when accepted or cancelled.
  Reply EnterStartWord(const std::string& answer);
  /// Loads dictionary `level` (0 the user's file at `userPath`); a failed load keeps the words in use.
  LoadReport ChooseWordList(int level, const std::string& userPath = {});
  /// Reads the bundled levels and user lists in `language` from now on and loads the chosen list again.
  LoadReport ChooseLanguage(Language language);
  /// Leaves the program, asking first when solving would lose letters typed since the last save; stops a compile.
  Reply Exit(bool confirmed = false);
  /// Makes the puzzles of a booklet with the starting word and theme in use and `fill`; `progress` is told how many
  /// are done and may cancel, as leaving the program does. Refused (failure kStillCompiling) while a compile runs.
  BookletOutcome MakeBooklet(const BookletRequest& request, const CompileOptions& fill, const BookletProgress& progress);
  /// Shows the solution sheet, as printing leaves it, unless a puzzle is being solved or compiled.
  void ShowSheetsForPrinting();

  /// The next compile draws from `seed` alone, as loopword-compile's --seed does, and its puzzle
  /// keeps the seed among its comment lines; later compiles draw on from there.
  void SeedNextCompile(std::uint64_t seed) { nextSeed_ = seed; }
  /// Whether compiles hand the screen their steps to draw (the default) or only their outcome, for a
  /// front end that shows no compile in progress.
  void ShowCompileSteps(bool shown) { compileSteps_ = shown; }
  /// The fill choices compiles use; their theme words come from the theme choice.
  void SetFill(const CompileOptions& fill) { fill_ = fill; }
  /// The theme words and title of the compiles and booklets from now on: the usable words of the
  /// typed `words` (read by the rules of the lists' language) once each, at most kThemeWordLimit,
  /// and `title` as plain text. Ignored during a compile.
  void ChooseTheme(std::string_view words, std::string_view title);
  [[nodiscard]] const ThemeChoice& Theme() const { return theme_; }
  /// What the title bar says: the word list in use and how many theme words are set.
  [[nodiscard]] Message WindowTitle() const;
  [[nodiscard]] Mode CurrentMode() const { return mode_; }
  /// Whether a compiled or opened puzzle can be shown, saved and solved.
  [[nodiscard]] bool HasPuzzle() const;
  [[nodiscard]] const Puzzle& CurrentPuzzle() const { return puzzle_; }
  [[nodiscard]] const SolvingState* Solving() const { return solving_ ? &*solving_ : nullptr; }
  [[nodiscard]] const std::string& StartWord() const { return startWord_; }
  /// The Starting Word item chosen last: 0 random, 1 typed.
  [[nodiscard]] int StartChoice() const { return startChoice_; }
  [[nodiscard]] const DictionaryState& Dictionaries() const { return dictionaries_; }

 private:
  template <typename Command>
  Reply Answer(Command command);
  /// The view button's caption and the commands on offer in the current mode, as CurrentView gives them.
  const char* Caption() const;
  Offer Offered() const;
  Compiler& CompilerFor(const std::shared_ptr<const Dictionary>& words);
  /// What a word-list or language choice refused during a compile reports: the list in use, kept.
  LoadReport ListsKept() const;
  bool Unsaved() const;
  bool LettersAtStake() const;
  void EndSolving();
  void ShowEmptyFigure();
  void TakeStep(const LiveEvent& live);
  Reply FinishCompile();
  /// Ends the compile that made no puzzle (stopped or failed): the empty figure, the button idle as Show Solution.
  void EndCompileWithoutPuzzle();
  CompileOptions FillWithTheme(CompileOptions fill) const;
  std::string FileText(bool withTypedLetters) const;
  void ShowSolution();
  void ShowPuzzle();
  void ShowSolving();
  Reply SolvingStep(const std::function<void(SolvingState&)>& step);
  /// Goes back to the latest solving kept in `from`, keeping the solving it leaves in `to`: Undo and Redo.
  Reply StepBack(std::vector<SolvingState>& from, std::vector<SolvingState>& to);
  Reply AfterSolvingChange();
  std::int64_t SolvingMs() const;

  Clock clock_;
  DictionaryState dictionaries_;
  LoadReport startReport_;
  std::unique_ptr<Compiler> compiler_;
  std::unique_ptr<LiveCompile> live_;  // runs on compiler_; declared after it, so it ends first
  CompileOptions fill_;
  bool compileSteps_ = true;
  ThemeChoice theme_;
  std::string startWord_;
  int startChoice_ = 0;
  Mode mode_ = Mode::Idle;
  const char* idleCaption_ = kShowPuzzle;  // what the disabled button says: Show Solution after a failed compile
  SheetView picture_;  // what the picture shows
  Reply reply_;  // what the last command told or asked
  Puzzle puzzle_;  // as last compiled or opened, or as an interrupted compile left it
  std::vector<std::string> comments_;  // the comment lines the puzzle is saved with
  std::optional<SolvingState> solving_;
  std::vector<SolvingState> undone_;  // the solving before each step that can be undone, latest last
  std::vector<SolvingState> redone_;  // the solving before each undo that can be done again, latest last
  std::vector<std::string> savedLetters_;  // the typed lines of the letters last saved or opened
  std::optional<std::uint64_t> nextSeed_;  // the seed of the next compile, when one was given
  std::optional<std::uint64_t> compileSeed_;  // the seed of the running compile, when one was given
  bool solvedTold_ = false;  // "Solved in" was told for the letters as they stand
  std::int64_t solvedMs_ = 0;  // time solved before the clock last started
  std::optional<std::int64_t> clockStart_;  // set while the solving clock runs
};

/// What the user is told of a command that needs the compiler while a compile runs.
inline constexpr Text kStillCompiling = LOOPWORD_TEXT("Messages", "Loopword is still compiling a puzzle.");

}  // namespace loopword
