// The session as the web page's worker calls it: commands in, the session's view out as data, its picture as SVG.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <emscripten.h>
#include <emscripten/bind.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>

#include "browser_keeping.h"
#include "display/svg_canvas.h"
#include "page_data.h"
#include "page_render.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/web_page.h"
#include "session/session.h"
#include "words/bundled_lists.h"
#include "words/language.h"

namespace loopword {

namespace {

using emscripten::val;

/// Where the word lists the page provides are put in the module's file system, for the session to read.
constexpr const char* kDataFolder = "/loopword";
/// Where word lists the user picks are put for the session to read.
constexpr const char* kUploadFolder = "/uploads";

/// Writes `text` as the user's file `name` (its folders left out) and gives its path.
std::string PutUpload(const std::string& name, const std::string& text) {
  std::filesystem::create_directories(kUploadFolder);
  std::string fileName = std::filesystem::path(name).filename().string();
  if (fileName.empty() || fileName == "." || fileName == "..") fileName = "file";
  const std::string path = std::string(kUploadFolder) + "/" + fileName;
  WriteFileAtomically(path, text);
  return path;
}

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

// What the page names the puzzles it opens by, and what it tells of the browser's entries and the page's links.
constexpr Text kPuzzleInLink = LOOPWORD_TEXT("WebPage", "the puzzle in the link");
constexpr Text kPuzzleMade = LOOPWORD_TEXT("WebPage", "the puzzle made");
constexpr Text kPuzzleKeptHere = LOOPWORD_TEXT("WebPage", "the puzzle kept here");
constexpr Text kYourPuzzle = LOOPWORD_TEXT("WebPage", "your puzzle");
constexpr Text kDamagedLink =
    LOOPWORD_TEXT("WebPage", "This link is damaged: the puzzle after its # cannot be read. Ask for the link again.");
constexpr Text kDamagedPage = LOOPWORD_TEXT("WebPage", "The puzzle inside this page is damaged and cannot be read.");
constexpr Text kForgetQuestion = LOOPWORD_TEXT(
    "WebPage", "Forget every puzzle and all progress kept in this browser? Use this on a shared computer.");
constexpr Text kForgotten = LOOPWORD_TEXT("WebPage", "This browser has forgotten its puzzles.");

/// What the note under the page's links says: of a pupil link ("pupil"), a class link ("class") or the saved page
/// ("export"), after `outcome`: "from-file" (a page opened from disk has no link to share), "copied", "copy" (the
/// clipboard refused: the link to copy by hand) or "unfetched" (the page to save could not be had).
Message LinkNote(const std::string& kind, const std::string& outcome, const std::string& link) {
  struct Note {
    const char* kind;
    const char* outcome;
    Text text;
  };
  static constexpr Note kNotes[] = {
      {"pupil", "from-file",
       LOOPWORD_TEXT("WebPage", "This page was opened from a file on this computer, so a link to it works only here. "
                                "Put the page on a web server to share links, or use \"%1\" and give pupils that file.")},
      {"pupil", "copied", LOOPWORD_TEXT("WebPage", "The pupil link is copied: paste it where your class will find it. "
                                                   "It opens this puzzle, ready to solve.")},
      {"pupil", "copy", LOOPWORD_TEXT("WebPage", "Copy this pupil link: %1")},
      {"class", "from-file",
       LOOPWORD_TEXT("WebPage", "This page was opened from a file on this computer, so a class link to it works only "
                                "here. Put the page on a web server to give your class one link, or use \"%1\".")},
      {"class", "copied", LOOPWORD_TEXT("WebPage", "The class link is copied: give it to your class. "
                                                   "Each pupil opens it and chooses their number.")},
      {"class", "copy", LOOPWORD_TEXT("WebPage", "Copy this class link: %1")},
      {"export", "unfetched",
       LOOPWORD_TEXT("WebPage", "The page to save could not be fetched: connect to the internet and try again.")}};
  const auto* note = std::find_if(std::begin(kNotes), std::end(kNotes),
                                  [&](const Note& note) { return kind == note.kind && outcome == note.outcome; });
  if (note == std::end(kNotes)) return {};
  if (outcome != "from-file") return Message(note->text, {link});
  return Message(note->text, {Phrase(kind == "pupil" ? LOOPWORD_TEXT("WebPage", "Save as web page")
                                                     : LOOPWORD_TEXT("WebPage", "Print class set"))});
}

/// The cell a kept "SQUARE.POSITION" (or "SQUARE", its first cell) names; nullopt for other text.
std::optional<RingCell> KeptCell(std::string_view text) {
  const std::size_t dot = std::min(text.find('.'), text.size());
  const std::string_view square = text.substr(0, dot);
  const std::string_view position = dot < text.size() ? text.substr(dot + 1) : "1";
  const std::optional<int> squareNumber = WholeNumber(square, 0, 99);
  const std::optional<int> positionNumber = WholeNumber(position, 0, 9);
  if (!squareNumber || !positionNumber) return std::nullopt;
  return RingCell{*squareNumber, *positionNumber};
}

/// The entries of `object` (name → text), as the page hands over what the browser keeps.
std::map<std::string, std::string> Entries(const val& object) {
  std::map<std::string, std::string> entries;
  for (const auto& name : emscripten::vecFromJSArray<std::string>(val::global("Object").call<val>("keys", object))) {
    if (object[name].isString()) entries[name] = object[name].as<std::string>();
  }
  return entries;
}

}  // namespace

/// One session for the page's worker. The page shows a compile as it goes: the worker lets it advance a slice at a
/// time between its messages, so the view button's Stop reaches it and keeps what it made so far.
class WebSession {
 public:
  explicit WebSession(Language language) : session_(kDataFolder, Setup(language)) {}

  /// The page's translations (language code → context → English → translation or plural forms), for the sheets'
  /// words in the puzzle's language and the view's texts in the page's.
  void UseTranslations(const val& table) { language_.UseTranslations(table); }
  /// Renders the view's texts in the language with the two-letter `code` from now on.
  void UsePageLanguage(const std::string& code) { language_.Speak(code); }

  /// Starts the page's visit with what the browser kept (`kept`: entry name → text), the page's address (`query`
  /// after its "?", `link` after its "#") and the puzzle a saved page carries (`carried`, in base 64). On a class
  /// link: the chooser, and the puzzle of the number chosen here before; else the first puzzle (OpenFirstPuzzle),
  /// with the letters, time and cell kept for it.
  void Start(const val& kept, const std::string& query, const std::string& link, const std::string& carried) {
    keeping_ = BrowserKeeping(Entries(kept));
    query_ = query;
    if (const Reply loaded = session_.CurrentView().reply; !loaded.done) Warn(loaded.Told());
    keeping_.Read("page-language", [](const std::string& code) { return LanguageFromCode(code).has_value(); });
    const std::string earlier = keeping_.EarlierChoices(language_.Code());
    Restore(keeping_.Read("choices").value_or(earlier), query);  // damaged choices are named and back at their defaults
    const auto flag = [](const std::string& text) { return text == "0" || text == "1"; };
    session_.HideTimer(keeping_.Read("timer-hidden", flag) == "1");
    const DecodedClassSet classSet = DecodeClassSet(query);
    if (!classSet.classLink) return OpenFirstPuzzle(link, carried);
    Warn(classSet.note);
    const auto number = [](const std::string& text) { return WholeNumber(text, 0, 99).has_value(); };
    const std::optional<std::string> chosen = keeping_.Read("class:" + query, number);
    chooser_ = Chooser{classSet.pupils, chosen.value_or(""), true};
    if (chosen && classSet.note.empty()) return OpenNumber(*WholeNumber(*chosen, 0, 99));
    Started();
  }

  /// Opens the puzzle of pupil `number` of the class link the page was opened with, ready to solve, with the letters
  /// typed into it before; a number that is not the set's is refused.
  void OpenNumber(int number) {
    const DecodedClassSet decoded = DecodeClassSet(query_);
    if (!decoded.set) return Refuse(decoded.note);
    if (!session_.ChooseClassPuzzle(*decoded.set, number).done) return;  // its reply says why
    keeping_.Write("class:" + query_, std::to_string(number));
    CompileThen([this] {
      if (OpenMade(kYourPuzzle)) SolveFirst();
    });
  }

  /// Starts the puzzle being solved over, its letters, time and counts gone (Undo brings them back); asks first.
  void StartOver(bool confirmed) {
    const Reply reply = session_.StartOver(confirmed);
    const loopword::View shown = session_.CurrentView();
    if (!reply.done || !reply.question.empty() || !shown.puzzle) return;
    keeping_.Drop("puzzle:" + shown.puzzle->key);
    keeping_.Drop("square:" + shown.puzzle->key);
  }

  /// Forgets every puzzle and all progress the browser keeps (the page drops its entries when the view says
  /// "forget") and starts the puzzle on show over; asks first.
  void Forget(bool confirmed) {
    if (!confirmed) {
      question_ = Message(kForgetQuestion);
      return;
    }
    keeping_.Forget();
    forgetting_ = true;
    StartOver(true);
    Tell(Message(kForgotten));
  }

  /// Hides the timer or shows it again.
  void ToggleTimer() { session_.HideTimer(!session_.CurrentView().clock.hidden); }

  /// Puts the note on `outcome` for a link of `kind` (as LinkNote reads them, with the link) under the page's links.
  void NoteLink(const std::string& kind, const std::string& outcome, const std::string& link) {
    linkNote_ = LinkNote(kind, outcome, link);
  }

  /// The pupil link to the puzzle on show, for the page at `address`: the puzzle after its "#".
  std::string PupilLink(const std::string& address) const {
    const loopword::View shown = session_.CurrentView();
    if (!shown.puzzle) return "";
    std::string link = address + "#";
    for (const char c : PercentEncoded(shown.puzzle->sheetFile)) {
      link += c == '+' ? "%20" : std::string(1, c);  // a space, written as pupil links have always written it
    }
    return link;
  }

  /// Makes a puzzle, its steps shown, from the decimal `seed` where one is given; a text that is no seed is refused.
  void Compile(const std::string& seed, bool confirmed) {
    if (const std::optional<Message> refusal = SeedNextCompile(seed)) return Refuse(*refusal);
    session_.ShowCompileSteps(true);
    Take(session_.Compile(confirmed));
  }
  /// Lets the compile work for up to `milliseconds`, and while it is shown live, for `steps` steps at most: a pace
  /// the page can show.
  void AdvanceCompile(int milliseconds, int steps) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (int step = 0; step < steps && compiling_ && std::chrono::steady_clock::now() < until; ++step) {
      Take(session_.AdvanceCompile(std::chrono::milliseconds(milliseconds)));
    }
  }
  void PressViewButton(bool confirmed) { Take(session_.PressViewButton(confirmed)); }
  bool Compiling() const { return compiling_; }
  void StartSolving() { session_.StartSolving(); }
  void Check() { session_.Check(); }
  void Reveal() { session_.Reveal(); }
  /// A key pressed on the figure or the page's keyboard, by its DOM name (Session::Key).
  void Key(const std::string& key, bool control, bool shift) { session_.Key(key, control, shift); }
  void ClickAt(int x, int y) { session_.ClickAt({x, y}); }
  void Undo() { session_.Undo(); }
  void Redo() { session_.Redo(); }
  void PauseClock(bool paused) { session_.PauseClock(paused); }
  void TogglePencil() { session_.TogglePencil(); }
  /// Takes what the page's choice field with the id `field` now holds (a box: "true" or "false"): the word list's
  /// level or language (its lists provided first), the difficulty, varied words, one solution, the start word (for
  /// "start-typed" and "start-word" the word typed) or a random one, what pupils may do.
  void Choose(const std::string& field, const std::string& value) {
    const Choices choices = session_.CurrentView().choices;
    const bool on = value == "true";
    CompileOptions fill{choices.varied, choices.unique, {}, choices.difficulty};
    PupilRules pupils = choices.pupils;
    if (field == "level") {
      ChooseWordList(std::atoi(value.c_str()), "", "");
    } else if (field == "language") {
      ChooseLanguage(value);
    } else if (field == "start-random") {
      session_.ChooseRandomStartWord();
    } else if (field == "start-typed" || field == "start-word") {
      session_.EnterStartWord(value);
    } else if (field == "difficulty" || field == "varied" || field == "unique") {
      if (field == "difficulty") fill.difficulty = DifficultyNamed(value).value_or(Difficulty::Standard);
      else (field == "varied" ? fill.varied : fill.unique) = on;
      session_.SetFill(fill);
    } else if (field.rfind("allow-", 0) == 0) {
      (field == "allow-check" ? pupils.check : field == "allow-reveal" ? pupils.reveal : pupils.timer) = on;
      session_.SetPupilRules(pupils);
    }
  }
  void ChooseTheme(const std::string& words, const std::string& title) { session_.ChooseTheme(words, title); }
  /// Opens the puzzle file `text` named `name`, with the letters, time and counts the browser kept for it.
  void Open(const std::string& name, const std::string& text, bool confirmed) {
    OpenWithProgress(name, text, confirmed);
  }

  /// What the theme box says of the words typed so far, and whether they can be kept.
  val CheckTheme(const std::string& words) const {
    const Reply check = session_.CheckTheme(words);
    val report = val::object();
    report.set("text", language_.Rendered(check.Told()));
    report.set("usable", check.done);
    return report;
  }

  /// The one-file page `page` with the puzzle on show inside, which whoever opens it solves; "" for none.
  std::string PageWithPuzzleOnShow(const std::string& page) const {
    const loopword::View shown = session_.CurrentView();
    return shown.puzzle ? PageWithPuzzle(page, shown.puzzle->sheetFile).value_or("") : "";
  }

  /// Takes the choices kept in the browser (`kept`, as Choices::Encode wrote them), then those of the page's
  /// address (`address`, after its "?") over them: an address that makes a puzzle gives all its choices, in the
  /// kept language unless it names one. Damaged texts are named in the reply.
  void Restore(const std::string& kept, const std::string& address) {
    DecodedChoices choices = DecodeChoices(kept);
    Message note = choices.note;
    if (!address.empty() && address != "?") {
      DecodedChoices asked = DecodeChoices(address);
      if (asked.choices.language == Language::English && address.find("language=") == std::string::npos) {
        asked = DecodeChoices(address + "&language=" + std::string(LanguageCode(choices.choices.language)));
      }
      choices = std::move(asked);
      note.Append(choices.note);
    }
    session_.Restore(choices.choices);
    Warn(note);
  }

  /// Makes a class set of `pupils` puzzles with the choices in use, telling `progress` (text, done, total) how far it
  /// got: {done, text, markup}, the markup its printed pages: each puzzle on a page of its own, then the answers
  /// kAnswersPerPage a page.
  val MakeClassSet(int pupils, const std::string& seed, const val& progress) {
    if (const std::optional<Message> refusal = SeedNextCompile(seed)) return RunData(Refusal(*refusal));
    std::string pages, answerPages;
    std::vector<std::pair<std::string, std::string>> answers;
    int made = 0;
    const Reply run = session_.MakeClassSet(pupils, Told(progress), [&](MadePuzzle&& puzzle) {
      const SheetView& sheet = puzzle.sheets.puzzle;
      const std::string heading = PuzzleHeading(sheet.texts, ++made, pupils);
      pages += ClassPuzzlePage(heading, sheet.title, SheetSvg(sheet, "Puzzle sheet"));
      answers.emplace_back(heading, SheetSvg(puzzle.sheets.solution, "Solution sheet"));
      if (static_cast<int>(answers.size()) == kAnswersPerPage || made == pupils) {
        answerPages += ClassAnswerPage(std::exchange(answers, {}));
      }
      return true;
    });
    val result = RunData(run);
    result.set("markup", pages + answerPages);
    return result;
  }

  /// The class link of `pupils` puzzles with the choices in use, for the page at `address`: the set made last when it
  /// is for them, else made now (from `seed` when one is given), telling `progress` how far it got. {done, lines, link}.
  val ClassLink(int pupils, const std::string& seed, const std::string& address, const val& progress) {
    std::optional<ClassSet> set = session_.CurrentView().classSet;
    Reply run;
    if (const std::optional<Message> refusal = SeedNextCompile(seed)) {
      run = Refusal(*refusal);
    } else if (!set || set->pupils != pupils) {
      run = session_.MakeClassSet(pupils, Told(progress), [](MadePuzzle&&) { return true; });
      set = session_.CurrentView().classSet;
    }
    const loopword::ClassLink link = run.done && set ? ClassLinkOf(*set, address) : loopword::ClassLink{};
    if (!link.refusal.empty()) run = Refusal(link.refusal);
    val result = RunData(run);
    result.set("link", link.link);
    return result;
  }

  /// Loads bundled level 1..3, or for 0 the word list `text` the user picked as file `name`.
  void ChooseWordList(int level, const std::string& name, const std::string& text) {
    session_.ChooseWordList(level, level == kOwnList ? PutUpload(name, text) : "");
  }

  /// Reads the word lists in the language with the two-letter `code` from now on (put there by provideLists).
  void ChooseLanguage(const std::string& code) {
    if (const std::optional<Language> language = LanguageFromCode(code)) session_.ChooseLanguage(*language);
  }

  /// What the page shows, all of it from the session's view, its texts in the page's language.
  val View() {
    const loopword::View shown = session_.CurrentView();
    val view = val::object();
    view.set("mode", std::string(ModeName(shown.mode)));
    view.set("figure", FigureMarkup(SheetSvg(shown.picture, "", SvgSurface::Screen), shown.reading, language_));
    view.set("cursorCell", CursorCellId(shown.reading));
    view.set("offer", OfferData(shown.offer));
    view.set("texts", Texts({{"view-button", language_.Translated("Messages", shown.caption)},
                             {"title", language_.Rendered(shown.windowTitle)},
                             {"rules-note", language_.Rendered(shown.rulesNote)},
                             {"link-note", language_.Rendered(linkNote_)}}));
    view.set("hidden", Flags({{"check", !shown.rules.check}, {"key-check", !shown.rules.check},
                              {"reveal", !shown.rules.reveal}, {"hide-timer", !shown.rules.timer},
                              {"timer", !shown.clock.shown}, {"chooser", !chooser_}}));
    if (chooser_ && std::exchange(chooser_->unseen, false)) {  // the number field as the chooser first shows it
      view.set("number", Texts({{"max", chooser_->pupils > 0 ? std::to_string(chooser_->pupils) : ""},
                                {"value", chooser_->chosen}}));
    }
    view.set("pressed", Flags({{"pencil", shown.pencil}, {"hide-timer", shown.clock.hidden}}));
    view.set("unsaved", shown.unsaved);
    Warn(keeping_.TakeNote());
    view.set("done", shown.reply.done && !warned_);
    if (!compiling_) {  // what this front end said is told with the view the command that said it waits for
      view.set("message", language_.Rendered(ToldWith(std::exchange(refused_, false) ? Message() : shown.reply.Told())));
      warned_ = false;
    }
    view.set("question", language_.Rendered(question_.empty() ? shown.reply.question : std::exchange(question_, {})));
    view.set("choices", ChoicesData(shown.choices));
    view.set("words", WordsMarkup(shown.words, language_));
    view.set("solved", shown.solved);
    view.set("elapsedMs", static_cast<double>(shown.clock.elapsedMs));
    view.set("clockRunning", shown.clock.running);
    if (shown.puzzle) {  // also a stopped compile's, to print
      val puzzle = val::object();
      puzzle.set("sheetFile", shown.puzzle->sheetFile);
      puzzle.set("key", shown.puzzle->key);
      view.set("puzzle", puzzle);
      view.set("keyboard", std::string(KeyboardLayout(shown.puzzle->language)));
    }
    view.set("progress", language_.Rendered(shown.progress));
    KeepProgress(shown);
    view.set("keep", KeptChanges());
    view.set("forget", std::exchange(forgetting_, false));
    return view;
  }

  /// The puzzle sheet of the puzzle on show as it prints, and its solution sheet after it when asked; "" for none.
  std::string Sheets(bool withSolution) const {
    const loopword::View shown = session_.CurrentView();
    if (!shown.puzzle) return "";
    return SheetSvg(shown.puzzle->sheets.puzzle, "Puzzle sheet") +
           (withSolution ? SheetSvg(shown.puzzle->sheets.solution, "Solution sheet") : "");
  }

  /// The bytes the module holds allocated now: flat over many compiles unless something is kept that should not be.
  double HeapInUse() const { return static_cast<double>(mallinfo().uordblks); }

 private:
  /// A booklet's progress for `progress`, a function of the page: the lines saying how far it got, done and total.
  BookletProgress Told(const val& progress) const {
    return [this, progress](int done, int total) {
      progress(language_.Rendered(Message(texts::kPuzzlesMade, {done, total})), done, total);
      return true;
    };
  }

  /// What a run the page waits for answers: {done, text}.
  val RunData(const Reply& run) const {
    val result = val::object();
    result.set("done", run.done);
    result.set("text", language_.Rendered(run.Told()));
    return result;
  }

  /// Seeds the next compile with the decimal `seed` unless it is empty; what refuses a text that is no seed.
  std::optional<Message> SeedNextCompile(const std::string& seed) {
    if (seed.empty()) return std::nullopt;
    const std::optional<std::uint64_t> value = ReadSeed(seed);
    if (!value) return SeedRefusal(seed);
    session_.SeedNextCompile(*value);
    return std::nullopt;
  }

  static Reply Refusal(const Message& message) { return {{}, false, {message}, {}, {}}; }

  /// Says `message` instead of what the session last said: this front end refused the command.
  void Refuse(const Message& message) {
    Warn(message);
    refused_ = true;
  }

  /// Follows whether a compile runs from what a command changed; what was to follow a compile follows its end.
  void Take(const Reply& reply) {
    if (reply.changed.mode) compiling_ = session_.CurrentView().mode == Mode::Compiling;
    if (compiling_ || !afterCompile_) return;
    Say(session_.CurrentView().reply);  // what the compile said stays with what follows it
    std::exchange(afterCompile_, {})();
  }

  /// Tells what `reply` said with the next view, as a warning when it was not done.
  void Say(const Reply& reply) {
    if (reply.done) Tell(reply.Told());
    else Warn(reply.Told());
  }

  /// What this front end has to tell, then `replied` unless that was its last line already; nothing more to tell.
  Message ToldWith(const Message& replied) {
    Message told = std::exchange(told_, {});
    const auto& lines = told.Lines();
    const std::size_t size = replied.Lines().size();
    if (lines.size() < size || !std::equal(lines.end() - static_cast<std::ptrdiff_t>(size), lines.end(), replied.Lines().begin())) {
      told.Append(replied);
    }
    return told;
  }

  /// Tells `message` with the next view; a warning stays until the user acts.
  void Tell(const Message& message) { told_.Append(message); }
  void Warn(const Message& message) {
    Tell(message);
    warned_ = warned_ || !message.empty();
  }

  /// The puzzle the link or the saved page carries, else the one the address's seed makes, else the one solved here
  /// last, else a new one.
  void OpenFirstPuzzle(const std::string& link, const std::string& carried) {
    if (const auto given = GivenPuzzle(link, carried); given && OpenWithProgress(Named(kPuzzleInLink), *given)) {
      return SolveFirst();
    }
    if (!session_.CurrentView().choices.seed) return OpenLastOrNew();
    CompileThen([this] {
      if (OpenMade(kPuzzleMade)) SolveFirst();
      else OpenLastOrNew();
    });
  }

  /// The puzzle after the link's "#", else the one a saved page carries; a damaged one is told of.
  std::optional<std::string> GivenPuzzle(const std::string& link, const std::string& carried) {
    if (!link.empty()) {
      if (std::optional<std::string> text = PercentDecoded(link)) return text;
      Warn(Message(kDamagedLink));
    }
    if (carried.empty()) return std::nullopt;
    std::optional<std::string> text = Base64Decoded(carried);
    if (!text) Warn(Message(kDamagedPage));
    return text;
  }

  void OpenLastOrNew() {
    const std::optional<std::string> last = keeping_.Read("last");
    if (last && OpenWithProgress(Named(kPuzzleKeptHere), *last, false, false)) return SolveFirst();
    if (last) keeping_.Drop("last");  // a puzzle kept here that no longer opens goes
    CompileThen([this] { SolveFirst(); });
  }

  /// Opens the puzzle the compile made, named `name`; whether it opened.
  bool OpenMade(Text name) {
    const loopword::View made = session_.CurrentView();
    return made.offer.puzzle && made.puzzle && OpenWithProgress(Named(name), made.puzzle->sheetFile);
  }

  /// Opens the puzzle file `text`, resuming the progress the browser kept for it; whether it opened. A puzzle that
  /// does not open is told of when `told`; progress that no longer fits it goes.
  bool OpenWithProgress(const std::string& name, const std::string& text, bool confirmed = false, bool told = true) {
    const Reply opened = session_.OpenText(text, name, confirmed);
    if (opened.done || told) Say(opened);
    if (!opened.done || !opened.question.empty()) return false;
    const loopword::View shown = session_.CurrentView();
    const std::string key = "puzzle:" + shown.puzzle->key;
    if (const auto progress = keeping_.Read(key); progress && *progress != shown.puzzle->file) {
      if (!session_.Resume(*progress).done) keeping_.Drop(key);
    }
    return true;
  }

  /// Solves the first puzzle from the cell selected when it was last left.
  void SolveFirst() {
    const loopword::View shown = session_.CurrentView();
    if (shown.offer.puzzle && shown.mode != Mode::Solving) session_.StartSolving();
    const auto cell = [](const std::string& text) { return KeptCell(text).has_value(); };
    if (shown.puzzle) {
      if (const auto kept = keeping_.Read("square:" + shown.puzzle->key, cell)) session_.Select(*KeptCell(*kept));
    }
    Started();
  }

  /// From now on the choices and the selected cell are kept.
  void Started() { started_ = true; }

  /// Makes a puzzle without showing its steps, then does `next`.
  void CompileThen(std::function<void()> next) {
    afterCompile_ = std::move(next);
    session_.ShowCompileSteps(false);
    Take(session_.Compile(false));
  }

  std::string Named(Text name) const { return language_.Translated(name); }

  /// Keeps the choices, whether the timer is hidden, the puzzle on show for the next visit and, while it is solved,
  /// its letters, time and selected cell.
  void KeepProgress(const loopword::View& shown) {
    if (started_) {
      keeping_.Write("choices", KeptChoices(shown.choices));
      keeping_.Write("timer-hidden", shown.clock.hidden ? "1" : "0");
    }
    if (!shown.offer.puzzle || !shown.puzzle) return;
    if (shown.mode == Mode::Solving) {
      keeping_.Write("puzzle:" + shown.puzzle->key, shown.puzzle->file);
      if (shown.reading.current && started_) {
        keeping_.Write("square:" + shown.puzzle->key, std::to_string(shown.reading.current->square) + "." +
                                                          std::to_string(shown.reading.current->position));
      }
    }
    keeping_.Write("last", shown.puzzle->sheetFile);
  }

  /// What the browser is to keep from now on: name → text, or null to drop the entry.
  val KeptChanges() {
    val changes = val::object();
    for (const auto& [name, value] : keeping_.TakeChanges()) changes.set(name, value ? val(*value) : val::null());
    return changes;
  }

  SessionSetup Setup(Language language) {
    SessionSetup setup;
    setup.language = language;
    setup.fileNamesOnly = true;
    setup.sheetTexts = [this](Language language) { return language_.SheetTextsIn(language); };
    return setup;
  }

  PageLanguage language_;  // declared before the session, which reads the sheets' words from it
  Session session_;
  BrowserKeeping keeping_;
  std::string query_;  // the page's address after its "?"
  /// A class link's chooser of the pupil's number: the set's size (0 when the link is damaged), the number chosen here
  /// before, and whether the page has yet to fill its field.
  struct Chooser {
    int pupils = 0;
    std::string chosen;
    bool unseen = true;
  };
  std::optional<Chooser> chooser_;
  Message told_;      // what this front end says with the next view: its own checks, the first puzzle's notes
  bool warned_ = false;  // whether that is a warning
  bool refused_ = false;  // whether that is all there is to tell: this front end refused the command
  Message question_;  // a question of this front end's, asked with the next view
  Message linkNote_;  // the note under the page's links
  bool forgetting_ = false;  // the page is to drop every entry the browser keeps for it
  bool started_ = false;     // the first puzzle is back where it was left: from now on its cell and the choices are kept
  bool compiling_ = false;
  std::function<void()> afterCompile_;  // what the start does once the compile it asked for ends
};

namespace {

/// The page's one session. The commands that may switch to the compile's own stack (its steps, its Stop) come
/// through the exported functions below, which the worker calls directly: a switch unwinds to such an entry point.
WebSession* theSession = nullptr;

/// A new session reading the word lists in the language with the two-letter `code` (English for a code it does not
/// know): they are provided first.
WebSession* NewSession(const std::string& code) {
  delete theSession;
  theSession = new WebSession(LanguageFromCode(code).value_or(Language::English));
  return theSession;
}

/// Puts `packed`, the packed levels of the language with the two-letter `code`, as its level files where the session
/// looks for them: all three, or Level 1 alone when `levels` is 1 (the page's first puzzle, the rest following).
void ProvideLists(const std::string& code, const std::string& packed, int levels) {
  const std::optional<Language> language = LanguageFromCode(code);
  if (!language) return;
  std::filesystem::create_directories(kDataFolder);
  const std::array<std::string, 3> unpacked = UnpackLevels(packed);
  for (int level = 1; level <= std::clamp(levels, 1, 3); ++level) {
    WriteFileAtomically(std::string(kDataFolder) + "/" + BundledListName(level, *language),
                        unpacked.at(static_cast<std::size_t>(level - 1)));
  }
}

}  // namespace

extern "C" {
EMSCRIPTEN_KEEPALIVE void loopword_advance_compile(int milliseconds, int steps) {
  if (theSession != nullptr) theSession->AdvanceCompile(milliseconds, steps);
}
EMSCRIPTEN_KEEPALIVE void loopword_press_view_button(int confirmed) {
  if (theSession != nullptr) theSession->PressViewButton(confirmed != 0);
}
}

EMSCRIPTEN_BINDINGS(loopword) {
  emscripten::function("newSession", &NewSession, emscripten::allow_raw_pointers());
  emscripten::function("provideLists", &ProvideLists);
  emscripten::class_<WebSession>("Session")
      .function("start", &WebSession::Start)
      .function("openNumber", &WebSession::OpenNumber)
      .function("startOver", &WebSession::StartOver)
      .function("forget", &WebSession::Forget)
      .function("toggleTimer", &WebSession::ToggleTimer)
      .function("noteLink", &WebSession::NoteLink)
      .function("pupilLink", &WebSession::PupilLink)
      .function("useTranslations", &WebSession::UseTranslations)
      .function("usePageLanguage", &WebSession::UsePageLanguage)
      .function("compile", &WebSession::Compile)
      .function("compiling", &WebSession::Compiling)
      .function("startSolving", &WebSession::StartSolving)
      .function("check", &WebSession::Check)
      .function("reveal", &WebSession::Reveal)
      .function("key", &WebSession::Key)
      .function("clickAt", &WebSession::ClickAt)
      .function("undo", &WebSession::Undo)
      .function("redo", &WebSession::Redo)
      .function("pauseClock", &WebSession::PauseClock)
      .function("togglePencil", &WebSession::TogglePencil)
      .function("choose", &WebSession::Choose)
      .function("chooseTheme", &WebSession::ChooseTheme)
      .function("checkTheme", &WebSession::CheckTheme)
      .function("pageWithPuzzle", &WebSession::PageWithPuzzleOnShow)
      .function("chooseWordList", &WebSession::ChooseWordList)
      .function("makeClassSet", &WebSession::MakeClassSet)
      .function("classLink", &WebSession::ClassLink)
      .function("open", &WebSession::Open)
      .function("view", &WebSession::View)
      .function("sheets", &WebSession::Sheets)
      .function("heapInUse", &WebSession::HeapInUse);
}

}  // namespace loopword
