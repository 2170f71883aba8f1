// The user's choices for the next puzzles as one value, and the text that carries them in an address, a setting or storage.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "board/percent_encoding.h"
#include "board/whole_number.h"
#include "board/puzzle.h"
#include "puzzle/pupil_rules.h"
#include "words/language.h"

namespace loopword {

/// The word list: a bundled level 1..3, or the user's own list.
inline constexpr int kOwnList = 0;

/// The one line a Solve face shows when something is turned off: "Your teacher has turned off Reveal letter.";
/// nothing when everything is allowed.
Message RulesNote(const PupilRules& rules);

/// Everything the user chooses before a compile: the words, how they are filled in and what every puzzle holds.
struct Choices {
  Language language = Language::English;
  /// A bundled level 1..3, or kOwnList for the list the user picked (which no text carries).
  int level = 1;
  Difficulty difficulty = Difficulty::Standard;
  bool varied = false;
  bool unique = false;
  /// The word for square 12 in 8 capitals; "" for a random one.
  std::string startWord;
  /// The seed of the next compile; none for one drawn at random.
  std::optional<std::uint64_t> seed;
  /// Theme words, 8 capitals each, the clues of some of them and the title the puzzles carry.
  std::vector<std::string> themeWords;
  Clues clues;
  std::string title;
  /// What pupils may do with the puzzle on show and the puzzles made from now on; carried as "off=reveal,timer".
  PupilRules pupils;

  /// The choices as text: "name=value" pairs joined by "&", the values percent-encoded (a space as "+"), the defaults
  /// left out (so the default choices are ""); theme words with clues go one a line as "WORD=clue". An address after
  /// its "?" and the stored choices use it.
  [[nodiscard]] std::string Encode() const;
  /// The same with the language and level always named: what a link carries, so that it makes the same puzzles on a
  /// page kept in another language.
  [[nodiscard]] std::string LinkText() const;

  friend bool operator==(const Choices&, const Choices&) = default;

 private:
  /// The text of the choices, the language and level named even at their defaults when `whole`.
  [[nodiscard]] std::string Written(bool whole) const;
};

/// Choices read back from text, and what could not be read of it.
struct DecodedChoices {
  Choices choices;
  /// Empty when every pair was read; else names the choices that were damaged and are back at their defaults.
  Message note;
};

/// The seed `text` names: a whole number from 0 to 2^64 - 1 in decimal digits; nullopt for any other text.
std::optional<std::uint64_t> ReadSeed(std::string_view text);
/// What the user is told when `text` is given as a seed and is none.
Message SeedRefusal(std::string_view text);

/// One "name=value" pair of an address or a stored text.
struct NamedValue {
  std::string name;
  /// The value percent-decoded; nullopt when the pair has no "=" or its value holds a damaged "%".
  std::optional<std::string> value;

  friend bool operator==(const NamedValue&, const NamedValue&) = default;
};

/// The "name=value" pairs of `text` joined by "&", in the order they stand, a name given twice kept twice and empty
/// pieces passed over; each value percent-decoded. Every reader of such a text goes through it.
std::vector<NamedValue> NamedValues(std::string_view text);

/// Reads `text` as Choices::Encode writes it (a leading "?" or "#" is skipped). A value that cannot be read
/// leaves its choice at the default and is named in the note; names it does not know are passed over, so
/// addresses may carry more. The start word and theme words are read by the rules of the decoded language.
DecodedChoices DecodeChoices(std::string_view text);

}  // namespace loopword
