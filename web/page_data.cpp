// The session's view and replies as the data the web page reads.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_data.h"

#include <initializer_list>
#include <utility>

#include "display/svg_canvas.h"
#include "page_render.h"
#include "puzzle/puzzle_link.h"
#include "session/kept_entries.h"
#include "words/theme_words.h"

namespace loopword {

using emscripten::val;

namespace {

/// `texts` as an object: element id → text.
val Texts(std::initializer_list<std::pair<const char*, std::string>> texts) {
  val object = val::object();
  for (const auto& [id, text] : texts) object.set(id, text);
  return object;
}

/// `flags` as an object: element id → whether it is so.
val Flags(std::initializer_list<std::pair<const char*, bool>> flags) {
  val object = val::object();
  for (const auto& [id, on] : flags) object.set(id, on);
  return object;
}

/// The on-screen keyboard's layout for letters of `language`: the one its keyboards have.
const char* KeyboardLayout(Language language) {
  switch (language) {
    case Language::German: return "qwertz";
    case Language::French: return "azerty";
    default: return "qwerty";
  }
}

}  // namespace

/// The entries of `object` (name → text), as the page hands over what the browser keeps.
std::map<std::string, std::string> Entries(const val& object) {
  std::map<std::string, std::string> entries;
  for (const auto& name : emscripten::vecFromJSArray<std::string>(val::global("Object").call<val>("keys", object))) {
    if (object[name].isString()) entries[name] = object[name].as<std::string>();
  }
  return entries;
}


val ViewData(const View& shown, const PageLanguage& language, const Message& linkNote, const FirstPuzzle& first) {
  const bool own = first.VisitKind() == Visit::Own;
  const std::optional<ClassChooser>& chooser = first.Chooser();
  const bool chooserShown = chooser && chooser->shown;
  const std::optional<ClassPlace> place = shown.puzzle ? shown.puzzle->classPlace : std::nullopt;
  // A pupil's page is headed by the puzzle's title, not by the word list it came from.
  const std::string title = own ? language.Rendered(shown.windowTitle) : shown.puzzle ? shown.puzzle->puzzle.title : "";
  val view = val::object();
  view.set("mode", std::string(ModeName(shown.mode)));
  view.set("figure", FigureMarkup(SheetSvg(shown.picture, "", SvgSurface::Screen), shown.reading, language));
  view.set("cursorCell", CursorCellId(shown.reading));
  view.set("offer", OfferData(shown.offer));
  view.set("texts", Texts({{"view-button", language.Translated("Messages", shown.caption)},
                           {"title", title},
                           {"class-place", place && !chooserShown ? language.Rendered(PlaceLine(*place)) : ""},
                           {"rules-note", language.Rendered(shown.rulesNote)},
                           {"link-note", language.Rendered(linkNote)},
                           {"timer", shown.clock.text}}));
  view.set("hidden", Flags({{"check", !shown.rules.check}, {"key-check", !shown.rules.check},
                            {"reveal", !shown.rules.reveal}, {"hide-timer", !shown.rules.timer},
                            {"timer", !shown.clock.shown}, {"chooser", !chooserShown},
                            {"not-your-number", !chooser || chooserShown}, {"face-make", !own},
                            {"make-own", own || first.VisitKind() == Visit::PlatformLearner},
                            {"result-card", !shown.result}}));
  view.set("pressed", Flags({{"pencil", shown.pencil}, {"key-pencil", shown.pencil}, {"hide-timer", shown.clock.hidden}}));
  view.set("unsaved", shown.unsaved);
  view.set("choices", ChoicesData(shown.choices, shown.themeText));
  view.set("card", shown.result ? CardMarkup(*shown.result, language) : "");
  view.set("words", WordsMarkup(shown.words, language));
  view.set("solved", shown.solved);
  view.set("clockRunning", shown.clock.running);
  if (shown.puzzle) {  // also a stopped compile's, to print
    val puzzle = val::object();
    puzzle.set("sheetFile", shown.puzzle->sheetFile);
    puzzle.set("key", shown.puzzle->key);
    view.set("puzzle", puzzle);
    view.set("keyboard", std::string(KeyboardLayout(shown.puzzle->language)));
  }
  view.set("progress", language.Rendered(shown.progress));
  return view;
}

val AnswerData(const Reply& reply, const PageLanguage& language, const KeptChanges& keep, bool forget,
               const std::optional<ClassChooser>& chooser) {
  val answer = val::object();
  answer.set("done", reply.done);
  answer.set("kind", std::string(KindName(reply.Gravest())));
  answer.set("message", language.Rendered(reply.Told()));
  answer.set("question", language.Rendered(reply.question));
  val changes = val::object();
  for (const auto& [name, value] : keep) changes.set(name, value ? val(*value) : val::null());
  answer.set("keep", changes);
  answer.set("forget", forget);
  if (chooser) {
    answer.set("chooser", Texts({{"max", chooser->pupils > 0 ? std::to_string(chooser->pupils) : ""},
                                 {"value", chooser->chosen}}));
  }
  return answer;
}


val PlatformData(const std::vector<PlatformValue>& set, const std::vector<PlatformValue>& leaving) {
  const auto pairs = [](const std::vector<PlatformValue>& values) {
    val list = val::array();
    for (const auto& [element, value] : values) list.call<void>("push", val::array(std::vector<std::string>{element, value}));
    return list;
  };
  val data = val::object();
  data.set("set", pairs(set));
  data.set("leaving", pairs(leaving));
  return data;
}

val OfferData(const Offer& offer) {
  val data = val::object();
  data.set("commands", offer.commands);
  data.set("puzzle", offer.puzzle);
  data.set("solving", offer.solving);
  data.set("check", offer.check);
  data.set("reveal", offer.reveal);
  data.set("viewButton", offer.viewButton);
  data.set("undo", offer.undo);
  data.set("redo", offer.redo);
  return data;
}

val ChoicesData(const Choices& choices, const std::string& themeText) {
  val fields = val::object();  // by the id of the page's field that shows each
  fields.set("language", std::string(LanguageCode(choices.language)));
  fields.set("level", std::to_string(choices.level));
  fields.set("difficulty", std::string(DifficultyName(choices.difficulty)));
  fields.set("varied", choices.varied);
  fields.set("unique", choices.unique);
  fields.set("start-word", choices.startWord);
  fields.set("start-typed", !choices.startWord.empty());
  fields.set("start-random", choices.startWord.empty());
  fields.set("theme-words", themeText);
  fields.set("theme-title", choices.title);
  fields.set("allow-check", choices.pupils.check);
  fields.set("allow-reveal", choices.pupils.reveal);
  fields.set("allow-timer", choices.pupils.timer);
  val data = val::object();
  data.set("fields", fields);
  data.set("kept", KeptChoices(choices));
  return data;
}

const char* KindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Status: return "status";
    case MessageKind::Warning: return "warning";
    case MessageKind::Error: break;
  }
  return "error";
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

val RunData(const Reply& run, const PageLanguage& language) {
  val result = val::object();
  result.set("done", run.done);
  result.set("text", language.Rendered(run.Told()));
  return result;
}

BookletProgress ProgressTold(const val& progress, const PageLanguage& language) {
  return [&language, progress](int done, int total) {
    progress(language.Rendered(Message(texts::kPuzzlesMade, {done, total})), done, total);
    return true;
  };
}

std::string PupilLinkTo(const std::string& address, const std::string& sheetFile) {
  return address + "#" + PackedPuzzleLink(sheetFile);
}

}  // namespace loopword
