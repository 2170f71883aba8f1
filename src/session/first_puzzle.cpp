// The first puzzle a front end shows: the one a link or a saved page gives, the address's seed makes, the one solved
// last or a new one, or a class link's chooser; with the letters, time and cell kept for it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/first_puzzle.h"

#include <algorithm>
#include <utility>

#include "board/program_text.h"
#include "board/whole_number.h"
#include "puzzle/puzzle_link.h"
#include "puzzle/web_page.h"
#include "session/class_set.h"
#include "words/language.h"
#include "words/theme_words.h"

namespace loopword {

namespace {
// What the puzzles the first puzzle opens are named by, and what it tells of a damaged link or page.
constexpr Text kPuzzleInLink = LOOPWORD_TEXT("WebPage", "the puzzle in the link");
constexpr Text kPuzzleMade = LOOPWORD_TEXT("WebPage", "the puzzle made");
constexpr Text kPuzzleKeptHere = LOOPWORD_TEXT("WebPage", "the puzzle kept here");
constexpr Text kYourPuzzle = LOOPWORD_TEXT("WebPage", "your puzzle");
constexpr Text kDamagedLink = LOOPWORD_TEXT("WebPage", "This link is damaged or cut short. Ask your teacher for it again.");
constexpr Text kDamagedPage = LOOPWORD_TEXT("WebPage", "The puzzle inside this page is damaged and cannot be read.");

/// The entry that keeps the number chosen on the class link with the choices `query`.
std::string NumberEntry(const std::string& query) { return "class:" + query; }

bool IsFlag(const std::string& text) { return text == "0" || text == "1"; }
bool IsNumber(const std::string& text) { return WholeNumber(text, 0, 99).has_value(); }
bool IsCell(const std::string& text) { return KeptCell(text).has_value(); }
}  // namespace

FirstPuzzle::FirstPuzzle(Session& session, KeptEntries& kept, std::function<std::string(const Text&)> named,
                         FirstCompile compile)
    : session_(session), kept_(kept), named_(std::move(named)), compile_(std::move(compile)) {}

Reply FirstPuzzle::Start(const StartAddress& address) {
  query_ = address.query;
  ready_ = address.ready;
  if (const Reply loaded = session_.CurrentView().reply; !loaded.done) Say(loaded);
  const std::string language = "language=" + std::string(LanguageCode(session_.CurrentView().choices.language));
  Restore(kept_.Read("choices").value_or(language), address.query);  // damaged choices are named, at their defaults
  session_.HideTimer(kept_.Read("timer-hidden", IsFlag) == "1");
  const DecodedClassSet classSet = DecodeClassSet(address.query);
  if (address.platform) visit_ = Visit::PlatformLearner;
  if (!classSet.classLink) return OpenGiven(address);
  if (!classSet.set) return RefuseLink();
  visit_ = Visit::ClassLink;
  const std::optional<std::string> chosen = kept_.Read(NumberEntry(query_), IsNumber);
  chooser_ = ClassChooser{classSet.pupils, chosen.value_or(""), true};
  if (chosen) return OpenNumber(*WholeNumber(*chosen, 0, 99));
  return Told();
}

void FirstPuzzle::ShowChooser() {
  if (chooser_) chooser_->shown = true;
}

Reply FirstPuzzle::OpenNumber(int number) {
  const DecodedClassSet decoded = DecodeClassSet(query_);
  if (!decoded.set) {
    Say(Reply{{}, false, {Said(decoded.note, MessageKind::Error)}, {}, {}});
    return Told();
  }
  const Reply chosen = session_.ChooseClassPuzzle(*decoded.set, number);
  if (!chosen.done) {
    Say(chosen);
    return Told();
  }
  kept_.Write(NumberEntry(query_), std::to_string(number));
  chooser_->chosen = std::to_string(number);
  return CompileThen(Next::PupilsPuzzle);
}

Reply FirstPuzzle::Open(const std::string& name, const std::string& text, bool confirmed) {
  OpenWithProgress(name, text, confirmed, true);
  return Told();
}

Reply FirstPuzzle::AfterCompile() {
  const Next next = std::exchange(next_, Next::Nothing);
  if (next == Next::Nothing) return {};
  Say(session_.CurrentView().reply);  // what the compile said stays with what follows it
  switch (next) {
    case Next::SeededPuzzle: return OpenMade(kPuzzleMade) ? SolveFirst() : OpenLastOrNew();
    case Next::PupilsPuzzle:
      if (!OpenMade(kYourPuzzle)) return Told();
      chooser_->shown = false;
      return SolveFirst();
    case Next::NewPuzzle:
    case Next::Nothing: break;
  }
  return SolveFirst();
}

/// Takes the choices kept (`kept`, as Choices::Encode wrote them), then those of the address (`query`) over them: an
/// address gives all its choices, those it does not name at their defaults (English for the language, as links are
/// written), so that it makes the same puzzle on every page. Damaged texts are warned of.
void FirstPuzzle::Restore(const std::string& kept, const std::string& query) {
  DecodedChoices choices = DecodeChoices(kept);
  Message note = choices.note;
  const bool asked = !query.empty() && query != "?";
  if (asked) {
    choices = DecodeChoices(query);
    note.Append(choices.note);
  }
  session_.Restore(choices.choices);
  const Choices& restored = choices.choices;
  const std::optional<std::string> box = kept_.Read("theme-box");
  if (!asked && box) {  // the theme box as typed, while it gives the theme kept
    const ThemeWords typed = ReadThemeWords(*box, restored.language);
    if (typed.words == restored.themeWords && typed.clues == restored.clues) session_.ChooseTheme(*box, restored.title);
  }
  const auto isClassSet = [](const std::string& text) { return DecodeClassSet(text).set.has_value(); };
  if (const std::optional<std::string> shared = kept_.Read("class-set", isClassSet); shared && !asked) {
    session_.UseClassSet(*DecodeClassSet(*shared).set);  // the set shared before stays the one shared
  }
  Warn(note);
}

/// The puzzle the link or the saved page carries, else the one the address's seed makes, else the one solved here
/// last, else a new one. A pupil link that does not open is refused.
Reply FirstPuzzle::OpenGiven(const StartAddress& address) {
  if (!address.link.empty()) {
    const std::optional<std::string> linked = PuzzleTextOfLink(address.link);
    if (!linked || !OpenWithProgress(named_(kPuzzleInLink), *linked, false, false)) return RefuseLink();
    visit_ = Visit::PupilLink;
    return SolveFirst();
  }
  if (const auto given = GivenPuzzle(address); given && OpenWithProgress(named_(kPuzzleInLink), *given, false, true)) {
    return SolveFirst();
  }
  if (!session_.CurrentView().choices.seed) return OpenLastOrNew();
  return CompileThen(Next::SeededPuzzle);
}

/// Says that the address's link cannot be used, and opens no puzzle.
Reply FirstPuzzle::RefuseLink() {
  visit_ = Visit::DamagedLink;
  told_.done = false;
  told_.messages.emplace_back(Message(kDamagedLink), MessageKind::Error);
  return Told();
}

/// The puzzle a saved page carries; a damaged one is warned of.
std::optional<std::string> FirstPuzzle::GivenPuzzle(const StartAddress& address) {
  const std::vector<std::string_view> carried = CarriedPuzzles(address.carried);
  if (carried.empty()) return std::nullopt;
  const auto number = static_cast<std::size_t>(std::clamp(address.number, 1, static_cast<int>(carried.size())));
  std::optional<std::string> text = Base64Decoded(carried[number - 1]);
  if (!text) Warn(Message(kDamagedPage));
  return text;
}

Reply FirstPuzzle::OpenLastOrNew() {
  const std::optional<std::string> last = kept_.Read("last");
  if (last && OpenWithProgress(named_(kPuzzleKeptHere), *last, false, false)) return SolveFirst();
  if (last) kept_.Drop("last");  // a puzzle kept here that no longer opens goes
  if (!ready_.empty() && OpenWithProgress(named_(kPuzzleMade), ready_, false, false)) return SolveFirst();
  return CompileThen(Next::NewPuzzle);
}

/// Opens the puzzle the compile made, named `name`; whether it opened.
bool FirstPuzzle::OpenMade(const Text& name) {
  const View made = session_.CurrentView();
  return made.offer.puzzle && made.puzzle && OpenWithProgress(named_(name), made.puzzle->sheetFile, false, true);
}

/// Opens the puzzle file `text`, resuming the progress kept for it; whether it opened. A puzzle that does not open is
/// told of when `told`; progress that no longer fits it goes.
bool FirstPuzzle::OpenWithProgress(const std::string& name, const std::string& text, bool confirmed, bool told) {
  const Reply opened = session_.OpenText(text, name, confirmed);
  if (opened.done || told) Say(opened);
  if (!opened.done || !opened.question.empty()) return false;
  const View shown = session_.CurrentView();
  const std::string entry = ProgressEntry(shown.puzzle->key);
  if (const auto progress = kept_.Read(entry); progress && *progress != shown.puzzle->file) {
    if (!session_.Resume(*progress).done) kept_.Drop(entry);
  }
  return true;
}

/// Solves the first puzzle from the cell selected when it was last left.
Reply FirstPuzzle::SolveFirst() {
  const View shown = session_.CurrentView();
  if (shown.offer.puzzle && shown.mode != Mode::Solving) session_.StartSolving();
  if (shown.puzzle) {
    if (const auto kept = kept_.Read(CellEntry(shown.puzzle->key), IsCell)) session_.Select(*KeptCell(*kept));
  }
  return Told();
}

/// Makes a puzzle without showing its steps, `next` to follow once it has ended; at once when none could start. Where
/// this front end cannot make one, it waits for the front end that can.
Reply FirstPuzzle::CompileThen(Next next) {
  next_ = next;
  if (!compile_) return Told();
  session_.ShowCompileSteps(false);
  if (!compile_(session_).changed.mode) return AfterCompile();
  return {};
}

/// What was said since the last call, with the note on damaged entries dropped.
Reply FirstPuzzle::Told() {
  Warn(kept_.TakeNote());
  return std::exchange(told_, {});
}

/// Tells what `reply` said, and asks what it asked.
void FirstPuzzle::Say(const Reply& reply) {
  told_.done = told_.done && reply.done;
  told_.messages.insert(told_.messages.end(), reply.messages.begin(), reply.messages.end());
  if (!reply.question.empty()) told_.question = reply.question;
}

void FirstPuzzle::Warn(const Message& message) {
  if (!message.empty()) told_.messages.emplace_back(message, MessageKind::Warning);
}

}  // namespace loopword
