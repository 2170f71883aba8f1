// Start-up, menus and commands of the main window, and the compile watched live.
#include "app/form1.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QActionGroup>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QFrame>

#include "app/about_form.h"
#include "app/fonts.h"
#include "app/picture_box.h"
#include "display/sheets.h"
#include "display/units.h"
#include "output/painter_canvas.h"
#include "output/print_page.h"
#include "output/booklet.h"
#include "output/save_pic.h"
#include "output/sheet_export.h"
#include "puzzle/puzzle_file.h"

namespace loopword {

namespace {

// Layout of the window in twips.
constexpr int kClientWidth = 7080;
constexpr int kClientHeight = 7248;
constexpr int kPictureLeft = 30;
constexpr int kPictureTop = 30;
constexpr int kPictureWidth = 6996;
constexpr int kPictureHeight = 7152;
constexpr int kPictureBorder = 30;  // the sunken frame, 2 pixels each side
constexpr int kButtonLeft = 5460;
constexpr int kButtonTop = 6672;
constexpr int kButtonWidth = 1410;
constexpr int kButtonHeight = 396;
constexpr int kInnerWidth = kPictureWidth - 2 * kPictureBorder;  // the picture's drawing area
constexpr int kInnerHeight = kPictureHeight - 2 * kPictureBorder;
static_assert(kSheetWidth == kInnerWidth && kSheetHeight == kInnerHeight, "the sheets fill the picture's drawing area");

constexpr const char* kPuzzleFilesName = "Loopword Puzzles";
// The user guide: compiled in from docs/guide.html, shown in a window of its own.
constexpr const char* kGuideSource = "qrc:/guide.html";
constexpr int kGuideWidth = 9000;
constexpr int kGuideHeight = 9600;

// Where the Solution menu's fill choices are remembered between runs.
constexpr const char* kVariedSetting = "fill/varied";
constexpr const char* kUniqueSetting = "fill/unique";
// Where the folder of the file chosen last in a file dialog is remembered.
constexpr const char* kFolderSetting = "files/folder";

constexpr const char* kHelpText =
    "This program will create an 8-shaped word puzzle for you to print and solve at your leisure.\n"
    "\n"
    "- There are 23 words in 23 squares in the puzzle, each 8-letter long\n"
    "- One word and a number of letters are provided as hint\n"
    "- Each word must be placed clock-wise around each square\n"
    "- A word can start in any position around a square\n"
    "- Overlapping letters must be same\n"
    "- A word cannot be made twice\n"
    "- You can three standard or your own dictionary\n"
    "- User dictionaries must be sorted text files, one word in each line";


/// The solving key a key of the keyboard stands for; nullopt for any other key.
std::optional<SolvingKey> SolvingKeyOf(int key) {
  switch (key) {
    case Qt::Key_Backspace: return SolvingKey::Backspace;
    case Qt::Key_Delete: return SolvingKey::Delete;
    case Qt::Key_Left: return SolvingKey::Left;
    case Qt::Key_Right: return SolvingKey::Right;
    case Qt::Key_Up: return SolvingKey::Up;
    case Qt::Key_Down: return SolvingKey::Down;
    case Qt::Key_Tab: return SolvingKey::Tab;
    case Qt::Key_Backtab: return SolvingKey::BackTab;
    default: return std::nullopt;
  }
}

}  // namespace

Form1::Form1(Toolkit& toolkit, const std::string& programFolder)
    : toolkit_(toolkit),
      gf1(toolkit),
      canvas_(kInnerWidth, kInnerHeight, kScreenDpi),
      picture_(canvas_),
      session_(programFolder, picture_, SteadyClock()) {
  setWindowTitle(kProgramName);
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);  // a fixed window: no maximize button
  auto* client = new QWidget(this);
  client->setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  client->setFont(SansFont({"Arial", "Liberation Sans"}, 7.8, false));
  setCentralWidget(client);
  auto* frame = new QFrame(client);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(TwipsToPixels(kPictureBorder));
  frame->setGeometry(TwipsToPixels(kPictureLeft), TwipsToPixels(kPictureTop), TwipsToPixels(kPictureWidth), TwipsToPixels(kPictureHeight));
  picture1_ = new PictureBox(canvas_, frame);
  picture1_->move(TwipsToPixels(kPictureBorder), TwipsToPixels(kPictureBorder));
  connect(picture1_, &PictureBox::clicked, this, [this](QPoint pixel) { PictureClick(pixel); });
  connect(picture1_, &PictureBox::keyPressed, this,
          [this](int key, Qt::KeyboardModifiers modifiers, const QString& text) { PictureKey(key, modifiers, text); });
  command1_ = new ViewButton(picture1_);
  command1_->setGeometry(TwipsToPixels(kButtonLeft), TwipsToPixels(kButtonTop), TwipsToPixels(kButtonWidth), TwipsToPixels(kButtonHeight));
  command1_->setText(kShowPuzzle);
  connect(command1_, &ViewButton::mouseUp, this, [this] { Command1_MouseUp(); });
  compileTimer_ = new QTimer(this);
  compileTimer_->setInterval(0);
  connect(compileTimer_, &QTimer::timeout, this, [this] { AdvanceCompile(); });
  BuildMenus();
  ShowLoadReport(session_.StartReport());
  ShowState();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() = default;

QAction* Form1::AddItem(QMenu* menu, const QString& text, const QString& name, const QKeySequence& shortcut) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  return action;
}

QActionGroup* Form1::AddGroup(QMenu* menu, const QStringList& texts, const QString& name, std::vector<QAction*>& items,
                              const std::function<void(int)>& handler) {
  auto* group = new QActionGroup(this);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (int i = 0; i < texts.size(); ++i) {
    QAction* item = AddItem(menu, texts[i], name + QString::number(i));
    item->setCheckable(true);
    group->addAction(item);
    items.push_back(item);
    connect(item, &QAction::triggered, this, [handler, i] { handler(i); });
  }
  return group;
}

QAction* Form1::AddSetting(QMenu* menu, const QString& text, const QString& name, const char* key) {
  QAction* item = AddItem(menu, text, name);
  item->setCheckable(true);
  item->setChecked(QSettings().value(key, false).toBool());
  connect(item, &QAction::toggled, this, [key](bool on) { QSettings().setValue(key, on); });
  return item;
}

CompileOptions Form1::FillChoice() const { return {mnuVaried_->isChecked(), mnuUnique_->isChecked()}; }

void Form1::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  const auto command = [&](const char* text, const char* name, const QKeySequence& keys, void (Form1::*handler)()) {
    QAction* item = AddItem(file, QString::fromUtf8(text), name, keys);
    connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return item;
  };
  mnuOpen_ = command("&Open puzzle…", "mnuOpen", QKeySequence("Ctrl+O"), &Form1::mnuOpen_Click);
  mnuSave_ = command("&Save puzzle…", "mnuSave", QKeySequence("Ctrl+S"), &Form1::mnuSave_Click);
  mnuprint_ = command("&Print", "mnuprint", QKeySequence("Ctrl+P"), &Form1::mnuprint_Click);
  copyx_ = command("Save as &bitmap", "copyx", QKeySequence("Ctrl+B"), &Form1::copyx_Click);
  mnuExportPdf_ = command("&Export PDF…", "mnuExportPdf", QKeySequence("Ctrl+E"), &Form1::mnuExportPdf_Click);
  mnuExportSvg_ = command("Export S&VG…", "mnuExportSvg", {}, &Form1::mnuExportSvg_Click);
  mnuBooklet_ = command("Make boo&klet…", "mnuBooklet", {}, &Form1::mnuBooklet_Click);
  file->addSeparator();
  connect(AddItem(file, "&Help", "Helpx", QKeySequence(Qt::Key_F1)), &QAction::triggered, this, [this] { Helpx_Click(); });
  connect(AddItem(file, "&About", "Aboutx"), &QAction::triggered, this, [this] { Aboutx_Click(); });
  file->addSeparator()->setObjectName("dash1");
  connect(AddItem(file, "E&xit", "Exitx", QKeySequence("Ctrl+Q")), &QAction::triggered, this, [this] { Exitx_Click(); });

  QMenu* solution = menuBar()->addMenu("&Solution");
  mnuSolve_ = AddItem(solution, "&Compile", "mnuSolve", QKeySequence(Qt::Key_F5));
  connect(mnuSolve_, &QAction::triggered, this, [this] { mnuSolve_Click(); });
  mnuVaried_ = AddSetting(solution, "&Varied words", "mnuVaried", kVariedSetting);
  mnuUnique_ = AddSetting(solution, "&One solution", "mnuUnique", kUniqueSetting);
  solution->addSeparator();
  mnuPlay_ = AddItem(solution, "Solve on &screen", "mnuPlay", QKeySequence(Qt::Key_F6));
  connect(mnuPlay_, &QAction::triggered, this, [this] { mnuPlay_Click(); });
  mnuCheck_ = AddItem(solution, "C&heck", "mnuCheck", QKeySequence(Qt::Key_F7));
  connect(mnuCheck_, &QAction::triggered, this, [this] { mnuCheck_Click(); });
  mnuReveal_ = AddItem(solution, "&Reveal letter", "mnuReveal");
  connect(mnuReveal_, &QAction::triggered, this, [this] { mnuReveal_Click(); });

  QMenu* start = menuBar()->addMenu("S&tarting Word");
  mnuStart_ = AddGroup(start, {"&Random", "&Input"}, "mnuStart", startItems_, [this](int i) { mnuStart_Click(i); });
  startItems_[0]->setChecked(true);

  QMenu* dictionary = menuBar()->addMenu("&Dictionary");
  mnuDictLevel_ = AddGroup(dictionary, {"&User", "Level &1", "Level &2", "Level &3"}, "mnuDictLevel", dictItems_,
                           [this](int i) { mnuDictLevel_Click(i); });

  QMenu* help = menuBar()->addMenu("&Help");
  connect(AddItem(help, "&User guide", "mnuGuide"), &QAction::triggered, this, [this] { mnuGuide_Click(); });
}

QAction* Form1::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

void Form1::ShowLoadReport(const LoadReport& report) {
  dictItems_[static_cast<std::size_t>(report.level)]->setChecked(true);
  for (const std::string& message : report.messages) toolkit_.ShowMessage(message);
  const std::string& title = session_.Dictionaries().Title();
  if (!title.empty()) setWindowTitle(QString::fromStdString(title));
}

void Form1::SetCommandsEnabled(bool enabled) {
  for (QAction* command : {mnuSolve_, mnuprint_, copyx_, mnuOpen_, mnuExportPdf_, mnuExportSvg_, mnuBooklet_}) {
    command->setEnabled(enabled);
  }
  mnuSave_->setEnabled(enabled && session_.HasPuzzle());
  mnuStart_->setEnabled(enabled);
  mnuDictLevel_->setEnabled(enabled);
  mnuPlay_->setEnabled(enabled && session_.HasPuzzle());
  mnuCheck_->setEnabled(enabled && session_.Solving() != nullptr);
  mnuReveal_->setEnabled(enabled && session_.Solving() != nullptr);
}

void Form1::ShowState() {
  if (session_.CurrentMode() == Mode::Closed) return;  // the window goes as it stands
  command1_->setText(session_.Caption());
  command1_->setEnabled(session_.CurrentMode() != Mode::Idle);
  SetCommandsEnabled(!Busy());
}

std::optional<Reply> Form1::Carry(const std::function<Reply(bool confirmed)>& command) {
  Reply reply = command(false);
  if (!reply.question.empty()) {
    if (!toolkit_.AskYesNo(reply.question)) return std::nullopt;
    reply = command(true);
  }
  ShowState();
  if (reply.redraw) picture1_->update();
  if (!reply.message.empty()) toolkit_.ShowMessage(reply.message);
  return reply;
}

QString Form1::Caption() const { return command1_->text(); }

bool Form1::ButtonEnabled() const { return command1_->isEnabled(); }

void Form1::mnuprint_Click() {
  if (!toolkit_.AskYesNo("Do you wish to print puzzle and its solution?")) return;
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (defaultPrinter.isNull()) {
    toolkit_.ShowMessage("There is no printer to print on.\nSet up a default printer, then print again.");
    return;
  }
  QPrinter printer(defaultPrinter, QPrinter::HighResolution);
  printer.setDocName(kProgramName);
  QPainter painter;
  toolkit_.SetBusy(true);
  if (!painter.begin(&printer)) {
    toolkit_.SetBusy(false);
    toolkit_.ShowMessage("The printer " + defaultPrinter.printerName().toStdString() + " could not start printing.");
    return;
  }
  session_.ShowSheetsForPrinting();  // the screen shows each sheet as it is printed, unless a puzzle is being solved
  ShowState();
  PaintPrintedPage(painter, printer.resolution(), session_.CurrentPuzzle());
  const bool sent = painter.end() && printer.printerState() != QPrinter::Error;
  toolkit_.SetBusy(false);
  if (!sent) {
    toolkit_.ShowMessage("The page could not be sent to the printer " + defaultPrinter.printerName().toStdString() + ".");
    return;
  }
  toolkit_.ShowMessage("Done");
}

QImage Form1::PictureToSave() const {
  if (!session_.Solving()) return canvas_.Image();
  ImageCanvas sheet(kInnerWidth, kInnerHeight, kScreenDpi);  // the plain sheet, without typed letters
  Picture page(sheet);
  DrawPuzzleSheet(page, session_.CurrentPuzzle());
  return sheet.Image();
}

void Form1::copyx_Click() {
  const std::string path =
      AskFileName("SAVE", "Select destination file for a bitmap copy of this puzzle", "Loopword Bitmap Files", "*.bmp");
  if (path.empty() || !ConfirmOverwrite(path)) return;
  toolkit_.SetBusy(true);
  const SaveOutcome outcome = SaveBitmapFile(PictureToSave(), QString::fromStdString(path));
  toolkit_.SetBusy(false);
  if (!outcome.saved) {
    ShowSaveFailure("bitmap", path, outcome.reason);
    return;
  }
  const qint64 length = QFileInfo(QString::fromStdString(path)).size();
  toolkit_.ShowMessage("Loopword copied to:\n" + path + "\n " + std::to_string(length) + " bytes");
}

bool Form1::ConfirmOverwrite(const std::string& path) {
  std::error_code error;
  const auto length = std::filesystem::file_size(path, error);
  if (error || length == 0) return true;
  return toolkit_.AskYesNo("OverWrite file: " + path + " ?");
}

std::string Form1::AskFileName(const char* mode, const std::string& title, const std::string& typesName,
                               const std::string& patterns) {
  gf1.Title = title;
  gf1.FileTypes = patterns;
  gf1.FileTypesName = typesName;
  QSettings settings;
  gf1.DefaultDir = DialogStartFolder(settings.value(kFolderSetting).toString().toStdString(), toolkit_.ProgramFolder(),
                                     QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
  const std::string path = gf1.GetFileName(mode);
  if (!path.empty()) settings.setValue(kFolderSetting, QString::fromStdString(std::filesystem::path(path).parent_path().string()));
  return path;
}

std::string Form1::AskSavePath(const std::string& title, const std::string& typesName, const std::string& extension) {
  std::string path = AskFileName("SAVE", title, typesName, "*" + extension);
  if (!path.empty() && std::filesystem::path(path).extension().empty()) path += extension;
  return path;
}

void Form1::ShowSaveFailure(const std::string& what, const std::string& path, const std::string& reason) {
  toolkit_.ShowMessage(SaveFailureMessage(what, path, reason));
}

void Form1::mnuOpen_Click() {
  const std::string path =
      AskFileName("OPEN", "Select a puzzle to open", kPuzzleFilesName, std::string("*") + kPuzzleExtension);
  if (path.empty()) return;
  Carry([&](bool confirmed) { return session_.Open(path, confirmed); });
  if (session_.Solving()) picture1_->setFocus();  // solving goes on where it was saved
}

void Form1::mnuSave_Click() {
  if (!session_.HasPuzzle()) return;
  const std::string path = AskSavePath("Select destination file for this puzzle", kPuzzleFilesName, kPuzzleExtension);
  if (path.empty() || !ConfirmOverwrite(path)) return;
  Carry([&](bool) { return session_.Save(path); });
}

void Form1::mnuExportPdf_Click() {
  const std::string path = AskSavePath("Select destination file for a PDF of this puzzle", "PDF Files", ".pdf");
  if (path.empty() || !ConfirmOverwrite(path)) return;
  toolkit_.SetBusy(true);
  const SaveOutcome outcome = ExportPdf(session_.CurrentPuzzle(), QString::fromStdString(path), LocalePaper());
  toolkit_.SetBusy(false);
  if (!outcome.saved) ShowSaveFailure("PDF", path, outcome.reason);
}

void Form1::mnuExportSvg_Click() {
  const std::string path = AskSavePath("Select a name for the SVG files of this puzzle", "SVG Files", ".svg");
  if (path.empty()) return;
  const auto [puzzlePath, solutionPath] = SvgPaths(QString::fromStdString(path));
  if (!ConfirmOverwrite(puzzlePath.toStdString()) || !ConfirmOverwrite(solutionPath.toStdString())) return;
  const SaveOutcome outcome = ExportSvg(session_.CurrentPuzzle(), QString::fromStdString(path));
  if (!outcome.saved) ShowSaveFailure("SVG files", path, outcome.reason);
}

void Form1::mnuBooklet_Click() {
  if (const std::string refusal = session_.WhyNoPuzzle(); !refusal.empty()) {
    toolkit_.ShowMessage(refusal);
    return;
  }
  booklet_.varied = mnuVaried_->isChecked();
  booklet_.unique = mnuUnique_->isChecked();
  const std::optional<BookletChoices> choices = toolkit_.AskBooklet(booklet_);
  if (!choices) return;
  booklet_ = *choices;
  const std::string path = AskSavePath("Select destination file for the booklet", "PDF Files", ".pdf");
  if (path.empty() || !ConfirmOverwrite(path)) return;
  SetCommandsEnabled(false);
  const BookletOutcome made = session_.MakeBooklet(
      {booklet_.count, booklet_.noRepeats}, {booklet_.varied, booklet_.unique}, [this](int done, int total) {
        return toolkit_.ShowProgress("Puzzles made: " + std::to_string(done) + " of " + std::to_string(total), done, total);
      });
  toolkit_.EndProgress();
  ShowState();
  const BookletRun& run = made.run;
  if (run.outcome == BookletRun::Outcome::Cancelled || session_.CurrentMode() == Mode::Closed) return;
  if (run.outcome == BookletRun::Outcome::GaveUp) {
    toolkit_.ShowMessage(made.failure);
    return;
  }
  toolkit_.SetBusy(true);
  const SaveOutcome outcome = WriteBookletPdf(run.puzzles, QString::fromStdString(path), LocalePaper());
  toolkit_.SetBusy(false);
  if (!outcome.saved) {
    ShowSaveFailure("booklet", path, outcome.reason);
    return;
  }
  const int pages = BookletPageCount(static_cast<int>(run.puzzles.size()));
  const std::string written = "Booklet written: " + path + ", " + std::to_string(pages) + " pages.";
  toolkit_.ShowMessage(run.note.empty() ? written : written + "\n" + run.note);
}

void Form1::ShowModal(const std::function<void()>& show) {
  const bool compiling = compileTimer_->isActive();
  compileTimer_->stop();  // a compile waits while the box is open
  show();
  if (compiling) compileTimer_->start();
}

void Form1::Helpx_Click() {
  ShowModal([this] { toolkit_.ShowMessage(kHelpText); });
}

void Form1::mnuGuide_Click() {
  if (!guide_) {
    guide_ = new QTextBrowser(this);
    guide_->setWindowFlag(Qt::Window);
    guide_->setWindowTitle("Loopword User Guide");
    guide_->setOpenExternalLinks(true);
    guide_->setSource(QUrl(kGuideSource));
    guide_->resize(TwipsToPixels(kGuideWidth), TwipsToPixels(kGuideHeight));
  }
  guide_->show();
  guide_->raise();
  guide_->activateWindow();
}

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

void Form1::ShowDictionaryMark() {
  dictItems_[static_cast<std::size_t>(session_.Dictionaries().DictLevel)]->setChecked(true);
}

void Form1::mnuSolve_Click() {
  session_.SetFill(FillChoice());
  if (!Carry([this](bool confirmed) { return session_.Compile(confirmed); }) || !Busy()) return;
  toolkit_.SetBusy(true);
  compileTimer_->start();
}

bool Form1::Compiling() const { return compileTimer_->isActive(); }

void Form1::AdvanceCompile() {
  const Reply reply = session_.AdvanceCompile();
  if (Busy()) return;
  compileTimer_->stop();  // done, given up, stopped with the view button or by Exit
  toolkit_.SetBusy(false);
  ShowState();
  if (!reply.message.empty()) toolkit_.ShowMessage(reply.message);
}

void Form1::Command1_MouseUp() {
  Carry([this](bool confirmed) { return session_.PressViewButton(confirmed); });
}

void Form1::mnuStart_Click(int index) {
  if (index == 0) {
    session_.ChooseRandomStartWord();
  } else {
    for (;;) {  // asked again until accepted or cancelled
      const Reply reply = session_.EnterStartWord(toolkit_.InputBox("Enter 8-letter word A..Z", "Start Word"));
      if (reply.message.empty()) break;
      toolkit_.ShowMessage(reply.message);
    }
  }
  startItems_[static_cast<std::size_t>(session_.StartChoice())]->setChecked(true);
}

void Form1::mnuDictLevel_Click(int index) {
  std::string path;
  if (index == kUserDictionary) path = AskFileName("OPEN", "Select a file to open", "Dictionary Files", "*.txt;*.dat;*.dic");
  if (index == kUserDictionary && path.empty()) {
    ShowDictionaryMark();
    return;
  }
  if (index != kUserDictionary) toolkit_.SetBusy(true);
  const LoadReport report = session_.ChooseWordList(index, path);
  toolkit_.SetBusy(false);
  ShowLoadReport(report);
}

void Form1::mnuPlay_Click() {
  const std::optional<Reply> reply = Carry([this](bool) { return session_.StartSolving(); });
  if (reply && reply->redraw) picture1_->setFocus();
}

void Form1::mnuCheck_Click() {
  Carry([this](bool) { return session_.Check(); });
}

void Form1::mnuReveal_Click() {
  Carry([this](bool) { return session_.Reveal(); });
}

void Form1::PictureKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  if (const auto solvingKey = SolvingKeyOf(key)) {
    Carry([&](bool) { return session_.Press(*solvingKey); });
  } else if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && text.size() == 1) {
    Carry([&](bool) { return session_.Type(text.at(0).toLatin1()); });
  }
}

void Form1::PictureClick(QPoint pixel) {
  Carry([&](bool) { return session_.ClickAt({PixelsToTwips(pixel.x()), PixelsToTwips(pixel.y())}); });
}

void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) session_.PauseClock(isMinimized());
  QMainWindow::changeEvent(event);
}

}  // namespace loopword
