// A canvas for tests: records every drawing operation with its place, colour, text and font.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "display/canvas.h"

namespace loopword::testing {

/// One recorded canvas operation; fields that do not belong to its kind stay at their defaults.
struct CanvasOp {
  enum class Kind { Clear, Box, FilledBox, Text };
  Kind kind = Kind::Clear;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color{};
  std::string text;
  Font font;
};

/// Keeps the operations in the order they were made.
class RecordingCanvas : public Canvas {
 public:
  void Clear() override { ops.push_back({}); }
  void DrawBox(int x1, int y1, int x2, int y2, Color color, int) override { ops.push_back({CanvasOp::Kind::Box, x1, y1, x2, y2, color, {}, {}}); }
  void FillBox(int x1, int y1, int x2, int y2, Color color) override { ops.push_back({CanvasOp::Kind::FilledBox, x1, y1, x2, y2, color, {}, {}}); }
  void DrawText(int x, int y, const std::string& text, const Font& font, Color color) override { ops.push_back({CanvasOp::Kind::Text, x, y, 0, 0, color, text, font}); }
  /// The recorded operations of one kind, in order.
  [[nodiscard]] std::vector<CanvasOp> Of(CanvasOp::Kind kind) const {
    std::vector<CanvasOp> found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found), [kind](const CanvasOp& op) { return op.kind == kind; });
    return found;
  }

  std::vector<CanvasOp> ops;
};

}  // namespace loopword::testing
