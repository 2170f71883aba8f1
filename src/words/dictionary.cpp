// Reading word lists into rotation tables.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/dictionary.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <unordered_set>

#include "board/letters.h"
#include "board/plain_text.h"
#include "board/program_text.h"

namespace loopword {

Word Rotated(const Word& word, int shift) {
  Word ring{};
  for (int j = 0; j < kWordLength; ++j) {
    ring[static_cast<std::size_t>(j)] = word[static_cast<std::size_t>((shift + j) % kWordLength)];
  }
  return ring;
}

WordRotations BuildRotations(const Word& word) {
  WordRotations rotations{};
  for (int m = 1; m <= kWordLength; ++m) rotations[static_cast<std::size_t>(m - 1)] = Rotated(word, m - 1);
  return rotations;
}

bool FitsPattern(const Word& ring, std::string_view pattern) {
  for (std::size_t k = 0; k < kWordLength; ++k) {
    if (pattern[k] != '.' && ring[k] != pattern[k]) return false;
  }
  return true;
}

Word ToWord(std::string_view text) {
  Word word{};
  for (std::size_t i = 0; i < word.size() && i < text.size(); ++i) word[i] = text[i];
  return word;
}

std::string ToString(const Word& word) { return std::string(word.begin(), word.end()); }

Dictionary::Dictionary(std::vector<WordRotations> rows, const std::array<std::int64_t, 26>& letterWeight)
    : rows_(std::move(rows)), letterWeight_(letterWeight) {}

namespace {

/// True for eight lower-case letters a..z: such a line is read as that word in capitals.
bool IsLowerCaseWord(const Word& line) {
  return std::all_of(line.begin(), line.end(), IsSmallLetter);
}

/// True for the bytes no text file holds: NUL and the control characters other than tab, the line
/// ends, vertical tab, form feed and Ctrl+Z (the end mark of old DOS files).
bool IsBinaryByte(unsigned char byte) {
  return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\v' && byte != '\f' && byte != '\r' && byte != 0x1A;
}

/// The characters of the Windows-1252 bytes 0x80..0x9F; 0 for the five it leaves undefined.
constexpr std::array<char16_t, 32> kWindows1252From80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

/// The character a Windows-1252 byte stands for; 0 for a byte it leaves undefined.
char32_t Windows1252Character(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kWindows1252From80[byte - 0x80] : byte;
}

/// A line of Windows-1252 text in UTF-8 (every byte defined).
std::string Windows1252AsUtf8(std::string_view line) {
  std::string text;
  for (const char c : line) AppendCharacter(text, Windows1252Character(static_cast<unsigned char>(c)));
  return text;
}

/// True when a UTF-8 line writes Ñ or ñ, precomposed or as N with a combining tilde.
bool HoldsEnye(std::string_view line) {
  constexpr std::string_view kCombiningTilde = "\xCC\x83";
  for (std::size_t at = line.find(kCombiningTilde); at != std::string_view::npos; at = line.find(kCombiningTilde, at + 1)) {
    if (at > 0 && (line[at - 1] == 'N' || line[at - 1] == 'n')) return true;
  }
  return line.find("\xC3\x91") != std::string_view::npos || line.find("\xC3\xB1") != std::string_view::npos;
}

/// Checks UTF-8 a byte at a time, keeping a character that a read cuts in two.
class Utf8Check {
 public:
  /// False once the bytes so far cannot be UTF-8.
  bool Take(unsigned char byte) {
    if (taken_ == 0) {
      if (byte < 0x80) return true;
      length_ = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 0;
      if (length_ == 0 || byte > 0xF4) return false;
    } else if ((byte & 0xC0) != 0x80) {
      return false;
    }
    bytes_[taken_++] = static_cast<char>(byte);
    if (taken_ < length_) return true;
    taken_ = 0;
    return FirstCharacter(std::string_view(bytes_.data(), length_)).has_value();
  }
  /// True when no character is left unfinished.
  [[nodiscard]] bool Complete() const { return taken_ == 0; }

 private:
  std::array<char, 4> bytes_{};
  std::size_t taken_ = 0;
  std::size_t length_ = 0;
};

/// Splits a byte stream into lines and keeps the acceptable ones, reading it in one encoding.
class LineParser {
 public:
  LineParser(Language language, TextEncoding encoding) : language_(language), encoding_(encoding) {}

  /// Feeds the next bytes of the file; false once reading stops (the word limit passed, or the
  /// bytes are not text in the encoding).
  bool Feed(std::string_view bytes) {
    for (char c : bytes) {
      if (!FeedByte(static_cast<unsigned char>(c))) return false;
    }
    return true;
  }

  /// Ends the text: the last line needs no line end, but a UTF-8 character must be whole.
  void Finish() {
    if (stop_ != Stop::None) return;
    if (!utf8_.Complete()) {
      stop_ = Stop::NotUtf8;
    } else if (length_ > 0 && !EndLine()) {
      stop_ = Stop::TooManyWords;
    }
  }

  /// True when the text turned out not to be UTF-8, at line Line().
  [[nodiscard]] bool NotUtf8() const { return stop_ == Stop::NotUtf8; }
  /// The line being read, from 1.
  [[nodiscard]] int Line() const { return line_; }

  /// What the text gave; a text that is not text counts from `notUtf8Line` at least, the line
  /// where reading it as UTF-8 failed.
  ReadResult Result(int notUtf8Line) {
    ReadResult result;
    result.encoding = encoding_;
    result.outcome = stop_ == Stop::TooManyWords ? LoadOutcome::TooManyWords
                     : stop_ == Stop::NotText    ? LoadOutcome::NotText
                     : rows_.empty()             ? LoadOutcome::NoWords
                                                 : LoadOutcome::Loaded;
    if (result.outcome == LoadOutcome::NotText) result.badLine = std::max(line_, notUtf8Line);
    if (result.outcome == LoadOutcome::Loaded) {
      result.dictionary = Dictionary(std::move(rows_), weight_);
      result.enyeWords = enyeWords_;
    }
    return result;
  }

 private:
  /// Why reading stopped before the end.
  enum class Stop { None, TooManyWords, NotUtf8, NotText };

  bool FeedByte(unsigned char byte) {
    if (IsBinaryByte(byte) || (encoding_ == TextEncoding::Windows1252 && Windows1252Character(byte) == 0)) {
      stop_ = Stop::NotText;
    } else if (encoding_ == TextEncoding::Utf8 && !utf8_.Take(byte)) {
      stop_ = Stop::NotUtf8;
    } else if (!FeedTextByte(static_cast<char>(byte))) {
      stop_ = Stop::TooManyWords;
    }
    return stop_ == Stop::None;
  }

  /// Takes a byte of text; false once the word limit is passed.
  bool FeedTextByte(char c) {
    if (c == '\r') {
      skipLineFeed_ = true;
      ++line_;
      return EndLine();
    }
    if (c == '\n') {
      if (skipLineFeed_) {
        skipLineFeed_ = false;
        return true;
      }
      ++line_;
      return EndLine();
    }
    skipLineFeed_ = false;
    if (length_ < kLineBytes) bytes_[static_cast<std::size_t>(length_)] = c;
    if (length_ <= kLineBytes) ++length_;  // kLineBytes + 1 stands for "too long", whatever the real length
    return true;
  }

  bool EndLine() {
    const std::string_view line(bytes_.data(), static_cast<std::size_t>(std::min(length_, kLineBytes)));
    const bool tooLong = length_ > kLineBytes;
    length_ = 0;
    if (language_ == Language::English) return EndEnglishLine(line);
    if (tooLong) return true;
    return encoding_ == TextEncoding::Utf8 ? EndFoldedLine(line) : EndFoldedLine(Windows1252AsUtf8(line));
  }

  /// Folds a UTF-8 line by the language's rules and keeps it when it gives a new 8-letter word.
  bool EndFoldedLine(std::string_view line) {
    const std::string word = FoldWord(language_, line);
    if (word.size() != kWordLength || !seen_.insert(word).second) return true;
    if (static_cast<int>(rows_.size()) >= kWordLimit) return false;
    for (char c : word) ++weight_[static_cast<std::size_t>(c - 'A')];
    rows_.push_back(BuildRotations(ToWord(word)));
    if (language_ == Language::Spanish && HoldsEnye(line)) ++enyeWords_;
    return true;
  }

  /// Keeps an English line of 8 capitals or 8 lower-case letters, counting the letters of any 8-byte
  /// line up to its first character that is no capital.
  bool EndEnglishLine(std::string_view line) {
    if (line.size() != kWordLength) return true;
    Word word = ToWord(line);
    if (IsLowerCaseWord(word)) {
      for (char& c : word) c = ToCapital(c);
    }
    for (char c : word) {
      const int v = static_cast<unsigned char>(c) - 'A';
      if (v < 0 || v > 25) return true;  // letters before the first bad one stay counted
      ++weight_[static_cast<std::size_t>(v)];
    }
    if (static_cast<int>(rows_.size()) >= kWordLimit) return false;
    rows_.push_back(BuildRotations(word));
    return true;
  }

  /// Longest line that is folded; longer lines are never words.
  static constexpr int kLineBytes = 64;
  Language language_;
  TextEncoding encoding_;
  Utf8Check utf8_;
  Stop stop_ = Stop::None;
  int line_ = 1;
  std::array<char, kLineBytes> bytes_{};
  int length_ = 0;
  bool skipLineFeed_ = false;
  std::vector<WordRotations> rows_;
  std::array<std::int64_t, 26> weight_{};
  int enyeWords_ = 0;
  /// The folded words kept so far; words that fold alike are kept once.
  std::unordered_set<std::string> seen_;
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view SkipByteOrderMark(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  return text;
}

ReadResult ReadFailure(std::string cause) { return {LoadOutcome::ReadError, {}, std::move(cause)}; }

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

/// Gives a parser the whole text from its start, until the parser stops; why the text could not
/// be read, or "".
using TextFeed = std::function<std::string(LineParser&)>;

/// Reads a text with `feed` as UTF-8 and, when it is not, once more as Windows-1252.
ReadResult ReadText(Language language, const TextFeed& feed) {
  LineParser parser(language, TextEncoding::Utf8);
  std::string cause = feed(parser);
  const int notUtf8Line = parser.NotUtf8() ? parser.Line() : 0;
  if (cause.empty() && notUtf8Line > 0) {
    parser = LineParser(language, TextEncoding::Windows1252);
    cause = feed(parser);
  }
  return cause.empty() ? parser.Result(notUtf8Line) : ReadFailure(std::move(cause));
}

}  // namespace

ReadResult ParseDictionaryText(std::string_view text, Language language) {
  return ReadText(language, [text](LineParser& parser) {
    if (parser.Feed(SkipByteOrderMark(text))) parser.Finish();
    return std::string();
  });
}

ReadResult ReadDictionaryFile(const std::string& path, Language language) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return ReadFailure(LOOPWORD_TEXT("Messages", "Is a folder").source);
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return ReadFailure(std::strerror(errno));
  constexpr std::size_t kBufferSize = 64 * 1024;
  auto buffer = std::make_unique<char[]>(kBufferSize);
  return ReadText(language, [&](LineParser& parser) -> std::string {
    if (std::fseek(file.get(), 0, SEEK_SET) != 0) return std::strerror(errno);
    for (bool first = true;; first = false) {
      const std::size_t got = std::fread(buffer.get(), 1, kBufferSize, file.get());
      if (std::ferror(file.get())) return std::strerror(errno);
      const std::string_view chunk(buffer.get(), got);
      if (!parser.Feed(first ? SkipByteOrderMark(chunk) : chunk)) return "";
      if (std::feof(file.get())) break;
    }
    parser.Finish();
    return "";
  });
}

}  // namespace loopword
