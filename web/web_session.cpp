// The session as the web page's worker calls it: commands in, the session's view out as data, its picture as SVG.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <emscripten.h>
#include <emscripten/bind.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "display/svg_canvas.h"
#include "page_data.h"
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

  /// The sheets' words per language, from the page's translations (language code → English word → translation).
  void UseSheetTranslations(const val& table) {
    for (const Language language : kLanguages) {
      const val words = table[std::string(LanguageCode(language))];
      if (words.isUndefined() || words.isNull()) continue;
      sheetTexts_[language] = TranslatedSheetTexts([&](const std::string& english) {
        const val translated = words[english];
        return translated.isString() ? translated.as<std::string>() : english;
      });
    }
  }

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
  void SetPupilRules(bool check, bool reveal, bool timer) { session_.SetPupilRules({check, reveal, timer}); }
  void Resume(const std::string& text) { session_.Resume(text); }
  void ChooseRandomStartWord() { session_.ChooseRandomStartWord(); }
  void EnterStartWord(const std::string& answer) { session_.EnterStartWord(answer); }
  void SetFill(bool varied, bool unique, const std::string& difficulty) {
    session_.SetFill({varied, unique, {}, DifficultyNamed(difficulty).value_or(Difficulty::Standard)});
  }
  void ChooseTheme(const std::string& words, const std::string& title) { session_.ChooseTheme(words, title); }
  void MarkSaved() { session_.MarkSaved(); }
  void Open(const std::string& name, const std::string& text, bool confirmed) { session_.OpenText(text, name, confirmed); }

  /// What the theme box says of the words typed so far, and whether they can be kept.
  val CheckTheme(const std::string& words) const {
    const Reply check = session_.CheckTheme(words);
    val report = val::object();
    report.set("lines", MessageData(check.Told()));
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
    link.set("lines", MessageData(decoded.note));
    return link;
  }

  /// Makes the next compile the puzzle of pupil `number` of the class link `query`; a damaged link or a number
  /// that is not the set's is refused.
  void ChooseClassPuzzle(const std::string& query, int number) {
    const DecodedClassSet decoded = DecodeClassSet(query);
    if (decoded.set) session_.ChooseClassPuzzle(*decoded.set, number);
    else refusal_ = decoded.note;
  }

  /// Makes a class set of `pupils` puzzles with the choices in use, telling `progress` (lines, done, total) how far it
  /// got: {done, lines, pages: [{heading, title, sheet}], answerPages: [[{heading, sheet}]]}, the sheets as SVG,
  /// the answers kAnswersPerPage a page.
  val MakeClassSet(int pupils, const val& progress) {
    val pages = val::array(), answerPages = val::array();
    int made = 0;
    const Reply run = session_.MakeClassSet(pupils, Told(progress), [&](MadePuzzle&& puzzle) {
      const SheetView& sheet = puzzle.sheets.puzzle;
      val page = val::object();
      page.set("heading", PuzzleHeading(sheet.texts, ++made, pupils));
      page.set("title", sheet.title);
      page.set("sheet", SheetSvg(sheet, "Puzzle sheet"));
      pages.call<void>("push", page);
      if ((made - 1) % kAnswersPerPage == 0) answerPages.call<void>("push", val::array());
      val answer = val::object();
      answer.set("heading", PuzzleHeading(sheet.texts, made, pupils));
      answer.set("sheet", SheetSvg(puzzle.sheets.solution, "Solution sheet"));
      answerPages[answerPages["length"].as<int>() - 1].call<void>("push", answer);
      return true;
    });
    val result = RunData(run);
    result.set("pages", pages);
    result.set("answerPages", answerPages);
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

  /// What the page shows, all of it from the session's view.
  val View() {
    const loopword::View shown = session_.CurrentView();
    val view = val::object();
    view.set("mode", std::string(ModeName(shown.mode)));
    view.set("picture", SheetSvg(shown.picture, "", SvgSurface::Screen));
    view.set("caption", std::string(shown.caption));
    view.set("offer", OfferData(shown.offer));
    view.set("titleLines", MessageData(shown.windowTitle));
    view.set("unsaved", shown.unsaved);
    Message told = shown.reply.Told();
    view.set("done", shown.reply.done && refusal_.empty());
    if (!refusal_.empty()) told = std::exchange(refusal_, {}).Append(told);  // said by this front end's own checks
    view.set("messageLines", MessageData(told));
    view.set("questionLines", MessageData(shown.reply.question));
    view.set("choices", ChoicesData(shown.choices));
    view.set("words", WordsData(shown.words));
    view.set("solved", shown.solved);
    view.set("elapsedMs", static_cast<double>(shown.clock.elapsedMs));
    view.set("clockRunning", shown.clock.running);
    view.set("timerShown", shown.clock.shown);
    view.set("timerHidden", shown.clock.hidden);
    view.set("pencil", shown.pencil);
    view.set("rules", RulesData(shown.rules));
    view.set("rulesNoteLines", MessageData(shown.rulesNote));
    view.set("cells", CellsData(shown.reading));
    if (shown.reading.current) view.set("cursor", CellData(*shown.reading.current));
    view.set("checkLines", MessageData(CheckReport(shown.picture)));
    if (shown.puzzle) {  // also a stopped compile's, to print
      val puzzle = val::object();
      puzzle.set("file", shown.puzzle->file);
      puzzle.set("sheetFile", shown.puzzle->sheetFile);
      puzzle.set("key", shown.puzzle->key);
      view.set("puzzle", puzzle);
      view.set("puzzleLanguage", std::string(LanguageCode(shown.puzzle->language)));
    }
    view.set("progressLines", MessageData(shown.progress));
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
  static BookletProgress Told(const val& progress) {
    return [progress](int done, int total) {
      progress(MessageData(Message(texts::kPuzzlesMade, {done, total})), done, total);
      return true;
    };
  }

  /// What a run the page waits for answers: {done, lines}.
  static val RunData(const Reply& run) {
    val result = val::object();
    result.set("done", run.done);
    result.set("lines", MessageData(run.Told()));
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
    setup.sheetTexts = [this](Language language) {
      const auto texts = sheetTexts_.find(language);
      return texts == sheetTexts_.end() ? SheetTexts() : texts->second;
    };
    return setup;
  }

  std::map<Language, SheetTexts> sheetTexts_;  // declared before the session, which reads it
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
      .function("useSheetTranslations", &WebSession::UseSheetTranslations)
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
      .function("setPupilRules", &WebSession::SetPupilRules)
      .function("resume", &WebSession::Resume)
      .function("chooseRandomStartWord", &WebSession::ChooseRandomStartWord)
      .function("enterStartWord", &WebSession::EnterStartWord)
      .function("setFill", &WebSession::SetFill)
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
