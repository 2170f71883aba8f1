// The keys a solver types in each language and the letters each fills in, for the session and for the window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "board/geometry.h"
#include "play/cells.h"
#include "session/view.h"
#include "words/language.h"

namespace loopword::testing {

/// One key pressed into a puzzle of `language`, by the name a browser gives it, and the capitals it fills in from
/// the selected cell on ("" when it types nothing and changes nothing).
struct TypedKey {
  Language language;
  std::string key;
  std::string fills;
};

/// Letters with and without marks, composed and decomposed, and keys that are no letters.
inline const std::vector<TypedKey>& TypedKeys() {
  static const std::vector<TypedKey> keys = {
      {Language::English, "a", "A"},
      {Language::English, "Q", "Q"},
      {Language::English, "\xC3\xA9", "E"},  // é: English lists hold no accented letters, so it loses its accent
      {Language::German, "\xC3\x84", "AE"},  // Ä
      {Language::German, "\xC3\xA4", "AE"},  // ä
      {Language::German, "a\xCC\x88", "AE"},  // a and a combining diaeresis
      {Language::German, "\xC3\x9C", "UE"},  // Ü
      {Language::German, "\xC3\x9F", "SS"},  // ß
      {Language::German, "\xC3\xA9", "E"},  // é
      {Language::French, "\xC3\x89", "E"},  // É
      {Language::French, "e\xCC\x81", "E"},  // e and a combining acute accent
      {Language::French, "\xC3\xA7", "C"},  // ç
      {Language::French, "\xC3\xA4", "A"},  // ä: an umlaut is German's alone
      {Language::Spanish, "\xC3\xB1", "N"},  // ñ
      {Language::Dutch, "\xC3\xAB", "E"},  // ë
      {Language::German, "\xF0\x9F\x98\x80", ""},  // an emoji
      {Language::German, "7", ""},
      {Language::French, "\t", ""},
      {Language::Spanish, "\x01", ""},  // a control character
      {Language::Dutch, "-", ""},
      {Language::English, "Enter", ""},  // a key's name is no text
  };
  return keys;
}

/// The puzzle file `text` as a puzzle of `language` whose sheet gives no hint cells, so that only the rings touching
/// square 12 hold given letters.
inline std::string PuzzleFileIn(const std::string& text, Language language) {
  const std::size_t firstLineEnd = text.find('\n') + 1;
  const std::string languageLine = language == Language::English ? "" : "# language: " + std::string(LanguageCode(language)) + "\n";
  return text.substr(0, firstLineEnd) + languageLine + "# hints:\n" + text.substr(firstLineEnd);
}

/// A cell of the puzzle being solved in `view` to type from: in no other square's ring, its own ring besides square
/// 12 holding no letter the puzzle gives.
inline RingCell FreeCell(const View& view) {
  for (int square = 1; square <= kSquareCount; ++square) {
    const auto& cells = view.reading.cells[square];
    const bool given = std::any_of(cells.begin(), cells.end(), [](const CellReading& cell) { return cell.shows == CellShows::Hint; });
    if (square == kCrossingSquare || given) continue;
    for (int position = 1; position <= kRingSize; ++position) {
      if (RingCellsAt(CellPoint(square, position)).size() == 1) return {square, position};
    }
  }
  ADD_FAILURE() << "every ring holds a given letter";
  return {1, 1};
}

/// The letters `view` shows round the square of `cell`, from `cell` on.
inline std::string RingFrom(const View& view, RingCell cell) {
  std::string ring = view.picture.rings[cell.square];
  std::rotate(ring.begin(), ring.begin() + (cell.position - 1), ring.end());
  return ring;
}

/// `letters` as a ring shows them from its first cell on.
inline std::string RingOf(const std::string& letters) { return (letters + std::string(kRingSize, ' ')).substr(0, kRingSize); }

}  // namespace loopword::testing
