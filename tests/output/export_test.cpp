// Checks saved puzzles, the PDF and SVG exports and booklets through the files they write, read with poppler and Qt.
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <regex>

#include "display/sheets.h"
#include "display/units.h"
#include "output/booklet.h"
#include "output/image_canvas.h"
#include "output/print_page.h"
#include "output/sheet_export.h"
#include "puzzle/puzzle_file.h"
#include "support/compiled_puzzles.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> WordsOf(const Puzzle& puzzle) {
  std::vector<std::string> words;
  for (const std::string& line : puzzle.List2) words.push_back(line.substr(14));
  return words;
}

/// Both sheets of `puzzle` as the picture area shows them.
std::pair<QImage, QImage> Sheets(const Puzzle& puzzle) {
  ImageCanvas canvas(kSheetWidth, kSheetHeight, kScreenDpi);
  Picture picture(canvas);
  std::vector<std::string> sorted;
  DrawPuzzleSheet(picture, puzzle.board, puzzle.List2, sorted);
  const QImage puzzleSheet = canvas.Image().copy();
  DrawSolutionSheet(picture, puzzle.board, puzzle.List2);
  return {puzzleSheet, canvas.Image().copy()};
}

/// Every word pdftotext finds on page 1 with the top of its box, in reading order.
std::vector<std::pair<std::string, double>> WordTops(const std::string& pdf) {
  const std::string html = testing::RunTool("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -").out;
  const std::regex word(R"re(<word xMin="[0-9.]+" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
  std::vector<std::pair<std::string, double>> words;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator(); ++it) {
    words.emplace_back((*it)[2].str(), std::stod((*it)[1].str()));
  }
  return words;
}

/// The texts of all <text> elements of an SVG file.
std::string SvgTexts(const fs::path& path) {
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader svg(&file);
  std::string texts;
  while (!svg.atEnd()) {
    if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QLatin1String("text")) {
      texts += svg.readElementText(QXmlStreamReader::IncludeChildElements).toStdString() + '\n';
    }
  }
  return svg.hasError() ? "malformed: " + svg.errorString().toStdString() : texts;
}

class ExportTest : public ::testing::Test {
 protected:
  Puzzle puzzle = testing::CompiledPuzzles(1)[0];
  testing::TempDir folder;
};

TEST_F(ExportTest, ASavedPuzzleReopensToTheSamePicturesPixelForPixel) {
  const std::string path = (folder.Path() / "saved.loopword").string();
  ASSERT_EQ(WriteFileAtomically(path, FormatPuzzleFile({{HeaderComments({"L1words.txt", 1, "classic", {}}), puzzle}})), "");
  const PuzzleFileResult reopened = ReadPuzzleFile(path);
  ASSERT_EQ(reopened.puzzles.size(), 1u) << reopened.message;
  EXPECT_EQ(Sheets(reopened.puzzles[0].puzzle), Sheets(puzzle));
  EXPECT_NE(Sheets(Puzzle{}), Sheets(puzzle)) << "the sheets show the puzzle's letters";
}

TEST_F(ExportTest, PdfIsThePrintedPageOnTheChosenPaperWithEmbeddedSearchableText) {
  const struct {
    QPageSize::PageSizeId paper;
    std::string size;
  } papers[] = {{QPageSize::A4, "595 x 842"}, {QPageSize::Letter, "612 x 792"}};
  for (const auto& [paper, size] : papers) {
    const std::string pdf = (folder.Path() / "page.pdf").string();
    ASSERT_TRUE(ExportPdf(puzzle, QString::fromStdString(pdf), QPageSize(paper)).saved);
    EXPECT_EQ(testing::PdfPageCount(pdf), 1);
    EXPECT_NE(testing::RunTool("pdfinfo '" + pdf + "'").out.find("Page size:       " + size), std::string::npos);
    const std::string fonts = testing::RunTool("pdffonts '" + pdf + "'").out;
    EXPECT_EQ(fonts.find("Type 3"), std::string::npos) << fonts;
    const std::regex row(R"(\n\S+ +.+? +\S+ +(yes|no) +(yes|no) +(yes|no) +\d+ +\d+)");
    int rows = 0;
    for (auto it = std::sregex_iterator(fonts.begin(), fonts.end(), row); it != std::sregex_iterator(); ++it, ++rows) {
      EXPECT_EQ((*it)[1].str(), "yes") << "embedded: " << it->str();
    }
    EXPECT_GT(rows, 0) << fonts;
    // The puzzle's sorted words lie between the two titles; the solution's words below the second.
    const auto words = WordTops(pdf);
    const auto title = [&](const std::string& text) {
      const auto it = std::find_if(words.begin(), words.end(), [&](const auto& w) { return w.first == text; });
      return it == words.end() ? -1.0 : it->second;
    };
    ASSERT_GT(title("PUZZLE"), 0);
    ASSERT_GT(title("SOLUTION"), title("PUZZLE"));
    for (const std::string& word : WordsOf(puzzle)) {
      std::vector<double> tops;
      for (const auto& [text, top] : words) {
        if (text == word) tops.push_back(top);
      }
      ASSERT_EQ(tops.size(), 2u) << word << " once in each list";
      EXPECT_GT(std::min(tops[0], tops[1]), title("PUZZLE"));
      EXPECT_LT(std::min(tops[0], tops[1]), title("SOLUTION"));
      EXPECT_GT(std::max(tops[0], tops[1]), title("SOLUTION"));
    }
  }
}

TEST_F(ExportTest, SvgWritesBothSheetsAsTextBesideTheChosenName) {
  const struct {
    std::string chosen, puzzleFile, solutionFile;
  } names[] = {{"a.svg", "a-puzzle.svg", "a-solution.svg"},
               {"b", "b-puzzle.svg", "b-solution.svg"},
               {"c.SVG", "c-puzzle.svg", "c-solution.svg"}};
  for (const auto& [chosen, puzzleFile, solutionFile] : names) {
    const auto [puzzlePath, solutionPath] = SvgPaths(QString::fromStdString((folder.Path() / chosen).string()));
    EXPECT_EQ(puzzlePath.toStdString(), (folder.Path() / puzzleFile).string());
    EXPECT_EQ(solutionPath.toStdString(), (folder.Path() / solutionFile).string());
  }
  ASSERT_TRUE(ExportSvg(puzzle, QString::fromStdString((folder.Path() / "a.svg").string())).saved);
  EXPECT_FALSE(fs::exists(folder.Path() / "a.svg"));
  const std::string puzzleTexts = SvgTexts(folder.Path() / "a-puzzle.svg");
  const std::string solutionTexts = SvgTexts(folder.Path() / "a-solution.svg");
  EXPECT_NE(puzzleTexts.find("PUZZLE"), std::string::npos) << puzzleTexts;
  EXPECT_NE(solutionTexts.find("SOLUTION"), std::string::npos) << solutionTexts;
  for (const std::string& line : puzzle.List2) {
    EXPECT_NE(puzzleTexts.find(line.substr(14)), std::string::npos) << line;
    EXPECT_NE(solutionTexts.find(line.substr(0, 2) + " " + line.substr(14)), std::string::npos) << line;
  }
}

TEST_F(ExportTest, FailedExportsLeaveNoFileAndKeepWhatWasThere) {
  fs::create_directory(folder.Path() / "taken.pdf");
  fs::create_directory(folder.Path() / "taken-solution.svg");
  const std::string kept = folder.Write("kept-puzzle.svg", "precious");
  fs::create_directory(folder.Path() / "kept-solution.svg");
  const auto pdf = [&](const fs::path& path) { return ExportPdf(puzzle, QString::fromStdString(path.string()), LocalePaper()); };
  const auto svg = [&](const fs::path& path) { return ExportSvg(puzzle, QString::fromStdString(path.string())); };
  const auto entries = [&] { return std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()); };
  const auto before = entries();
  for (const SaveOutcome& outcome : {pdf(folder.Path() / "taken.pdf"), pdf(folder.Path() / "missing" / "x.pdf"),
                                     svg(folder.Path() / "taken"), svg(folder.Path() / "kept.svg"),
                                     WriteBookletPdf({}, QString::fromStdString((folder.Path() / "b.pdf").string()), LocalePaper())}) {
    EXPECT_FALSE(outcome.saved);
    EXPECT_FALSE(outcome.reason.empty());
  }
  EXPECT_EQ(entries(), before) << "no part file and no half of an SVG pair";
  std::ifstream in(kept);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious");
}

TEST_F(ExportTest, BookletHasAPagePerPuzzleThenAnswerPagesHoldingEachPuzzlesWords) {
  const std::vector<Puzzle> puzzles = testing::CompiledPuzzles(30, 21);
  const std::string pdf = (folder.Path() / "booklet.pdf").string();
  ASSERT_TRUE(WriteBookletPdf(puzzles, QString::fromStdString(pdf), QPageSize(QPageSize::A4)).saved);
  const int answerPages = (30 + kAnswersPerPage - 1) / kAnswersPerPage;
  ASSERT_EQ(testing::PdfPageCount(pdf), 30 + answerPages);
  const auto holdsAll = [](const std::string& page, const std::vector<std::string>& words) {
    return std::all_of(words.begin(), words.end(), [&](const std::string& w) { return page.find(w) != std::string::npos; });
  };
  std::vector<std::string> answers;
  for (int page = 31; page <= 30 + answerPages; ++page) answers.push_back(testing::PdfPageText(pdf, page));
  int lastAnswerPage = 0;
  for (int i = 0; i < 30; ++i) {
    const std::string number = std::to_string(i + 1);
    const std::string page = testing::PdfPageText(pdf, i + 1);
    EXPECT_NE(page.find("Puzzle " + number + "\n"), std::string::npos) << "page " << number;
    EXPECT_TRUE(holdsAll(page, WordsOf(puzzles[static_cast<std::size_t>(i)]))) << "page " << number;
    std::vector<int> holding;
    for (int a = 0; a < answerPages; ++a) {
      const std::string& answer = answers[static_cast<std::size_t>(a)];
      if (answer.find("Puzzle " + number + "\n") != std::string::npos &&
          holdsAll(answer, WordsOf(puzzles[static_cast<std::size_t>(i)]))) {
        holding.push_back(a);
      }
    }
    ASSERT_EQ(holding.size(), 1u) << "the answer to puzzle " << number << " is on one answer page";
    EXPECT_GE(holding[0], lastAnswerPage) << "answers in puzzle order";
    lastAnswerPage = holding[0];
  }
}

}  // namespace
}  // namespace loopword
