// The session's replies, messages, cells and pictures as the data the web page reads.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_data.h"

#include <filesystem>

#include "display/sheets.h"
#include "display/svg_canvas.h"

namespace loopword {

using emscripten::val;

val PhraseData(const Phrase& phrase) {
  if (phrase.IsPlain()) return val(phrase.Plain());
  val values = val::array();
  for (const Phrase& value : phrase.Values()) values.call<void>("push", PhraseData(value));
  val data = val::object();
  data.set("context", std::string(phrase.Pattern().context));
  data.set("pattern", std::string(phrase.Pattern().source));
  data.set("values", values);
  return data;
}

val MessageData(const Message& message) {
  val lines = val::array();
  for (const Phrase& line : message.Lines()) lines.call<void>("push", PhraseData(line));
  return lines;
}

val ReplyObject(const Reply& reply) {
  val object = val::object();
  object.set("messageLines", MessageData(reply.message));
  object.set("questionLines", MessageData(reply.question));
  object.set("redraw", reply.redraw);
  return object;
}

val MessagesObject(const std::vector<Message>& messages) {
  Message all;
  for (const Message& message : messages) all.Append(message);
  return ReplyObject({all, {}, false});
}

Phrase WithFileName(const Phrase& phrase, const std::string& path) {
  if (phrase.IsPlain()) return phrase.Plain() == path ? Phrase(std::filesystem::path(path).filename().string()) : phrase;
  std::vector<Phrase> values;
  for (const Phrase& value : phrase.Values()) values.push_back(WithFileName(value, path));
  return Phrase(phrase.Pattern(), values);
}

std::string SheetDocument(const SheetView& sheet, const std::string& label) {
  SvgCanvas canvas(kSheetWidth, kSheetHeight);
  Picture picture(canvas);
  DrawSheetView(picture, sheet);
  return canvas.Document(label);
}

const char* ModeName(Mode mode) {
  switch (mode) {
    case Mode::Idle: return "idle";
    case Mode::Compiling: return "compiling";
    case Mode::ShowingPuzzle: return "puzzle";
    case Mode::ShowingSolution: return "solution";
    case Mode::Solving: return "solving";
    case Mode::Closed: break;
  }
  return "closed";
}

val CellList(const std::vector<RingCell>& cells) {
  val list = val::array();
  for (const RingCell& cell : cells) {
    val pair = val::array();
    pair.call<void>("push", cell.square);
    pair.call<void>("push", cell.position);
    list.call<void>("push", pair);
  }
  return list;
}

}  // namespace loopword
