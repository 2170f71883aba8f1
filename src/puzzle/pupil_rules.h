// What a teacher lets pupils do with a puzzle, and the text that carries it in a file, a link or a setting.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "board/message.h"

namespace loopword {

/// What a teacher lets pupils do while they solve: Check, Reveal letter and seeing the timer (all allowed at first).
/// A classroom rule, not a lock: the page holds the whole engine.
struct PupilRules {
  bool check = true;
  bool reveal = true;
  bool timer = true;

  /// The names of what is turned off ("check", "reveal", "timer") joined by ","; "" when everything is allowed.
  [[nodiscard]] std::string Encode() const;

  friend bool operator==(const PupilRules&, const PupilRules&) = default;
};

/// Rules read back from text, and what could not be read of it.
struct DecodedRules {
  PupilRules rules;
  /// Empty when the text was read; else names it, and the rules are the defaults.
  Message note;
};

/// Reads `text` as PupilRules::Encode writes it (names separated by "," or blanks, in any order); a name it does
/// not know, or none at all between two separators, gives the defaults with a note.
DecodedRules DecodePupilRules(std::string_view text);

}  // namespace loopword
