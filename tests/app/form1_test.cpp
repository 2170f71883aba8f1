// Drives the main window as an adapter of the session: menus per mode, dialog answers, input, Help and the guide.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTextBrowser>
#include <QTranslator>

#include "app/about_form.h"
#include "app/result_panel.h"
#include "app/translations.h"
#include "board/message.h"
#include "compiler/compiler.h"
#include "output/booklet.h"
#include "output/sheet_image.h"
#include "play/cells.h"
#include "session/result_code.h"
#include "support/run_tool.h"
#include "support/typed_keys.h"
#include "support/window_test.h"
#include "words/language.h"
#include "words/theme_words.h"

namespace loopword {
namespace {

using testing::ReadFile;
using Form1Test = testing::WindowTest;

class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
  int paints = 0;
};

TEST_F(Form1Test, MenuItemsAndTheViewButtonAreEnabledPerModeAndThePictureRepaintsAtEachStep) {
  auto window = NewWindow();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  auto* picture = window->findChild<PictureBox*>();
  PaintCounter counter;
  picture->installEventFilter(&counter);
  const std::vector<std::pair<std::function<void()>, std::string>> steps = {  // after each step: what is enabled
      {[] {}, "Solve Open Start1 DictLevel2 "},
      {[&] {
         window->mnuSolve_Click();
         EXPECT_TRUE(window->Caption() == "Stop" && toolkit.busy) << "a compile runs with Stop and the busy pointer";
         EXPECT_FALSE(window->MenuItem("copyx")->isEnabled() || window->MenuItem("mnuprint")->isEnabled());
       }, "Button"},
      {[&] { testing::FinishCompile(*window); EXPECT_FALSE(toolkit.busy); }, "Solve Open Save SolveOnScreen Start1 DictLevel2 Button"},
      {[&] { window->mnuSolveOnScreen_Click(); }, "Solve Open Save SolveOnScreen Check StartOver Start1 DictLevel2 Button"},
      {[&] { QTest::mouseClick(window->Command1(), Qt::RightButton); }, "Solve Open Save SolveOnScreen Start1 DictLevel2 Button"}};
  for (const auto& [step, expected] : steps) {
    step();
    std::string enabled;
    for (const char* item : {"Solve", "Open", "Save", "SolveOnScreen", "Check", "StartOver", "Start1", "DictLevel2"}) {
      if (window->MenuItem(QString("mnu") + item)->isEnabled()) enabled += std::string(item) + " ";
    }
    EXPECT_EQ(enabled + (window->ButtonEnabled() ? "Button" : ""), expected);
  }
  EXPECT_GT(counter.paints, 20) << "repainted as the compile's steps come";
  QCoreApplication::processEvents();
  counter.paints = 0;
  toolkit.inputReplies = {"ELEPHANT"};
  window->MenuItem("mnuStart1")->trigger();
  QCoreApplication::processEvents();
  EXPECT_GT(counter.paints, 0) << "the starting word shows";
  EXPECT_EQ(window->CurrentView().choices.startWord, "ELEPHANT");
  window->MenuItem("mnuStart0")->trigger();
  EXPECT_TRUE(window->MenuItem("mnuStart0")->isChecked() && window->CurrentView().choices.startWord.empty()) << "Random";
}

TEST_F(Form1Test, CtrlZTakesBackTypedLettersCtrlShiftZBringsThemBackStartOverAsksFirstAFailedSaveKeepsThemAtStakeExportsAskBeforeReplacing) {
  const std::string page = "<html><meta name=\"loopword-puzzle\" content=\"\"></html>";
  std::ofstream(program.Path() / "loopword.html") << page;  // found in the program folder, as installed
  auto window = Active(CompiledWindow());
  auto* picture = window->findChild<PictureBox*>();
  QTest::keyClick(window.get(), Qt::Key_F6);
  ASSERT_EQ(window->CurrentView().mode, Mode::Solving) << "F6 solves on screen";
  EXPECT_TRUE(window->Clock()->isVisible()) << "the time spent, while solving";
  const auto untyped = window->CurrentView().reading.cells;
  for (const char letter : {'k', 'e', 'y'}) QTest::keyClick(picture, letter);  // into square 1's first empty cells
  Choose(*window, "mnuSave", Target("missing/typed.loopword"));
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_TRUE(toolkit.messages[0].starts_with("Loopword could not save the puzzle to:")) << toolkit.messages[0];
  EXPECT_TRUE(window->isWindowModified()) << "the letters are still unsaved";
  toolkit.yesNoReplies = {false};  // No: go on solving
  window->close();
  EXPECT_EQ(toolkit.questions.size(), 1u) << "Exit asks before it drops the typed letters";
  ASSERT_EQ(window->CurrentView().mode, Mode::Solving);
  Choose(*window, "mnuSave", Target("typed.loopword"));
  const auto typed = window->CurrentView().reading.cells;
  enum class Letters { None, Some, All };  // what undo takes back: the session's tests
  const struct { QKeySequence keys; int times; Letters left; } steps[] = {
      {QKeySequence("Ctrl+Z"), 3, Letters::None}, {QKeySequence("Ctrl+Shift+Z"), 3, Letters::All},
      {QKeySequence("Ctrl+Z"), 1, Letters::Some}, {QKeySequence("Ctrl+Y"), 1, Letters::All}};
  for (const auto& [keys, times, left] : steps) {
    for (int i = 0; i < times; ++i) QTest::keySequence(picture, keys);
    EXPECT_EQ(window->CurrentView().reading.cells == untyped, left == Letters::None) << keys.toString().toStdString();
    EXPECT_EQ(window->CurrentView().reading.cells == typed, left == Letters::All) << keys.toString().toStdString();
    EXPECT_TRUE(window->isWindowModified()) << keys.toString().toStdString();
    Choose(*window, "mnuSave", Target("undone.loopword"));  // each saved after
    EXPECT_FALSE(window->isWindowModified());
  }
  const QImage unchecked = window->PictureImage();
  QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(TwipsToPixels(CellPoint(4, 2).x), TwipsToPixels(CellPoint(4, 2).y)));
  QTest::keyClick(picture, window->CurrentView().puzzle->puzzle.board.SquareWord[4][1] == 'Q' ? 'r' : 'q');
  toolkit.messages.clear();
  window->MenuItem("mnuCheck")->trigger();
  ASSERT_EQ(window->CurrentView().mode, Mode::Solving);
  EXPECT_EQ(window->CurrentView().reading.cells[4][2].shows, CellShows::Wrong);
  EXPECT_EQ(toolkit.messages.size(), 1u) << "Check tells what it found (what it says: the session's tests)";
  EXPECT_NE(window->PictureImage(), unchecked);
  QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(TwipsToPixels(CellPoint(1, 1).x), TwipsToPixels(CellPoint(1, 1).y)));
  const struct { std::function<void()> press; bool pencil; CellShows typed; } pencilSteps[] = {
      {[&] { QTest::keyClick(window.get(), Qt::Key_F8); }, true, CellShows::Pencil},
      {[&] { QTest::keyClick(picture, '.'); }, false, CellShows::Letter},
      {[&] { window->MenuItem("mnuPencil")->trigger(); }, true, CellShows::Pencil},
  };
  for (const auto& [press, pencil, typed] : pencilSteps) {
    press();
    EXPECT_EQ(window->MenuItem("mnuPencil")->isChecked(), pencil);
    EXPECT_EQ(window->PencilMark()->isVisible(), pencil) << "beside the time";
    const RingCell cell = *window->CurrentView().reading.current;
    QTest::keyClick(picture, 'q');
    EXPECT_EQ(window->CurrentView().reading.cells[cell.square][cell.position].shows, typed);
  }
  Choose(*window, "mnuSave", Target("before-start-over.loopword"));
  const SheetView letters = window->CurrentView().picture;
  for (const bool yes : {false, true}) {
    Choose(*window, "mnuStartOver", "", yes);
    EXPECT_EQ(toolkit.questions, std::vector<std::string>{"Start this puzzle over? Its letters and time go."});
    EXPECT_EQ(window->CurrentView().picture == letters, !yes) << (yes ? "Yes: started over" : "No: kept");
    EXPECT_EQ(window->isWindowModified(), yes) << "the letters saved are gone";
  }
  window->MenuItem("mnuUndo")->trigger();
  EXPECT_EQ(window->CurrentView().picture, letters) << "Undo brings them back";
  window->MenuItem("mnuRedo")->trigger();
  EXPECT_NE(window->CurrentView().picture, letters);
  const std::string puzzleFile = window->CurrentView().puzzle->sheetFile;
  const std::string filledPage = "<html><meta name=\"loopword-puzzle\" content=\"" + QByteArray::fromStdString(puzzleFile).toBase64().toStdString() + "\">";
  const struct { const char* item; std::string chosen, replaced; bool yes; std::string after; } exports[] = {
      {"mnuExportSvg", Target("sheets.svg"), Target("sheets-puzzle.svg"), false, "old"},
      {"mnuExportSvg", Target("sheets.svg"), Target("sheets-puzzle.svg"), true, "<svg"},
      {"mnuExportWeb", Target("page.html"), Target("page.html"), false, "old"},
      {"mnuExportWeb", Target("page.html"), Target("page.html"), true, filledPage},
      {"mnuExportPackage", Target("class"), Target("class.zip"), false, "old"},
      {"mnuExportPackage", Target("class"), Target("class.zip"), true, std::string("PK\x03\x04", 4)},
  };
  for (const auto& [item, chosen, replaced, yes, after] : exports) {
    std::ofstream(replaced) << "old";
    Choose(*window, item, chosen, yes);
    EXPECT_EQ(toolkit.questions.size(), 1u) << item;
    EXPECT_TRUE(ReadFile(replaced).starts_with(after)) << item << (yes ? ", replaced" : ", kept");
  }
  EXPECT_NE(ReadFile(Target("class.zip")).find(filledPage), std::string::npos) << "the package holds the page with the puzzle";
  Choose(*window, "mnuHideTimer", "");
  EXPECT_FALSE(window->Clock()->isVisible());
  Choose(*window, "mnuSave", Target("last.loopword"));
  window->close();
  EXPECT_TRUE(toolkit.questions.empty()) << "every letter saved: Exit asks nothing";
  std::filesystem::remove(program.Path() / "loopword.html");
  auto next = CompiledWindow();
  for (const char* item : {"mnuExportWeb", "mnuExportPackage"}) {
    toolkit.messages.clear();
    Choose(*next, item, Target("other.html"));
    ASSERT_EQ(toolkit.messages.size(), 1u) << item;
    EXPECT_TRUE(toolkit.messages[0].starts_with("Loopword's web page is missing or damaged:")) << toolkit.messages[0];
    EXPECT_FALSE(std::filesystem::exists(Target("other.html"))) << item;
  }
  next->show();
  next->mnuSolveOnScreen_Click();
  EXPECT_TRUE(next->MenuItem("mnuHideTimer")->isChecked()) << "remembered";
  EXPECT_FALSE(next->Clock()->isVisible());
}

/// Presses the key that types `text` on `widget`, as a keyboard of any layout sends it.
void TypeKey(QWidget* widget, const std::string& text) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromStdString(text));
  QApplication::sendEvent(widget, &press);
}

TEST_F(Form1Test, KeysTypedIntoTheFigureReachTheSessionPageKeysChangeSquareAndTabLeavesForTheViewButton) {
  const std::string english = CompiledWindow()->CurrentView().puzzle->file;
  std::ofstream(Target("typed.loopword")) << testing::PuzzleFileIn(english, Language::German);
  auto window = Active(NewWindow());
  auto* picture = window->findChild<PictureBox*>();
  Choose(*window, "mnuOpen", Target("typed.loopword"));
  window->mnuSolveOnScreen_Click();
  const RingCell cell = testing::FreeCell(window->CurrentView());
  QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(TwipsToPixels(CellPoint(cell.square, cell.position).x), TwipsToPixels(CellPoint(cell.square, cell.position).y)));
  EXPECT_EQ(window->CurrentView().picture.cursor, cell);
  TypeKey(picture, "\xC3\x84");  // the text the key types, read as the session reads every key (its tests' table)
  EXPECT_EQ(testing::RingFrom(window->CurrentView(), cell), testing::RingOf("AE")) << "letters at stake below";
  const struct { Qt::Key key; int square; } moves[] = {
      {Qt::Key_PageDown, cell.square % kSquareCount + 1}, {Qt::Key_PageUp, cell.square}, {Qt::Key_PageUp, (cell.square + kSquareCount - 2) % kSquareCount + 1}};
  for (const auto& [key, square] : moves) {
    QTest::keyClick(picture, key);
    EXPECT_EQ(window->CurrentView().picture.cursor->square, square);
  }
  ASSERT_TRUE(picture->hasFocus());
  const SheetView typed = window->CurrentView().picture;
  QTest::keyClick(picture, Qt::Key_Tab);
  EXPECT_TRUE(window->Command1()->hasFocus()) << "Tab leaves the figure";
  EXPECT_EQ(window->CurrentView().picture, typed);
  toolkit.yesNoReplies = {true};
  QTest::keyClick(window->Command1(), Qt::Key_Space);
  EXPECT_EQ(toolkit.questions.size(), 1u) << "the view button, pressed by the keyboard, asks before the letters go";
  EXPECT_EQ(window->CurrentView().mode, Mode::ShowingSolution);
}

TEST_F(Form1Test, TypedPathsSaveAndOpenTheSameBitmapTheBookletDialogsAnswersReachTheRunAClassSetHasCluesAndThemeWordsAreKept) {
  auto window = CompiledWindow();
  Choose(*window, "mnuSave", Target("monday"));
  EXPECT_EQ(ReadFile(Target("monday.loopword")).rfind("# Loopword puzzle\n# word list: L1words.txt (1431 words)\n# fill: classic\n01 ", 0), 0u);
  Choose(*window, "copyx", Target("before.bmp"));
  EXPECT_EQ(ReadFile(Target("before.bmp")).at(28), 24) << "24 bits a pixel";
  EXPECT_EQ(QImage(QString::fromStdString(Target("before.bmp"))), window->PictureImage().convertToFormat(QImage::Format_RGB32));
  auto reopened = NewWindow();
  Choose(*reopened, "mnuOpen", Target("monday.loopword"));
  Choose(*reopened, "copyx", Target("after.bmp"));
  EXPECT_EQ(ReadFile(Target("after.bmp")), ReadFile(Target("before.bmp")));
  std::ofstream(Target("kept.bmp")) << "precious";
  Choose(*reopened, "copyx", Target("kept.bmp"), false);
  EXPECT_EQ(toolkit.questions.size(), 1u);
  EXPECT_EQ(ReadFile(Target("kept.bmp")), "precious") << "No keeps the file";
  Choose(*reopened, "mnuprint", "", false);
  EXPECT_EQ(toolkit.questions.size(), 1u);
  EXPECT_TRUE(toolkit.messages.empty()) << "No: nothing printed, nothing told";
  Choose(*reopened, "mnuExportPdf", Target("page"));
  EXPECT_EQ(testing::PdfPageCount(Target("page.pdf")), 1);
  Choose(*reopened, "mnuSave", Target("monday.loopword"), false);
  EXPECT_EQ(toolkit.questions, std::vector<std::string>{"OverWrite file: " + Target("monday.loopword") + " ?"});
  toolkit.bookletReplies = {BookletChoices{3, true}, BookletChoices{4, false}};
  Choose(*reopened, "mnuBooklet", Target("class.pdf"));
  EXPECT_EQ(testing::PdfPageCount(Target("class.pdf")), 4) << "3 puzzles, then their answers on one page";
  toolkit.cancelAtDone = 2;
  Choose(*reopened, "mnuBooklet", Target("cancelled.pdf"));
  EXPECT_FALSE(std::filesystem::exists(Target("cancelled.pdf")));
  EXPECT_FALSE(toolkit.progressOpen);
  EXPECT_EQ(toolkit.bookletAsked.back().count, 3) << "the dialog starts from the last answers";
  toolkit.cancelAtDone = -1;
  toolkit.themeReplies = {ThemeEntry{"ELEPHANT = a big grey animal\ngiraffes\nxyz elephant", "Zoo <b>day</b>"}};
  reopened->mnuTheme_Click();
  EXPECT_TRUE(reopened->windowTitle().endsWith(" - 2 theme words")) << reopened->windowTitle().toStdString();
  toolkit.numberReplies = {3};
  Choose(*reopened, "mnuClassSet", Target("pupils.pdf"));
  EXPECT_EQ(toolkit.numberAsked.back(), (std::array{2, 40, 30}));
  ASSERT_EQ(testing::PdfPageCount(Target("pupils.pdf")), BookletPageCount(3));
  EXPECT_NE(testing::PdfPageText(Target("pupils.pdf"), 4).find("ELEPHANT = a big"), std::string::npos) << "the answers give word and clue";
  EXPECT_EQ(toolkit.messages.back(), "Booklet written: " + Target("pupils.pdf") + ", 4 pages.");
  {  // the pupils' result codes read back against the class set, and saved for a spreadsheet
    const ClassSet set = *reopened->CurrentView().classSet;
    Session pupil(program.Path().string());
    pupil.ChooseClassPuzzle(set, 1);
    pupil.Compile();
    while (pupil.CurrentView().mode == Mode::Compiling) pupil.AdvanceCompile();
    const std::string code = ResultCode({1, 75, 0, 2}, *set.choices.seed, pupil.CurrentView().puzzle->puzzle);
    std::ofstream(Target("codes.txt")) << code << "\nNOTACODE1\n";
    toolkit.messages.clear();
    toolkit.fileReplies = {Target("codes.txt"), Target("results.csv")};
    toolkit.yesNoReplies = {true};
    reopened->MenuItem("mnuClassResults")->trigger();
    EXPECT_EQ(toolkit.messages, std::vector<std::string>{"Pupil 1: time 1:15, checks 0, letters revealed 2\n"
                                                         "NOTACODE1: A result code has 11 characters; this one has 9."});
    EXPECT_EQ(ReadFile(Target("results.csv")).substr(0, 7), "number,") << "saved when asked";
  }
  toolkit.numberReplies = {std::nullopt};
  Choose(*reopened, "mnuClassSet", Target("none.pdf"));
  EXPECT_FALSE(std::filesystem::exists(Target("none.pdf")));
  EXPECT_EQ(toolkit.numberAsked.back()[2], 3) << "the last answer";
  auto next = NewWindow();
  EXPECT_TRUE(next->windowTitle().endsWith(" - 2 theme words")) << "kept for the next run";
  toolkit.themeReplies = {ThemeEntry{}};
  next->MenuItem("mnuTheme")->trigger();
  EXPECT_EQ(toolkit.themeAsked.back().words, "ELEPHANT = a big grey animal\nGIRAFFES\n");
  EXPECT_EQ(toolkit.themeAsked.back().title, "Zoo <b>day</b>");
  auto cleared = NewWindow();
  EXPECT_FALSE(cleared->windowTitle().contains("theme"));
  cleared->MenuItem("mnuLanguage1")->trigger();  // Deutsch: typed words are read as German lists read them
  toolkit.themeTyped = {"M\u00E4dchen, Fu\u00DFball K\u00E4se"};
  toolkit.themeReplies = {ThemeEntry{"M\u00E4dchen, Fu\u00DFball K\u00E4se", ""}};
  cleared->MenuItem("mnuTheme")->trigger();
  ASSERT_EQ(toolkit.themeReports.size(), 1u);
  EXPECT_EQ(EnglishText(toolkit.themeReports[0].text), "2 theme words will be in every puzzle.\nNot 8 letters A to Z: K\u00E4se.");
  EXPECT_TRUE(toolkit.themeReports[0].usable);
  toolkit.themeReplies = {std::nullopt};
  cleared->MenuItem("mnuTheme")->trigger();
  EXPECT_EQ(toolkit.themeAsked.back().words, "MAEDCHEN\nFUSSBALL\n");
}

TEST_F(Form1Test, AMissingFirstListIsToldATooSmallListIsRefusedLeavingThePictureAndLanguageDifficultyAndFillAreRemembered) {
  const testing::TempDir empty;
  const Form1 bare(toolkit, empty.Path().string());
  EXPECT_EQ(bare.windowTitle(), "[*]Loopword");
  auto window = CompiledWindow();
  window->MenuItem("mnuLanguage2")->trigger();  // Français
  EXPECT_FALSE(toolkit.busy) << "the busy pointer goes once the language's list is read";
  const auto missing = [](const std::filesystem::path& list) {
    return "Error while reading dictionary:\n" + list.string() + "\nProgram may not run correctly";
  };
  EXPECT_EQ(toolkit.messages.front(), missing(empty.Path() / "L1words.txt"));
  EXPECT_EQ(toolkit.messages.back(), missing(program.Path() / "fr-L1words.txt"));
  window->MenuItem("mnuDifficulty3")->trigger();
  window->MenuItem("mnuVaried")->trigger();
  const QImage before = window->PictureImage();
  Choose(*window, "mnuDictLevel0", target.Write("mine.dic", "ABCDEFGH\nPLATYPUS\nKEEPSAKE\n"));
  Choose(*window, "mnuSolve", "");
  EXPECT_EQ(toolkit.messages, std::vector<std::string>{EnglishText(TooFewWordsMessage(3))});
  EXPECT_EQ(window->PictureImage(), before);
  const std::string list = target.Write("mine.txt", "\xC3\xA9l\xC3\xA9phant\nELEPHANT\nr\xC3\xA9" "cr\xC3\xA9" "ent\nParisien\n");
  Choose(*window, "mnuDictLevel0", list);
  EXPECT_EQ(window->windowTitle().toStdString(), "[*]Dictionary: " + list + " (2 words)") << "read by French rules";
  auto next = NewWindow();
  Choose(*next, "mnuOpen", "");
  EXPECT_EQ(toolkit.fileDialogs.back().folder, target.Path().string() + "/");
  EXPECT_TRUE(next->MenuItem("mnuLanguage2")->isChecked() && next->MenuItem("mnuVaried")->isChecked());
  EXPECT_TRUE(next->MenuItem("mnuDifficulty3")->isChecked() && !next->MenuItem("mnuDifficulty0")->isChecked());
  std::filesystem::copy_file(std::filesystem::path(LOOPWORD_DATA_DIR) / "fr-L3words.txt", program.Path() / "fr-L3words.txt");
  next->MenuItem("mnuDictLevel3")->trigger();
  EXPECT_TRUE(next->windowTitle().contains("/fr-L3words.txt (")) << next->windowTitle().toStdString();
  EXPECT_FALSE(toolkit.busy) << "the busy pointer goes once the list is read";
  const Choices chosen = next->CurrentView().choices;  // what a compile makes of them: the session's tests
  EXPECT_TRUE(chosen.language == Language::French && chosen.level == 3 && chosen.difficulty == Difficulty::Hard && chosen.varied);
}

TEST_F(Form1Test, HelpAboutTheGuideAndMessagesSpeakTheLocalesLanguageOrEnglishAndItsListsAreTakenUnlessAnotherWasChosen) {
  using namespace texts;
  const Compiler compiler(std::make_shared<const Dictionary>(), RandomSource(1));
  const std::vector<std::pair<Message, std::vector<std::string>>> messages = {  // each message, the values it must keep
      {Message(Phrase::Counted(kTitleWithThemeWords, 5, {Phrase::Counted(kDictionaryTitle, 120, {"/home/ute/Listen (neu)/tiere.txt"})})),
       {"/home/ute/Listen (neu)/tiere.txt (120 ", " 5 "}},
      {RefusalMessage("/tmp/2024: Zoo.loopword", Phrase(kFaultOnLine, {17, Phrase(kWordRepeated, {"LOOPWORD", "03"})})),
       {":\n/tmp/2024: Zoo.loopword\n", " 17: ", " LOOPWORD ", " 03."}},
      {compiler.FailureMessage(CompileOutcome::GaveUp, "", {.difficulty = Difficulty::Hard}), {" 40 "}},
      {ThemeWordsReport(ReadThemeWords("ELEPHANT cat 1 2 3 4 5 6 7 8 9", Language::English)), {"1 ", ": cat, 1, 2, 3, 4, 5, 6, 7 ", " 2 "}},
      {SaveFailureMessage(LOOPWORD_TEXT("Messages", "Loopword could not save the puzzle to:"), "Done", Message(Phrase("hard"))), {":\nDone\nhard"}},
      {Message(Phrase::Counted(kDictionaryTitleWithNote, 120, {"/tmp/Liste (alt).txt", Phrase(kWindows1252AndEnyeNote, {12})})),
       {": /tmp/Liste (alt).txt (120 ", "Windows-1252", " 12 "}},
      {Message(LOOPWORD_TEXT("Messages", "Error while reading dictionary:")).Add("/tmp/x.txt").Add(Phrase(kFaultOnLine, {4, Phrase(LOOPWORD_TEXT("Messages", "the list is neither UTF-8 nor Windows-1252 text"))})),
       {":\n/tmp/x.txt\n", " 4: ", "UTF-8"}}};
  // The list language remembered (none on a first run) and the Language item checked: 0 English, 1 Deutsch, 2 Français, ...
  const struct { QLocale locale; const char* chosen; int marked; QString guide; std::string helpStart, aboutLine; } cases[] = {
      {QLocale("ja_JP"), nullptr, 0, "qrc:/guide.html", kHelpText.source, "Loopword - October 2005"},
      {QLocale("de_AT"), nullptr, 1, "qrc:/guide.de.html", "Dieses Programm erstellt ein Wortr\u00E4tsel in Form einer 8", "Loopword - Oktober 2005"},
      {QLocale("fr_CA"), nullptr, 2, "qrc:/guide.fr.html", "Ce programme cr\u00E9e une grille de mots en forme de 8", "Loopword - octobre 2005"},
      {QLocale("nl_BE"), nullptr, 6, "qrc:/guide.nl.html", "Dit programma maakt een woordpuzzel", "Loopword - oktober 2005"},
      {QLocale("pt_BR"), nullptr, 5, "", "", ""},  // no Help checks: the list language only
      {QLocale("de_DE"), "fr", 2, "", "", ""},
      {QLocale("de_DE"), "en", 0, "", "", ""},
      {QLocale("de_DE"), "tlh", 1, "", "", ""},  // a language it does not know: as on a first run
      {QLocale("de_DE"), "", 1, "", "", ""}};
  for (const auto& [locale, chosen, marked, guide, helpStart, aboutLine] : cases) {
    SCOPED_TRACE(locale.name().toStdString() + (chosen ? std::string(", chose ") + chosen : ""));
    QSettings().clear();
    if (chosen != nullptr) QSettings().setValue("dictionary/language", chosen);
    QLocale::setDefault(locale);
    const Translations translations(LOOPWORD_PROGRAM_DIR);
    auto window = NewWindow();
    EXPECT_TRUE(window->MenuItem(QString("mnuLanguage%1").arg(marked))->isChecked());
    EXPECT_EQ(QSettings().value("dictionary/language").toString().toStdString(), chosen ? chosen : "")
        << "the desktop's language is followed, not remembered";
    if (guide.isEmpty()) continue;
    Choose(*window, "Helpx", "");
    ASSERT_EQ(toolkit.messages.size(), 1u);
    const std::string help = ShownText(toolkit.lastMessage).toStdString();
    EXPECT_EQ(help.rfind(helpStart, 0), 0u) << help;
    for (const auto& [message, values] : messages) {  // translated, keeping each path, number and word, or else English
      const std::string shown = ShownText(message).toStdString();
      EXPECT_EQ(shown == EnglishText(message), helpStart == kHelpText.source) << shown;
      const bool german = locale.language() == QLocale::German;  // the values as German writes them
      for (const std::string& value : values) EXPECT_TRUE(!german || shown.find(value) != shown.npos) << value;
    }
    QString about;
    QTimer::singleShot(0, [&] {
      auto* box = window->findChild<AboutForm*>();
      const auto* text = box->findChild<QPlainTextEdit*>();
      about = text->toPlainText();
      EXPECT_EQ(text->verticalScrollBar()->maximum(), 0) << "every line is in view";
      EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0) << "every line is whole";
      const QRect ok = box->findChild<QPushButton*>()->geometry();
      EXPECT_TRUE(box->rect().contains(text->geometry()) && box->rect().contains(ok));
      EXPECT_GT(ok.top(), text->geometry().bottom());
      QTest::keyClick(box, Qt::Key_Escape);
    });
    window->MenuItem("Aboutx")->trigger();
    EXPECT_TRUE(about.contains(QString::fromStdString("\n" + aboutLine + "\n")) && about.contains("GPL-3.0-or-later")) << about.toStdString();
    for (const char* credit : kWordCredits) EXPECT_TRUE(about.contains(AboutForm::tr(credit))) << credit;
    window->MenuItem("mnuGuide")->trigger();
    const QTextBrowser* shown = window->findChild<QTextBrowser*>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->source().toString().toStdString(), guide.toStdString());
    EXPECT_EQ(shown->documentTitle().toStdString(), shown->windowTitle().toStdString()) << "the guide's title is the window's";
    // each command as the guide names it: "File \u25B8 Open puzzle\u2026"
    for (const QAction* menu : window->menuBar()->actions()) {
      for (const QAction* item : menu->menu()->actions()) {
        const QString command = QString(menu->text() + QStringLiteral(" \u25B8 ") + item->text()).remove('&');
        EXPECT_TRUE(item->isSeparator() || shown->toPlainText().contains(command)) << command.toStdString();
      }
    }
    window->MenuItem("Exitx")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChild<AboutForm*>(), nullptr) << "Exit unloads the About box hidden with Esc";
  }
}

/// The forms the translation file of `code` gives the counted text `text`, in their order.
std::vector<std::string> TranslatedForms(const std::string& code, const Text& text) {
  const std::string ts = ReadFile(LOOPWORD_DATA_DIR "/../translations/loopword_" + code + ".ts");
  const std::size_t message = ts.find(std::string("<source>") + text.source + "</source>");
  const std::size_t end = ts.find("</message>", message);
  const std::string open = "<numerusform>", close = "</numerusform>";
  std::vector<std::string> forms;
  for (std::size_t at = ts.find(open, message); at < end; at = ts.find(open, at + 1)) {
    forms.push_back(ts.substr(at + open.size(), ts.find(close, at) - at - open.size()));
  }
  return forms;
}

TEST(PluralForms, TheWindowsTranslationsGiveEveryCountTheFormTheCoreChoosesForThePage) {
  const Text counted = texts::kDictionaryTitle;
  for (const Language language : kLanguages) {
    if (language == Language::English) continue;  // the source language has no translation file
    const std::string code(LanguageCode(language));
    QTranslator translator;
    ASSERT_TRUE(translator.load(QString::fromStdString(std::string(LOOPWORD_PROGRAM_DIR) + "/loopword_" + code + ".qm"))) << code;
    const std::vector<std::string> forms = TranslatedForms(code, counted);
    ASSERT_EQ(static_cast<int>(forms.size()), PluralFormCount(language)) << code;
    for (const long long n : {0LL, 1LL, 2LL, 5LL, 21LL, 1000000LL}) {
      const QString shown = translator.translate(counted.context, counted.source, counted.one, static_cast<int>(n));
      EXPECT_EQ(shown.toStdString(), forms[static_cast<std::size_t>(PluralFormIndex(language, n))]) << code << ", " << n;
    }
  }
}

/// Where `picture` shows the sheet's point `twips`: the sheet as large as the picture lets it, its shape kept, centred.
QPoint ShownAt(const PictureBox& picture, TwipPoint twips) {
  const QSizeF usual(TwipsToPixels(kSheetWidth), TwipsToPixels(kSheetHeight));
  const double scale = std::min(picture.width() / usual.width(), picture.height() / usual.height());
  const QPointF origin(std::floor((picture.width() - usual.width() * scale) / 2), std::floor((picture.height() - usual.height() * scale) / 2));
  return (origin + QPointF(twips.x, twips.y) * scale * kScreenDpi / kTwipsPerInch).toPoint();
}

/// Clicks the letter point of `cell` in the picture of `window`, at the size it has now.
void ClickCell(Form1& window, RingCell cell) {
  auto* picture = window.findChild<PictureBox*>();
  QTest::mouseClick(picture, Qt::LeftButton, {}, ShownAt(*picture, CellPoint(cell.square, cell.position)));
}

/// Types every square's word into its ring from its first cell, through the window's picture.
void SolveInWindow(Form1& window) {
  auto* picture = window.findChild<PictureBox*>();
  const View shown = window.CurrentView();
  const Board& board = shown.puzzle->puzzle.board;
  for (int square = 1; square <= kSquareCount; ++square) {
    ClickCell(window, {square, 1});
    for (const char letter : board.SquareWord[square]) QTest::keyClick(picture, static_cast<char>(letter - 'A' + 'a'));
  }
}

using ResultCardTest = testing::WindowTest;

TEST_F(ResultCardTest, ASolvedPuzzleShowsItsCardBesideTheFigureInsteadOfABoxUntilSolvingEnds) {
  Choose(*CompiledWindow(), "mnuSave", Target("plain.loopword"));
  const std::string plain = ReadFile(Target("plain.loopword"));
  const std::size_t firstLineEnd = plain.find('\n') + 1;
  std::ofstream(Target("pupil.loopword")) << plain.substr(0, firstLineEnd) + "# class set: 2 of 3, set seed 42\n" + plain.substr(firstLineEnd);
  const struct { const char* file; std::string place; /* "" for a puzzle of no class set */ } cases[] = {{"plain.loopword", ""}, {"pupil.loopword", "Puzzle 2 of 3 \xC2\xB7 set " + SetId(42)}};
  for (const auto& [file, placeLine] : cases) {
    SCOPED_TRACE(file);
    auto window = Active(NewWindow());
    Choose(*window, "mnuOpen", Target(file));
    window->mnuSolveOnScreen_Click();
    EXPECT_EQ(window->PlaceMark()->isVisible(), !placeLine.empty());
    EXPECT_EQ(window->PlaceMark()->text().toStdString(), placeLine) << "the place, in the menu bar while solving";
    EXPECT_FALSE(window->Result()->isVisible()) << "no card before it is solved";
    const QSize pictureSize = window->findChild<PictureBox*>()->size();
    const int windowWidth = window->width();
    toolkit.messages.clear();
    SolveInWindow(*window);
    ASSERT_TRUE(window->CurrentView().solved);
    EXPECT_EQ(toolkit.messages, std::vector<std::string>{}) << "the card tells it: no box";
    ASSERT_TRUE(window->Result()->isVisible());
    const std::string code = window->CurrentView().result->code;
    EXPECT_EQ(code.empty(), placeLine.empty()) << "a code for the class set's puzzle alone";
    const std::string placeShown = placeLine.empty() ? "" : placeLine + "\n";
    const std::string codeShown = code.empty() ? "" : "\nResult code for your teacher: " + code;
    const std::string lines = window->Result()->CardText().toStdString();
    EXPECT_TRUE(lines.starts_with("Solved!\n" + placeShown + "Time: 0:")) << lines;
    EXPECT_TRUE(lines.ends_with("\nChecks: 0 \xC2\xB7 letters revealed: 0" + codeShown)) << lines;
    QCoreApplication::processEvents();
    EXPECT_EQ(window->findChild<PictureBox*>()->size(), pictureSize) << "the window grew by the card";
    EXPECT_GT(window->width(), windowWidth);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(window->Result()->CopyButton(), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), lines);
    window->Command1_MouseUp();  // the same card for the solved file opened again: the session's tests
    EXPECT_NE(window->CurrentView().mode, Mode::Solving);
    EXPECT_FALSE(window->Result()->isVisible()) << "solving ended";
    EXPECT_FALSE(window->PlaceMark()->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(window->width(), windowWidth) << "the window gives the card's room back";
    EXPECT_EQ(window->findChild<PictureBox*>()->size(), pictureSize);
  }
}

TEST_F(ResultCardTest, TheFigureGrowsWithTheWindowKeepingItsShapeSharpAndAClickOnACellSelectsThatCellAtEverySize) {
  auto window = Active(CompiledWindow());
  window->mnuSolveOnScreen_Click();
  auto* picture = window->findChild<PictureBox*>();
  const QSize usual(TwipsToPixels(kSheetWidth), TwipsToPixels(kSheetHeight));
  EXPECT_EQ(picture->size(), usual) << "the usual size at start";
  const QSize start = window->size();
  const int usualButtonWidth = window->Command1()->width();
  const auto scaleNow = [&] { return std::min(double(picture->width()) / usual.width(), double(picture->height()) / usual.height()); };
  const QSize sizes[] = {start * 2, QSize(start.width() * 3, start.height()), QSize(start.width(), start.height() * 2), start};
  const RingCell cells[] = {{1, 1}, {4, 2}, {12, 5}, {23, 8}};
  for (const QSize size : sizes) {
    window->resize(size);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->Command1()->width(), std::lround(usualButtonWidth * scaleNow())) << "the view button grows with the sheet";
    for (const RingCell cell : cells) {
      ClickCell(*window, cell);
      const std::vector<RingCell> under = RingCellsAt(CellPoint(cell.square, cell.position));
      EXPECT_NE(std::ranges::find(under, window->CurrentView().reading.current.value_or(RingCell{0, 0})), under.end())
          << "square " << cell.square << ", cell " << cell.position << " at " << size.width() << "x" << size.height();
    }
  }
  EXPECT_EQ(picture->size(), usual) << "back at the start size";
  window->resize(start * 2);
  QCoreApplication::processEvents();
  ASSERT_GT(scaleNow(), 1.5);
  QImage drawn = SheetImage(window->CurrentView().picture, scaleNow());  // drawn afresh at the size shown: sharp
  drawn.setDevicePixelRatio(1);
  QImage shown = picture->grab().toImage();
  shown.setDevicePixelRatio(1);
  const QPoint corner = ShownAt(*picture, {0, 0});
  const QRect aboveTheButton(corner, QSize(drawn.width(), window->Command1()->y() - corner.y()));
  EXPECT_EQ(shown.copy(aboveTheButton).convertToFormat(QImage::Format_RGB32),
            drawn.copy(QRect(QPoint(0, 0), aboveTheButton.size())).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace loopword
