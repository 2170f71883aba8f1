// Writing what a teacher turned off as names, and reading them back, damaged text giving the defaults.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/pupil_rules.h"

#include <algorithm>
#include <utility>

namespace loopword {

namespace {

/// What the note says when the rules a teacher set could not be read.
constexpr Text kDamagedRules = LOOPWORD_TEXT("Messages", "What your teacher turned off could not be read (\"%1\"): everything is allowed.");

/// The names of the rules in a text, in the order Encode writes them.
constexpr std::string_view kCheckName = "check";
constexpr std::string_view kRevealName = "reveal";
constexpr std::string_view kTimerName = "timer";

}  // namespace

std::string PupilRules::Encode() const {
  std::string text;
  for (const auto& [allowed, name] : {std::pair{check, kCheckName}, {reveal, kRevealName}, {timer, kTimerName}}) {
    if (!allowed) text.append(text.empty() ? "" : ",").append(name);
  }
  return text;
}

DecodedRules DecodePupilRules(std::string_view text) {
  PupilRules read;
  bool whole = true;
  const bool blank = text.find_first_not_of(' ') == std::string_view::npos;
  for (std::size_t start = 0; !blank && start <= text.size();) {  // each piece between commas holds one name or more
    const std::size_t comma = std::min(text.find(',', start), text.size());
    int names = 0;
    for (std::size_t at = start; at < comma;) {
      const std::size_t end = std::min(text.find(' ', at), comma);
      const std::string_view name = text.substr(at, end - at);
      at = end + 1;
      if (name.empty()) continue;
      ++names;
      if (name == kCheckName) read.check = false;
      else if (name == kRevealName) read.reveal = false;
      else if (name == kTimerName) read.timer = false;
      else whole = false;
    }
    whole = whole && names > 0;
    start = comma + 1;
  }
  if (!whole) return {PupilRules{}, Message(kDamagedRules, {std::string(text)})};
  return {read, {}};
}

}  // namespace loopword
