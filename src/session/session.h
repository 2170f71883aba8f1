// The program's state behind any front end: the puzzle, the mode, the choices, solving, its clock and the live compile.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "compiler/compiler.h"
#include "display/sheets.h"
#include "play/solving.h"
#include "puzzle/booklet_maker.h"
#include "puzzle/puzzle_file.h"
#include "session/choices.h"
#include "session/class_set.h"
#include "session/result_code.h"
#include "session/live_compile.h"
#include "session/solving_round.h"
#include "session/view.h"
#include "words/dictionary_state.h"

namespace loopword {

/// The steady clock of the machine.
Clock SteadyClock();

/// What a front end gives its session besides the program's folder.
struct SessionSetup {
  /// Times the solving, and how long a compile has been shown live.
  Clock clock = SteadyClock();
  /// The language of the word lists at start.
  Language language = Language::English;
  /// The words the sheets print in a language; English for a language it gives none for.
  std::function<SheetTexts(Language)> sheetTexts;
  /// Messages and the title name the word list by its file name alone: the folders are the front end's own.
  bool fileNamesOnly = false;
  /// Whether the session reads its word lists: a front end that only solves puzzles made elsewhere keeps the list
  /// chosen among its choices and reads none.
  bool wordLists = true;
};

/// One puzzle of a booklet as it is made: its document, as its puzzle file keeps it (seed and grade included), and
/// its sheets in the lists' language.
struct MadePuzzle {
  PuzzleDocument document;
  PrintedSheets sheets;
};
/// Takes each puzzle of a booklet as it is made; false to end the run (as cancelled).
using BookletSink = std::function<bool(MadePuzzle&& made)>;

/// What a booklet run makes: how many puzzles, whether a word may appear in two of them, whether each puzzle's
/// file keeps its grade, and the seed of the first puzzle (puzzle k is made from seed + k - 1 alone); without a
/// seed they are drawn from the session's random source. With a seed and words allowed in two puzzles, `jobs`
/// puzzles are made at once, each on a thread of its own: the same puzzles, handed on in the same order.
struct BookletOrder {
  BookletRequest request;
  std::optional<std::uint64_t> seed;
  bool grades = false;
  int jobs = 1;
};

/// The theme words every compile and booklet puts into its puzzles, their clues, and the title they carry.
struct ThemeChoice {
  /// Distinct words of 8 capitals, at most kThemeWordLimit; none for the usual fill.
  std::vector<std::string> words;
  /// The clues of some of the words.
  Clues clues;
  /// One line of plain text; "" for none.
  std::string title;
  /// The theme box as the user typed it, lines it cannot use included; "" when the words came otherwise.
  std::string typed;
};

/// How long a compile is shown live, step by step, before it goes on unseen with a note of its progress.
inline constexpr std::chrono::milliseconds kLiveCompileTime{1000};

/// One user's session: the commands of every front end and the view they leave.
class Session {
 public:
  /// Loads the first bundled level of the setup's language found beside `programFolder`; the load's messages
  /// are the first view's reply.
  explicit Session(const std::string& programFolder, SessionSetup setup = {});
  /// Stops a running compile and waits for its worker.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  /// What a front end shows now.
  [[nodiscard]] View CurrentView() const;

  /// Starts a compile with the chosen list, starting word and fill; refused with a message when
  /// the list cannot make a puzzle, asks first when solving would lose letters typed since the last save. A compile
  /// that makes no puzzle, or is stopped before it makes one, leaves the puzzle that was on screen as it was (its
  /// letters, time and steps to undo too); with none on screen, it leaves what it made so far.
  Reply Compile(bool confirmed = false);
  /// Takes steps of the running compile for up to `budget`: while it is shown live, one step a call (each to be
  /// drawn); then as many as the budget allows, unseen. At its end, what the user is told.
  Reply AdvanceCompile(std::chrono::milliseconds budget = std::chrono::milliseconds(50));
  /// The view button: stops a compile (as Compile says what it leaves), or shows the other sheet (asking first while
  /// solving would lose letters).
  Reply PressViewButton(bool confirmed = false);
  /// Opens the first puzzle of the puzzle file text `text`, named `name` in messages: its solution
  /// sheet, or solving where it was saved. A damaged text changes nothing.
  Reply OpenText(const std::string& text, const std::string& name, bool confirmed = false);
  /// The letters on screen were saved: they are no longer at stake.
  Reply MarkSaved();
  /// Starts solving the puzzle on screen.
  Reply StartSolving();
  /// Takes the letters, pencil letters, time and counts that `text` keeps for the puzzle on show (the progress a
  /// front end kept of it), solving it from there; the puzzle's own lines (its title, what pupils may do) stay.
  /// Not done, changing nothing, when `text` is damaged, holds no progress or another puzzle, or when letters typed
  /// since the last save would be lost.
  Reply Resume(const std::string& text);
  /// Check, Reveal letter, a solving key, a click (twips of the picture) and a chosen cell. Check and Reveal letter
  /// are refused where the puzzle's rules turn them off; each Check given before the puzzle is solved and each letter
  /// revealed is counted, and no undo takes a count back but that of Start over. Check's reply says what it found.
  Reply Check();
  Reply Reveal();
  Reply Press(SolvingKey key);
  /// The text one key press typed (UTF-8: "a", "Ä", "ß", "e" with a combining accent), folded as the word lists of the
  /// puzzle's language fold it ("Ä" is AE in German, "é" E in French), its letters typed one after the other as one
  /// step; not done, changing nothing, when it holds anything else (a digit, a sign, a control character).
  Reply Type(std::string_view typed);
  /// A key pressed while solving, by its DOM name as a browser gives it: a character is typed, "." turns the pencil
  /// on or off, SolvingKeyNamed's names are pressed; with `control`, "z" undoes, Shift+"z" or "y" redoes. Not done
  /// for any other key.
  Reply Key(std::string_view key, bool control, bool shift);
  Reply ClickAt(TwipPoint point);
  Reply Select(RingCell cell);
  /// Clears every letter and mark of the puzzle being solved and counts its time, checks and revealed letters from 0
  /// again, as one step that Undo takes back; asks first when letters are typed.
  Reply StartOver(bool confirmed = false);
  /// Takes back the last solving step (a letter typed, revealed or cleared, a Check or a Start over), or does it
  /// again; nothing when there is none.
  Reply Undo();
  Reply Redo();
  /// Stops or starts the solving clock (the window was minimised or the page hidden, or back again).
  Reply PauseClock(bool paused);
  /// Letters typed from now on go in pencil, or again as sure letters; not done unless solving.
  Reply TogglePencil();
  /// Hides the solving clock from view (the solver finds it stressful) or shows it again; it counts all the same.
  Reply HideTimer(bool hidden);
  /// What pupils may do with the puzzle on show and the puzzles made from now on: its files and pages carry it.
  Reply SetPupilRules(const PupilRules& rules);
  /// A random starting word from now on.
  Reply ChooseRandomStartWord();
  /// Takes a typed starting word, read by the rules of the lists' language; the message asks again,
  /// none when accepted or cancelled.
  Reply EnterStartWord(const std::string& answer);
  /// Loads dictionary `level` (kOwnList: the user's file at `userPath`); a failed load keeps the words in use.
  Reply ChooseWordList(int level, const std::string& userPath = {});
  /// Reads the bundled levels and user lists in `language` from now on and loads the chosen list again.
  Reply ChooseLanguage(Language language);
  /// The fill of the next compiles: varied, one solution and the difficulty (its theme words are the theme's).
  Reply SetFill(const CompileOptions& fill);
  /// The theme words and title of the compiles and booklets from now on: the usable words of the typed `words`
  /// (read by the rules of the lists' language) once each with their clues ("WORD = clue" lines), and `title` as
  /// plain text. Entries that cannot be used, clues cut short or dropped are named; more words than a puzzle holds
  /// are refused and change nothing.
  Reply ChooseTheme(std::string_view words, std::string_view title);
  /// What ChooseTheme would say of `words`, changing nothing: for a box that reports while the words are typed.
  /// Not done when they could not be kept.
  [[nodiscard]] Reply CheckTheme(std::string_view words) const;
  /// The next compile draws from `seed` alone, as loopword-compile's --seed does, and its puzzle
  /// keeps the seed among its comment lines; later compiles draw on from there.
  Reply SeedNextCompile(std::uint64_t seed);
  /// Takes every choice of `choices` (the language first); the user's own list stays when one is loaded.
  Reply Restore(const Choices& choices);
  /// Whether compiles hand the screen their steps to draw (the default) or only their outcome.
  Reply ShowCompileSteps(bool shown);
  /// Makes the puzzles of a booklet with the choices in use, each handed to `sink` as it is made; `progress`
  /// is told how many are done and may cancel, as leaving the program does. Refused while a compile runs or
  /// when the list cannot make a puzzle.
  Reply MakeBooklet(const BookletOrder& order, const BookletProgress& progress, const BookletSink& sink);
  /// Makes a class set: `pupils` different puzzles with the choices in use and One solution on, from the seed given
  /// for the next compile or one drawn, each handed to `sink` as it is made; `progress` is told how many are done and
  /// may cancel. Refused when `pupils` is out of range, a compile runs or the list cannot make a puzzle; not done when
  /// cancelled, or when the puzzles cannot be made, which its messages say as for one puzzle. The view holds the set
  /// made while the choices it was made with stay.
  Reply MakeClassSet(int pupils, const BookletProgress& progress, const BookletSink& sink);
  /// Takes the choices of `set` and seeds the next compile with pupil `number`'s seed, so that the compile makes that
  /// pupil's puzzle; a number that is not the set's is refused.
  Reply ChooseClassPuzzle(const ClassSet& set, int number);
  /// Takes `set` as the class set shared before (kept from an earlier visit): shared again, it stays the same while
  /// the choices it was made with stay.
  Reply UseClassSet(const ClassSet& set);
  /// Reads result codes, one a line, into `rows` (ReadResults) against the class set of `pupils` with the choices in
  /// use: the one shared, else the one the next compile's seed starts; made again first where its puzzles are not
  /// here, telling `progress`. Refused without such a set.
  Reply ReadClassResults(int pupils, std::string_view codes, const BookletProgress& progress, std::vector<ResultRow>& rows);
  /// Refused, with what the user is told, when the list in use with the starting word and theme cannot make a
  /// puzzle or a compile runs; done otherwise.
  Reply CheckPuzzlesCanBeMade();
  /// Shows the solution sheet, as printing leaves it, unless a puzzle is being solved or compiled.
  Reply ShowSheetsForPrinting();
  /// Leaves the program, asking first when solving would lose letters typed since the last save; stops a compile.
  Reply Exit(bool confirmed = false);

 private:
  template <typename Command>
  Reply Answer(Command command);
  const char* Caption() const;
  Offer Offered() const;
  Compiler& CompilerFor(const std::shared_ptr<const Dictionary>& words);
  Reply Refusal(Message message) const;
  Reply LoadReply(const LoadReport& report);
  Choices CurrentChoices() const;
  std::optional<PuzzleView> ShownPuzzle() const;
  void PreparePuzzleView();
  bool HasPuzzle() const;
  bool Unsaved() const;
  bool LettersAtStake() const;
  Message WindowTitle() const;
  Message WhyNoPuzzle();
  void EndSolving();
  void ShowEmptyFigure();
  void TakeStep(const LiveEvent& live);
  Reply TakeSteps(std::chrono::milliseconds budget);
  Reply FinishCompile();
  void EndCompileWithoutPuzzle();
  CompileOptions FillWithTheme(CompileOptions fill) const;
  Clues CluesOf(const Puzzle& puzzle) const;
  std::string FileText(bool withProgress) const;
  void UsePuzzle(PuzzleDocument document);
  void ShowSolution();
  void ShowPuzzle();
  void ShowSolving();
  Reply RoundCommand(const std::function<bool(SolvingRound&)>& command);
  void SolveFrom(SolvingState solving, const SolvingProgress& progress);
  bool ClockShown() const;
  void KeepScreen();
  void PutScreenBack();
  std::uint64_t ClassSetSeed(int pupils, Reply& told) const;
  bool ForTheseChoices(const ClassSet& set) const;
  Reply MakeBookletOnThreads(const BookletOrder& order, const BookletProgress& progress, const BookletSink& sink);
  MadePuzzle BookletPuzzle(Puzzle puzzle, const PuzzleDocument& list, std::optional<std::uint64_t> seed, bool graded,
                           const SheetTexts& texts) const;
  std::optional<Puzzle> MakeBookletPuzzle(Compiler& compiler, const CompileOptions& fill, const BookletProgress& goesOn,
                                          int done, int total, Message& failure);

  SessionSetup setup_;
  DictionaryState dictionaries_;
  std::unique_ptr<Compiler> compiler_;
  std::unique_ptr<LiveCompile> live_;  // runs on compiler_; declared after it, so it ends first
  CompileOptions fill_;
  bool compileSteps_ = true;
  std::optional<std::int64_t> compileStart_;  // when the running compile began
  ThemeChoice theme_;
  std::string startWord_;
  Mode mode_ = Mode::Idle;
  const char* idleCaption_ = kShowPuzzle;  // what the disabled button says: Show Solution after a failed compile
  SheetView picture_;  // what the picture shows
  Reply reply_;  // what the last command told or asked
  Puzzle puzzle_;  // as last compiled or opened, or as an interrupted compile left it
  Language puzzleLanguage_ = Language::English;
  SheetTexts sheetTexts_;  // in the puzzle's language
  PuzzleDocument document_;  // what the puzzle is saved with besides puzzle_ and rules_: where it came from, its other lines
  PuzzleView puzzleView_;  // the puzzle's sheets and texts, made when the puzzle comes; its letters added when shown
  std::optional<SolvingRound> round_;  // while a puzzle is being solved
  KeptLetters savedLetters_;  // the letters last saved or opened
  std::optional<std::uint64_t> nextSeed_;  // the seed of the next compile, when one was given
  std::optional<std::uint64_t> compileSeed_;  // the seed of the running compile, when one was given
  // The place in its class set of the puzzle a pupil chose, made by the next compile while the choices stay these.
  std::optional<std::pair<ClassPlace, Choices>> nextClassPuzzle_;
  std::optional<ClassPlace> compileClassPlace_;  // the place of the running compile's puzzle
  std::optional<ClassSet> classSet_;  // the class set last made or kept
  std::vector<Puzzle> classSetPuzzles_;  // its puzzles by the pupils' numbers, once made here
  bool clockPaused_ = false;  // the front end is hidden: the clock waits
  bool timerHidden_ = false;  // the solver hid the clock
  PupilRules rules_;  // what pupils may do with the puzzle on show and those made from now on
  struct Screen;
  std::unique_ptr<Screen> beforeCompile_;  // what was on screen when the running compile began
};

/// What the user is told of a command that needs the compiler while a compile runs.
inline constexpr Text kStillCompiling = LOOPWORD_TEXT("Messages", "Loopword is still compiling a puzzle.");

}  // namespace loopword
