// The session's view as the data the web page reads: what is on offer and the choices.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <string>

#include "session/view.h"

namespace loopword {

/// The commands on offer: {commands, puzzle, solving, check, reveal, viewButton, undo, redo}.
emscripten::val OfferData(const Offer& offer);
/// The choices: {fields: each by the id of the page's field that shows it, kept: the text that keeps them}.
emscripten::val ChoicesData(const Choices& choices);
/// The choices as the browser keeps them for the next visit: all but the next compile's seed.
std::string KeptChoices(const Choices& choices);
/// The page's name of a mode: "idle", "compiling", "puzzle", "solution", "solving" or "closed".
const char* ModeName(Mode mode);

}  // namespace loopword
