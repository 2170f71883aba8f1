// One puzzle of a puzzle file as a typed record: the puzzle and all that its comment lines keep, read and written here.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/message.h"
#include "board/puzzle.h"
#include "compiler/compiler.h"
#include "puzzle/pupil_rules.h"
#include "words/dictionary_state.h"
#include "words/language.h"

namespace loopword {

/// The word list a puzzle was made from, as its "# word list: L1words.txt (6508 words, read as Windows-1252)" line
/// gives it.
struct WordListSource {
  /// The list's file name, without folders.
  std::string file{};
  int words = 0;
  /// How the list was read (ReadNote: "read as Windows-1252", ...); "" for a plain UTF-8 list.
  std::string note{};
  friend bool operator==(const WordListSource&, const WordListSource&) = default;
};

/// The place of a puzzle in the class set it was made for: pupil `number`'s puzzle of `pupils`, in the set made from
/// `setSeed` (its first puzzle's seed), as "# class set: 3 of 30, set seed 42" gives it.
struct ClassPlace {
  int number = 1;
  int pupils = 1;
  std::uint64_t setSeed = 0;
  friend bool operator==(const ClassPlace&, const ClassPlace&) = default;
};

/// Where a puzzle came from: its word list, its fill as FillName gives it ("# fill: classic"), the seed that makes
/// this very puzzle again ("# seed: 42") and its class set; each none when the file does not say.
struct PuzzleOrigin {
  std::optional<WordListSource> wordList{};
  std::optional<std::string> fill{};
  std::optional<std::uint64_t> seed{};
  std::optional<ClassPlace> classPlace{};
  friend bool operator==(const PuzzleOrigin&, const PuzzleOrigin&) = default;
};

/// How a cell without a letter is written among a square's letters.
inline constexpr char kNoLetter = '.';

/// The letters of one square kept with a puzzle ("# typed 07 AB...C.."): its 8 cells in ring-position order, each a
/// capital or kNoLetter.
struct SquareLetters {
  int square = 0;
  std::string cells{};
  friend bool operator==(const SquareLetters&, const SquareLetters&) = default;
};

/// The letters kept with a puzzle being solved: an entry for each square holding a sure letter the solver typed
/// ("# typed" lines, pencil letters left out), and one for each square holding a pencil letter ("# pencil" lines).
struct KeptLetters {
  std::vector<SquareLetters> typed{};
  std::vector<SquareLetters> pencil{};
  [[nodiscard]] bool empty() const { return typed.empty() && pencil.empty(); }
  friend bool operator==(const KeptLetters&, const KeptLetters&) = default;
};

/// How far the solving of a puzzle has got besides its letters: the time spent, the checks given, the letters revealed
/// ("# progress time=252 checks=2 revealed=1": whole seconds, a count of none left out).
struct SolvingProgress {
  std::int64_t ms = 0;
  int checks = 0;
  int revealed = 0;
  friend bool operator==(const SolvingProgress&, const SolvingProgress&) = default;
};

/// The solving a puzzle file keeps, and what of it was damaged: a damaged typed line spoils all the letters, a damaged
/// pencil line only itself; damaged lines are not kept.
struct KeptSolving {
  KeptLetters letters{};
  std::optional<SolvingProgress> progress{};
  bool typedDamaged = false;
  int pencilDamaged = 0;
  /// Whether the file keeps any solving at all, damaged or not.
  [[nodiscard]] bool Kept() const { return !letters.empty() || progress || typedDamaged || pencilDamaged > 0; }
  friend bool operator==(const KeptSolving&, const KeptSolving&) = default;
};

/// The kinds of comment line the program writes, in the order it writes them.
enum class LineKind { Header, Title, WordList, Language, Fill, Difficulty, Hints, Seed, ClassSet, Theme, Clue, Grade, Rules, Typed, Pencil, Progress };

/// A comment line the program does not write as it stands (a note of the user's, a line of a later version, a second
/// title, a line spelt otherwise than the program spells it), kept word for word after the `count`-th line of kind
/// `after` it followed, or where such a line would stand.
struct OtherLine {
  std::string text;
  LineKind after = LineKind::Header;
  int count = 1;
  friend bool operator==(const OtherLine&, const OtherLine&) = default;
};

/// One puzzle of a puzzle file and everything its comment lines keep.
///
/// Written, its lines come in the order of LineKind: "# Loopword puzzle", the title, word list, language (unless
/// English), fill, difficulty (unless standard), hint cells (when not the standard ones), seed, class set, theme words, a line
/// for each clue (by word), the grade, what pupils may not do, the typed and pencil letters and the progress; then
/// the placement lines. Every other line follows the line it followed when read.
///
/// Read, a kind read once takes its first line that gives a value the program writes a line for: the word list, fill,
/// seed, class set, theme and grade only when spelt as the program spells them; the title, language, difficulty and hint cells
/// read as loosely as ever (extra spaces) and written as the program writes them. Clue, typed and pencil lines give
/// one each. Every other comment line is an other line (a note, "# seed: 007", "# language: en", a second title; one
/// of a kind read once goes after the line taken, so that it is never read first). The rules and progress lines are
/// the program's own: the first is read (the rules' names in any order), later ones go; damaged rules give a note,
/// damaged typed and pencil lines go, counted.
struct PuzzleDocument {
  /// With its title, clues, difficulty and hint cells.
  Puzzle puzzle{};
  PuzzleOrigin origin{};
  /// The language of the word list.
  Language language = Language::English;
  /// The theme words the puzzle was made to hold; none for a puzzle without a theme.
  std::vector<std::string> theme{};
  /// The grade of the puzzle's sheet as grade::GradeLine gives it ("grade: Hard, technique 4, ..."), when kept.
  std::optional<std::string> grade{};
  /// What pupils may do with the puzzle, and what could not be read of its line (said when it opens).
  PupilRules rules{};
  Message rulesNote{};
  KeptSolving solving{};
  /// In the order read.
  std::vector<OtherLine> otherLines{};
};

/// The document every puzzle made from the list in use with `fill` starts from: the list's file name, word count,
/// language and how it was read, the fill's name and theme words.
PuzzleDocument ListDocument(const DictionaryState& dictionaries, const CompileOptions& fill);
/// `list` holding `puzzle` (its title, clues, difficulty and hint cells), drawn from `seed`.
PuzzleDocument MadeDocument(PuzzleDocument list, Puzzle puzzle, std::optional<std::uint64_t> seed);

/// The comment lines of `document`, each starting with '#', in the order PuzzleDocument says.
std::vector<std::string> CommentLines(const PuzzleDocument& document);

/// What is wrong with the comment line `line` on its own: a difficulty, hints or clue line that cannot be read;
/// nullopt for any other line.
std::optional<Text> CommentLineFault(std::string_view line);
/// The kind of `line` when it is one of the lines that keep a puzzle's solving (typed or pencil letters, progress).
std::optional<LineKind> SolvingLineKind(std::string_view line);
/// The word a clue line gives a clue, read as CommentLineFault accepts it; nullopt for any other line.
std::optional<std::string> ClueWord(std::string_view line);
/// The document of `puzzle` and its comment lines `lines` in the order read (each accepted by CommentLineFault and
/// clueing only words of the puzzle, once each).
PuzzleDocument ReadDocument(const std::vector<std::string>& lines, Puzzle puzzle);

}  // namespace loopword
