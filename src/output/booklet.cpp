// Laying out booklet pages: headings and sheets placed in twips, drawn from the sheets' views.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/booklet.h"

#include <algorithm>

#include "display/colors.h"
#include "display/sheets.h"
#include "output/painter_canvas.h"
#include "output/pdf_document.h"
#include "output/print_page.h"

namespace loopword {

namespace {

constexpr double kMargin = 720;            // half an inch round every page
constexpr double kHeadingSpace = 480;      // between a heading's top and its sheet
const Font kPuzzleHeading{"Courier New", 18, true};
const Font kAnswerHeading{"Courier New", 11, true};

/// A box of the page in twips.
struct Area {
  double x, y, width, height;
};

/// Draws `heading` and, below it, `sheet`, as large as fits in `area`, centred.
void PlaceSheet(QPainter& painter, double dotsPerInch, const Area& area, const std::string& heading, const Font& font,
                const SheetView& sheet) {
  const double scale = std::min(area.width / kSheetWidth, (area.height - kHeadingSpace) / kSheetHeight);
  const double left = area.x + (area.width - scale * kSheetWidth) / 2;
  const double top = area.y + (area.height - kHeadingSpace - scale * kSheetHeight) / 2;
  PainterCanvas page(painter, dotsPerInch, 0, 0, ColorBack);
  page.DrawText(static_cast<int>(left), static_cast<int>(top), heading, font, ColorInk);
  PaintSheetOnPage(painter, dotsPerInch, QPointF(left, top + kHeadingSpace), scale, sheet);
}

/// "Puzzle 3" in the language of the sheet's texts.
std::string Heading(const SheetView& sheet, int index) {
  std::string heading = sheet.texts.puzzleNumber;
  const std::size_t place = heading.find("%1");
  if (place != std::string::npos) heading.replace(place, 2, std::to_string(index + 1));
  return heading;
}

}  // namespace

int BookletPageCount(int puzzles) { return puzzles + (puzzles + kAnswersPerPage - 1) / kAnswersPerPage; }

SaveOutcome WriteBookletPdf(const std::vector<PrintedSheets>& puzzles, const QString& path, const QPageSize& paper) {
  if (puzzles.empty()) return {false, LOOPWORD_TEXT("Messages", "There is no puzzle to put in the booklet.")};
  const QSizeF size = paper.size(QPageSize::Inch) * kTwipsPerInch;
  const Area whole{kMargin, kMargin, size.width() - 2 * kMargin, size.height() - 2 * kMargin};
  const int count = static_cast<int>(puzzles.size());
  return WritePdf(path, paper, BookletPageCount(count), [&](QPainter& painter, double dotsPerInch, int index) {
    if (index < count) {
      const SheetView& sheet = puzzles[static_cast<std::size_t>(index)].puzzle;
      PlaceSheet(painter, dotsPerInch, whole, Heading(sheet, index), kPuzzleHeading, sheet);
      return;
    }
    const int first = (index - count) * kAnswersPerPage;
    for (int k = first; k < std::min(count, first + kAnswersPerPage); ++k) {
      const Area cell{whole.x + (k - first) % 2 * whole.width / 2, whole.y + (k - first) / 2 * whole.height / 2,
                      whole.width / 2, whole.height / 2};
      const SheetView& sheet = puzzles[static_cast<std::size_t>(k)].solution;
      PlaceSheet(painter, dotsPerInch, cell, Heading(sheet, k), kAnswerHeading, sheet);
    }
  });
}

}  // namespace loopword
