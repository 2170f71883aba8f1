// Laying out booklet pages: headings and sheets placed in twips, drawn from the sheets' views.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/booklet.h"

#include <algorithm>

#include "board/plain_text.h"
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
/// The title beside a puzzle page's heading, on its baseline.
const Font kHeadingTitle{"Courier New", 11, true};

/// A box of the page in twips.
struct Area {
  double x, y, width, height;
};

/// The width of `text` in Courier of `font`, in twips: its characters are 0.6 of its size wide.
double TextWidth(const std::string& text, const Font& font) { return CharacterCount(text) * font.size * 20 * 0.6; }

/// Draws `heading` (with the sheet's title beside it when `titled` and there is room) and, below it, `sheet`, as
/// large as fits in `area`, centred.
void PlaceSheet(QPainter& painter, double dotsPerInch, const Area& area, const std::string& heading, const Font& font,
                const SheetView& sheet, bool titled) {
  const double scale = std::min(area.width / kSheetWidth, (area.height - kHeadingSpace) / kSheetHeight);
  const double left = area.x + (area.width - scale * kSheetWidth) / 2;
  const double top = area.y + (area.height - kHeadingSpace - scale * kSheetHeight) / 2;
  PainterCanvas page(painter, dotsPerInch, 0, 0, ColorBack);
  page.DrawText(static_cast<int>(left), static_cast<int>(top), heading, font, ColorInk);
  const double titleLeft = left + TextWidth(heading + "  ", font);
  const int room = static_cast<int>((left + scale * kSheetWidth - titleLeft) / TextWidth("x", kHeadingTitle));
  if (titled && !sheet.title.empty() && room >= 4) {
    const std::string title = CharacterCount(sheet.title) <= room ? sheet.title : FirstCharacters(sheet.title, room - 3) + "...";
    const double baseline = (font.size - kHeadingTitle.size) * 20 * 0.8;  // the smaller type on the heading's baseline
    page.DrawText(static_cast<int>(titleLeft), static_cast<int>(top + baseline), title, kHeadingTitle, ColorInk);
  }
  PaintSheetOnPage(painter, dotsPerInch, QPointF(left, top + kHeadingSpace), scale, sheet);
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
      PlaceSheet(painter, dotsPerInch, whole, PuzzleHeading(sheet.texts, index + 1, count, sheet.setId), kPuzzleHeading, sheet, true);
      return;
    }
    const int first = (index - count) * kAnswersPerPage;
    for (int k = first; k < std::min(count, first + kAnswersPerPage); ++k) {
      const Area cell{whole.x + (k - first) % 2 * whole.width / 2, whole.y + (k - first) / 2 * whole.height / 2,
                      whole.width / 2, whole.height / 2};
      const SheetView& sheet = puzzles[static_cast<std::size_t>(k)].solution;
      PlaceSheet(painter, dotsPerInch, cell, PuzzleHeading(sheet.texts, k + 1, count, sheet.setId), kAnswerHeading, sheet, false);
    }
  });
}

}  // namespace loopword
