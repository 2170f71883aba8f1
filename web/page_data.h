// The session's view as the data the web page reads: messages as patterns with values, choices, words and cells.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <vector>

#include "board/geometry.h"
#include "board/message.h"
#include "session/view.h"

namespace loopword {

/// A phrase as data, for the page to translate: the text itself when plain, else {context, pattern, values}.
emscripten::val PhraseData(const Phrase& phrase);
/// A message's lines as data, top to bottom.
emscripten::val MessageData(const Message& message);
/// The commands on offer: {commands, puzzle, solving, check, reveal, viewButton, undo, redo}.
emscripten::val OfferData(const Offer& offer);
/// What pupils may do: {check, reveal, timer}.
emscripten::val RulesData(const PupilRules& rules);
/// The choices: each field, the theme words one a line, what pupils may do, and the whole as the text that keeps them.
emscripten::val ChoicesData(const Choices& choices);
/// The words to find: [{word, clue, found}], a clued word shown by its clue.
emscripten::val WordsData(const std::vector<ListedWord>& words);
/// The figure for screen readers: per square its 8 cells, each {letter, shows} (shows: "empty", "hint", "letter",
/// "wrong", "pencil").
emscripten::val CellsData(const FigureReading& reading);
/// A ring cell as [square, position].
emscripten::val CellData(RingCell cell);
/// The page's name of a mode: "idle", "compiling", "puzzle", "solution", "solving" or "closed".
const char* ModeName(Mode mode);

}  // namespace loopword
