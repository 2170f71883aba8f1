// The booklet PDF: one puzzle sheet a page, then answer pages with several solution sheets each.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QString>
#include <vector>

#include "display/sheet_view.h"
#include "output/save_pic.h"

namespace loopword {

/// Pages of a booklet of `puzzles` puzzles: one for each puzzle, then the answer pages.
int BookletPageCount(int puzzles);

/// Writes the booklet of the puzzles whose sheets are `puzzles` on `paper`: page i holds puzzle i's sheet, enlarged,
/// centred and headed "Puzzle i of N" in the sheet's language, its title beside; then the answer pages, each with the
/// solution sheets of kAnswersPerPage puzzles headed by their numbers. `path` is replaced only when the whole booklet is written.
SaveOutcome WriteBookletPdf(const std::vector<PrintedSheets>& puzzles, const QString& path, const QPageSize& paper);

}  // namespace loopword
