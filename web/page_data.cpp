// The session's view as the data the web page reads.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_data.h"

#include "words/theme_words.h"

namespace loopword {

using emscripten::val;

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

val ChoicesData(const Choices& choices) {
  val fields = val::object();  // by the id of the page's field that shows each
  fields.set("language", std::string(LanguageCode(choices.language)));
  fields.set("level", std::to_string(choices.level));
  fields.set("difficulty", std::string(DifficultyName(choices.difficulty)));
  fields.set("varied", choices.varied);
  fields.set("unique", choices.unique);
  fields.set("start-word", choices.startWord);
  fields.set("start-typed", !choices.startWord.empty());
  fields.set("start-random", choices.startWord.empty());
  fields.set("theme-words", ThemeText(choices.themeWords, choices.clues));
  fields.set("theme-title", choices.title);
  fields.set("allow-check", choices.pupils.check);
  fields.set("allow-reveal", choices.pupils.reveal);
  fields.set("allow-timer", choices.pupils.timer);
  val data = val::object();
  data.set("fields", fields);
  data.set("kept", KeptChoices(choices));
  return data;
}

std::string KeptChoices(const Choices& choices) {
  Choices kept = choices;
  kept.seed.reset();
  return kept.Encode();
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

}  // namespace loopword
