// What every front end shows after a command: the picture, the view button, the commands on offer, the choices, the
// words to find, the clock, the puzzle's texts and what to tell the user; a front end reads nothing else.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "board/message.h"
#include "display/sheet_view.h"
#include "session/choices.h"
#include "session/class_set.h"
#include "session/result_card.h"

namespace loopword {

/// What the session is doing, which decides what the view button offers.
enum class Mode {
  Idle,             ///< no puzzle to show: the button cannot be pressed
  Compiling,        ///< a compile runs, its steps shown unless the front end asked for none: the button stops it
  ShowingPuzzle,    ///< the puzzle sheet is on show
  ShowingSolution,  ///< the solution sheet is on show
  Solving,          ///< the puzzle is being solved on screen
  Closed,           ///< the user left the program
};

/// Captions of the view button, which name what its next press shows.
inline constexpr const char* kShowPuzzle = LOOPWORD_TEXT("Messages", "Show Puzzle").source;
inline constexpr const char* kShowSolution = LOOPWORD_TEXT("Messages", "Show Solution").source;
inline constexpr const char* kStop = LOOPWORD_TEXT("Messages", "Stop").source;

/// What a command changed, so that a front end need not compare views.
struct Changes {
  bool picture = false;  ///< the picture (and what goes with it: the words to find, the reading)
  bool choices = false;  ///< the choices: the word list, its language, the fill, the start word, the theme
  bool mode = false;     ///< the mode: a compile began or ended, the other sheet or solving is on show
  /// What a front end keeps of the puzzle being solved (its puzzle file text with the letters, pencil, time and counts,
  /// and the selected cell): solving began, went on a step, its clock stopped or started, or solving ended.
  bool progress = false;

  friend bool operator==(const Changes&, const Changes&) = default;
};

/// How a message of a reply is meant: what was done or found, a note that something was dropped or left out, or why
/// a command was refused or failed.
enum class MessageKind { Status, Warning, Error };

/// One message of a reply, with its kind.
struct Said : Message {
  MessageKind kind = MessageKind::Status;
  /// A plain message is a status.
  Said(Message message, MessageKind kind = MessageKind::Status) : Message(std::move(message)), kind(kind) {}
  friend bool operator==(const Said&, const Said&) = default;
};

/// What every command answers: what it changed, whether it did what was asked, what to tell the user (each message
/// a box of its own, in order, with its kind) and the question to ask before it can go on (asked, the command is given
/// again confirmed).
struct Reply {
  Changes changed;
  /// False when the command was refused, failed or was cancelled: its messages say why.
  bool done = true;
  std::vector<Said> messages;
  Message question;
  /// What the system said of a failure (why a file could not be read), for a front end that shows it as it stands.
  std::string cause;

  /// All the messages, one after the other: the text of a front end that shows them in one place.
  [[nodiscard]] Message Told() const;
  /// The gravest kind among the messages: Status for none.
  [[nodiscard]] MessageKind Gravest() const;
  friend bool operator==(const Reply&, const Reply&) = default;
};

/// Which commands a front end offers now: while a compile runs, only the view button (Stop).
struct Offer {
  bool commands = false;  ///< compile, open, print, the exports, the booklet and the word-list and starting-word choices
  bool puzzle = false;    ///< save and solve on screen, which need a puzzle
  bool solving = false;   ///< the commands that need a puzzle being solved: start over, pencil
  bool check = false;     ///< check, while solving a puzzle whose rules allow it
  bool reveal = false;    ///< reveal letter, while solving a puzzle whose rules allow it
  bool viewButton = false;
  bool undo = false;      ///< a solving step can be undone
  bool redo = false;      ///< an undone solving step can be done again

  friend bool operator==(const Offer&, const Offer&) = default;
};

/// How a cell came by what it shows.
enum class CellShows {
  Empty,   ///< no letter
  Hint,    ///< a letter the puzzle sheet gives (square 12's word and the hint cells)
  Letter,  ///< a letter of the solution sheet, or one typed while solving
  Wrong,   ///< a typed letter Check found wrong
  Pencil,  ///< a letter typed in pencil: a guess
};

/// One ring cell as a screen reader reads it.
struct CellReading {
  char letter = ' ';
  CellShows shows = CellShows::Empty;
  friend bool operator==(const CellReading&, const CellReading&) = default;
};

/// One word of the sheet's list, the clue it is listed by ("" for none), and whether the solver has found it (some
/// ring reads it).
struct ListedWord {
  std::string word;
  std::string clue;
  bool found = false;
  /// What the list shows for it: its clue, or the word itself.
  [[nodiscard]] const std::string& Shown() const { return clue.empty() ? word : clue; }
  friend bool operator==(const ListedWord&, const ListedWord&) = default;
};

/// The figure as a reader takes it in: which sheet it is part of (or the figure being filled), every ring cell of the
/// 23 squares (a shared cell read from both of its squares), the selected cell while solving and the words to find.
struct FigureReading {
  Sheet sheet = Sheet::Figure;
  bool filling = false;
  SquareArray<RingArray<CellReading>> cells{};
  std::optional<RingCell> current;
  std::vector<ListedWord> words;
  friend bool operator==(const FigureReading&, const FigureReading&) = default;
};

/// The time spent solving: what the clock shows, whether it goes on counting from there, and whether it is on show
/// (the solver may hide it, the puzzle's rules may turn it off).
struct SolvingClock {
  std::int64_t elapsedMs = 0;
  bool running = false;
  bool shown = true;
  /// The solver chose to hide it.
  bool hidden = false;
  /// What it shows: "m:ss".
  std::string text = "0:00";
  friend bool operator==(const SolvingClock&, const SolvingClock&) = default;
};

/// How the puzzle being solved has been helped along: the checks given and the letters revealed.
struct SolvingCounts {
  int checks = 0;
  int revealed = 0;
  friend bool operator==(const SolvingCounts&, const SolvingCounts&) = default;
};

/// The puzzle as last compiled or opened (or as a stopped compile left it, or empty before any), for printing,
/// exporting, saving and keeping progress; the view's offer says whether it is a whole puzzle to save and solve.
struct PuzzleView {
  Puzzle puzzle;
  Language language = Language::English;
  /// Both sheets as they print, in the puzzle's language.
  PrintedSheets sheets;
  /// The puzzle file text with the letters typed and the time spent, as saving writes it.
  std::string file;
  /// The puzzle file text without them: what a pupil is given.
  std::string sheetFile;
  /// The puzzle's placement lines joined by "|": the same for one puzzle whatever its comments and letters.
  std::string key;
  /// The puzzle's place in the class set it was made for; none for a puzzle of no class set.
  std::optional<ClassPlace> classPlace;
};

/// Everything a front end shows after a command; drawing `picture` gives the picture.
struct View {
  Mode mode = Mode::Idle;
  SheetView picture;
  /// The view button's caption (kShowPuzzle, kShowSolution or kStop) and the commands on offer.
  const char* caption = kShowPuzzle;
  Offer offer;
  /// The title bar: the word list in use and how many theme words are set.
  Message windowTitle;
  /// Whether the letters on screen are not those last saved or opened; the title bar marks it with a "*".
  bool unsaved = false;
  /// What the last command told or asked.
  Reply reply;
  /// The choices the next compile makes its puzzle with.
  Choices choices;
  /// The puzzle's list as its sheet gives it (the words in alphabetical order, then the clued ones by their clues),
  /// found or not; none without a puzzle.
  std::vector<ListedWord> words;
  /// Whether the puzzle being solved is solved: every cell filled and the rings reading different listed words.
  bool solved = false;
  /// While it is solved: what the solver shows their teacher.
  std::optional<ResultCard> result;
  SolvingClock clock;
  SolvingCounts counts;
  /// Whether letters are typed in pencil.
  bool pencil = false;
  /// What the puzzle on show lets pupils do, and the line that says what is turned off (nothing when all is allowed).
  PupilRules rules;
  Message rulesNote;
  /// The figure for screen readers, read from the picture.
  FigureReading reading;
  /// The puzzle as last compiled or opened; none while a compile runs.
  std::optional<PuzzleView> puzzle;
  /// While a compile runs unseen: how far it has got.
  Message progress;
  /// The class set last made, while the choices it was made with are the choices in use.
  std::optional<ClassSet> classSet;
};

/// What Check found in `picture`, as its reply tells: every letter right, or how many are wrong.
Message CheckReport(const SheetView& picture);

/// What the figure of `picture` shows, cell by cell: the puzzle sheet's given letters, the solution's letters, the
/// solving grid with its selected cell, or nothing on the figure alone (being filled while `mode` is Compiling);
/// with the words to find.
FigureReading ReadFigure(const SheetView& picture, Mode mode, std::vector<ListedWord> words);
/// What a screen reader says of ring cell `cell` showing `reading`: "Square 5, cell 3: hint A".
Message CellSaid(RingCell cell, const CellReading& reading);
/// What a screen reader says of a word of the list: the word or its clue, "(found)" after it once found.
Message WordSaid(const ListedWord& word);

}  // namespace loopword
