// What the program tells and asks the user, as data: marked patterns with their values, never finished sentences.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "board/program_text.h"

namespace loopword {

/// One line of a message, or one value inside a line: either text shown as it is (a path, a number,
/// a word, a reason the system gave), or a marked pattern whose %1 .. %9 take further phrases.
class Phrase {
 public:
  /// No text.
  Phrase() = default;
  /// Text shown as it is, in every language.
  Phrase(std::string plain) : plain_(std::move(plain)) {}
  Phrase(const char* plain) : plain_(plain) {}
  /// A number, shown in digits.
  template <std::integral Number>
    requires(!std::same_as<Number, bool> && !std::same_as<Number, char>)
  Phrase(Number number) : plain_(std::to_string(number)) {}
  /// `pattern`, translated where it is shown, with `values` in place of %1, %2, ...
  Phrase(Text pattern, std::vector<Phrase> values = {}) : pattern_(pattern), values_(std::move(values)) {}
  /// `pattern`, a text that counts, in the form its language gives `count`, which stands for its %n.
  static Phrase Counted(Text pattern, long long count, std::vector<Phrase> values = {}) {
    Phrase phrase(pattern, std::move(values));
    phrase.count_ = count;
    return phrase;
  }

  /// Whether this is text shown as it is.
  [[nodiscard]] bool IsPlain() const { return !pattern_; }
  /// The text shown as it is; empty for a pattern.
  [[nodiscard]] const std::string& Plain() const { return plain_; }
  /// The pattern; only for a phrase that is not plain.
  [[nodiscard]] const Text& Pattern() const { return *pattern_; }
  /// The values of the pattern's %1, %2, ...; none for plain text.
  [[nodiscard]] const std::vector<Phrase>& Values() const { return values_; }
  /// What a counting pattern's %n stands for; none for a pattern that does not count.
  [[nodiscard]] const std::optional<long long>& Count() const { return count_; }
  /// This phrase with `values` in place of its values; its pattern and count kept.
  [[nodiscard]] Phrase WithValues(std::vector<Phrase> values) const {
    Phrase phrase = *this;
    phrase.values_ = std::move(values);
    return phrase;
  }

  friend bool operator==(const Phrase&, const Phrase&) = default;

 private:
  std::optional<Text> pattern_;
  std::string plain_;
  std::vector<Phrase> values_;
  std::optional<long long> count_;
};

/// A message or question for the user: its lines, top to bottom; none for nothing to tell.
class Message {
 public:
  /// Nothing to tell.
  Message() = default;
  /// One line: `pattern` with `values` in place of %1, %2, ...
  Message(Text pattern, std::vector<Phrase> values = {}) : lines_{Phrase(pattern, std::move(values))} {}
  /// One line.
  explicit Message(Phrase line) : lines_{std::move(line)} {}

  /// Adds `line` below the lines so far.
  Message& Add(Phrase line);
  /// Adds the lines of `more` below the lines so far.
  Message& Append(const Message& more);

  [[nodiscard]] const std::vector<Phrase>& Lines() const { return lines_; }
  [[nodiscard]] bool empty() const { return lines_.empty(); }

  friend bool operator==(const Message&, const Message&) = default;

 private:
  std::vector<Phrase> lines_;
};

/// `message` with every plain value that reads `from` (a path, say) made `to`, in every line and value.
Message WithPlainReplaced(const Message& message, const std::string& from, const std::string& to);

/// The text a front end shows for a pattern: its translation, or its English source; for a pattern that counts, the
/// form for `count` (its %n may be left for the rendering to fill).
using PatternText = std::function<std::string(const Text& pattern, std::optional<long long> count)>;

/// The English of `pattern`: its source, or for a count of one its form for one.
std::string EnglishPattern(const Text& pattern, std::optional<long long> count);

/// The phrase with each pattern in it given by `patternText` and filled with its values in turn, %n with its count.
std::string RenderedText(const Phrase& phrase, const PatternText& patternText);
/// The message's lines rendered so, joined by "\n"; "" for nothing to tell.
std::string RenderedText(const Message& message, const PatternText& patternText);

/// The phrase in English: its pattern filled with its values' English texts.
std::string EnglishText(const Phrase& phrase);
/// The message in English, its lines joined by "\n"; "" for nothing to tell.
std::string EnglishText(const Message& message);
/// Writes EnglishText(message).
std::ostream& operator<<(std::ostream& out, const Message& message);

}  // namespace loopword
