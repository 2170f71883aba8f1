// Asking for the files of the File menu and writing them, with the messages that tell how it went.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_commands.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/remembered_choices.h"
#include "output/booklet.h"
#include "output/print_page.h"
#include "output/sheet_export.h"
#include "puzzle/puzzle_file.h"

namespace loopword {

namespace {

constexpr const char* kPuzzleFilesName = QT_TRANSLATE_NOOP("Messages", "Loopword Puzzles");

}  // namespace

std::string FileCommands::AskFileName(const char* mode, const std::string& title, const std::string& typesName,
                                      const std::string& patterns) {
  gf1.Title = title;
  gf1.FileTypes = patterns;
  gf1.FileTypesName = typesName;
  gf1.DefaultDir = DialogStartFolder(RememberedFolder(), toolkit_.ProgramFolder(),
                                     QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
  const std::string path = gf1.GetFileName(mode);
  if (!path.empty()) RememberFolderOf(path);
  return path;
}

std::string FileCommands::AskSavePath(const std::string& title, const std::string& typesName, const std::string& extension) {
  std::string path = AskFileName("SAVE", title, typesName, "*" + extension);
  if (!path.empty() && std::filesystem::path(path).extension().empty()) path += extension;
  return path;
}

std::string FileCommands::AskNewFile(const std::string& title, const std::string& typesName, const std::string& extension) {
  const std::string path = AskSavePath(title, typesName, extension);
  return path.empty() || !ConfirmOverwrite(path) ? "" : path;
}

bool FileCommands::ConfirmOverwrite(const std::string& path) {
  std::error_code error;
  const auto length = std::filesystem::file_size(path, error);
  if (error || length == 0) return true;
  return toolkit_.AskYesNo(Message(LOOPWORD_TEXT("QObject", "OverWrite file: %1 ?"), {path}));
}

bool FileCommands::Write(Text failureHeading, const std::string& path, const std::function<SaveOutcome()>& write) {
  toolkit_.SetBusy(true);
  const SaveOutcome outcome = write();
  toolkit_.SetBusy(false);
  if (!outcome.saved) toolkit_.ShowMessage(SaveFailureMessage(failureHeading, path, outcome.reason));
  return outcome.saved;
}

bool FileCommands::WriteText(Text failureHeading, const std::string& path, std::string_view text) {
  return Write(failureHeading, path, [&]() -> SaveOutcome {
    Message failure = WriteFileAtomically(path, text);
    return {failure.empty(), std::move(failure)};
  });
}

std::optional<std::pair<std::string, std::string>> FileCommands::AskPuzzleText() {
  const std::string path = AskFileName("OPEN", QT_TRANSLATE_NOOP("Messages", "Select a puzzle to open"), kPuzzleFilesName, std::string("*") + kPuzzleExtension);
  if (path.empty()) return std::nullopt;
  PuzzleFileText read = ReadPuzzleFileText(path);
  if (!read.text) {
    toolkit_.ShowMessage(read.message);
    return std::nullopt;
  }
  return std::pair{path, std::move(*read.text)};
}

bool FileCommands::SavePuzzle(const std::string& text) {
  const std::string path = AskNewFile(QT_TRANSLATE_NOOP("Messages", "Select destination file for this puzzle"), kPuzzleFilesName, kPuzzleExtension);
  return !path.empty() && WriteText(LOOPWORD_TEXT("Messages", "Loopword could not save the puzzle to:"), path, text);
}

void FileCommands::ExportWebPage(const std::string& pagePath, const std::function<std::optional<std::string>(std::string_view page)>& fill) {
  ExportWithPage(pagePath, fill, QT_TRANSLATE_NOOP("Messages", "Select destination file for a web page of this puzzle"),
                 QT_TRANSLATE_NOOP("Messages", "Web Pages"), ".html", LOOPWORD_TEXT("Messages", "Loopword could not save the web page to:"));
}

void FileCommands::ExportLearningPackage(const std::string& pagePath, const std::function<std::optional<std::string>(std::string_view page)>& fill) {
  ExportWithPage(pagePath, fill, QT_TRANSLATE_NOOP("Messages", "Select destination file for a learning platform package of this puzzle"),
                 QT_TRANSLATE_NOOP("Messages", "Learning Platform Packages"), ".zip",
                 LOOPWORD_TEXT("Messages", "Loopword could not save the learning platform package to:"));
}

void FileCommands::ExportWithPage(const std::string& pagePath, const std::function<std::optional<std::string>(std::string_view page)>& fill,
                                  const char* title, const char* typesName, const std::string& extension, Text failureHeading) {
  const std::string path = AskNewFile(title, typesName, extension);
  if (path.empty()) return;
  std::ifstream in(pagePath, std::ios::binary);
  const std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::optional<std::string> filled = fill(page);
  if (!filled) {
    toolkit_.ShowMessage(Message(LOOPWORD_TEXT("Messages", "Loopword's web page is missing or damaged:")).Add(pagePath));
    return;
  }
  WriteText(failureHeading, path, *filled);
}

std::string FileCommands::AskWordList() {
  return AskFileName("OPEN", QT_TRANSLATE_NOOP("Messages", "Select a file to open"), QT_TRANSLATE_NOOP("Messages", "Dictionary Files"), "*.txt;*.dat;*.dic");
}

void FileCommands::SaveBitmap(const QImage& picture) {
  const std::string path =
      AskFileName("SAVE", QT_TRANSLATE_NOOP("Messages", "Select destination file for a bitmap copy of this puzzle"), QT_TRANSLATE_NOOP("Messages", "Loopword Bitmap Files"), "*.bmp");
  if (path.empty() || !ConfirmOverwrite(path)) return;
  if (!Write(LOOPWORD_TEXT("Messages", "Loopword could not save the bitmap to:"), path, [&] { return SaveBitmapFile(picture, QString::fromStdString(path)); })) return;
  const qint64 length = QFileInfo(QString::fromStdString(path)).size();
  toolkit_.ShowMessage(Message(LOOPWORD_TEXT("QObject", "Loopword copied to:\n%1\n %2 bytes"), {path, length}));
}

void FileCommands::ExportPdf(const PrintedSheets& sheets) {
  const std::string path = AskNewFile(QT_TRANSLATE_NOOP("Messages", "Select destination file for a PDF of this puzzle"), QT_TRANSLATE_NOOP("Messages", "PDF Files"), ".pdf");
  if (!path.empty()) Write(LOOPWORD_TEXT("Messages", "Loopword could not save the PDF to:"), path, [&] { return loopword::ExportPdf(sheets, QString::fromStdString(path), LocalePaper()); });
}

void FileCommands::ExportSvg(const PrintedSheets& sheets) {
  const std::string path = AskSavePath(QT_TRANSLATE_NOOP("Messages", "Select a name for the SVG files of this puzzle"), QT_TRANSLATE_NOOP("Messages", "SVG Files"), ".svg");
  if (path.empty()) return;
  const auto [puzzlePath, solutionPath] = SvgPaths(QString::fromStdString(path));
  if (!ConfirmOverwrite(puzzlePath.toStdString()) || !ConfirmOverwrite(solutionPath.toStdString())) return;
  const SaveOutcome outcome = loopword::ExportSvg(sheets, QString::fromStdString(path));
  if (!outcome.saved) toolkit_.ShowMessage(SaveFailureMessage(LOOPWORD_TEXT("Messages", "Loopword could not save the SVG files to:"), path, outcome.reason));
}

void FileCommands::Print(const PrintedSheets& sheets, const std::function<void()>& starting) {
  if (!toolkit_.AskYesNo(LOOPWORD_TEXT("Messages", "Do you wish to print puzzle and its solution?"))) return;
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (defaultPrinter.isNull()) {
    toolkit_.ShowMessage(LOOPWORD_TEXT("Messages", "There is no printer to print on.\nSet up a default printer, then print again."));
    return;
  }
  QPrinter printer(defaultPrinter, QPrinter::HighResolution);
  printer.setDocName(kProgramName);
  QPainter painter;
  toolkit_.SetBusy(true);
  if (!painter.begin(&printer)) {
    toolkit_.SetBusy(false);
    toolkit_.ShowMessage(Message(LOOPWORD_TEXT("QObject", "The printer %1 could not start printing."), {defaultPrinter.printerName().toStdString()}));
    return;
  }
  starting();
  PaintPrintedPage(painter, printer.resolution(), sheets);
  const bool sent = painter.end() && printer.printerState() != QPrinter::Error;
  toolkit_.SetBusy(false);
  toolkit_.ShowMessage(sent ? Message(LOOPWORD_TEXT("Messages", "Done"))
                            : Message(LOOPWORD_TEXT("QObject", "The page could not be sent to the printer %1."), {defaultPrinter.printerName().toStdString()}));
}

std::string FileCommands::AskBooklet(const CompileOptions& fill) {
  booklet_.varied = fill.varied;
  booklet_.unique = fill.unique;
  const std::optional<BookletChoices> choices = toolkit_.AskBooklet(booklet_);
  if (!choices) return "";
  booklet_ = *choices;
  return AskNewFile(QT_TRANSLATE_NOOP("Messages", "Select destination file for the booklet"), QT_TRANSLATE_NOOP("Messages", "PDF Files"), ".pdf");
}

std::optional<std::pair<int, std::string>> FileCommands::AskClassSet() {
  const std::optional<int> pupils = toolkit_.AskNumber(LOOPWORD_TEXT("QObject", "Number of pupils:"), LOOPWORD_TEXT("QObject", "Class set"),
                                                       kFewestPupils, kMostPupils, pupils_);
  if (!pupils) return std::nullopt;
  pupils_ = *pupils;
  std::string path = AskNewFile(QT_TRANSLATE_NOOP("Messages", "Select destination file for the class set"), QT_TRANSLATE_NOOP("Messages", "PDF Files"), ".pdf");
  if (path.empty()) return std::nullopt;
  return std::pair{*pupils, std::move(path)};
}

std::optional<std::string> FileCommands::AskResultCodes() {
  const std::string path = AskFileName("OPEN", QT_TRANSLATE_NOOP("Messages", "Select a file of result codes"), QT_TRANSLATE_NOOP("Messages", "Text Files"), "*.txt");
  if (path.empty()) return std::nullopt;
  PuzzleFileText read = ReadPuzzleFileText(path);  // a bounded read of a text file, as of a puzzle
  if (!read.text) toolkit_.ShowMessage(read.message);
  return read.text;
}

void FileCommands::SaveResults(const std::string& csv) {
  const std::string path = AskNewFile(QT_TRANSLATE_NOOP("Messages", "Select destination file for the class results"), QT_TRANSLATE_NOOP("Messages", "CSV Files"), ".csv");
  if (!path.empty()) WriteText(LOOPWORD_TEXT("Messages", "Loopword could not save the class results to:"), path, csv);
}

void FileCommands::WriteBooklet(const Reply& run, const std::vector<PrintedSheets>& made, const std::string& path) {
  if (!run.done) {
    for (const Message& message : run.messages) toolkit_.ShowMessage(message);
    return;
  }
  if (!Write(LOOPWORD_TEXT("Messages", "Loopword could not save the booklet to:"), path, [&] { return WriteBookletPdf(made, QString::fromStdString(path), LocalePaper()); })) return;
  const int pages = BookletPageCount(static_cast<int>(made.size()));
  toolkit_.ShowMessage(Message(LOOPWORD_TEXT("QObject", "Booklet written: %1, %2 pages."), {path, pages}).Append(run.Told()));
}

}  // namespace loopword
