// The main window: start-up, the handlers of its commands over the session, and the compile watched live.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QTimer>

#include "app/about_form.h"
#include "app/picture_box.h"
#include "app/remembered_choices.h"
#include "app/translations.h"
#include "display/units.h"
#include "output/sheet_image.h"
#include "session/figure_reading.h"
#include "words/bundled_lists.h"
#include "words/theme_words.h"

namespace loopword {

Form1::Form1(Toolkit& toolkit, const std::string& programFolder)
    : toolkit_(toolkit),
      files_(toolkit),
      session_(programFolder, SteadyClock(), RememberedLanguage()),
      webPage_(WebPagePath(programFolder)) {
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);  // a fixed window: no maximize button
  const PictureArea area = BuildPictureArea(this, [this] { return session_.CurrentView().picture; });
  setCentralWidget(area.client);
  picture1_ = area.picture;
  command1_ = area.button;
  connect(picture1_, &PictureBox::clicked, this, [this](QPoint pixel) {
    Carry([&](bool) { return session_.ClickAt({PixelsToTwips(pixel.x()), PixelsToTwips(pixel.y())}); });
  });
  connect(picture1_, &PictureBox::solvingKey, this, [this](SolvingKey key) { Carry([&](bool) { return session_.Press(key); }); });
  connect(picture1_, &PictureBox::typed, this, [this](char letter) { Carry([&](bool) { return session_.Type(letter); }); });
  connect(command1_, &ViewButton::mouseUp, this, [this] { Command1_MouseUp(); });
  compileTimer_ = new QTimer(this);
  compileTimer_->setInterval(0);
  connect(compileTimer_, &QTimer::timeout, this, [this] { AdvanceCompile(); });
  menus_.Build(*this, !webPage_.empty());
  menus_.MarkLanguage(session_.Dictionaries().CurrentLanguage());
  const ThemeEntry theme = RememberedTheme();
  session_.ChooseTheme(theme.words, theme.title);
  ShowLoadReport(session_.StartReport());
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() = default;

QAction* Form1::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

void Form1::ShowLoadReport(const LoadReport& report) {
  menus_.MarkDictionary(report.level);
  for (const Message& message : report.messages) toolkit_.ShowMessage(message);
  ShowState();
}

void Form1::mnuTheme_Click() {
  const ThemeChoice& chosen = session_.Theme();
  const std::optional<ThemeEntry> entry =
      toolkit_.AskTheme({ThemeText(chosen.words), chosen.title}, session_.Dictionaries().CurrentLanguage());
  if (!entry) return;
  session_.ChooseTheme(entry->words, entry->title);
  ShowState();
  RememberTheme({ThemeText(session_.Theme().words), session_.Theme().title});
}

void Form1::ShowState() {
  const View view = session_.CurrentView();
  if (view.mode == Mode::Closed) return;  // the window goes as it stands
  command1_->setText(ShownText(view.caption));
  command1_->setEnabled(view.offer.viewButton);
  menus_.Enable(view.offer);
  setWindowTitle("[*]" + ShownText(view.windowTitle));
  setWindowModified(view.unsaved);
  picture1_->update();
  picture1_->ShowReading(ReadFigure(session_));
}

std::optional<Reply> Form1::Carry(const std::function<Reply(bool confirmed)>& command) {
  Reply reply = command(false);
  if (!reply.question.empty()) {
    if (!toolkit_.AskYesNo(reply.question)) return std::nullopt;
    reply = command(true);
  }
  ShowState();
  if (!reply.message.empty()) toolkit_.ShowMessage(reply.message);
  return reply;
}

QString Form1::Caption() const { return command1_->text(); }

bool Form1::ButtonEnabled() const { return command1_->isEnabled(); }

void Form1::mnuprint_Click() {
  files_.Print(session_.CurrentPuzzle(), [this] {
    session_.ShowSheetsForPrinting();  // the screen shows each sheet as it is printed, unless a puzzle is being solved
    ShowState();
  });
}

QImage Form1::PictureImage() const { return SheetImage(session_.CurrentView().picture); }

void Form1::copyx_Click() {  // while solving, the plain sheet without the typed letters
  files_.SaveBitmap(session_.Solving() ? SheetImage(PuzzleSheetView(session_.CurrentPuzzle())) : PictureImage());
}

void Form1::mnuOpen_Click() {
  const auto opened = files_.AskPuzzleText();
  if (!opened) return;
  Carry([&](bool confirmed) { return session_.OpenText(opened->second, opened->first, confirmed); });
  if (session_.Solving()) picture1_->setFocus();  // solving goes on where it was saved
}

void Form1::mnuSave_Click() {
  if (!session_.HasPuzzle()) return;
  if (files_.SavePuzzle(session_.PuzzleFileText())) session_.MarkSaved();
  ShowState();
}

void Form1::mnuExportPdf_Click() { files_.ExportPdf(session_.CurrentPuzzle()); }

void Form1::mnuExportSvg_Click() { files_.ExportSvg(session_.CurrentPuzzle()); }

void Form1::mnuExportWeb_Click() {
  if (session_.HasPuzzle()) files_.ExportWebPage(webPage_, [this](std::string_view page) { return session_.WebPageText(page); });
}

void Form1::mnuBooklet_Click() {
  if (const Message refusal = session_.WhyNoPuzzle(); !refusal.empty()) {
    toolkit_.ShowMessage(refusal);
    return;
  }
  const std::string path = files_.AskBooklet(menus_.FillChoice());
  if (path.empty()) return;
  menus_.Enable({});  // nothing else while the booklet is made
  const BookletChoices& asked = files_.Booklet();
  CompileOptions fill = menus_.FillChoice();
  fill.varied = asked.varied;
  fill.unique = asked.unique;
  const BookletOutcome made = session_.MakeBooklet(
      {asked.count, asked.noRepeats}, fill, [this](int done, int total) {
        return toolkit_.ShowProgress(Message(LOOPWORD_TEXT("QObject", "Puzzles made: %1 of %2"), {done, total}), done, total);
      });
  toolkit_.EndProgress();
  ShowState();
  if (session_.CurrentMode() != Mode::Closed) files_.WriteBooklet(made, path);
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
  session_.SetFill(menus_.FillChoice());
  if (!Carry([this](bool confirmed) { return session_.Compile(confirmed); }) || !Busy()) return;
  toolkit_.SetBusy(true);
  compileTimer_->start();
}

bool Form1::Compiling() const { return compileTimer_->isActive(); }

void Form1::AdvanceCompile() {
  const Reply reply = session_.AdvanceCompile();
  if (reply.redraw) picture1_->update();  // the step just taken shows
  if (Busy()) return;
  compileTimer_->stop();  // done, given up, stopped with the view button or by Exit
  toolkit_.SetBusy(false);
  ShowState();
  if (!reply.message.empty()) toolkit_.ShowMessage(reply.message);
}

void Form1::Command1_MouseUp() { Carry([this](bool confirmed) { return session_.PressViewButton(confirmed); }); }

void Form1::mnuStart_Click(int index) {
  if (index == 0) {
    session_.ChooseRandomStartWord();
  } else {
    for (;;) {  // asked again until accepted or cancelled
      const Reply reply = session_.EnterStartWord(toolkit_.InputBox(LOOPWORD_TEXT("Messages", "Enter 8-letter word A..Z"), LOOPWORD_TEXT("Messages", "Start Word")));
      if (reply.message.empty()) break;
      toolkit_.ShowMessage(reply.message);
    }
  }
  menus_.MarkStart(session_.StartChoice());
  ShowState();  // the word shows in square 12
}

void Form1::mnuDictLevel_Click(int index) {
  const std::string path = index == kUserDictionary ? files_.AskWordList() : "";
  if (index == kUserDictionary && path.empty()) {
    menus_.MarkDictionary(session_.Dictionaries().DictLevel);
    return;
  }
  if (index != kUserDictionary) toolkit_.SetBusy(true);
  const LoadReport report = session_.ChooseWordList(index, path);
  toolkit_.SetBusy(false);
  ShowLoadReport(report);
}

void Form1::mnuLanguage_Click(int index) {
  const Language language = kLanguages.at(static_cast<std::size_t>(index));
  toolkit_.SetBusy(true);
  const LoadReport report = session_.ChooseLanguage(language);
  toolkit_.SetBusy(false);
  RememberLanguage(session_.Dictionaries().CurrentLanguage());
  menus_.MarkLanguage(session_.Dictionaries().CurrentLanguage());
  ShowLoadReport(report);
}

void Form1::mnuPlay_Click() {
  const std::optional<Reply> reply = Carry([this](bool) { return session_.StartSolving(); });
  if (reply && reply->redraw) picture1_->setFocus();
}

void Form1::mnuCheck_Click() { Carry([this](bool) { return session_.Check(); }); }

void Form1::mnuReveal_Click() { Carry([this](bool) { return session_.Reveal(); }); }

void Form1::mnuUndo_Click() { Carry([this](bool) { return session_.Undo(); }); }

void Form1::mnuRedo_Click() { Carry([this](bool) { return session_.Redo(); }); }

void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) session_.PauseClock(isMinimized());
  QMainWindow::changeEvent(event);
}

}  // namespace loopword
