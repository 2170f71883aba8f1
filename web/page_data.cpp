// The session's view as the data the web page reads.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_data.h"

#include "words/theme_words.h"

namespace loopword {

using emscripten::val;

namespace {

const char* ShowsName(CellShows shows) {
  switch (shows) {
    case CellShows::Hint: return "hint";
    case CellShows::Letter: return "letter";
    case CellShows::Wrong: return "wrong";
    case CellShows::Pencil: return "pencil";
    case CellShows::Empty: break;
  }
  return "empty";
}

}  // namespace

val PhraseData(const Phrase& phrase) {
  if (phrase.IsPlain()) return val(phrase.Plain());
  val values = val::array();
  for (const Phrase& value : phrase.Values()) values.call<void>("push", PhraseData(value));
  val data = val::object();
  data.set("context", std::string(phrase.Pattern().context));
  data.set("pattern", std::string(phrase.Pattern().source));
  data.set("values", values);
  if (const auto& count = phrase.Count()) {
    data.set("count", static_cast<double>(*count));
    data.set("one", std::string(phrase.Pattern().one));
  }
  return data;
}

val MessageData(const Message& message) {
  val lines = val::array();
  for (const Phrase& line : message.Lines()) lines.call<void>("push", PhraseData(line));
  return lines;
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

val ChoicesData(const Choices& choices) {
  val data = val::object();
  data.set("language", std::string(LanguageCode(choices.language)));
  data.set("level", choices.level);
  data.set("difficulty", std::string(DifficultyName(choices.difficulty)));
  data.set("varied", choices.varied);
  data.set("unique", choices.unique);
  data.set("start", choices.startWord);
  data.set("seed", choices.seed ? std::to_string(*choices.seed) : std::string());
  data.set("themeWords", ThemeText(choices.themeWords, choices.clues));
  data.set("title", choices.title);
  data.set("pupils", RulesData(choices.pupils));
  Choices kept = choices;  // what the browser keeps for the next visit: not the next compile's seed
  kept.seed.reset();
  data.set("kept", kept.Encode());
  return data;
}

val RulesData(const PupilRules& rules) {
  val data = val::object();
  data.set("check", rules.check);
  data.set("reveal", rules.reveal);
  data.set("timer", rules.timer);
  return data;
}

val WordsData(const std::vector<ListedWord>& words) {
  val list = val::array();
  for (const ListedWord& listed : words) {
    val entry = val::object();
    entry.set("word", listed.Shown());
    entry.set("clue", !listed.clue.empty());
    entry.set("found", listed.found);
    list.call<void>("push", entry);
  }
  return list;
}

val CellsData(const FigureReading& reading) {
  val squares = val::array();
  if (reading.sheet == Sheet::Figure) return squares;
  for (int square = 1; square <= kSquareCount; ++square) {
    val cells = val::array();
    for (const CellReading& cell : reading.cells[square]) {
      val entry = val::object();
      entry.set("letter", std::string(1, cell.letter));
      entry.set("shows", std::string(ShowsName(cell.shows)));
      cells.call<void>("push", entry);
    }
    squares.call<void>("push", cells);
  }
  return squares;
}

val CellData(RingCell cell) {
  val pair = val::array();
  pair.call<void>("push", cell.square);
  pair.call<void>("push", cell.position);
  return pair;
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
