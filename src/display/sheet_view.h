// What the picture shows, as a value, and the one routine that draws it: the figure as a compile leaves it, the
// puzzle sheet, the solution sheet and the puzzle sheet being solved.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/puzzle.h"
#include "display/canvas.h"
#include "display/picture.h"
#include "display/sheets.h"
#include "play/cells.h"
#include "play/solving.h"

namespace loopword {

/// Which sheet the picture shows.
enum class Sheet {
  Figure,    ///< the figure without a sheet: empty, a starting word in square 12, or a compile's steps so far
  Puzzle,    ///< the puzzle sheet
  Solution,  ///< the solution sheet
  Solving,   ///< the puzzle sheet being solved on screen
};

/// The figure as a compile has drawn it since it was last shown empty: the squares drawn again, and
/// what was printed into each cell since it was last blanked. The drawing it stands for is the same,
/// pixel for pixel, as drawing every step in turn.
class FigureSteps {
 public:
  /// A square drawn again and the colour of its tag.
  struct SquareTag {
    int square = 0;
    Color tag;
    friend bool operator==(const SquareTag&, const SquareTag&) = default;
  };

  /// Draws `square` again with a `tag` tag, over its grid lines and those its neighbours share.
  void DrawSquare(int square, Color tag);
  /// Prints the first 8 characters of `ring` round `square`.
  void PrintRing(int square, const std::string& ring);
  /// Blanks the letter of ring position `position` of `square`.
  void Blank(int square, int position);

  /// The squares drawn again, each once, in the order of their last drawing.
  [[nodiscard]] const std::vector<SquareTag>& Squares() const { return squares_; }
  /// What was printed into `cell` since it was last blanked, in order ("" for nothing): a shared
  /// cell's letter shows twice once both its squares were filled.
  [[nodiscard]] const std::string& Printed(RingCell cell) const { return printed_[cell]; }

  friend bool operator==(const FigureSteps&, const FigureSteps&) = default;

 private:
  std::vector<SquareTag> squares_;
  CellArray<std::string> printed_{};
};

/// Everything the picture shows; drawing it is all a front end needs to show the picture.
struct SheetView {
  Sheet sheet = Sheet::Figure;
  /// Figure: the steps drawn on the empty figure.
  FigureSteps figure;
  /// The puzzle's title and grade in the header line (sheets only).
  std::string title;
  Difficulty grade = Difficulty::Standard;
  /// The list beside the figure: the puzzle's list (SheetList: words, then clues), or on the solution sheet
  /// "SS WORD" by placement.
  std::vector<std::string> rows;
  /// Solution: the clue of each row's word, printed below it; "" for none.
  std::vector<std::string> clues;
  /// Solving: whether some ring reads the word of each row.
  std::vector<bool> struck;
  /// The letters shown round each square in ring-position order, ' ' for an empty cell (sheets only).
  SquareArray<std::string> rings{};
  /// Puzzle and solving: the hint cells besides square 12, in the order they are printed.
  std::vector<RingCell> hints;
  /// Solving: the cells Check marked wrong, those holding a pencil letter, and the selected cell.
  std::vector<RingCell> marked;
  std::vector<RingCell> pencil;
  std::optional<RingCell> cursor;
  /// Solution: the cell each placement's word starts in, in placement order.
  std::vector<RingCell> starts;
  /// The words the sheet prints besides the puzzle's own, in the puzzle's language.
  SheetTexts texts;
  /// Sheets: the short id of the class set the puzzle was made for, printed in its heading; "" for none.
  std::string setId;

  friend bool operator==(const SheetView&, const SheetView&) = default;
};

/// The empty figure with `figure` drawn on it.
SheetView FigureView(FigureSteps figure = {});
/// The puzzle sheet of `puzzle`: square 12's word and the hint letters, with `texts` around them.
SheetView PuzzleSheetView(const Puzzle& puzzle, const SheetTexts& texts = {});
/// The solution sheet of `puzzle`: every square's letters and the start of every word.
SheetView SolutionSheetView(const Puzzle& puzzle, const SheetTexts& texts = {});
/// The puzzle sheet of `puzzle` as `state` shows it while it is solved.
SheetView SolvingSheetView(const SolvingState& state, const Puzzle& puzzle, const SheetTexts& texts = {});

/// A puzzle's two sheets as they print.
struct PrintedSheets {
  SheetView puzzle;
  SheetView solution;
  friend bool operator==(const PrintedSheets&, const PrintedSheets&) = default;
};

/// Both sheets of `puzzle` with `texts` around them.
PrintedSheets SheetsOf(const Puzzle& puzzle, const SheetTexts& texts = {});

/// A box of the picture in twips.
struct TwipBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
/// The box round every square's cells: the figure without the sheet's texts.
TwipBox FigureBox();

/// Clears the picture and draws `view` on it.
void DrawSheetView(Picture& picture, const SheetView& view);

/// Draws `figure` on a picture that shows the empty figure (FigureView() drawn), whatever drawing
/// state the picture is in: the same pixels as drawing FigureView(figure), so a front end may keep
/// the empty figure and draw only the steps on a copy of it.
void DrawFigureSteps(Picture& picture, const FigureSteps& figure);

}  // namespace loopword
