// The letters typed into a puzzle and its pencil letters, taken from its solving to be kept, and put back into it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/solving.h"
#include "puzzle/puzzle_document.h"

namespace loopword {

/// The letters of `state` to keep: for each square holding a sure letter the solver typed, its 8 sure letters with
/// kNoLetter for an empty cell (and for a pencil letter); for each square holding a pencil letter, its pencil letters
/// with kNoLetter for every other cell. Squares without such letters are left out.
KeptLetters LettersOf(const SolvingState& state);

/// Puts the sure letters `kept` keeps into `state`. Returns false and leaves `state` as it was when they are damaged:
/// a typed line could not be read, or a letter disagrees with a fixed cell or with another square's letter over a
/// shared cell.
bool ApplyTypedLetters(SolvingState& state, const KeptSolving& kept);

/// Writes the pencil letters `kept` keeps into `state` in pencil, each square whole or not at all: one putting a
/// letter on a fixed cell, on a sure letter or on a cell an earlier square gave another letter is left out. Returns
/// how many were left out, the pencil lines that could not be read included.
int ApplyPencilLetters(SolvingState& state, const KeptSolving& kept);

}  // namespace loopword
