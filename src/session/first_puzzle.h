// The first puzzle a front end shows: the one a link or a saved page gives, the address's seed makes, the one solved
// last or a new one, or a class link's chooser; with the letters, time and cell kept for it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "board/message.h"
#include "session/kept_entries.h"
#include "session/session.h"

namespace loopword {

/// Where a visit begins: the address's choices (after its "?"), the puzzle file text after its "#" (percent-encoded)
/// and the puzzle a saved page carries (in base 64); each "" for none.
struct StartAddress {
  std::string query{};
  std::string link{};
  std::string carried{};
  /// Which of the puzzles a saved page carries opens: 1 for the first (a learning platform's learner's, of a class set).
  int number = 1;
  /// Whether a learning platform started the page for a learner: their page, as a pupil's, the platform keeping it.
  bool platform = false;
  /// A puzzle file made beforehand for a visitor with no puzzle of their own yet: opened instead of making one.
  std::string ready{};
};

/// A class link's chooser of the pupil's number: the set's size, the number chosen before ("" for none) and whether it
/// is on show (until the puzzle of the number chosen is, and again when the pupil asks to change it).
struct ClassChooser {
  int pupils = 0;
  std::string chosen;
  bool shown = true;
  friend bool operator==(const ClassChooser&, const ClassChooser&) = default;
};

/// What the address of a visit was: the user's own page, a class link, a pupil link or a learning platform's learner
/// (whose page is the pupil's: it keeps nothing as the user's own choices or puzzle), or a link that cannot be used.
enum class Visit { Own, ClassLink, PupilLink, PlatformLearner, DamagedLink };

/// Starts the compile of a first puzzle through the session's commands (Session::Compile, its steps unseen).
using FirstCompile = std::function<Reply(Session&)>;

/// Brings a session to its first puzzle through its commands, resuming what `kept` keeps. A compile it needs runs as
/// the front end runs every compile: once it has ended, AfterCompile goes on from there. A front end that cannot make
/// puzzles (the page before its making part has come) gives no compile: where one is needed, NeedsMaking() says so
/// and the front end starts again, from what is kept, with one that can.
class FirstPuzzle {
 public:
  /// `named` gives the name a puzzle is called by in messages, in the user's language; `compile` starts a compile
  /// (none where this front end cannot make puzzles).
  FirstPuzzle(Session& session, KeptEntries& kept, std::function<std::string(const Text&)> named,
              FirstCompile compile = [](Session& session) { return session.Compile(false); });

  /// Takes the kept choices and the address's over them, whether the timer is hidden, then on a class link the chooser
  /// (and the puzzle of the number chosen there before), else the first puzzle, solving it where it was left. What it
  /// says is the reply, once Waiting() is false.
  Reply Start(const StartAddress& address);
  /// Opens the puzzle of pupil `number` of the class link started with, ready to solve, with the letters typed into it
  /// before; a number that is not the set's is refused.
  Reply OpenNumber(int number);
  /// Opens the puzzle file `text`, named `name`, resuming the progress kept for it.
  Reply Open(const std::string& name, const std::string& text, bool confirmed);

  /// Whether it waits for the compile it started to end.
  [[nodiscard]] bool Waiting() const { return next_ != Next::Nothing && !NeedsMaking(); }
  /// Whether the first puzzle needs a compile this front end cannot make.
  [[nodiscard]] bool NeedsMaking() const { return next_ != Next::Nothing && !compile_; }
  /// Goes on once the compile has ended: what it says, all of it once Waiting() is false.
  Reply AfterCompile();
  /// The chooser of a class link; none on another address.
  [[nodiscard]] const std::optional<ClassChooser>& Chooser() const { return chooser_; }
  /// Shows the chooser again, for a pupil who chose another's number.
  void ShowChooser();
  [[nodiscard]] Visit VisitKind() const { return visit_; }

 private:
  /// What follows the compile it waits for.
  enum class Next { Nothing, SeededPuzzle, NewPuzzle, PupilsPuzzle };

  void Restore(const std::string& kept, const std::string& query);
  Reply OpenGiven(const StartAddress& address);
  Reply RefuseLink();
  std::optional<std::string> GivenPuzzle(const StartAddress& address);
  Reply OpenLastOrNew();
  bool OpenMade(const Text& name);
  bool OpenWithProgress(const std::string& name, const std::string& text, bool confirmed, bool told);
  Reply SolveFirst();
  Reply CompileThen(Next next);
  Reply Told();
  void Say(const Reply& reply);
  void Warn(const Message& message);

  Session& session_;
  KeptEntries& kept_;
  std::function<std::string(const Text&)> named_;
  FirstCompile compile_;
  std::string ready_;  // the ready-made puzzle of the address
  std::string query_;  // the address's choices, which name the class set of a class link
  std::optional<ClassChooser> chooser_;
  Reply told_;  // what the start says so far
  Next next_ = Next::Nothing;
  Visit visit_ = Visit::Own;
};

}  // namespace loopword
