// The main window: start-up, the handlers of its commands over the session, and the compile watched live.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <array>
#include <string_view>

#include "app/about_form.h"
#include "app/picture_box.h"
#include "app/remembered_choices.h"
#include "app/result_panel.h"
#include "app/translations.h"
#include "display/units.h"
#include "output/sheet_image.h"
#include "output/sheet_language.h"
#include "puzzle/learning_package.h"
#include "puzzle/web_page.h"
#include "words/bundled_lists.h"
#include "words/theme_words.h"

namespace loopword {

namespace {

/// How long one turn of the event loop lets a compile work unseen: the window stays live meanwhile.
constexpr std::chrono::milliseconds kCompileTurn{40};

/// What the menu bar says while letters are typed in pencil.
constexpr Text kPencilOn = LOOPWORD_TEXT("Messages", "Pencil on");

SessionSetup WindowSetup(const std::string& programFolder, Language language) {
  SessionSetup setup;
  setup.language = language;
  setup.sheetTexts = [programFolder](Language of) { return SheetTextsIn(of, programFolder); };
  return setup;
}

}  // namespace

Form1::Form1(Toolkit& toolkit, const std::string& programFolder)
    : toolkit_(toolkit),
      files_(toolkit),
      session_(programFolder, WindowSetup(programFolder, RememberedChoices().language)),
      webPage_(WebPagePath(programFolder)) {
  const PictureArea area = BuildPictureArea(this, [this] { return session_.CurrentView().picture; });
  setCentralWidget(area.client);
  picture1_ = area.picture;
  command1_ = area.button;
  result_ = new ResultPanel(area.client);
  area.row->addWidget(result_);
  connect(picture1_, &PictureBox::clicked, this, [this](TwipPoint point) {
    Carry([&](bool) { return session_.ClickAt(point); });
  });
  connect(picture1_, &PictureBox::keyPressed, this, [this](const std::string& key, bool control, bool shift) {
    Carry([&](bool) { return session_.Key(key, control, shift); });
  });
  connect(command1_, &ViewButton::mouseUp, this, [this] { Command1_MouseUp(); });
  compileTimer_ = new QTimer(this);
  compileTimer_->setInterval(0);
  connect(compileTimer_, &QTimer::timeout, this, [this] { AdvanceCompile(); });
  menus_.Build(*this, !webPage_.empty());
  auto* corner = new QWidget(this);
  auto* cornerRow = new QHBoxLayout(corner);
  cornerRow->setContentsMargins(0, 0, TwipsToPixels(120), 0);
  cornerRow->setSpacing(TwipsToPixels(120));
  placeMark_ = new QLabel(corner);
  placeMark_->hide();
  pencilMark_ = new QLabel(ShownText(Message(kPencilOn)), corner);
  pencilMark_->hide();
  clock_ = new QLabel(corner);
  clock_->setAccessibleName(QCoreApplication::translate("Accessibility", "Time"));
  cornerRow->addWidget(placeMark_);
  cornerRow->addWidget(pencilMark_);
  cornerRow->addWidget(clock_);
  menuBar()->setCornerWidget(corner, Qt::TopRightCorner);
  clockTimer_ = new QTimer(this);
  clockTimer_->setInterval(1000);
  connect(clockTimer_, &QTimer::timeout, this, [this] { ShowClock(); });
  const Reply started = session_.CurrentView().reply;  // the start-up load
  const Reply restored = session_.Restore(RememberedChoices());
  session_.HideTimer(RememberedTimerHidden());
  menus_.MarkChoices(session_.CurrentView().choices);
  Tell(started);
  Tell(restored);
  ShowState();
  resize(sizeHint());  // the picture at its usual size, whatever room the screen has
}

Form1::~Form1() = default;

QAction* Form1::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

void Form1::Tell(const Reply& reply) {
  const bool carded = result_->isVisibleTo(this);
  for (const Message& message : reply.messages) {
    if (!(carded && IsSolvedNews(message))) toolkit_.ShowMessage(message);
  }
}

void Form1::mnuTheme_Click() {
  const Choices chosen = session_.CurrentView().choices;
  const std::optional<ThemeEntry> entry = toolkit_.AskTheme({ThemeText(chosen.themeWords, chosen.clues), chosen.title}, [this](const std::string& words) {
    const Reply check = session_.CheckTheme(words);
    return ThemeReport{check.Told(), check.done};
  });
  if (entry) Carry([&](bool) { return session_.ChooseTheme(entry->words, entry->title); });
}

void Form1::ShowState() {
  const View view = session_.CurrentView();
  if (view.mode == Mode::Closed) return;  // the window goes as it stands
  command1_->setText(ShownText(view.caption));
  command1_->setEnabled(view.offer.viewButton);
  menus_.Enable(view.offer);
  menus_.MarkSolving(view);
  pencilMark_->setVisible(view.mode == Mode::Solving && view.pencil);
  const bool placed = view.mode == Mode::Solving && view.puzzle && view.puzzle->classPlace;
  placeMark_->setText(placed ? ShownText(PlaceLine(*view.puzzle->classPlace)) : QString());
  placeMark_->setVisible(placed);
  setWindowTitle("[*]" + ShownText(view.windowTitle));
  setWindowModified(view.unsaved);
  picture1_->update();
  picture1_->ShowReading(view.reading);
  ShowResult(view);
  ShowClock();
}

void Form1::ShowResult(const View& view) {
  const bool shown = result_->isVisibleTo(this);
  const int widthBefore = width();
  result_->Show(view.result);
  const bool showing = result_->isVisibleTo(this);
  if (shown == showing) return;
  centralWidget()->updateGeometry();  // the window's least size, with the card or without
  layout()->invalidate();
  layout()->activate();
  if (isMaximized() || isFullScreen()) return;
  const int room = result_->width() + centralWidget()->layout()->spacing();  // the picture keeps its size
  resize(widthBefore + (showing ? room : -room), height());
}

void Form1::ShowClock() {
  if (clock_ == nullptr) return;  // not made yet
  const View view = session_.CurrentView();
  clock_->setText(QString::fromStdString(SolvingTimeText(view.clock.elapsedMs / 1000)));
  clock_->setVisible(view.mode == Mode::Solving && view.clock.shown);
  const bool ticking = clock_->isVisibleTo(this) && view.clock.running;
  if (ticking && !clockTimer_->isActive()) clockTimer_->start();
  if (!ticking) clockTimer_->stop();
}

std::optional<Reply> Form1::Carry(const std::function<Reply(bool confirmed)>& command) {
  Reply reply = command(false);
  if (!reply.question.empty()) {  // every question asks before letters are dropped: Enter keeps them
    if (!toolkit_.AskYesNo(reply.question, false)) return std::nullopt;
    reply = command(true);
  }
  if (reply.changed.choices) RememberChoices(session_.CurrentView().choices);
  ShowState();
  Tell(reply);
  return reply;
}

QString Form1::Caption() const { return command1_->text(); }

bool Form1::ButtonEnabled() const { return command1_->isEnabled(); }

void Form1::mnuprint_Click() {
  files_.Print(session_.CurrentView().puzzle->sheets, [this] {
    session_.ShowSheetsForPrinting();  // the screen shows each sheet as it is printed, unless a puzzle is being solved
    ShowState();
  });
}

QImage Form1::PictureImage() const { return SheetImage(session_.CurrentView().picture); }

void Form1::copyx_Click() {  // while solving, the plain sheet without the typed letters
  const View view = session_.CurrentView();
  files_.SaveBitmap(SheetImage(view.mode == Mode::Solving ? view.puzzle->sheets.puzzle : view.picture));
}

void Form1::mnuOpen_Click() {
  const auto opened = files_.AskPuzzleText();
  if (!opened) return;
  Carry([&](bool confirmed) { return session_.OpenText(opened->second, opened->first, confirmed); });
  if (session_.CurrentView().mode == Mode::Solving) picture1_->setFocus();  // solving goes on where it was saved
}

void Form1::mnuSave_Click() {
  const View view = session_.CurrentView();
  if (!view.offer.puzzle) return;
  if (files_.SavePuzzle(view.puzzle->file)) session_.MarkSaved();
  ShowState();
}

void Form1::mnuExportPdf_Click() { files_.ExportPdf(session_.CurrentView().puzzle->sheets); }

void Form1::mnuExportSvg_Click() { files_.ExportSvg(session_.CurrentView().puzzle->sheets); }

void Form1::mnuExportWeb_Click() {
  const View view = session_.CurrentView();
  if (!view.offer.puzzle) return;
  files_.ExportWebPage(webPage_, [&](std::string_view page) { return PageWithPuzzle(page, view.puzzle->sheetFile); });
}

void Form1::mnuExportPackage_Click() {
  const View view = session_.CurrentView();
  if (!view.offer.puzzle) return;
  files_.ExportLearningPackage(webPage_, [&](std::string_view page) { return LearningPackage(page, {view.puzzle->sheetFile}, view.puzzle->puzzle.title); });
}

void Form1::mnuBooklet_Click() {
  if (const Reply check = session_.CheckPuzzlesCanBeMade(); !check.done) {
    Tell(check);
    return;
  }
  const std::string path = files_.AskBooklet(menus_.FillChoice());
  if (path.empty()) return;
  menus_.Enable({});  // nothing else while the booklet is made
  const BookletChoices& asked = files_.Booklet();
  CompileOptions fill = menus_.FillChoice();
  fill.varied = asked.varied;
  fill.unique = asked.unique;
  session_.SetFill(fill);
  std::vector<PrintedSheets> made;
  const Reply run = session_.MakeBooklet(
      {{asked.count, asked.noRepeats}, std::nullopt, false},
      [this](int done, int total) {
        return toolkit_.ShowProgress(Message(texts::kPuzzlesMade, {done, total}), done, total);
      },
      [&made](MadePuzzle&& puzzle) {
        made.push_back(std::move(puzzle.sheets));
        return true;
      });
  toolkit_.EndProgress();
  session_.SetFill(menus_.FillChoice());  // the booklet's own fill was for the booklet alone
  ShowState();
  if (session_.CurrentView().mode != Mode::Closed) files_.WriteBooklet(run, made, path);
}

void Form1::mnuClassSet_Click() {
  if (const Reply check = session_.CheckPuzzlesCanBeMade(); !check.done) {
    Tell(check);
    return;
  }
  const auto asked = files_.AskClassSet();
  if (!asked) return;
  menus_.Enable({});  // nothing else while the class set is made
  std::vector<PrintedSheets> made;
  const Reply run = session_.MakeClassSet(
      asked->first,
      [this](int done, int total) {
        return toolkit_.ShowProgress(Message(texts::kPuzzlesMade, {done, total}), done, total);
      },
      [&made](MadePuzzle&& puzzle) {
        made.push_back(std::move(puzzle.sheets));
        return true;
      });
  toolkit_.EndProgress();
  ShowState();
  if (session_.CurrentView().mode != Mode::Closed) files_.WriteBooklet(run, made, asked->second);
}

void Form1::mnuClassResults_Click() {
  const std::optional<ClassSet> set = session_.CurrentView().classSet;
  std::vector<ResultRow> rows;
  const auto progress = [this](int done, int total) { return toolkit_.ShowProgress(Message(texts::kPuzzlesMade, {done, total}), done, total); };
  if (!set) {  // the session says why there is nothing to read the codes against
    Tell(session_.ReadClassResults(0, "", progress, rows));
    return;
  }
  const std::optional<std::string> codes = files_.AskResultCodes();
  if (!codes) return;
  const Reply run = session_.ReadClassResults(set->pupils, *codes, progress, rows);
  toolkit_.EndProgress();
  if (!run.done) return Tell(run);
  toolkit_.ShowMessage(ResultsReport(rows));
  if (!rows.empty() && toolkit_.AskYesNo(Message(LOOPWORD_TEXT("Messages", "Save these results as a CSV file for a spreadsheet?")))) {
    files_.SaveResults(ResultsCsv(rows, [](const Message& message) { return ShownText(message).toStdString(); }));
  }
}

void Form1::ShowModal(const std::function<void()>& show) {
  const bool compiling = compileTimer_->isActive();
  compileTimer_->stop();  // a compile waits while the box is open
  show();
  if (compiling) compileTimer_->start();
}

void Form1::Helpx_Click() {
  ShowModal([this] { toolkit_.ShowMessage(Message(kHelpText)); });
}

void Form1::mnuGuide_Click() { ShowUserGuide(guide_, this); }

void Form1::Aboutx_Click() {
  if (!about_) about_ = new AboutForm(this);
  ShowModal([this] { about_->exec(); });
}

void Form1::Exitx_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event) {
  if (!Carry([this](bool confirmed) { return session_.Exit(confirmed); })) {
    event->ignore();
    return;
  }
  delete about_.data();  // an About box hidden with Esc
  event->accept();
  QCoreApplication::quit();
}

void Form1::mnuSolve_Click() {
  if (!Carry([this](bool confirmed) { return session_.Compile(confirmed); }) || !Busy()) return;
  toolkit_.SetBusy(true);
  compileTimer_->start();
}

void Form1::mnuFill_Click() { Carry([this](bool) { return session_.SetFill(menus_.FillChoice()); }); }

bool Form1::Compiling() const { return compileTimer_->isActive(); }

void Form1::AdvanceCompile() {
  const Reply reply = session_.AdvanceCompile(kCompileTurn);
  if (reply.changed.picture) picture1_->update();  // the step just taken shows
  if (const View view = session_.CurrentView(); view.mode == Mode::Compiling) {
    if (!view.progress.empty()) setWindowTitle("[*]" + ShownText(view.windowTitle) + " - " + ShownText(view.progress));  // unseen: how far it got
    return;
  }
  compileTimer_->stop();  // done, given up, stopped with the view button or by Exit
  toolkit_.SetBusy(false);
  ShowState();
  Tell(reply);
}

void Form1::Command1_MouseUp() { Carry([this](bool confirmed) { return session_.PressViewButton(confirmed); }); }

void Form1::mnuStart_Click(int index) {
  menus_.MarkStart(index == 0 ? StartItem::Random : StartItem::Input);  // the mark stays on Input when it is cancelled
  if (index == 0) {
    Carry([this](bool) { return session_.ChooseRandomStartWord(); });
    return;
  }
  for (;;) {  // asked again until accepted or cancelled
    const std::string answer = toolkit_.InputBox(LOOPWORD_TEXT("Messages", "Enter 8-letter word A..Z"), LOOPWORD_TEXT("Messages", "Start Word"));
    const std::optional<Reply> reply = Carry([&](bool) { return session_.EnterStartWord(answer); });
    if (!reply || reply->done || reply->messages.empty()) break;  // accepted, or cancelled without a word
  }
}

void Form1::mnuDictLevel_Click(int index) {
  const std::string path = index == kUserDictionary ? files_.AskWordList() : "";
  if (index == kUserDictionary && path.empty()) {
    menus_.MarkChoices(session_.CurrentView().choices);
    return;
  }
  if (index != kUserDictionary) toolkit_.SetBusy(true);
  Carry([&](bool) { return session_.ChooseWordList(index, path); });
  toolkit_.SetBusy(false);
  menus_.MarkChoices(session_.CurrentView().choices);
}

void Form1::mnuLanguage_Click(int index) {
  toolkit_.SetBusy(true);
  Carry([&](bool) { return session_.ChooseLanguage(kLanguages.at(static_cast<std::size_t>(index))); });
  toolkit_.SetBusy(false);
  menus_.MarkChoices(session_.CurrentView().choices);
}

void Form1::mnuSolveOnScreen_Click() {
  const std::optional<Reply> reply = Carry([this](bool) { return session_.StartSolving(); });
  if (reply && reply->changed.picture) picture1_->setFocus();
}

void Form1::mnuCheck_Click() { Carry([this](bool) { return session_.Check(); }); }

void Form1::mnuReveal_Click() { Carry([this](bool) { return session_.Reveal(); }); }

void Form1::mnuStartOver_Click() { Carry([this](bool confirmed) { return session_.StartOver(confirmed); }); }

void Form1::mnuUndo_Click() { Carry([this](bool) { return session_.Undo(); }); }

void Form1::mnuRedo_Click() { Carry([this](bool) { return session_.Redo(); }); }

void Form1::mnuPencil_Click() { Carry([this](bool) { return session_.TogglePencil(); }); }

void Form1::mnuHideTimer_Click() {
  const bool hidden = !session_.CurrentView().clock.hidden;
  RememberTimerHidden(hidden);
  Carry([&](bool) { return session_.HideTimer(hidden); });
}

void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    session_.PauseClock(isMinimized());
    ShowClock();
  }
  QMainWindow::changeEvent(event);
}

void Form1::hideEvent(QHideEvent* event) {  // hidden, the clock waits; as minimised, on desktops that hide the window
  session_.PauseClock(true);
  ShowClock();
  QMainWindow::hideEvent(event);
}

void Form1::showEvent(QShowEvent* event) {
  session_.PauseClock(isMinimized());
  ShowClock();
  QMainWindow::showEvent(event);
}

}  // namespace loopword
