// The program's own texts: fixed texts marked for translation, and the patterns of messages that carry values.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

/// `text` itself; the window looks it up among the translations of `context` ("Messages") when it shows it.
#define LOOPWORD_TEXT(context, text) text

namespace loopword {

/// `pattern` with each %1 .. %9 replaced by the value at that place in `values`, in one pass: a
/// value that holds "%2" stays as it is.
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values);
/// The same for values gathered at run time.
std::string FillText(std::string_view pattern, const std::vector<std::string>& values);

/// Messages that carry a path, a number or a word, as patterns filled by FillText. Each is one line;
/// the window knows a filled line by its pattern and shows the pattern's translation with the values.
namespace texts {

inline constexpr const char* kDictionaryTitle = LOOPWORD_TEXT("Messages", "Dictionary: %1 (%2 words)");
/// The title of a list read otherwise than as plain UTF-8; %3 is the note of how it was read (below).
inline constexpr const char* kDictionaryTitleWithNote = LOOPWORD_TEXT("Messages", "Dictionary: %1 (%2 words, %3)");
inline constexpr const char* kWindows1252AndEnyeNote = LOOPWORD_TEXT("Messages", "read as Windows-1252, %1 with Ñ read as N");
inline constexpr const char* kEnyeNote = LOOPWORD_TEXT("Messages", "%1 with Ñ read as N");
inline constexpr const char* kTitleWithThemeWord = LOOPWORD_TEXT("Messages", "%1 - 1 theme word");
inline constexpr const char* kTitleWithThemeWords = LOOPWORD_TEXT("Messages", "%1 - %2 theme words");
inline constexpr const char* kSolvedIn = LOOPWORD_TEXT("Messages", "Solved in %1");

inline constexpr const char* kThemeWordsInEveryPuzzle = LOOPWORD_TEXT("Messages", "%1 theme words will be in every puzzle.");
inline constexpr const char* kTooManyThemeWords = LOOPWORD_TEXT("Messages", "A puzzle holds at most 23 theme words; these are %1.");
inline constexpr const char* kNotEightLetters = LOOPWORD_TEXT("Messages", "Not 8 letters A to Z: %1.");
inline constexpr const char* kReadsAsOtherLength = LOOPWORD_TEXT("Messages", "%1 reads as %2: not 8 letters A to Z.");
inline constexpr const char* kGivenTwice = LOOPWORD_TEXT("Messages", "Given twice: %1.");
inline constexpr const char* kEntriesAndMore = LOOPWORD_TEXT("Messages", "%1 and %2 more");

inline constexpr const char* kImpossibleWithStart = LOOPWORD_TEXT("Messages", "No puzzle can be made from this dictionary with the starting word %1.");
inline constexpr const char* kThemeImpossibleWithStart =
    LOOPWORD_TEXT("Messages", "The theme words cannot all be placed in one puzzle with this dictionary with the starting word %1.");
inline constexpr const char* kThemeFitsWithout = LOOPWORD_TEXT("Messages", "Without %1 they fit.");
inline constexpr const char* kTooFewWords = LOOPWORD_TEXT("Messages", "A puzzle needs 23 different words; this dictionary has %1.");
inline constexpr const char* kTooFewWithTheme =
    LOOPWORD_TEXT("Messages", "A puzzle needs 23 different words; the dictionary and the theme words have %1.");
inline constexpr const char* kNoGradedPuzzle = LOOPWORD_TEXT("Messages", "No %1 puzzle was found in %2 puzzles made with this dictionary.");
inline constexpr const char* kNoGradedThemePuzzle =
    LOOPWORD_TEXT("Messages", "No %1 puzzle was found in %2 puzzles made with this dictionary and these theme words.");
inline constexpr const char* kNoThemePuzzleInTime = LOOPWORD_TEXT("Messages", "No puzzle with all the theme words was found in %1 seconds.");
inline constexpr const char* kWordsRepeatFrom =
    LOOPWORD_TEXT("Messages", "Puzzles 1 to %1 share no word; the word list allows no more, so words repeat from puzzle %2 on.");

inline constexpr const char* kFaultOnLine = LOOPWORD_TEXT("Messages", "Line %1: %2.");
inline constexpr const char* kTooFewPlacementLines = LOOPWORD_TEXT("Messages", "a puzzle needs 23 placement lines, this one has %1");
inline constexpr const char* kSquareOutOfOrder = LOOPWORD_TEXT("Messages", "square %1 where square %2 belongs");
inline constexpr const char* kRingNotWord = LOOPWORD_TEXT("Messages", "the ring %1 is not the word %2 read clockwise from cell %3");
inline constexpr const char* kWordRepeated = LOOPWORD_TEXT("Messages", "the word %1 is already in square %2");
inline constexpr const char* kSharedCellDisagrees = LOOPWORD_TEXT("Messages", "square %1 disagrees with square %2 at a shared cell");

/// Every pattern above, for the window to recognise filled lines; the first that fits a line is
/// taken, so a pattern stands before any that would also fit its lines.
inline constexpr std::array kPatterns = {
    kDictionaryTitle,     kDictionaryTitleWithNote, kWindows1252AndEnyeNote, kEnyeNote,
    kTitleWithThemeWord,  kTitleWithThemeWords,     kSolvedIn,
    kThemeWordsInEveryPuzzle, kTooManyThemeWords,   kNotEightLetters,     kReadsAsOtherLength, kGivenTwice,
    kEntriesAndMore,      kImpossibleWithStart,     kThemeImpossibleWithStart, kThemeFitsWithout,
    kTooFewWords,         kTooFewWithTheme,         kNoGradedPuzzle,      kNoGradedThemePuzzle,
    kNoThemePuzzleInTime, kWordsRepeatFrom,         kFaultOnLine,         kTooFewPlacementLines,
    kSquareOutOfOrder,    kRingNotWord,             kWordRepeated,        kSharedCellDisagrees};

}  // namespace texts

}  // namespace loopword
