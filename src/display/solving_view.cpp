// Drawing the puzzle sheet that is being solved.
#include "display/solving_view.h"

#include "display/board_drawing.h"
#include "display/colors.h"
#include "display/sheets.h"

namespace loopword {

namespace {

/// Fills the whole 300-twip cell of `cell`, whose letter point lies 100 twips right of and 50
/// below the cell's top-left corner.
void ShadeCell(Picture& picture, RingCell cell, Color color) {
  const TwipPoint point = CellPoint(cell.square, cell.position);
  picture.LineBoxFilled(point.x - 100, point.y - 50, point.x + 200, point.y + 250, color);
}

/// Shades the selected square's ring, then the selected cell over it.
void DrawSelection(Picture& picture, RingCell selected) {
  for (int position = 1; position <= kRingSize; ++position) {
    ShadeCell(picture, {selected.square, position}, ColorSquareShade);
  }
  ShadeCell(picture, selected, ColorSelection);
}

/// Prints every filled cell's letter once, marked letters in the error colour.
void DrawLetters(Picture& picture, const SolvingState& state) {
  CellArray<bool> drawn{};
  for (int square = 1; square <= kSquareCount; ++square) {
    for (int position = 1; position <= kRingSize; ++position) {
      const RingCell cell{square, position};
      bool& done = drawn[cell];
      if (done || state.LetterAt(cell) == ' ') continue;
      done = true;
      picture.ForeColor = state.IsMarked(cell) ? ColorError : ColorInk;
      DrawCellLetter(picture, square, position, std::string(1, state.LetterAt(cell)));
    }
  }
  picture.ForeColor = ColorInk;
}

/// Draws a line through each word of the list that some ring reads, at the middle of its letters.
void StrikeWords(Picture& picture, const SolvingState& state, const std::vector<std::string>& words) {
  for (std::size_t row = 0; row < words.size(); ++row) {
    if (!state.IsStruck(words[row])) continue;
    const TwipPoint at = ListRowPoint(static_cast<int>(row));
    picture.LineBoxFilled(at.x - 20, at.y + 65, at.x + 790, at.y + 85, ColorInk);
  }
}

}  // namespace

void DrawSolvingView(Picture& picture, const SolvingState& state, const Puzzle& puzzle) {
  picture.Cls();
  DrawSelection(picture, state.Selected());
  DrawPuzzleFrame(picture, puzzle);
  DrawLetters(picture, state);
  StrikeWords(picture, state, SortedWords(puzzle));
}

}  // namespace loopword
