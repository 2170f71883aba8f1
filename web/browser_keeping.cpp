// What the browser keeps for the page between visits: its entries read once, checked before use, changes handed back.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser_keeping.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "board/plain_text.h"
#include "session/choices.h"
#include "words/language.h"

namespace loopword {

namespace {
constexpr Text kDamagedEntry = LOOPWORD_TEXT("WebPage", "A damaged entry this browser kept for the page was dropped.");

/// The JSON string that starts at `at` in `text`, `at` moved past it; nullopt where none starts there.
std::optional<std::string> JsonString(std::string_view text, std::size_t& at) {
  constexpr std::string_view kEscapes = "\"\\/bfnrt", kEscaped = "\"\\/\b\f\n\r\t";
  if (at >= text.size() || text[at] != '"') return std::nullopt;
  std::string read;
  for (++at; at < text.size(); ++at) {
    if (text[at] == '"') {
      ++at;
      return read;
    }
    if (text[at] != '\\') {
      read += text[at];
    } else if (++at < text.size() && kEscapes.find(text[at]) != std::string_view::npos) {
      read += kEscaped[kEscapes.find(text[at])];
    } else {
      unsigned code = 0;
      if (at + 5 > text.size() || text[at] != 'u' ||
          std::from_chars(&text[at + 1], &text[at + 5], code, 16).ptr != &text[at + 5]) {
        return std::nullopt;
      }
      AppendCharacter(read, code >= 0xD800 && code <= 0xDFFF ? 0xFFFD : code);  // a lone surrogate: unreadable
      at += 4;
    }
  }
  return std::nullopt;
}

/// The words and title of the theme box as an older page kept it: {"words":"…","title":"…"}, the title left out
/// or empty; nullopt for other text.
std::optional<std::pair<std::string, std::string>> EarlierTheme(std::string_view text) {
  if (!text.starts_with('{')) return std::nullopt;
  std::map<std::string, std::string> fields;
  std::size_t at = 1;
  while (at < text.size() && text[at] != '}') {
    const std::optional<std::string> name = JsonString(text, at);
    std::optional<std::string> value;
    if (name && at < text.size() && text[at] == ':') value = JsonString(text, ++at);
    if (!value) return std::nullopt;
    fields[*name] = *value;
    if (at < text.size() && text[at] == ',') ++at;
  }
  if (at + 1 != text.size() || !fields.contains("words")) return std::nullopt;
  return std::pair{fields["words"], fields["title"]};
}
}  // namespace

std::optional<std::string> BrowserKeeping::Read(const std::string& name, Check valid) {
  const auto entry = entries_.find(name);
  if (entry == entries_.end()) return std::nullopt;
  if (!valid || valid(entry->second)) return entry->second;
  Drop(name);
  droppedDamaged_ = true;
  return std::nullopt;
}

void BrowserKeeping::Write(const std::string& name, const std::string& value) {
  const auto [entry, added] = entries_.try_emplace(name, value);
  if (!added && entry->second == value) return;
  entry->second = value;
  changes_[name] = value;
}

void BrowserKeeping::Drop(const std::string& name) {
  if (entries_.erase(name) > 0) changes_[name] = std::nullopt;
}

void BrowserKeeping::DropStartingWith(const std::string& prefix) {
  std::vector<std::string> names;
  for (const auto& [name, value] : entries_) {
    if (name.starts_with(prefix)) names.push_back(name);
  }
  for (const std::string& name : names) Drop(name);
}

std::string BrowserKeeping::EarlierChoices(const std::string& pageLanguage) {
  const auto known = [](const std::string& code) { return LanguageFromCode(code).has_value(); };
  const auto theme = Read("theme", [](const std::string& text) { return EarlierTheme(text).has_value(); });
  std::string choices = "language=" + PercentEncoded(Read("language", known).value_or(pageLanguage));
  if (theme) {
    const auto [words, title] = *EarlierTheme(*theme);
    if (!words.empty()) choices += "&theme=" + PercentEncoded(words);  // an empty theme is no theme
    if (!title.empty()) choices += "&title=" + PercentEncoded(title);
  }
  Drop("language");
  Drop("theme");
  DropStartingWith("time:");
  return choices;
}

Message BrowserKeeping::TakeNote() {
  return std::exchange(droppedDamaged_, false) ? Message(kDamagedEntry) : Message();
}

}  // namespace loopword
