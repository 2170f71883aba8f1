// The session as the web page's worker calls it: commands in, replies and the session's view, its picture as SVG, out.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <emscripten/bind.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "display/sheets.h"
#include "session/session.h"
#include "page_data.h"
#include "words/bundled_lists.h"
#include "words/language.h"
#include "words/theme_words.h"

namespace loopword {

namespace {

using emscripten::val;

/// Where the bundled word lists are embedded in the module's file system.
constexpr const char* kDataFolder = "/loopword";
/// Where word lists the user picks are put for the session to read.
constexpr const char* kUploadFolder = "/uploads";

/// Writes `text` as the user's file `name` (its folders left out) and gives its path; the messages
/// name the file as the user knows it.
std::string PutUpload(const std::string& name, const std::string& text) {
  std::filesystem::create_directories(kUploadFolder);
  std::string fileName = std::filesystem::path(name).filename().string();
  if (fileName.empty() || fileName == "." || fileName == "..") fileName = "file";
  const std::string path = std::string(kUploadFolder) + "/" + fileName;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

}  // namespace

/// One session, its picture drawn as SVG whenever the page asks for the view. The page shows no compile in
/// progress: a compile runs to its end within the command, its steps never drawn.
class WebSession {
 public:
  WebSession() : session_(kDataFolder, SteadyClock()) { session_.ShowCompileSteps(false); }

  std::string CurrentMode() const { return ModeName(session_.CurrentMode()); }
  val StartMessages() const { return MessagesObject(session_.StartReport().messages); }
  /// Compiles a puzzle to its end; the reply says how it ended, or why none was started.
  val Compile(bool confirmed) {
    Reply reply = session_.Compile(confirmed);
    while (session_.CurrentMode() == Mode::Compiling) reply = session_.AdvanceCompile();
    return ReplyObject(reply);
  }
  val PressViewButton(bool confirmed) { return ReplyObject(session_.PressViewButton(confirmed)); }
  val StartSolving() { return ReplyObject(session_.StartSolving()); }
  val Check() { return ReplyObject(session_.Check()); }
  val Reveal() { return ReplyObject(session_.Reveal()); }
  val Press(int key) { return ReplyObject(session_.Press(static_cast<SolvingKey>(key))); }
  val Type(const std::string& letter) { return ReplyObject(session_.Type(letter.empty() ? ' ' : letter[0])); }
  val ClickAt(int x, int y) { return ReplyObject(session_.ClickAt({x, y})); }
  val Undo() { return ReplyObject(session_.Undo()); }
  val Redo() { return ReplyObject(session_.Redo()); }
  void PauseClock(bool paused) { session_.PauseClock(paused); }
  void ChooseRandomStartWord() { session_.ChooseRandomStartWord(); }
  val EnterStartWord(const std::string& answer) { return ReplyObject(session_.EnterStartWord(answer)); }
  /// The fill choices: varied words, one solution and the difficulty by its name ("standard", "hard", ...).
  void SetFill(bool varied, bool unique, const std::string& difficulty) {
    session_.SetFill({varied, unique, {}, DifficultyNamed(difficulty).value_or(Difficulty::Standard)});
  }
  /// The theme words typed so far and the title, for the next compiles.
  void ChooseTheme(const std::string& words, const std::string& title) { session_.ChooseTheme(words, title); }

  /// What the theme box says of the words typed so far, and whether they can be kept.
  val ThemeReport(const std::string& words) const {
    const ThemeWords read = ReadThemeWords(words, session_.Dictionaries().CurrentLanguage());
    val report = val::object();
    const Message said = ThemeWordsReport(read);
    report.set("lines", MessageData(said));
    report.set("usable", read.Fit());
    return report;
  }

  /// Seeds the next compile with the decimal `seed`; false when it is not a whole number from 0 to 2^64 - 1.
  bool SeedNextCompile(const std::string& seed) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(seed.data(), seed.data() + seed.size(), value);
    if (error != std::errc() || end != seed.data() + seed.size() || seed.empty()) return false;
    session_.SeedNextCompile(value);
    return true;
  }

  /// Loads bundled level 1..3, or for 0 the word list `text` the user picked as file `name`.
  val ChooseWordList(int level, const std::string& name, const std::string& text) {
    const std::string path = level == 0 ? PutUpload(name, text) : "";
    return MessagesObject(session_.ChooseWordList(level, path).messages);
  }

  /// Reads the word lists in the language with the two-letter `code` from now on; `list` is that
  /// language's packed levels (none for English), put as three level files where the session looks for them.
  val ChooseLanguage(const std::string& code, const std::string& list) {
    const std::optional<Language> language = LanguageFromCode(code);
    if (!language) return MessagesObject({Message(Phrase("Loopword has no word lists in the language \"" + code + "\"."))});
    if (*language != Language::English) {
      const std::array<std::string, 3> levels = UnpackLevels(list);
      for (int level = 1; level <= 3; ++level) {
        std::ofstream(std::string(kDataFolder) + "/" + BundledListName(level, *language), std::ios::binary)
            << levels.at(static_cast<std::size_t>(level - 1));
      }
    }
    return MessagesObject(session_.ChooseLanguage(*language).messages);
  }

  /// Opens the puzzle file `text` the user picked as file `name`.
  val Open(const std::string& name, const std::string& text, bool confirmed) {
    return ReplyObject(session_.OpenText(text, name, confirmed));
  }

  /// What the page shows, from the session's view: the picture, the view button, the commands on offer, the word
  /// list, its language, the title, the puzzle file with the letters typed so far and, for screen readers, the
  /// letters of every square, the hint cells, the cells Check marked wrong and the selected cell while solving.
  val View() const {
    const loopword::View shown = session_.CurrentView();
    val view = val::object();
    view.set("mode", std::string(ModeName(shown.mode)));
    view.set("picture", SheetDocument(shown.picture, ModeName(shown.mode)));
    view.set("caption", std::string(shown.caption));
    view.set("commands", shown.offer.commands);
    view.set("puzzle", shown.offer.puzzle);
    view.set("solving", shown.offer.solving);
    view.set("viewButton", shown.offer.viewButton);
    view.set("undo", shown.offer.undo);
    view.set("redo", shown.offer.redo);
    const Message title = TitleBar(shown.windowTitle);
    view.set("titleLines", MessageData(title));
    view.set("level", session_.Dictionaries().DictLevel);
    view.set("language", std::string(LanguageCode(session_.Dictionaries().CurrentLanguage())));
    view.set("file", session_.PuzzleFileText());
    const bool solving = shown.picture.sheet == Sheet::Solving;
    val rings = val::array();
    if (solving) for (const std::string& ring : shown.picture.rings) rings.call<void>("push", ring);
    view.set("rings", rings);
    if (solving && shown.picture.cursor) {
      view.set("selectedSquare", shown.picture.cursor->square);
      view.set("selectedPosition", shown.picture.cursor->position);
    }
    view.set("hints", CellList(solving ? shown.picture.hints : std::vector<RingCell>()));
    view.set("marked", CellList(solving ? shown.picture.marked : std::vector<RingCell>()));
    view.set("words", Words(solving ? shown.picture.struck : std::vector<bool>()));
    return view;
  }

  /// The bytes the module holds allocated now: flat over many compiles unless something is kept that should not be.
  double HeapInUse() const { return static_cast<double>(mallinfo().uordblks); }

  /// Both sheets of the puzzle on show, drawn afresh for printing.
  val Sheets() const {
    val sheets = val::object();
    if (!session_.HasPuzzle()) return sheets;
    sheets.set("puzzle", SheetDocument(PuzzleSheetView(session_.CurrentPuzzle()), "Puzzle sheet"));
    sheets.set("solution", SheetDocument(SolutionSheetView(session_.CurrentPuzzle()), "Solution sheet"));
    return sheets;
  }

  /// Draws the sheets from now on in the words `translations` gives (English word → its translation), English
  /// where it gives none.
  void UseSheetTexts(const val& translations) {
    loopword::UseSheetTexts(TranslatedSheetTexts([&](const std::string& english) {
      const val translated = translations[english];
      return translated.isString() ? translated.as<std::string>() : english;
    }));
  }

 private:
  /// The title bar's `full` title with the list named by its file name alone: the page's folders are its own.
  Message TitleBar(const Message& full) const {
    const std::string path = session_.Dictionaries().ChosenPath();
    Message title;
    for (const Phrase& line : full.Lines()) title.Add(path.empty() ? line : WithFileName(line, path));
    return title;
  }

  /// The listed words in alphabetical order, each with whether some ring reads it (`struck`, by row, while solving).
  val Words(const std::vector<bool>& struck) const {
    val words = val::array();
    if (!session_.HasPuzzle()) return words;
    const std::vector<std::string> sorted = SortedWords(session_.CurrentPuzzle());
    for (std::size_t row = 0; row < sorted.size(); ++row) {
      val entry = val::object();
      entry.set("word", sorted[row]);
      entry.set("found", row < struck.size() && struck[row]);
      words.call<void>("push", entry);
    }
    return words;
  }

  Session session_;
};

EMSCRIPTEN_BINDINGS(loopword) {
  emscripten::class_<WebSession>("Session")
      .constructor<>()
      .function("mode", &WebSession::CurrentMode)
      .function("startMessages", &WebSession::StartMessages)
      .function("compile", &WebSession::Compile)
      .function("pressViewButton", &WebSession::PressViewButton)
      .function("startSolving", &WebSession::StartSolving)
      .function("check", &WebSession::Check)
      .function("reveal", &WebSession::Reveal)
      .function("press", &WebSession::Press)
      .function("type", &WebSession::Type)
      .function("clickAt", &WebSession::ClickAt)
      .function("undo", &WebSession::Undo)
      .function("redo", &WebSession::Redo)
      .function("pauseClock", &WebSession::PauseClock)
      .function("chooseRandomStartWord", &WebSession::ChooseRandomStartWord)
      .function("enterStartWord", &WebSession::EnterStartWord)
      .function("setFill", &WebSession::SetFill)
      .function("chooseTheme", &WebSession::ChooseTheme)
      .function("themeReport", &WebSession::ThemeReport)
      .function("seedNextCompile", &WebSession::SeedNextCompile)
      .function("chooseWordList", &WebSession::ChooseWordList)
      .function("chooseLanguage", &WebSession::ChooseLanguage)
      .function("open", &WebSession::Open)
      .function("view", &WebSession::View)
      .function("sheets", &WebSession::Sheets)
      .function("useSheetTexts", &WebSession::UseSheetTexts)
      .function("heapInUse", &WebSession::HeapInUse);
}

}  // namespace loopword
