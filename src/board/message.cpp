// Building messages line by line and giving them in English.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/message.h"

#include <ostream>

namespace loopword {

Message& Message::Add(Phrase line) {
  lines_.push_back(std::move(line));
  return *this;
}

Message& Message::Append(const Message& more) {
  lines_.insert(lines_.end(), more.lines_.begin(), more.lines_.end());
  return *this;
}

std::string RenderedText(const Phrase& phrase, const PatternText& patternText) {
  if (phrase.IsPlain()) return phrase.Plain();
  std::vector<std::string> values;
  for (const Phrase& value : phrase.Values()) values.push_back(RenderedText(value, patternText));
  std::string pattern = patternText(phrase.Pattern(), phrase.Count());
  if (phrase.Count()) {
    for (std::size_t at = pattern.find("%n"); at != std::string::npos; at = pattern.find("%n", at)) {
      pattern.replace(at, 2, std::to_string(*phrase.Count()));
    }
  }
  return FillText(pattern, values);
}

std::string RenderedText(const Message& message, const PatternText& patternText) {
  std::string text;
  for (std::size_t i = 0; i < message.Lines().size(); ++i) text += (i == 0 ? "" : "\n") + RenderedText(message.Lines()[i], patternText);
  return text;
}

std::string EnglishPattern(const Text& pattern, std::optional<long long> count) {
  return pattern.Counts() && count == 1 ? pattern.one : pattern.source;
}

std::string EnglishText(const Phrase& phrase) { return RenderedText(phrase, EnglishPattern); }

std::string EnglishText(const Message& message) { return RenderedText(message, EnglishPattern); }

std::ostream& operator<<(std::ostream& out, const Message& message) { return out << EnglishText(message); }

namespace {

Phrase PhraseWithPlainReplaced(const Phrase& phrase, const std::string& from, const std::string& to) {
  if (phrase.IsPlain()) return phrase.Plain() == from ? Phrase(to) : phrase;
  std::vector<Phrase> values;
  for (const Phrase& value : phrase.Values()) values.push_back(PhraseWithPlainReplaced(value, from, to));
  return phrase.WithValues(std::move(values));
}

}  // namespace

Message WithPlainReplaced(const Message& message, const std::string& from, const std::string& to) {
  Message replaced;
  for (const Phrase& line : message.Lines()) replaced.Add(PhraseWithPlainReplaced(line, from, to));
  return replaced;
}

}  // namespace loopword
