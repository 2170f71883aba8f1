// Reading word lists into rotation tables.
#include "words/dictionary.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unordered_set>

#include "board/letters.h"
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

/// Splits a byte stream into lines and keeps the acceptable ones.
class LineParser {
 public:
  explicit LineParser(Language language) : language_(language) {}

  /// Feeds the next bytes of the file; returns false once the word limit is passed.
  bool Feed(std::string_view bytes) {
    for (char c : bytes) {
      if (!FeedByte(c)) return false;
    }
    return true;
  }

  /// Ends the last line, which needs no line end; returns false if that passes the limit.
  bool Finish() { return length_ == 0 || EndLine(); }

  ReadResult Result(LoadOutcome outcome) {
    ReadResult result;
    result.outcome = outcome;
    if (outcome == LoadOutcome::Loaded && rows_.empty()) result.outcome = LoadOutcome::NoWords;
    if (result.outcome == LoadOutcome::Loaded) result.dictionary = Dictionary(std::move(rows_), weight_);
    return result;
  }

 private:
  bool FeedByte(char c) {
    if (c == '\r') {
      skipLineFeed_ = true;
      return EndLine();
    }
    if (c == '\n') {
      if (skipLineFeed_) {
        skipLineFeed_ = false;
        return true;
      }
      return EndLine();
    }
    skipLineFeed_ = false;
    if (length_ < kLineBytes) line_[static_cast<std::size_t>(length_)] = c;
    if (length_ <= kLineBytes) ++length_;  // kLineBytes + 1 stands for "too long", whatever the real length
    return true;
  }

  bool EndLine() {
    const std::string_view line(line_.data(), static_cast<std::size_t>(std::min(length_, kLineBytes)));
    const bool tooLong = length_ > kLineBytes;
    length_ = 0;
    if (language_ == Language::English) return EndEnglishLine(line);
    return tooLong || EndFoldedLine(line);
  }

  /// Folds a line by the language's rules and keeps it when it gives a new 8-letter word.
  bool EndFoldedLine(std::string_view line) {
    const std::string word = FoldWord(language_, line);
    if (word.size() != kWordLength || !seen_.insert(word).second) return true;
    if (static_cast<int>(rows_.size()) >= kWordLimit) return false;
    for (char c : word) ++weight_[static_cast<std::size_t>(c - 'A')];
    rows_.push_back(BuildRotations(ToWord(word)));
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
  std::array<char, kLineBytes> line_{};
  int length_ = 0;
  bool skipLineFeed_ = false;
  std::vector<WordRotations> rows_;
  std::array<std::int64_t, 26> weight_{};
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

}  // namespace

ReadResult ParseDictionaryText(std::string_view text, Language language) {
  LineParser parser(language);
  if (!parser.Feed(SkipByteOrderMark(text)) || !parser.Finish()) {
    return parser.Result(LoadOutcome::TooManyWords);
  }
  return parser.Result(LoadOutcome::Loaded);
}

ReadResult ReadDictionaryFile(const std::string& path, Language language) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return ReadFailure(LOOPWORD_TEXT("Messages", "Is a folder").source);
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return ReadFailure(std::strerror(errno));
  LineParser parser(language);
  constexpr std::size_t kBufferSize = 64 * 1024;
  auto buffer = std::make_unique<char[]>(kBufferSize);
  bool first = true;
  for (;;) {
    const std::size_t got = std::fread(buffer.get(), 1, kBufferSize, file.get());
    if (std::ferror(file.get())) return ReadFailure(std::strerror(errno));
    std::string_view chunk(buffer.get(), got);
    if (first) chunk = SkipByteOrderMark(chunk);
    first = false;
    if (!parser.Feed(chunk)) return parser.Result(LoadOutcome::TooManyWords);
    if (std::feof(file.get())) break;
  }
  if (!parser.Finish()) return parser.Result(LoadOutcome::TooManyWords);
  return parser.Result(LoadOutcome::Loaded);
}

}  // namespace loopword
