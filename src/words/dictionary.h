// A loaded word list: every accepted word with its 8 rotations and the letter counts of its file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "words/language.h"

namespace loopword {

/// Letters in every dictionary word.
inline constexpr int kWordLength = 8;
/// Most words a dictionary may hold; one more accepted line fails the load.
inline constexpr int kWordLimit = 49000;

/// Eight capital letters A..Z.
using Word = std::array<char, kWordLength>;
/// The 8 rotations of one word: element k-1 begins with the word's k-th letter.
using WordRotations = std::array<Word, kWordLength>;

/// Rotation table of a word: rotation k is letters k..8 followed by letters 1..k-1.
WordRotations BuildRotations(const Word& word);
/// The word rotated to begin with its letter `shift` + 1 (shift 0..7): rotation shift + 1.
Word Rotated(const Word& word, int shift);
/// True when `ring` has every letter that the 8-character `pattern` fixes ('.' fits any letter).
bool FitsPattern(const Word& ring, std::string_view pattern);

/// Converts 8 characters to a Word; the text must be exactly 8 characters long.
Word ToWord(std::string_view text);
/// The word as a string of 8 characters.
std::string ToString(const Word& word);

/// An immutable word list, indexed from 1 like the rows of the word tables.
class Dictionary {
 public:
  Dictionary() = default;
  /// Takes the accepted words in file order and the letter counts of their file.
  Dictionary(std::vector<WordRotations> rows, const std::array<std::int64_t, 26>& letterWeight);

  /// Number of words; rows 1..WordCount() are valid.
  [[nodiscard]] int WordCount() const { return static_cast<int>(rows_.size()); }
  /// Word n (1..WordCount()) exactly as read.
  [[nodiscard]] const Word& WordPool(int n) const { return rows_[static_cast<std::size_t>(n - 1)][0]; }
  /// Word n rotated to begin with its k-th letter (k 1..8).
  [[nodiscard]] const Word& WordList(int n, int k) const {
    return rows_[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)];
  }
  /// How often letter 'A' + i occurred in the file the words came from.
  [[nodiscard]] const std::array<std::int64_t, 26>& LetterWeight() const { return letterWeight_; }

 private:
  std::vector<WordRotations> rows_;
  std::array<std::int64_t, 26> letterWeight_{};
};

/// How reading a dictionary file ended.
enum class LoadOutcome {
  Loaded,        ///< at least one word, within the limit
  NoWords,       ///< the file holds no line of exactly 8 capital letters
  TooManyWords,  ///< more than kWordLimit acceptable lines
  NotText,       ///< the file is neither UTF-8 nor Windows-1252 text (binary, or bytes neither defines)
  ReadError,     ///< the file could not be opened or read
};

/// How the bytes of a word list were read.
enum class TextEncoding {
  Utf8,         ///< well-formed UTF-8, plain ASCII included
  Windows1252,  ///< not UTF-8: Windows-1252, which reads ISO-8859-1 (Latin-1) text alike
};

/// What ReadDictionaryFile found; `dictionary` is meaningful only when outcome is Loaded.
struct ReadResult {
  LoadOutcome outcome = LoadOutcome::ReadError;
  Dictionary dictionary;
  /// Why the file could not be read ("No such file or directory", "Is a folder", ...); empty otherwise.
  std::string cause;
  /// How the whole file was read.
  TextEncoding encoding = TextEncoding::Utf8;
  /// Spanish: how many of the words kept were written with Ñ, read as N.
  int enyeWords = 0;
  /// NotText: the line (from 1) by which the file has shown it is neither UTF-8 nor Windows-1252.
  int badLine = 0;
};

/// Reads a word list: one word per line, lines ending in CR, CR LF or LF, an optional UTF-8
/// byte-order mark. The whole file is read as UTF-8 when it is well-formed UTF-8, else as
/// Windows-1252; a NUL or other control character (tab, line ends, form feed, vertical tab and
/// Ctrl+Z aside), or a byte Windows-1252 leaves undefined in a file that is not UTF-8, makes it
/// NotText. In English only lines of exactly 8 capitals A..Z, or of exactly 8 lower-case
/// letters a..z (read as capitals), are kept, in file order. In another language each line is
/// folded by that language's rules (FoldWord) and kept, in file order, when it gives 8 letters
/// and no earlier line gave the same word.
/// Reads through a fixed-size buffer, so memory stays bounded whatever the file holds; a file that
/// turns out not to be UTF-8 is read a second time.
ReadResult ReadDictionaryFile(const std::string& path, Language language = Language::English);

/// Parses dictionary text held in memory, with the same rules as ReadDictionaryFile.
ReadResult ParseDictionaryText(std::string_view text, Language language = Language::English);

}  // namespace loopword
