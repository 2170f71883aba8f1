// The puzzle sheet while it is solved on screen: the selection, typed letters, checks, struck words.
#pragma once

#include "board/puzzle.h"
#include "display/picture.h"
#include "play/solving.h"

namespace loopword {

/// Clears the picture and draws the puzzle sheet as `state` shows it: the selected square's ring
/// cells shaded lightly and the selected cell strongly, every letter of the figure (those Check
/// marked in ColorError), and a line through each listed word that some ring reads.
void DrawSolvingView(Picture& picture, const SolvingState& state, const Puzzle& puzzle);

}  // namespace loopword
