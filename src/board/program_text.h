// The program's own texts: every text marked for translation, and the patterns of messages that carry values.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

/// `text` marked for translation in `context` ("Messages", "Sheets"): lupdate finds every text marked so, and the
/// window looks it up there when it shows it. The only way a program text is made.
#define LOOPWORD_TEXT(context, text) (::loopword::Text{context, text})
/// A text that counts something: `text` holds %n for the count and says it for any count but one, `one` is the
/// English for a count of one (lupdate takes it as the translation's comment; each language gives its plural forms).
#define LOOPWORD_COUNTED_TEXT(context, text, one) (::loopword::Text{context, text, one})

namespace loopword {

/// A text of the program, marked for translation: the English text and the context it is translated in; for a text
/// that counts, the English for a count of one.
struct Text {
  const char* context;
  const char* source;
  const char* one = nullptr;

  /// Whether the text counts something: its %n stands for the count.
  [[nodiscard]] bool Counts() const { return one != nullptr; }
};

bool operator==(const Text& a, const Text& b);

/// `pattern` with each %1 .. %9 replaced by the value at that place in `values`, in one pass: a
/// value that holds "%2" stays as it is.
std::string FillText(std::string_view pattern, const std::vector<std::string>& values);

/// Patterns of messages that carry a path, a number, a word or another message (see board/message.h).
namespace texts {

inline constexpr Text kDictionaryTitle = LOOPWORD_COUNTED_TEXT("Messages", "Dictionary: %1 (%n words)", "Dictionary: %1 (1 word)");
/// The title of a list read otherwise than as plain UTF-8; %3 is the note of how it was read (below).
inline constexpr Text kDictionaryTitleWithNote = LOOPWORD_COUNTED_TEXT("Messages", "Dictionary: %1 (%n words, %2)", "Dictionary: %1 (1 word, %2)");
inline constexpr Text kWindows1252AndEnyeNote = LOOPWORD_TEXT("Messages", "read as Windows-1252, %1 with Ñ read as N");
inline constexpr Text kEnyeNote = LOOPWORD_TEXT("Messages", "%1 with Ñ read as N");
inline constexpr Text kTitleWithThemeWords = LOOPWORD_COUNTED_TEXT("Messages", "%1 - %n theme words", "%1 - 1 theme word");

inline constexpr Text kThemeWordsInEveryPuzzle = LOOPWORD_COUNTED_TEXT("Messages", "%n theme words will be in every puzzle.", "1 theme word will be in every puzzle.");
inline constexpr Text kTooManyThemeWords = LOOPWORD_TEXT("Messages", "A puzzle holds at most 23 theme words; these are %1.");
inline constexpr Text kNotEightLetters = LOOPWORD_TEXT("Messages", "Not 8 letters A to Z: %1.");
inline constexpr Text kReadsAsOtherLength = LOOPWORD_TEXT("Messages", "%1 reads as %2: not 8 letters A to Z.");
inline constexpr Text kGivenTwice = LOOPWORD_TEXT("Messages", "Given twice: %1.");
inline constexpr Text kEntriesAndMore = LOOPWORD_TEXT("Messages", "%1 and %2 more");

inline constexpr Text kImpossibleWithStart = LOOPWORD_TEXT("Messages", "No puzzle can be made from this dictionary with the starting word %1.");
inline constexpr Text kThemeImpossibleWithStart =
    LOOPWORD_TEXT("Messages", "The theme words cannot all be placed in one puzzle with this dictionary with the starting word %1.");
inline constexpr Text kThemeFitsWithout = LOOPWORD_TEXT("Messages", "Without %1 they fit.");
inline constexpr Text kTooFewWords = LOOPWORD_TEXT("Messages", "A puzzle needs 23 different words; this dictionary has %1.");
inline constexpr Text kTooFewWithTheme =
    LOOPWORD_TEXT("Messages", "A puzzle needs 23 different words; the dictionary and the theme words have %1.");
inline constexpr Text kNoGradedPuzzle = LOOPWORD_TEXT("Messages", "No %1 puzzle was found in %2 puzzles made with this dictionary.");
inline constexpr Text kNoGradedThemePuzzle =
    LOOPWORD_TEXT("Messages", "No %1 puzzle was found in %2 puzzles made with this dictionary and these theme words.");
inline constexpr Text kNoThemePuzzleInTime = LOOPWORD_TEXT("Messages", "No puzzle with all the theme words was found in %1 seconds.");
inline constexpr Text kPuzzlesMade = LOOPWORD_TEXT("Messages", "Puzzles made: %1 of %2");
inline constexpr Text kWordsRepeatFrom =
    LOOPWORD_TEXT("Messages", "Puzzles 1 to %1 share no word; the word list allows no more, so words repeat from puzzle %2 on.");

inline constexpr Text kFaultOnLine = LOOPWORD_TEXT("Messages", "Line %1: %2.");
inline constexpr Text kTooFewPlacementLines = LOOPWORD_TEXT("Messages", "a puzzle needs 23 placement lines, this one has %1");
inline constexpr Text kSquareOutOfOrder = LOOPWORD_TEXT("Messages", "square %1 where square %2 belongs");
inline constexpr Text kRingNotWord = LOOPWORD_TEXT("Messages", "the ring %1 is not the word %2 read clockwise from cell %3");
inline constexpr Text kWordRepeated = LOOPWORD_TEXT("Messages", "the word %1 is already in square %2");
inline constexpr Text kSharedCellDisagrees = LOOPWORD_TEXT("Messages", "square %1 disagrees with square %2 at a shared cell");

/// Why a file could not be written where a folder has its name: every writer of files says it so.
inline constexpr Text kFolderInTheWay = LOOPWORD_TEXT("Messages", "A folder of that name is in the way.");


}  // namespace texts

}  // namespace loopword
