// SVG elements for the canvas operations: boxes as rectangles, texts as escaped text elements.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/svg_canvas.h"

#include <algorithm>
#include <cstdio>

#include "board/plain_text.h"
#include "display/colors.h"
#include "display/sheets.h"
#include "display/units.h"

namespace loopword {

namespace {

/// Twips a point of a font's size takes.
constexpr int kTwipsPerPoint = 20;
/// How far below a text's top its baseline lies, in parts of the font's size: the ascent of the sheets' monospaced
/// font (Courier New and its metric twin Liberation Mono), as the printer's and the screen's painters place it.
constexpr double kAscent = 0.8325;

std::string Hex(Color color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", color.r, color.g, color.b);
  return text;
}

/// The x, y, width and height attributes of the box with corners (x1, y1) and (x2, y2).
std::string BoxAttributes(int x1, int y1, int x2, int y2) {
  return "x=\"" + std::to_string(std::min(x1, x2)) + "\" y=\"" + std::to_string(std::min(y1, y2)) + "\" width=\"" +
         std::to_string(std::abs(x2 - x1)) + "\" height=\"" + std::to_string(std::abs(y2 - y1)) + "\"";
}

}  // namespace

SvgCanvas::SvgCanvas(int widthTwips, int heightTwips) : width_(widthTwips), height_(heightTwips) { Clear(); }

void SvgCanvas::Clear() {
  elements_.clear();
  FillBox(0, 0, width_, height_, ColorBack);
}

void SvgCanvas::DrawBox(int x1, int y1, int x2, int y2, Color color, int penWidth) {
  const int stroke = static_cast<int>(PixelsToTwips(std::max(1, penWidth)));
  elements_.push_back("<rect " + BoxAttributes(x1, y1, x2, y2) + " fill=\"none\" stroke=\"" + Hex(color) +
                      "\" stroke-width=\"" + std::to_string(stroke) + "\"/>");
}

void SvgCanvas::FillBox(int x1, int y1, int x2, int y2, Color color) {
  elements_.push_back("<rect " + BoxAttributes(x1, y1, x2, y2) + " fill=\"" + Hex(color) + "\"/>");
}

void SvgCanvas::DrawText(int x, int y, const std::string& text, const Font& font, Color color) {
  if (text.empty()) return;
  const int baseline = y + static_cast<int>(font.size * kTwipsPerPoint * kAscent + 0.5);
  elements_.push_back("<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(baseline) + "\" font-family=\"" +
                      XmlText(font.face) + "\" font-size=\"" +
                      std::to_string(font.size * kTwipsPerPoint) + "\"" + (font.bold ? " font-weight=\"bold\"" : "") +
                      " fill=\"" + Hex(color) + "\" xml:space=\"preserve\">" +
                      XmlText(text) + "</text>");
}

std::string SvgCanvas::Document(const std::string& label, const std::optional<std::array<int, 4>>& shown) const {
  const std::array<int, 4> box = shown.value_or(std::array<int, 4>{0, 0, width_, height_});
  const std::string size = shown ? "" : "width=\"" + std::to_string(TwipsToPixels(width_)) + "\" height=\"" +
                                            std::to_string(TwipsToPixels(height_)) + "\" ";
  std::string document = "<svg xmlns=\"http://www.w3.org/2000/svg\" " + size + "viewBox=\"" + std::to_string(box[0]) + " " +
                         std::to_string(box[1]) + " " + std::to_string(box[2]) + " " + std::to_string(box[3]) +
                         "\" role=\"img\" aria-label=\"" + XmlText(label) + "\"><title>" + XmlText(label) + "</title>";
  for (const std::string& element : elements_) document += element;
  return document + "</svg>";
}

std::string SheetSvg(const SheetView& sheet, const std::string& label, SvgSurface surface) {
  SvgCanvas canvas(kSheetWidth, kSheetHeight);
  Picture picture(canvas);
  if (surface == SvgSurface::Paper) {
    DrawSheetView(picture, sheet);
    return canvas.Document(label);
  }
  picture.GridColor = ColorScreenGrid;
  DrawSheetView(picture, sheet);
  constexpr int kMargin = 40;  // round the figure, clear of its outer lines
  const TwipBox figure = FigureBox();
  return canvas.Document(label, std::array<int, 4>{figure.left - kMargin, figure.top - kMargin,
                                                   figure.right - figure.left + 2 * kMargin, figure.bottom - figure.top + 2 * kMargin});
}

}  // namespace loopword
