// Writing the choices as "name=value" pairs and reading them back, a damaged value falling back to its default.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/choices.h"

#include <functional>
#include <map>

#include "board/plain_text.h"
#include "input/start_word.h"
#include "words/theme_words.h"

namespace loopword {

namespace {

/// What the user is told of a seed that is no seed.
constexpr Text kBadSeed = LOOPWORD_TEXT("Messages", "The seed \"%1\" is not a whole number from 0 to 18446744073709551615: no puzzle was made.");
/// What the note says when some choices were damaged: their names.
constexpr Text kDamagedChoices = LOOPWORD_TEXT("Messages", "Some choices could not be read and are back at their defaults: %1.");
/// The line that says what a teacher turned off: one, two or three of the commands below.
constexpr Text kTurnedOffOne = LOOPWORD_TEXT("Messages", "Your teacher has turned off %1.");
constexpr Text kTurnedOffTwo = LOOPWORD_TEXT("Messages", "Your teacher has turned off %1 and %2.");
constexpr Text kTurnedOffThree = LOOPWORD_TEXT("Messages", "Your teacher has turned off %1, %2 and %3.");
constexpr Text kOffCheck = LOOPWORD_TEXT("Messages", "Check");
constexpr Text kOffReveal = LOOPWORD_TEXT("Messages", "Reveal letter");
constexpr Text kOffTimer = LOOPWORD_TEXT("Messages", "the timer");

void Put(std::string& text, std::string_view name, std::string_view value) {
  if (!text.empty()) text += '&';
  text.append(name).append("=").append(PercentEncoded(value));
}

std::optional<bool> Switch(std::string_view text) {
  if (text == "1") return true;
  if (text == "0") return false;
  return std::nullopt;
}

/// Reads one value into `choices`; false when it is damaged.
using ValueReader = std::function<bool(const std::string& value, Choices& choices)>;

/// A reader that sets `member` to what `read` makes of the value; damaged when it makes nothing of it.
template <typename Value, typename Read>
ValueReader Into(Value Choices::*member, Read read) {
  return [member, read](const std::string& v, Choices& c) {
    const auto value = read(v);
    if (value) c.*member = *value;
    return value.has_value();
  };
}

const std::map<std::string_view, ValueReader>& Readers() {
  static const std::map<std::string_view, ValueReader> readers = {
      {"level", Into(&Choices::level, [](std::string_view v) { return WholeNumber(v, 1, 3); })},
      {"difficulty", Into(&Choices::difficulty, [](std::string_view v) { return DifficultyNamed(v); })},
      {"varied", Into(&Choices::varied, Switch)},
      {"unique", Into(&Choices::unique, Switch)},
      {"seed", [](const std::string& v, Choices& c) {
         c.seed = ReadSeed(v);
         return c.seed.has_value();
       }},
      {"start", [](const std::string& v, Choices& c) {
         const StartWordCheck check = CheckStartWord(v, c.language);
         if (check.verdict == StartWordCheck::Verdict::Accepted) c.startWord = check.word;
         return check.verdict == StartWordCheck::Verdict::Accepted;
       }},
      {"theme", [](const std::string& v, Choices& c) {  // entries that are no word are passed over, as typed ones are
         ThemeWords read = ReadThemeWords(v, c.language);
         if (!read.Fit() || read.words.empty()) return false;
         c.themeWords = std::move(read.words);
         c.clues = std::move(read.clues);
         return true;
       }},
      {"title", [](const std::string& v, Choices& c) {
         c.title = PlainTitle(v);
         return CharacterCount(v) <= kTitleLimit;
       }},
      {"off", [](const std::string& v, Choices& c) {
         const DecodedRules rules = DecodePupilRules(v);
         c.pupils = rules.rules;
         return rules.note.empty();
       }},
  };
  return readers;
}

}  // namespace

std::vector<NamedValue> NamedValues(std::string_view text) {
  std::vector<NamedValue> pairs;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find('&', at), text.size());
    const std::string_view pair = text.substr(at, end - at);
    const std::size_t equals = pair.find('=');
    if (!pair.empty()) {
      pairs.push_back({std::string(pair.substr(0, equals)),
                       equals == std::string_view::npos ? std::nullopt : PercentDecoded(pair.substr(equals + 1))});
    }
    at = end + 1;
  }
  return pairs;
}

Message RulesNote(const PupilRules& rules) {
  std::vector<Phrase> off;
  if (!rules.check) off.emplace_back(kOffCheck);
  if (!rules.reveal) off.emplace_back(kOffReveal);
  if (!rules.timer) off.emplace_back(kOffTimer);
  if (off.empty()) return {};
  const Text pattern = off.size() == 1 ? kTurnedOffOne : off.size() == 2 ? kTurnedOffTwo : kTurnedOffThree;
  return Message(pattern, std::move(off));
}

std::optional<std::uint64_t> ReadSeed(std::string_view text) { return WholeNumber(text, std::uint64_t{0}, UINT64_MAX); }

Message SeedRefusal(std::string_view text) { return Message(kBadSeed, {std::string(text)}); }

std::string Choices::Encode() const { return Written(false); }

std::string Choices::LinkText() const { return Written(true); }

std::string Choices::Written(bool whole) const {
  const Choices defaults;
  std::string text;
  if (whole || language != defaults.language) Put(text, "language", LanguageCode(language));
  if ((whole || level != defaults.level) && level != kOwnList) Put(text, "level", std::to_string(level));
  if (difficulty != defaults.difficulty) Put(text, "difficulty", DifficultyName(difficulty));
  if (varied) Put(text, "varied", "1");
  if (unique) Put(text, "unique", "1");
  if (!startWord.empty()) Put(text, "start", startWord);
  if (seed) Put(text, "seed", std::to_string(*seed));
  if (!themeWords.empty()) {
    std::string words;
    for (const std::string& word : themeWords) {
      const auto clue = clues.find(word);
      words += (words.empty() ? "" : clues.empty() ? " " : "\n") + word + (clue == clues.end() ? "" : "=" + clue->second);
    }
    Put(text, "theme", words);
  }
  if (!title.empty()) Put(text, "title", title);
  if (pupils != PupilRules{}) Put(text, "off", pupils.Encode());
  return text;
}

DecodedChoices DecodeChoices(std::string_view text) {
  if (!text.empty() && (text.front() == '?' || text.front() == '#')) text.remove_prefix(1);
  const std::vector<NamedValue> pairs = NamedValues(text);
  DecodedChoices decoded;
  std::vector<std::string> damaged;
  const auto mark = [&](const std::string& name, const std::optional<std::string>& value) {
    const std::string said = value ? name + " \"" + *value + "\"" : name;
    if (std::find(damaged.begin(), damaged.end(), said) == damaged.end()) damaged.push_back(said);
  };
  for (const auto& [name, value] : pairs) {  // the language first: it rules how the words are read
    if (name != "language") continue;
    const std::optional<Language> language = value ? LanguageFromCode(*value) : std::nullopt;
    if (language) decoded.choices.language = *language;
    else mark(name, value);
  }
  for (const auto& [name, value] : pairs) {
    const auto reader = Readers().find(name);
    if (reader == Readers().end()) continue;
    Choices tried = decoded.choices;
    if (value && reader->second(*value, tried)) decoded.choices = std::move(tried);
    else mark(name, value);
  }
  if (!damaged.empty()) {
    std::string names;
    for (const std::string& name : damaged) names += (names.empty() ? "" : ", ") + name;
    decoded.note = Message(kDamagedChoices, {names});
  }
  return decoded;
}

}  // namespace loopword
