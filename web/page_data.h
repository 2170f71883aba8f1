// The session's view and replies as the data the web page reads: what it shows, what is on offer, the choices, what
// a command said and what the browser keeps.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>

#include "page_render.h"
#include "puzzle/booklet_maker.h"
#include "session/first_puzzle.h"
#include "session/learning_platform.h"
#include "session/view.h"

namespace loopword {

/// The commands on offer: {commands, puzzle, solving, check, reveal, viewButton, undo, redo}.
emscripten::val OfferData(const Offer& offer);
/// The choices: {fields: each by the id of the page's field that shows it (the theme box showing `themeText`), kept:
/// the text that keeps them}.
emscripten::val ChoicesData(const Choices& choices, const std::string& themeText);
/// The page's name of a message's kind: "status", "warning" or "error".
const char* KindName(MessageKind kind);
/// What the browser is to keep: entry name → its text, or nullopt to drop it.
using KeptChanges = std::map<std::string, std::optional<std::string>>;

/// What the page shows of `shown`, its texts in `language`: the figure, the words, the texts by element id (with the
/// note under the links, `linkNote`), what is hidden (what `first` says of the visit: the chooser of a class link, the
/// Make face on a pupil's page), pressed and on offer, the choices, the clock, the puzzle and the result card.
emscripten::val ViewData(const View& shown, const PageLanguage& language, const Message& linkNote, const FirstPuzzle& first);
/// What a command answers the page: {done, kind: the gravest message's kind, message, question, keep: the entries the
/// browser is to keep (null drops one), forget: whether it drops all of them first, chooser: the class link's number
/// field {max, value}, on a class link}.
emscripten::val AnswerData(const Reply& reply, const PageLanguage& language, const KeptChanges& keep, bool forget,
                           const std::optional<ClassChooser>& chooser);
/// What the page tells a learning platform: {set: the values changed by the command, leaving: the values to set as
/// the learner leaves}, each [element, value].
emscripten::val PlatformData(const std::vector<PlatformValue>& set, const std::vector<PlatformValue>& leaving);
/// The entries of `object` (name → text), as the page hands over what the browser keeps.
std::map<std::string, std::string> Entries(const emscripten::val& object);
/// The page's name of a mode: "idle", "compiling", "puzzle", "solution", "solving" or "closed".
const char* ModeName(Mode mode);

/// What a run the page waits for answers: {done, text}.
emscripten::val RunData(const Reply& run, const PageLanguage& language);
/// A run's progress for `progress`, a function of the page: the lines saying how far it got, done and total.
BookletProgress ProgressTold(const emscripten::val& progress, const PageLanguage& language);
/// The pupil link to the puzzle file `sheetFile` for the page at `address`: the puzzle packed after its "#".
std::string PupilLinkTo(const std::string& address, const std::string& sheetFile);

}  // namespace loopword
