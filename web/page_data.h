// The session's replies, messages, cells and pictures as the data the web page reads.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "board/geometry.h"
#include "board/message.h"
#include "display/sheet_view.h"
#include "session/view.h"

namespace loopword {

/// A phrase as data, for the page to translate: the text itself when plain, else {context, pattern, values}.
emscripten::val PhraseData(const Phrase& phrase);
/// A message's lines as data, top to bottom.
emscripten::val MessageData(const Message& message);
/// A reply as the page reads it: its message and question as data, and whether to redraw.
emscripten::val ReplyObject(const Reply& reply);
/// The messages of a word list's load as one reply, a line after another.
emscripten::val MessagesObject(const std::vector<Message>& messages);
/// `phrase` with the plain value `path` named by its file name alone: the page's folders are its own.
Phrase WithFileName(const Phrase& phrase, const std::string& path);
/// `sheet` drawn as an SVG document labelled `label`.
std::string SheetDocument(const SheetView& sheet, const std::string& label);
/// The page's name of a mode: "idle", "compiling", "puzzle", "solution", "solving" or "closed".
const char* ModeName(Mode mode);
/// `cells` as [square, position] pairs.
emscripten::val CellList(const std::vector<RingCell>& cells);

}  // namespace loopword
