// Writing a vector PDF of several pages through a painter, atomically.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QPainter>
#include <QString>
#include <functional>

#include "output/save_pic.h"

namespace loopword {

/// Resolution the PDF pages are painted at, in dots per inch.
inline constexpr int kPdfDpi = 1200;

/// Paints page `index` (0-based) with `painter` at `dotsPerInch`, origin at the paper's top-left corner.
using PaintPdfPage = std::function<void(QPainter& painter, double dotsPerInch, int index)>;

/// Writes a PDF of `pages` pages of `paper`, without margins, each painted by `paint`, with
/// fonts embedded; `path` is replaced only when the whole document is written.
SaveOutcome WritePdf(const QString& path, const QPageSize& paper, int pages, const PaintPdfPage& paint);

}  // namespace loopword
