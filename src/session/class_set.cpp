// Class sets: the seed of each pupil's puzzle, and the class link written, checked and read back.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/class_set.h"

#include <algorithm>

#include "board/text_hash.h"

namespace loopword {

namespace {

constexpr std::string_view kCheckName = "&check=";
constexpr Text kDamagedLink = LOOPWORD_TEXT("Messages", "This class link is cut short or damaged, so it cannot make your puzzle: ask your teacher for the link again.");

/// The check of `text`: FNV-1a, folded to 32 bits, as 8 lower-case hex digits.
std::string CheckOf(std::string_view text) {
  const std::uint64_t hash = TextHash(text);
  static constexpr char kDigits[] = "0123456789abcdef";
  const auto folded = static_cast<std::uint32_t>(hash ^ (hash >> 32));
  std::string check(8, '0');
  for (int i = 0; i < 8; ++i) check[static_cast<std::size_t>(7 - i)] = kDigits[(folded >> (4 * i)) & 15];
  return check;
}

/// The first pair named `name` among `pairs`; nullptr when there is none.
const NamedValue* PairNamed(const std::vector<NamedValue>& pairs, std::string_view name) {
  const auto pair = std::find_if(pairs.begin(), pairs.end(), [name](const NamedValue& named) { return named.name == name; });
  return pair == pairs.end() ? nullptr : &*pair;
}

/// The value of the first pair named `name` among `pairs`; nullopt when there is none or it has no value.
std::optional<std::string> ValueOf(const std::vector<NamedValue>& pairs, std::string_view name) {
  const NamedValue* pair = PairNamed(pairs, name);
  return pair ? pair->value : std::nullopt;
}

/// The offsets of a "skip" value: whole numbers joined by ".", increasing; nullopt for any other text.
std::optional<std::vector<std::uint64_t>> Skipped(std::string_view text) {
  std::vector<std::uint64_t> offsets;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find('.', at), text.size());
    const auto offset = WholeNumber(text.substr(at, end - at), std::uint64_t{0}, std::uint64_t{1'000'000});
    if (!offset || (!offsets.empty() && *offset <= offsets.back())) return std::nullopt;
    offsets.push_back(*offset);
    at = end + 1;
  }
  return offsets;
}

}  // namespace

std::uint64_t ClassSet::SeedOf(int number) const {
  std::uint64_t offset = 0;
  for (int counted = 0;; ++offset) {
    if (std::find(skipped.begin(), skipped.end(), offset) != skipped.end()) continue;
    if (++counted == number) break;
  }
  return choices.seed.value_or(0) + offset;
}

std::string ClassSet::Encode() const {
  std::string text = "pupils=" + std::to_string(pupils) + "&" + choices.LinkText();
  if (!skipped.empty()) {
    text += "&skip=";
    for (std::size_t i = 0; i < skipped.size(); ++i) text += (i == 0 ? "" : ".") + std::to_string(skipped[i]);
  }
  return text + std::string(kCheckName) + CheckOf(text);
}

Message PupilsRefusal(int pupils) {
  if (pupils >= kFewestPupils && pupils <= kMostPupils) return {};
  return Message(LOOPWORD_TEXT("Messages", "A class set is for %1 to %2 pupils."), {kFewestPupils, kMostPupils});
}

Message NumberRefusal(const ClassSet& set, int number) {
  if (number >= 1 && number <= set.pupils) return {};
  return Message(LOOPWORD_TEXT("Messages", "Choose your number from 1 to %1."), {set.pupils});
}

DecodedClassSet DecodeClassSet(std::string_view text) {
  if (!text.empty() && (text.front() == '?' || text.front() == '#')) text.remove_prefix(1);
  DecodedClassSet decoded;
  const std::vector<NamedValue> pairs = NamedValues(text);
  const std::optional<std::string> pupils = ValueOf(pairs, "pupils");
  decoded.classLink = PairNamed(pairs, "pupils") != nullptr || text.starts_with("pupils");
  if (!decoded.classLink) return decoded;
  const auto count = WholeNumber(pupils.value_or(""), 0, kMostPupils);
  decoded.pupils = count && static_cast<int>(*count) >= kFewestPupils ? static_cast<int>(*count) : 0;
  decoded.note = kDamagedLink;
  const std::size_t checkAt = text.rfind(kCheckName);
  if (checkAt == std::string_view::npos || text.substr(checkAt + kCheckName.size()) != CheckOf(text.substr(0, checkAt))) return decoded;
  const std::string_view body = text.substr(0, checkAt);
  const DecodedChoices choices = DecodeChoices(body);
  const std::optional<std::string> skip = ValueOf(NamedValues(body), "skip");
  const auto skipped = skip ? Skipped(*skip) : std::optional<std::vector<std::uint64_t>>(std::vector<std::uint64_t>{});
  if (!choices.note.empty() || !choices.choices.seed || !choices.choices.unique || decoded.pupils == 0 || !skipped) return decoded;
  decoded.set = ClassSet{choices.choices, decoded.pupils, *skipped};
  decoded.note = {};
  return decoded;
}

ClassLink ClassLinkOf(const ClassSet& set, std::string_view address) {
  if (set.choices.level == kOwnList) {
    return {"", LOOPWORD_TEXT("Messages", "A class link needs one of the page's own word lists: pupils' pages do not have the list you opened.")};
  }
  std::string link = std::string(address) + "?" + set.Encode();
  if (link.size() > kClassLinkLimit) {
    return {"", Message(LOOPWORD_TEXT("Messages", "The class link would be %1 characters long, more than the %2 a link can safely hold: shorten the clues or the title."),
                        {link.size(), kClassLinkLimit})};
  }
  return {std::move(link), {}};
}

}  // namespace loopword
