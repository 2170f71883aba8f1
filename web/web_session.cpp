// The session as the web page's worker calls it: commands in, the session's view out as data, its picture as SVG.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <emscripten.h>
#include <emscripten/bind.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>

#include "display/svg_canvas.h"
#include "page_data.h"
#include "page_render.h"
#include "puzzle/puzzle_file.h"
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

/// The solving key a key of the page stands for: the DOM's names of the keys, Page Down and Page Up for the squares.
std::optional<SolvingKey> SolvingKeyNamed(const std::string& name) {
  static const std::map<std::string, SolvingKey> keys = {
      {"Backspace", SolvingKey::Backspace}, {"Delete", SolvingKey::Delete}, {"ArrowLeft", SolvingKey::Left},
      {"ArrowRight", SolvingKey::Right},    {"ArrowUp", SolvingKey::Up},     {"ArrowDown", SolvingKey::Down},
      {"PageDown", SolvingKey::Tab},        {"PageUp", SolvingKey::BackTab}};
  const auto key = keys.find(name);
  return key == keys.end() ? std::nullopt : std::optional(key->second);
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

  void Compile(bool confirmed) { Take(session_.Compile(confirmed)); }
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
  void ShowCompileSteps(bool shown) { session_.ShowCompileSteps(shown); }
  void StartSolving() { session_.StartSolving(); }
  void Check() { session_.Check(); }
  void Reveal() { session_.Reveal(); }
  void Press(const std::string& key) {
    if (const auto solvingKey = SolvingKeyNamed(key)) session_.Press(*solvingKey);
  }
  void Type(const std::string& letter) { session_.Type(letter.empty() ? ' ' : letter[0]); }
  void ClickAt(int x, int y) { session_.ClickAt({x, y}); }
  void Select(int square, int position) { session_.Select({square, position}); }
  void Undo() { session_.Undo(); }
  void Redo() { session_.Redo(); }
  void PauseClock(bool paused) { session_.PauseClock(paused); }
  void TogglePencil() { session_.TogglePencil(); }
  void HideTimer(bool hidden) { session_.HideTimer(hidden); }
  void Resume(const std::string& text) { session_.Resume(text); }
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
  void MarkSaved() { session_.MarkSaved(); }
  void Open(const std::string& name, const std::string& text, bool confirmed) { session_.OpenText(text, name, confirmed); }

  /// What the theme box says of the words typed so far, and whether they can be kept.
  val CheckTheme(const std::string& words) const {
    const Reply check = session_.CheckTheme(words);
    val report = val::object();
    report.set("text", language_.Rendered(check.Told()));
    report.set("usable", check.done);
    return report;
  }

  /// Seeds the next compile with the decimal `seed`; a text that is no seed is refused with a message.
  void SeedNextCompile(const std::string& seed) {
    if (const auto value = ReadSeed(seed)) {
      session_.SeedNextCompile(*value);
    } else {
      refusal_ = SeedRefusal(seed);
    }
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
    refusal_ = note;
  }

  /// What the page's address (`query`, after its "?") says of a class: {classLink, pupils, lines}, the lines saying what
  /// is wrong with a link cut short or damaged.
  val ReadClassLink(const std::string& query) const {
    const DecodedClassSet decoded = DecodeClassSet(query);
    val link = val::object();
    link.set("classLink", decoded.classLink);
    link.set("pupils", decoded.pupils);
    link.set("text", language_.Rendered(decoded.note));
    return link;
  }

  /// Makes the next compile the puzzle of pupil `number` of the class link `query`; a damaged link or a number
  /// that is not the set's is refused.
  void ChooseClassPuzzle(const std::string& query, int number) {
    const DecodedClassSet decoded = DecodeClassSet(query);
    if (decoded.set) session_.ChooseClassPuzzle(*decoded.set, number);
    else refusal_ = decoded.note;
  }

  /// Makes a class set of `pupils` puzzles with the choices in use, telling `progress` (text, done, total) how far it
  /// got: {done, text, markup}, the markup its printed pages: each puzzle on a page of its own, then the answers
  /// kAnswersPerPage a page.
  val MakeClassSet(int pupils, const val& progress) {
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
  /// is for them, else made now, telling `progress` how far it got. {done, lines, link}.
  val ClassLink(int pupils, const std::string& address, const val& progress) {
    std::optional<ClassSet> set = session_.CurrentView().classSet;
    Reply run;
    if (!set || set->pupils != pupils) {
      run = session_.MakeClassSet(pupils, Told(progress), [](MadePuzzle&&) { return true; });
      set = session_.CurrentView().classSet;
    }
    const loopword::ClassLink link = run.done && set ? ClassLinkOf(*set, address) : loopword::ClassLink{};
    if (!link.refusal.empty()) run = {{}, false, {link.refusal}, {}, {}};
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
    if (shown.reading.current) {
      view.set("cursor", std::to_string(shown.reading.current->square) + "." + std::to_string(shown.reading.current->position));
    }
    view.set("offer", OfferData(shown.offer));
    view.set("texts", Texts({{"view-button", language_.Translated("Messages", shown.caption)},
                             {"title", language_.Rendered(shown.windowTitle)},
                             {"rules-note", language_.Rendered(shown.rulesNote)}}));
    view.set("hidden", Flags({{"check", !shown.rules.check}, {"key-check", !shown.rules.check},
                              {"reveal", !shown.rules.reveal}, {"hide-timer", !shown.rules.timer},
                              {"timer", !shown.clock.shown}}));
    view.set("pressed", Flags({{"pencil", shown.pencil}, {"hide-timer", shown.clock.hidden}}));
    view.set("unsaved", shown.unsaved);
    Message told = shown.reply.Told();
    view.set("done", shown.reply.done && refusal_.empty());
    if (!refusal_.empty()) told = std::exchange(refusal_, {}).Append(told);  // said by this front end's own checks
    view.set("message", language_.Rendered(told));
    view.set("question", language_.Rendered(shown.reply.question));
    view.set("choices", ChoicesData(shown.choices));
    view.set("words", WordsMarkup(shown.words, language_));
    view.set("solved", shown.solved);
    view.set("elapsedMs", static_cast<double>(shown.clock.elapsedMs));
    view.set("clockRunning", shown.clock.running);
    view.set("timerHidden", shown.clock.hidden);
    view.set("check", language_.Rendered(CheckReport(shown.picture)));
    if (shown.puzzle) {  // also a stopped compile's, to print
      val puzzle = val::object();
      puzzle.set("file", shown.puzzle->file);
      puzzle.set("sheetFile", shown.puzzle->sheetFile);
      puzzle.set("key", shown.puzzle->key);
      view.set("puzzle", puzzle);
      view.set("keyboard", std::string(KeyboardLayout(shown.puzzle->language)));
    }
    view.set("progress", language_.Rendered(shown.progress));
    return view;
  }

  /// Both sheets of the puzzle on show as they print; nothing without a puzzle.
  val Sheets() const {
    val sheets = val::object();
    const loopword::View shown = session_.CurrentView();
    if (!shown.puzzle) return sheets;
    sheets.set("puzzle", SheetSvg(shown.puzzle->sheets.puzzle, "Puzzle sheet"));
    sheets.set("solution", SheetSvg(shown.puzzle->sheets.solution, "Solution sheet"));
    return sheets;
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

  /// Follows whether a compile runs from what a command changed.
  void Take(const Reply& reply) {
    if (reply.changed.mode) compiling_ = session_.CurrentView().mode == Mode::Compiling;
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
  Message refusal_;  // what the page's own input checks said, told with the next view
  bool compiling_ = false;
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
      .function("useTranslations", &WebSession::UseTranslations)
      .function("usePageLanguage", &WebSession::UsePageLanguage)
      .function("compile", &WebSession::Compile)
      .function("compiling", &WebSession::Compiling)
      .function("showCompileSteps", &WebSession::ShowCompileSteps)
      .function("startSolving", &WebSession::StartSolving)
      .function("check", &WebSession::Check)
      .function("reveal", &WebSession::Reveal)
      .function("press", &WebSession::Press)
      .function("type", &WebSession::Type)
      .function("clickAt", &WebSession::ClickAt)
      .function("select", &WebSession::Select)
      .function("undo", &WebSession::Undo)
      .function("redo", &WebSession::Redo)
      .function("pauseClock", &WebSession::PauseClock)
      .function("togglePencil", &WebSession::TogglePencil)
      .function("hideTimer", &WebSession::HideTimer)
      .function("resume", &WebSession::Resume)
      .function("choose", &WebSession::Choose)
      .function("chooseTheme", &WebSession::ChooseTheme)
      .function("checkTheme", &WebSession::CheckTheme)
      .function("seedNextCompile", &WebSession::SeedNextCompile)
      .function("restore", &WebSession::Restore)
      .function("chooseWordList", &WebSession::ChooseWordList)
      .function("chooseLanguage", &WebSession::ChooseLanguage)
      .function("markSaved", &WebSession::MarkSaved)
      .function("readClassLink", &WebSession::ReadClassLink)
      .function("chooseClassPuzzle", &WebSession::ChooseClassPuzzle)
      .function("makeClassSet", &WebSession::MakeClassSet)
      .function("classLink", &WebSession::ClassLink)
      .function("open", &WebSession::Open)
      .function("view", &WebSession::View)
      .function("sheets", &WebSession::Sheets)
      .function("heapInUse", &WebSession::HeapInUse);
}

}  // namespace loopword
