// Steps the session tests take alike: a session on a fake clock, a compile run to its end, answers typed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "session/session.h"

namespace loopword::testing {

/// A session of the program folder `program` on the clock `clock`; `wordLists` false for a front end that only solves.
inline std::unique_ptr<Session> ClockedSession(const std::string& program, Clock clock, bool wordLists = true) {
  SessionSetup setup;
  setup.clock = std::move(clock);
  setup.wordLists = wordLists;
  return std::make_unique<Session>(program, setup);
}

/// Advances the running compile of `session` to its end; what its last step replied.
inline Reply FinishCompile(Session& session) {
  Reply reply;
  while (session.CurrentView().mode == Mode::Compiling) reply = session.AdvanceCompile();
  return reply;
}

/// Types the word of every square from `first` to `last` into its ring from the first cell; the messages told.
inline std::vector<std::string> TypeAnswers(Session& session, int first, int last) {
  std::vector<std::string> told;
  for (int square = first; square <= last; ++square) {
    session.ClickAt(CellPoint(square, 1));
    const std::string word = session.CurrentView().puzzle->puzzle.board.SquareWord[square];
    for (const char letter : word) {
      const std::string message = EnglishText(session.Type(std::string(1, letter)).Told());
      if (!message.empty()) told.push_back(message);
    }
  }
  return told;
}

}  // namespace loopword::testing
