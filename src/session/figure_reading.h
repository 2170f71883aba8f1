// What the figure on screen shows, cell by cell, for a screen reader: read from the session in one place.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "session/session.h"

namespace loopword {

/// Which picture the figure is part of.
enum class FigureSheet { Empty, Compiling, Puzzle, Solution, Solving };

/// How a cell came by what it shows.
enum class CellShows {
  Empty,   ///< no letter
  Hint,    ///< a letter the puzzle sheet gives (square 12's word and the hint cells)
  Letter,  ///< a letter of the solution sheet, or one typed while solving
  Wrong,   ///< a typed letter Check found wrong
};

/// One ring cell as it reads.
struct CellReading {
  char letter = ' ';
  CellShows shows = CellShows::Empty;
  friend bool operator==(const CellReading&, const CellReading&) = default;
};

/// One word of the sheet's list, and whether the solver has found it.
struct ListedWord {
  std::string word;
  bool found = false;
  friend bool operator==(const ListedWord&, const ListedWord&) = default;
};

/// The figure as a reader takes it in: every ring cell of the 23 squares (a shared cell read
/// from both of its squares), the selected cell while solving and the sheet's word list.
struct FigureReading {
  FigureSheet sheet = FigureSheet::Empty;
  SquareArray<RingArray<CellReading>> cells{};
  std::optional<RingCell> current;
  std::vector<ListedWord> words;
  friend bool operator==(const FigureReading&, const FigureReading&) = default;
};

/// What `session` shows now: the puzzle sheet's given letters, the solution's letters, the
/// solving grid with its selected cell, or an empty figure while nothing or a compile is on show.
FigureReading ReadFigure(const Session& session);

}  // namespace loopword
