// Checks the PDF and SVG exports and the booklet through the files they write, read with poppler and Qt.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <filesystem>
#include <iterator>
#include <map>

#include "display/sheets.h"
#include "output/booklet.h"
#include "output/sheet_image.h"
#include "output/save_pic.h"
#include "output/sheet_export.h"
#include "support/compiled_puzzles.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;
using testing::RunTool;

struct ExportTest : ::testing::Test {
  Puzzle puzzle = testing::CompiledPuzzles(1)[0];
  testing::TempDir folder;
  QString Path(const std::string& name) const { return QString::fromStdString((folder.Path() / name).string()); }
};

/// The boxes pdftotext finds each word in, in reading order, as [xMin, yMin, xMax, yMax], and the page's size.
std::pair<std::map<std::string, std::vector<std::array<double, 4>>>, std::array<double, 2>> Words(const std::string& pdf) {
  const std::string html = RunTool("pdftotext -bbox '" + pdf + "' -").first;
  const auto number = [&](std::size_t from, const std::string& name) { return std::stod(html.substr(html.find(name + "=\"", from) + name.size() + 2)); };
  std::map<std::string, std::vector<std::array<double, 4>>> words;
  for (auto at = html.find("<word "); at != std::string::npos; at = html.find("<word ", at + 1)) {
    const std::size_t text = html.find('>', at) + 1;
    const std::array<double, 4> box = {number(at, "xMin"), number(at, "yMin"), number(at, "xMax"), number(at, "yMax")};
    words[html.substr(text, html.find("</word>", text) - text)].push_back(box);
  }
  const std::size_t page = html.find("<page ");
  return {words, {number(page, "width"), number(page, "height")}};
}

TEST_F(ExportTest, PdfIsThePrintedPageOnItsPaperWithEmbeddedFontsAndCluesInsteadOfTheirWordsOnThePuzzleSheet) {
  for (std::size_t i = 0; i < 8; ++i) {  // long enough to wrap, each ending in its own word
    puzzle.clues[puzzle.placements[i * 3].word] = "a (long) clue, long enough to wrap in the list: clue" + std::to_string(i);
  }
  const std::string pdf = Path("page.pdf").toStdString();
  ASSERT_TRUE(ExportPdf(SheetsOf(puzzle), Path("page.pdf"), QPageSize(QPageSize::Letter)).saved);
  EXPECT_EQ(testing::PdfPageCount(pdf), 1);
  EXPECT_NE(RunTool("pdfinfo " + pdf).first.find("Page size:       612 x 792"), std::string::npos);
  const std::string fonts = RunTool("pdffonts " + pdf).first;  // "emb": 5th field from the end
  EXPECT_EQ(RunTool("pdffonts " + pdf + " | awk 'NR > 2 {print $(NF - 4)}' | sort -u").first, "yes\n") << fonts;
  EXPECT_EQ(fonts.find("Type 3"), std::string::npos) << fonts;
  auto [words, page] = Words(pdf);
  for (const auto& [text, boxes] : words) {
    for (const auto& [left, top, right, bottom] : boxes) EXPECT_TRUE(left >= 0 && top >= 0 && right <= page[0] && bottom <= page[1]) << text;
  }
  const double puzzleTitle = words["PUZZLE"].at(0)[1], solutionTitle = words["SOLUTION"].at(0)[1];
  for (const auto& [word, clue] : puzzle.clues) {  // its last word once on each sheet; its word on the solution only
    const std::vector<std::array<double, 4>> at = words[clue.substr(clue.rfind(' ') + 1)], wordAt = words[word];
    ASSERT_EQ(at.size(), 2u) << clue;
    EXPECT_TRUE(puzzleTitle < at[0][1] && at[0][1] < solutionTitle && at[1][1] > solutionTitle) << clue;
    EXPECT_TRUE(wordAt.size() == 1 && wordAt[0][1] > solutionTitle) << word << ": " << wordAt.size() << " times";
  }
}

/// The mean grey of the 3 × 3 pixels of `image` around (x, y): edges drawn half a pixel apart or smoothed count alike.
int GreyAround(const QImage& image, int x, int y) {
  int sum = 0;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) sum += qGray(image.pixel(std::clamp(x + dx, 0, image.width() - 1), std::clamp(y + dy, 0, image.height() - 1)));
  }
  return sum / 9;
}

/// The share of the places of `a` and `b` (of one size) whose greys around differ by more than `by`.
double DifferentPlaces(const QImage& a, const QImage& b, int by) {
  int different = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) different += std::abs(GreyAround(a, x, y) - GreyAround(b, x, y)) > by;
  }
  return static_cast<double>(different) / (a.width() * a.height());
}

TEST_F(ExportTest, SvgWritesBothSheetsAsTextBesideTheChosenNameEachRenderingAsTheSheetDrawsOnScreen) {
  for (const std::string chosen : {"a", "a.svg", "a.SVG"}) {
    EXPECT_EQ(SvgPaths(Path(chosen)), std::make_pair(Path("a-puzzle.svg"), Path("a-solution.svg"))) << chosen;
  }
  const PrintedSheets sheets = SheetsOf(puzzle);
  ASSERT_TRUE(ExportSvg(sheets, Path("a.svg")).saved);
  const std::string puzzleSvg = testing::ReadFile(folder.Path() / "a-puzzle.svg");  // each text one <text> element
  const std::string solutionSvg = testing::ReadFile(folder.Path() / "a-solution.svg");
  for (const std::string& line : testing::TextLines(puzzle)) {
    EXPECT_NE(puzzleSvg.find(">" + line.substr(14) + "</text>"), std::string::npos) << line;
    EXPECT_NE(solutionSvg.find(line.substr(0, 2) + " " + line.substr(14) + "</text>"), std::string::npos) << line;
  }
  for (const auto& [file, sheet] : {std::pair{"a-puzzle.svg", sheets.puzzle}, std::pair{"a-solution.svg", sheets.solution}}) {
    QSvgRenderer svg(Path(file));
    ASSERT_TRUE(svg.isValid()) << file;
    const QImage screen = SheetImage(sheet).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(svg.defaultSize(), screen.size()) << file << ": as big as on screen";
    QImage rendered(screen.size(), QImage::Format_RGB32);
    rendered.fill(Qt::white);
    QPainter painter(&rendered);
    svg.render(&painter);
    painter.end();
    EXPECT_LT(DifferentPlaces(rendered, screen, 64), 0.01) << file << ": the same picture, but for how edges are smoothed";
    EXPECT_EQ(DifferentPlaces(rendered, screen, 128), 0.0) << file;
  }
}

TEST_F(ExportTest, FailedExportsLeaveNoFileAndKeepWhatWasThere) {
  fs::create_directory(folder.Path() / "taken.pdf");
  fs::create_directory(folder.Path() / "kept-solution.svg");
  folder.Write("kept-puzzle.svg", "precious");
  for (const SaveOutcome& outcome : {ExportPdf(SheetsOf(puzzle), Path("taken.pdf"), LocalePaper()),
                                     ExportPdf(SheetsOf(puzzle), Path("missing/x.pdf"), LocalePaper()),
                                     ExportSvg(SheetsOf(puzzle), Path("kept.svg")), WriteBookletPdf({}, Path("b.pdf"), LocalePaper()),
                                     SaveBitmapFile(QImage(8, 8, QImage::Format_RGB32), Path("taken.pdf"))}) {
    EXPECT_FALSE(outcome.saved);
    EXPECT_NE(EnglishText(outcome.reason), "");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 3) << "no part file";
  EXPECT_EQ(testing::ReadFile(folder.Path() / "kept-puzzle.svg"), "precious");
}

TEST_F(ExportTest, BookletHasAPagePerPuzzleThenAnswerPagesHoldingEachPuzzlesWordsInOrder) {
  const std::vector<Puzzle> puzzles = testing::CompiledPuzzles(30, 21);
  std::vector<PrintedSheets> sheets;
  for (const Puzzle& made : puzzles) sheets.push_back(SheetsOf(made));
  const std::string pdf = Path("booklet.pdf").toStdString();
  ASSERT_TRUE(WriteBookletPdf(sheets, Path("booklet.pdf"), QPageSize(QPageSize::A4)).saved);
  const int pages = testing::PdfPageCount(pdf);
  ASSERT_EQ(pages, 38) << "30 puzzles, then 8 answer pages of four";
  const auto holds = [&](int page, int number) {  // the title and all words of puzzle `number`
    const std::string text = testing::PdfPageText(pdf, page);
    const std::vector<std::string> words = SortedWords(puzzles[static_cast<std::size_t>(number - 1)]);
    return text.find("Puzzle " + std::to_string(number) + " of 30\n") != std::string::npos &&
           std::all_of(words.begin(), words.end(), [&](const std::string& w) { return text.find(w) != std::string::npos; });
  };
  for (int number = 1, answerPage = 31; number <= 30; ++number) {
    EXPECT_TRUE(holds(number, number)) << number;
    while (answerPage <= pages && !holds(answerPage, number)) ++answerPage;
    EXPECT_LE(answerPage, pages) << "the answer to puzzle " << number << ", after the one before";
  }
}

}  // namespace
}  // namespace loopword
