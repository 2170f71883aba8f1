// Putting one puzzle into a copy of the web page, which then opens it ready to solve.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopword {

/// The empty slot of the web page that a puzzle goes into.
inline constexpr std::string_view kPagePuzzleSlot = R"(<meta name="loopword-puzzle" content="">)";

/// `page` with the puzzle file text `puzzle` in its slot (in place of a puzzle there), in base64 so that no
/// character of it can end the slot; nullopt when the page has no slot.
std::optional<std::string> PageWithPuzzle(std::string_view page, std::string_view puzzle);
/// `page` with the puzzle file texts `puzzles` in its slot, each in base64, a blank between them: a class set, one
/// puzzle of which each pupil solves; nullopt when the page has no slot.
std::optional<std::string> PageWithPuzzles(std::string_view page, const std::vector<std::string>& puzzles);
/// The puzzles a page's slot content `carried` holds, each still in base64; none for an empty slot.
std::vector<std::string_view> CarriedPuzzles(std::string_view carried);

/// `bytes` in base64 (RFC 4648, with padding).
std::string Base64(std::string_view bytes);
/// The bytes base64 `text` stands for (its padding may be left off); nullopt for text that is not base64.
std::optional<std::string> Base64Decoded(std::string_view text);

}  // namespace loopword
