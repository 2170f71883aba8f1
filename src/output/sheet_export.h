// Exporting a puzzle as the printed page in a PDF file, or as its two sheets in SVG files.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QString>
#include <utility>

#include "display/sheet_view.h"
#include "output/save_pic.h"

namespace loopword {

/// The paper of the user's locale: Letter where measures are imperial, A4 elsewhere.
QPageSize LocalePaper();

/// Writes the printed page (both sheets as Print lays them out) as a one-page vector PDF on
/// `paper`, fonts embedded; the file is replaced only when complete.
SaveOutcome ExportPdf(const PrintedSheets& sheets, const QString& path, const QPageSize& paper);

/// The two SVG file names for `path`: its name without an ".svg" ending, plus "-puzzle.svg" and "-solution.svg".
std::pair<QString, QString> SvgPaths(const QString& path);

/// Writes the puzzle sheet and the solution sheet as the two SVG files of SvgPaths(path), at
/// their size on screen, drawn as the web page draws them; no window system is needed. Each file is
/// written whole through a temporary file, the second only once the first was written.
SaveOutcome ExportSvg(const PrintedSheets& sheets, const QString& path);

}  // namespace loopword
