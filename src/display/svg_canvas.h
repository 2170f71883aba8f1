// A canvas that keeps what is drawn as SVG elements, for pages and files made without a toolkit.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "display/canvas.h"

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

  /// The drawing as an SVG document whose user units are twips, `label` its accessible name.
  [[nodiscard]] std::string Document(const std::string& label) const;

 private:
  int width_;
  int height_;
  std::vector<std::string> elements_;
};

/// `text` (Latin-1, as the canvas texts are) as UTF-8 XML character data: markup characters
/// escaped, control characters left out.
std::string XmlText(const std::string& text);

}  // namespace loopword
