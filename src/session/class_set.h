// A class set: as many different puzzles as a class has pupils, made with the same choices, and the link that
// gives each pupil theirs.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "session/choices.h"

namespace loopword {

/// The fewest and the most pupils a class set is made for.
inline constexpr int kFewestPupils = 2;
inline constexpr int kMostPupils = 40;
/// The longest class link given, in characters: longer links are cut by some mail and chat programs.
inline constexpr std::size_t kClassLinkLimit = 2000;

/// What makes a class set again: the choices of every puzzle (One solution on, the seed the first puzzle's), how
/// many pupils, and the seeds passed over because their puzzle repeated an earlier one. Pupil k's puzzle is made
/// from the choices alone with the k-th of the seeds S, S + 1, S + 2, … that is not passed over.
struct ClassSet {
  Choices choices;
  int pupils = 0;
  /// The seeds passed over, as offsets from the first, in increasing order.
  std::vector<std::uint64_t> skipped;

  /// The seed of pupil `number` (1..pupils).
  [[nodiscard]] std::uint64_t SeedOf(int number) const;
  /// The set as text: "pupils=N" first, so that a link cut anywhere after it is still known as one, the choices' text,
  /// "skip=3.17" when seeds were passed over, and last a check of all that ("check=" and 8 hex digits), so that a
  /// link cut short or changed is known.
  [[nodiscard]] std::string Encode() const;

  friend bool operator==(const ClassSet&, const ClassSet&) = default;
};

/// What the user is told when a class set is asked for `pupils` pupils and cannot have them; nothing when it can.
Message PupilsRefusal(int pupils);
/// What a pupil is told whose `number` is not one of the set's; nothing when it is.
Message NumberRefusal(const ClassSet& set, int number);

/// A class set read back from text.
struct DecodedClassSet {
  /// Whether the text is a class link at all: it names "pupils".
  bool classLink = false;
  /// How many pupils the text names, even when it is damaged; 0 when it names none that can be read.
  int pupils = 0;
  /// The set; none when the text is cut or damaged, which `note` then says.
  std::optional<ClassSet> set;
  Message note;
};

/// Reads `text` as ClassSet::Encode writes it (a leading "?" or "#" is skipped).
DecodedClassSet DecodeClassSet(std::string_view text);

/// The link that opens the page at `address` (without query or fragment) on the chooser of `set`, or what the user is
/// told when there can be none: a set of the user's own word list, which pupils' pages do not have, or a link longer
/// than kClassLinkLimit.
struct ClassLink {
  std::string link;
  Message refusal;
};
ClassLink ClassLinkOf(const ClassSet& set, std::string_view address);

}  // namespace loopword
