// What every front end shows after a command: the picture, the view button, the commands on offer, the title and what to tell the user.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "board/message.h"
#include "display/sheet_view.h"

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

/// What a command did: the message to show, or the question to ask before it can go on (asked, the
/// command is given again confirmed), and whether the picture changed.
struct Reply {
  Message message;
  Message question;
  bool redraw = false;
};

/// Which commands a front end offers now: while a compile runs, only the view button (Stop).
struct Offer {
  bool commands = false;  ///< compile, open, print, the exports, the booklet and the word-list and starting-word choices
  bool puzzle = false;    ///< save and solve on screen, which need a puzzle
  bool solving = false;   ///< check and reveal letter, which need a puzzle being solved
  bool viewButton = false;
  bool undo = false;      ///< a solving step can be undone
  bool redo = false;      ///< an undone solving step can be done again
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
  /// What the last command that answers with a Reply told or asked.
  Reply reply;
};

}  // namespace loopword
