// The session as the web page's worker calls it: commands in, the session's view out as data, its picture as SVG.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <emscripten.h>
#include <emscripten/bind.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "display/svg_canvas.h"
#include "page_data.h"
#include "page_render.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/learning_package.h"
#include "puzzle/web_page.h"
#include "session/first_puzzle.h"
#include "session/kept_entries.h"
#include "session/learning_platform.h"
#include "session/result_code.h"
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

// What the page asks and tells of the browser's entries.
constexpr Text kForgetQuestion = LOOPWORD_TEXT(
    "WebPage", "Forget every puzzle and all progress kept in this browser? Use this on a shared computer.");
constexpr Text kForgotten = LOOPWORD_TEXT("WebPage", "This browser has forgotten its puzzles.");
constexpr Text kPageDamaged = LOOPWORD_TEXT("WebPage", "This page has no room for puzzles: save the learning platform package from loopword.html as it was shipped.");

#if LOOPWORD_MAKES_PUZZLES
/// This module makes puzzles: a first puzzle is compiled as every other.
FirstCompile PageCompile() {
  return [](Session& session) { return session.Compile(false); };
}
#else
/// This module only solves: a first puzzle that needs a compile waits for the module that makes puzzles, which the
/// page starts from what is kept. Nothing here reaches the compiler, so the module goes without it.
FirstCompile PageCompile() { return {}; }
#endif

}  // namespace

/// One session for the page's worker: each command answers with what it said (its kind, its message, its question)
/// and what the browser is to keep; the view is read apart from them. The page shows a compile as it goes: the worker
/// lets it advance a slice at a time between its messages, so the view button's Stop reaches it and keeps what it made
/// so far; the commands waiting for its end are answered by Compiled.
class WebSession {
 public:
  explicit WebSession(Language language)
      : session_(kDataFolder, Setup(language)),
        first_(session_, kept_, [this](const Text& name) { return language_.Translated(name); }, PageCompile()) {}

  /// The page's translations (language code → context → English → translation or plural forms), for the sheets'
  /// words in the puzzle's language and the view's texts in the page's.
  void UseTranslations(const val& table) { language_.UseTranslations(table); }
  /// Renders the view's texts in the language with the two-letter `code` from now on.
  void UsePageLanguage(const std::string& code) { language_.Speak(code); }

  /// Starts the page's visit with what the browser kept (`kept`: entry name → text), the page's address (`query`
  /// after its "?", `link` after its "#"), the puzzles a saved page carries (`carried`, in base 64) and the puzzle
  /// made for a new visitor beforehand (`ready`, a puzzle file; "" for none): the first puzzle, or a class link's
  /// chooser. Started by a learning platform (`platform`: what it says of the learner, as
  /// PlatformStart names it; null for none), it keeps what the platform keeps instead of the browser's entries: the
  /// learner's puzzle of those carried, solved from where the platform's progress left it.
  val Start(const val& kept, const std::string& query, const std::string& link, const std::string& carried,
            const std::string& ready, const val& platform) {
    if (platform.isNull() || platform.isUndefined()) return StartInBrowser(kept, {query, link, carried, 1, false, ready});
    const auto field = [&platform](const char* name) { return platform[name].isString() ? platform[name].as<std::string>() : ""; };
    platform_.emplace(PlatformStart{field("learner"), field("mode"), field("suspendData"), field("location"), field("masteryScore")});
    kept_ = KeptEntries();
    const int number = platform_->PuzzleNumber(static_cast<int>(CarriedPuzzles(carried).size()));
    Reply reply = first_.Start({query, link, carried, number, true, ""});
    const loopword::View shown = session_.CurrentView();
    if (shown.puzzle && shown.mode == Mode::Solving) {
      if (const std::optional<std::string> resumed = platform_->KeptProgress(shown.puzzle->sheetFile, shown.puzzle->key)) {
        session_.Resume(*resumed);
      }
      if (const std::optional<RingCell> cell = platform_->LastCell()) session_.Select(*cell);
    }
    return Answer(reply);
  }
  /// Tells the learner once that the learning platform refused what the page told it.
  val PlatformRefused() {
    if (platform_) platform_->Refused();
    return Answer({});
  }
  val OpenNumber(int number) { return Answer(first_.OpenNumber(number)); }
  /// Shows a class link's chooser again, for a pupil who chose another's number.
  val ShowChooser() {
    first_.ShowChooser();
    return Answer({});
  }

  /// Starts the puzzle being solved over, its letters, time and counts gone (Undo brings them back); asks first.
  val StartOver(bool confirmed) { return Answer(session_.StartOver(confirmed)); }

  /// Forgets every puzzle and all progress the browser keeps (the page drops its entries when the answer says
  /// "forget") and starts the puzzle on show over; asks first.
  val Forget(bool confirmed) {
    if (!confirmed) return Answer(Asked(kForgetQuestion));
    kept_ = KeptEntries();
    session_.StartOver(true);
    return Answer(Reply{{}, true, {Message(kForgotten)}, {}, {}}, true);
  }

  val ToggleTimer() { return Answer(session_.HideTimer(!session_.CurrentView().clock.hidden)); }

  /// Puts the note on `outcome` for a link of `kind` (as LinkNote reads them, with the link) under the page's links.
  val NoteLink(const std::string& kind, const std::string& outcome, const std::string& link) {
    linkNote_ = LinkNote(kind, outcome, link);
    return Answer({});
  }

  /// The pupil link to the puzzle on show, for the page at `address`: the puzzle after its "#".
  std::string PupilLink(const std::string& address) const {
    const loopword::View shown = session_.CurrentView();
    return shown.puzzle ? PupilLinkTo(address, shown.puzzle->sheetFile) : "";
  }

  /// Makes a puzzle, its steps `shown` as it goes or not, from the decimal `seed` where one is given; a text that is no
  /// seed is refused.
  val Compile(const std::string& seed, bool shown, bool confirmed) {
    if (const std::optional<Message> refusal = SeedNextCompile(seed)) return Answer(Refusal(*refusal));
    session_.ShowCompileSteps(shown);
    return Answer(session_.Compile(confirmed));
  }
  /// Lets the compile work for up to `milliseconds`, and while it is shown live, for `steps` steps at most: a pace
  /// the page can show.
  void AdvanceCompile(int milliseconds, int steps) {
    if (!Compiling()) return;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (int step = 0; step < steps && std::chrono::steady_clock::now() < until; ++step) {
      if (session_.AdvanceCompile(std::chrono::milliseconds(milliseconds)).changed.mode) return;  // it ended
    }
  }
  void PressViewButton(bool confirmed) { session_.PressViewButton(confirmed); }
  bool Compiling() const { return session_.CurrentView().mode == Mode::Compiling; }
  /// The answer to the commands that waited for the compile to end: what follows it for the first puzzle, else
  /// what it said.
  val Compiled() { return Answer(first_.Waiting() ? first_.AfterCompile() : session_.CurrentView().reply); }
  /// The answer of the command given last, for those the worker gives the session directly.
  val LastReply() { return Answer(session_.CurrentView().reply); }

  val StartSolving() { return Answer(session_.StartSolving()); }
  val Check() { return Answer(session_.Check()); }
  val Reveal() { return Answer(session_.Reveal()); }
  /// A key pressed on the figure or the page's keyboard, by its DOM name (Session::Key).
  val Key(const std::string& key, bool control, bool shift) { return Answer(session_.Key(key, control, shift)); }
  val ClickAt(int x, int y) { return Answer(session_.ClickAt({x, y})); }
  val Undo() { return Answer(session_.Undo()); }
  val Redo() { return Answer(session_.Redo()); }
  val PauseClock(bool paused) { return Answer(session_.PauseClock(paused)); }
  val TogglePencil() { return Answer(session_.TogglePencil()); }
  /// Takes what the page's choice field with the id `field` now holds (a box: "true" or "false"): the word list's
  /// level or language (its lists provided first), the difficulty, varied words, one solution, the start word (for
  /// "start-typed" and "start-word" the word typed) or a random one, what pupils may do.
  val Choose(const std::string& field, const std::string& value) {
    const Choices choices = session_.CurrentView().choices;
    const bool on = value == "true";
    CompileOptions fill{choices.varied, choices.unique, {}, choices.difficulty};
    PupilRules pupils = choices.pupils;
    if (field == "level") {
      if (const std::optional<int> level = WholeNumber(value, kOwnList, 3)) ChooseWordList(*level, "", "");
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
    return LastReply();  // each choice is one command of the session
  }
  val ChooseTheme(const std::string& words, const std::string& title) { return Answer(session_.ChooseTheme(words, title)); }
  /// Opens the puzzle file `text` named `name`, with the letters, time and counts the browser kept for it.
  val Open(const std::string& name, const std::string& text, bool confirmed) {
    return Answer(first_.Open(name, text, confirmed));
  }

  /// What the theme box says of the words typed so far, and whether they can be kept: {done, text}.
  val CheckTheme(const std::string& words) const { return RunData(session_.CheckTheme(words), language_); }

  /// The one-file page `page` with the puzzle on show inside, which whoever opens it solves; "" for none.
  std::string PageWithPuzzleOnShow(const std::string& page) const {
    const loopword::View shown = session_.CurrentView();
    return shown.puzzle ? PageWithPuzzle(page, shown.puzzle->sheetFile).value_or("") : "";
  }

  /// Makes a class set of `pupils` puzzles with the choices in use, telling `progress` (text, done, total) how far it
  /// got: {done, text, markup}, the markup its printed pages (ClassSetPages).
  val MakeClassSet(int pupils, const std::string& seed, const val& progress) {
    if (const std::optional<Message> refusal = SeedNextCompile(seed)) return RunData(Refusal(*refusal), language_);
    ClassSetPages pages(pupils);
    const Reply run = session_.MakeClassSet(pupils, ProgressTold(progress, language_),
                                            [&](MadePuzzle&& puzzle) { return pages.Add(puzzle.sheets, FormatPuzzle(puzzle.document)); });
    val result = RunData(run, language_);
    result.set("markup", pages.Markup());
    return result;
  }

  /// The learning platform package of the class set of `pupils` puzzles (made as MakeClassSet makes it) in the
  /// one-file page `page`, telling `progress` how far it got: {done, text, package: the .zip's bytes}.
  val LearningPackage(int pupils, const std::string& seed, const std::string& page, const val& progress) {
    if (const std::optional<Message> refusal = SeedNextCompile(seed)) return RunData(Refusal(*refusal), language_);
    std::vector<std::string> puzzles;
    Reply run = session_.MakeClassSet(pupils, ProgressTold(progress, language_), [&](MadePuzzle&& puzzle) {
      puzzles.push_back(FormatPuzzle(puzzle.document));
      return true;
    });
    const std::optional<std::string> package = run.done ? loopword::LearningPackage(page, puzzles, session_.CurrentView().choices.title) : std::nullopt;
    if (run.done && !package) run = Refusal(Message(kPageDamaged));
    val result = RunData(run, language_);
    if (package) result.set("package", val::global("Uint8Array").new_(emscripten::typed_memory_view(package->size(), reinterpret_cast<const std::uint8_t*>(package->data()))));
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
      run = session_.MakeClassSet(pupils, ProgressTold(progress, language_), [](MadePuzzle&&) { return true; });
      set = session_.CurrentView().classSet;
    }
    const loopword::ClassLink link = run.done && set ? ClassLinkOf(*set, address) : loopword::ClassLink{};
    if (!link.refusal.empty()) run = Refusal(link.refusal);
    val result = RunData(run, language_);
    result.set("link", link.link);
    return result;
  }

  /// Reads the result codes `codes` (one a line) against the class set of `pupils` with the choices in use: the one
  /// shared, else the one `seed` makes. {done, text, markup: the table, csv}.
  val ReadResults(int pupils, const std::string& seed, const std::string& codes, const val& progress) {
    std::vector<ResultRow> rows;
    Reply run;
    if (const std::optional<Message> refusal = SeedNextCompile(seed)) run = Refusal(*refusal);
    else run = session_.ReadClassResults(pupils, codes, ProgressTold(progress, language_), rows);
    val result = RunData(run, language_);
    result.set("markup", ResultsTable(rows, language_));
    result.set("csv", ResultsCsv(rows, [this](const Message& message) { return language_.Rendered(message); }));
    return result;
  }

  /// Loads bundled level 1..3, or for 0 the word list `text` the user picked as file `name`.
  val ChooseWordList(int level, const std::string& name, const std::string& text) {
    return Answer(session_.ChooseWordList(level, level == kOwnList ? PutUpload(name, text) : ""));
  }

  /// What the page shows, all of it from the session's view; reading it changes nothing.
  val View() const { return ViewData(session_.CurrentView(), language_, linkNote_, first_); }

  /// What the solving clock shows now.
  std::string ClockText() const { return session_.CurrentView().clock.text; }

  /// The puzzle sheet of the puzzle on show as it prints, where its pupil link goes as a QR code, and its solution
  /// sheet after them when asked; "" for none.
  std::string Sheets(bool withSolution) const {
    const loopword::View shown = session_.CurrentView();
    if (!shown.puzzle) return "";
    return SheetSvg(shown.puzzle->sheets.puzzle, "Puzzle sheet") + ScanLinkMarkup(shown.puzzle->sheetFile) +
           (withSolution ? SheetSvg(shown.puzzle->sheets.solution, "Solution sheet") : "");
  }

  /// The puzzle file of the puzzle on show, without progress; "" for none.
  std::string PuzzleText() const {
    const loopword::View shown = session_.CurrentView();
    return shown.puzzle ? shown.puzzle->sheetFile : "";
  }

  /// The bytes the module holds allocated now: flat over many compiles unless something is kept that should not be.
  double HeapInUse() const { return static_cast<double>(mallinfo().uordblks); }

 private:
  /// Starts the visit, the browser's entries `kept` its store (Start).
  val StartInBrowser(const val& kept, const StartAddress& address) {
    kept_ = KeptEntries(Entries(kept));
    kept_.Read("page-language", [](const std::string& code) { return LanguageFromCode(code).has_value(); });
    return Answer(first_.Start(address));
  }

  /// What a command answers the page (AnswerData): what the browser is to keep is the view's entries, whole, and the
  /// entries dropped or written since. While a compile runs, the commands waiting for it are answered once it has
  /// ended: what to keep waits till then. Where the first puzzle needs a compile this module cannot make, the answer
  /// says so (`needsMaking`).
  val Answer(const Reply& reply, bool forget = false) {
    if (reply.changed.choices) linkNote_ = {};  // a link copied before may no longer be for the choices in use
    const bool own = first_.VisitKind() == Visit::Own;
    const KeptChanges keep = Compiling() || platform_ ? KeptChanges() : kept_.KeepWhole(EntriesToKeep(session_.CurrentView(), own));
    if (!platform_) return Marked(AnswerData(reply, language_, keep, forget, first_.Chooser()));
    const loopword::View shown = session_.CurrentView();
    const std::vector<PlatformValue> told = platform_->Report(shown);
    Reply withNote = reply;
    if (const Message note = platform_->TakeNote(); !note.empty()) withNote.messages.emplace_back(note, MessageKind::Warning);
    val answer = AnswerData(withNote, language_, keep, forget, first_.Chooser());
    answer.set("platform", PlatformData(told, platform_->Leaving(shown)));
    return Marked(answer);
  }
  /// `answer`, marked where the first puzzle waits for the module that makes puzzles.
  val Marked(val answer) const {
    if (first_.NeedsMaking()) answer.set("needsMaking", true);
    return answer;
  }

  static Reply Refusal(const Message& message) { return {{}, false, {Said(message, MessageKind::Error)}, {}, {}}; }
  static Reply Asked(const Text& question) { return {{}, true, {}, Message(question), {}}; }

  /// Seeds the next compile with the decimal `seed` unless it is empty; what refuses a text that is no seed.
  std::optional<Message> SeedNextCompile(const std::string& seed) {
    if (seed.empty()) return std::nullopt;
    const std::optional<std::uint64_t> value = ReadSeed(seed);
    if (!value) return SeedRefusal(seed);
    session_.SeedNextCompile(*value);
    return std::nullopt;
  }

  /// Reads the word lists in the language with the two-letter `code` from now on (put there by provideLists).
  void ChooseLanguage(const std::string& code) {
    if (const std::optional<Language> language = LanguageFromCode(code)) session_.ChooseLanguage(*language);
  }

  /// The session's setup: the sheets' words from the page's translations, the word lists named by their files alone.
  SessionSetup Setup(Language language) {
    return {SteadyClock(), language, [this](Language puzzles) { return language_.SheetTextsIn(puzzles); }, true,
            LOOPWORD_MAKES_PUZZLES};
  }

  PageLanguage language_;  // declared before the session, which reads the sheets' words from it
  Session session_;
  KeptEntries kept_;  // what the browser keeps, as the page handed it over and as it has changed since
  FirstPuzzle first_;
  Message linkNote_;  // the note under the page's links
  std::optional<LearningPlatform> platform_;  // the learning platform that started the page, if one did
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

#if LOOPWORD_MAKES_PUZZLES
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
#endif

}  // namespace

extern "C" {
#if LOOPWORD_MAKES_PUZZLES
EMSCRIPTEN_KEEPALIVE void loopword_advance_compile(int milliseconds, int steps) {
  if (theSession != nullptr) theSession->AdvanceCompile(milliseconds, steps);
}
#endif
EMSCRIPTEN_KEEPALIVE void loopword_press_view_button(int confirmed) {
  if (theSession != nullptr) theSession->PressViewButton(confirmed != 0);
}
}

EMSCRIPTEN_BINDINGS(loopword) {
  emscripten::function("newSession", &NewSession, emscripten::allow_raw_pointers());
  [[maybe_unused]] auto session = emscripten::class_<WebSession>("Session")
      .function("start", &WebSession::Start)
      .function("openNumber", &WebSession::OpenNumber)
      .function("platformRefused", &WebSession::PlatformRefused)
      .function("showChooser", &WebSession::ShowChooser)
      .function("startOver", &WebSession::StartOver)
      .function("forget", &WebSession::Forget)
      .function("toggleTimer", &WebSession::ToggleTimer)
      .function("noteLink", &WebSession::NoteLink)
      .function("pupilLink", &WebSession::PupilLink)
      .function("useTranslations", &WebSession::UseTranslations)
      .function("usePageLanguage", &WebSession::UsePageLanguage)
      .function("compiling", &WebSession::Compiling)
      .function("lastReply", &WebSession::LastReply)
      .function("clockText", &WebSession::ClockText)
      .function("startSolving", &WebSession::StartSolving)
      .function("check", &WebSession::Check)
      .function("reveal", &WebSession::Reveal)
      .function("key", &WebSession::Key)
      .function("clickAt", &WebSession::ClickAt)
      .function("undo", &WebSession::Undo)
      .function("redo", &WebSession::Redo)
      .function("pauseClock", &WebSession::PauseClock)
      .function("togglePencil", &WebSession::TogglePencil)
      .function("pageWithPuzzle", &WebSession::PageWithPuzzleOnShow)
      .function("open", &WebSession::Open)
      .function("view", &WebSession::View)
      .function("sheets", &WebSession::Sheets)
      .function("heapInUse", &WebSession::HeapInUse);
#if LOOPWORD_MAKES_PUZZLES
  emscripten::function("provideLists", &ProvideLists);
  session.function("compile", &WebSession::Compile)
      .function("compiled", &WebSession::Compiled)
      .function("choose", &WebSession::Choose)
      .function("chooseTheme", &WebSession::ChooseTheme)
      .function("checkTheme", &WebSession::CheckTheme)
      .function("chooseWordList", &WebSession::ChooseWordList)
      .function("makeClassSet", &WebSession::MakeClassSet)
      .function("classLink", &WebSession::ClassLink)
      .function("learningPackage", &WebSession::LearningPackage)
      .function("readResults", &WebSession::ReadResults)
      .function("puzzleText", &WebSession::PuzzleText);
#endif
}

}  // namespace loopword
