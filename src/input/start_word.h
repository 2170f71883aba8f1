// Checking the starting word a user types for square 12.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "board/message.h"
#include "words/language.h"

namespace loopword {

/// What a typed starting word turned out to be.
struct StartWordCheck {
  enum class Verdict {
    Cancelled,    ///< empty or blank answer: keep the previous word
    WrongLength,  ///< not exactly 8 characters (blanks count)
    NotLetters,   ///< 8 characters, but not all letters A..Z
    Accepted,     ///< `word` holds the 8 capitals
  };
  Verdict verdict = Verdict::Cancelled;
  /// The accepted word in capitals; empty unless accepted.
  std::string word;
  /// The message that asks again; nothing when accepted or cancelled.
  Message message;
};

/// Checks a UTF-8 answer: blank means cancelled. In English it must be 8 characters (not bytes)
/// a-z or A-Z, taken in capitals. In another language it is folded by that language's rules in any
/// case (FoldTypedWord: "Fußball" is FUSSBALL in German) and must give 8 letters A..Z; the message
/// names the word as typed, and what it reads as when it folds to another number of letters.
StartWordCheck CheckStartWord(const std::string& answer, Language language);

}  // namespace loopword
