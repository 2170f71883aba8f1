// The program's state behind any front end: the puzzle, the mode, the choices, solving and the live compile.
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
#include "display/picture.h"
#include "play/solving.h"
#include "puzzle/booklet_maker.h"
#include "session/live_compile.h"
#include "words/dictionary_state.h"

namespace loopword {

/// What the session is doing, which decides what the view button offers.
enum class Mode {
  Idle,             ///< no puzzle to show: the button cannot be pressed
  Compiling,        ///< a compile is drawn step by step: the button stops it
  ShowingPuzzle,    ///< the puzzle sheet is on show
  ShowingSolution,  ///< the solution sheet is on show
  Solving,          ///< the puzzle is being solved on screen
  Closed,           ///< the user left the program
};

/// Captions of the view button, which name what its next press shows.
inline constexpr const char* kShowPuzzle = LOOPWORD_TEXT("Messages", "Show Puzzle").source;
inline constexpr const char* kShowSolution = LOOPWORD_TEXT("Messages", "Show Solution").source;
inline constexpr const char* kStop = LOOPWORD_TEXT("Messages", "Stop").source;

/// What a command did: the message to show, or the question to ask before it can go on (asked, the
/// command is given again confirmed), and whether the picture changed.
struct Reply {
  Message message;
  Message question;
  bool redraw = false;
};

/// Which commands a front end offers now; all off while a compile or a booklet run goes on.
struct Offer {
  bool commands = false;  ///< compile, open, print, the exports, the booklet and the word-list and starting-word choices
  bool puzzle = false;    ///< save and solve on screen, which need a puzzle
  bool solving = false;   ///< check and reveal letter, which need a puzzle being solved
  bool viewButton = false;
};

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

/// One user's session: the commands of every front end, drawn on `picture`.
class Session {
 public:
  /// Loads the first bundled level of `language` found beside `programFolder`; `clock` times the solving.
  Session(const std::string& programFolder, Picture& picture, Clock clock, Language language = Language::English);
  ~Session();

  /// What the start-up load said: its messages are for the user.
  [[nodiscard]] const LoadReport& StartReport() const { return startReport_; }

  /// What the user is told when the list in use, with the starting word, cannot make a puzzle; nothing when it can.
  Message WhyNoPuzzle();
  /// Starts a compile with the chosen list, starting word and fill; refused with a message when
  /// the list cannot make a puzzle, asks first when solving would lose typed letters.
  Reply Compile(bool confirmed = false);
  /// Draws the next step of the running compile; at its end, what the user is told.
  Reply AdvanceCompile();
  /// The view button: stops a compile, or shows the other sheet (asking first while solving).
  Reply PressViewButton(bool confirmed = false);
  /// Opens the puzzle file at `path`: its solution sheet, or solving where it was saved.
  Reply Open(const std::string& path, bool confirmed = false);
  /// Saves the puzzle with its comment lines and the letters typed so far to `path`.
  Reply Save(const std::string& path) const;
  /// Writes a copy of the web page at `pagePath` to `path` that opens the puzzle ready to solve,
  /// without the letters typed here.
  Reply ExportWebPage(const std::string& pagePath, const std::string& path) const;
  /// Starts solving the puzzle on screen.
  Reply StartSolving();
  /// Check, Reveal letter, a solving key, a typed character and a click (twips of the picture).
  Reply Check();
  Reply Reveal();
  Reply Press(SolvingKey key);
  Reply Type(char letter);
  Reply ClickAt(TwipPoint point);
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
  /// Leaves the program, asking first when solving would lose typed letters; stops a compile.
  Reply Exit(bool confirmed = false);
  /// Makes the puzzles of a booklet with the starting word and theme in use and `fill`; `progress` is told how many
  /// are done and may cancel, as leaving the program does.
  BookletOutcome MakeBooklet(const BookletRequest& request, const CompileOptions& fill, const BookletProgress& progress);
  /// Shows the puzzle sheet, then the solution sheet, unless a puzzle is being solved.
  void ShowSheetsForPrinting();

  /// The next compile draws from `seed` alone, as loopword-compile's --seed does, and its puzzle
  /// keeps the seed among its comment lines; later compiles draw on from there.
  void SeedNextCompile(std::uint64_t seed) { nextSeed_ = seed; }
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
  [[nodiscard]] const char* Caption() const;
  /// The commands on offer in the current mode.
  [[nodiscard]] Offer Offered() const;
  /// Whether a compiled or opened puzzle can be shown, saved and solved.
  [[nodiscard]] bool HasPuzzle() const;
  [[nodiscard]] const Puzzle& CurrentPuzzle() const { return puzzle_; }
  [[nodiscard]] const SolvingState* Solving() const { return solving_ ? &*solving_ : nullptr; }
  [[nodiscard]] const std::string& StartWord() const { return startWord_; }
  /// The Starting Word item chosen last: 0 random, 1 typed.
  [[nodiscard]] int StartChoice() const { return startChoice_; }
  [[nodiscard]] const DictionaryState& Dictionaries() const { return dictionaries_; }

 private:
  Compiler& CompilerFor(const std::shared_ptr<const Dictionary>& words);
  bool LettersAtStake() const;
  void EndSolving();
  void ShowEmptyFigure();
  void DrawStep(const LiveEvent& live);
  Reply FinishCompile();
  CompileOptions FillWithTheme(CompileOptions fill) const;
  /// The puzzle as its file holds it: the comment lines and, when asked and solving, the typed letters.
  std::string PuzzleFileText(bool withTypedLetters) const;
  void ShowSolution();
  void ShowPuzzle();
  void ShowSolving();
  Reply AfterSolvingChange();
  std::int64_t SolvingMs() const;

  Picture& picture_;
  Clock clock_;
  DictionaryState dictionaries_;
  LoadReport startReport_;
  std::unique_ptr<Compiler> compiler_;
  std::unique_ptr<LiveCompile> live_;
  CompileOptions fill_;
  ThemeChoice theme_;
  std::string startWord_;
  int startChoice_ = 0;
  Mode mode_ = Mode::Idle;
  const char* idleCaption_ = kShowPuzzle;  // what the disabled button says: Show Solution after a failed compile
  Puzzle puzzle_;  // as last compiled or opened, or as an interrupted compile left it
  std::vector<std::string> comments_;  // the comment lines the puzzle is saved with
  std::optional<SolvingState> solving_;
  std::optional<std::uint64_t> nextSeed_;  // the seed of the next compile, when one was given
  std::optional<std::uint64_t> compileSeed_;  // the seed of the running compile, when one was given
  bool solvedTold_ = false;  // "Solved in" was told for the letters as they stand
  std::int64_t solvedMs_ = 0;  // time solved before the clock last started
  std::optional<std::int64_t> clockStart_;  // set while the solving clock runs
};

/// What the user is told when a file could not be saved to `path`: `heading` ("Loopword could not
/// save the puzzle to:"), the path and why, a line each.
Message SaveFailureMessage(Text heading, const std::string& path, const Message& reason);

}  // namespace loopword
