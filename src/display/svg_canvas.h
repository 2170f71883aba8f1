// A canvas that keeps what is drawn as SVG elements, for pages and files made without a toolkit.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "display/canvas.h"
#include "display/sheet_view.h"

namespace loopword {

/// Keeps everything drawn as SVG elements in twips; Document() gives the whole drawing as one SVG
/// document. Texts are escaped, so whatever they hold shows as those characters, never as markup.
class SvgCanvas final : public Canvas {
 public:
  /// A white surface `widthTwips` × `heightTwips`.
  SvgCanvas(int widthTwips, int heightTwips);

  void Clear() override;
  void DrawBox(int x1, int y1, int x2, int y2, Color color, int penWidth) override;
  void FillBox(int x1, int y1, int x2, int y2, Color color) override;
  void DrawText(int x, int y, const std::string& text, const Font& font, Color color) override;

  /// The drawing as an SVG document whose user units are twips, `label` its accessible name and title, as big as
  /// the surface on a screen; with `shown`, only that part of it (x, y, width, height in twips), as big as the box
  /// it is drawn into.
  [[nodiscard]] std::string Document(const std::string& label, const std::optional<std::array<int, 4>>& shown = {}) const;

 private:
  int width_;
  int height_;
  std::vector<std::string> elements_;
};

/// How a sheet is drawn as SVG: as on paper, or for a screen (the cell grid darker, so that it stands out against a
/// lit background) with only the figure in view.
enum class SvgSurface { Paper, Screen };

/// `sheet` as one SVG document, `label` its name: the sheet as the export writes it, or the figure for a screen.
std::string SheetSvg(const SheetView& sheet, const std::string& label, SvgSurface surface = SvgSurface::Paper);

}  // namespace loopword
