// A pupil link: one puzzle packed into the text after an address's "#", and read back from it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace loopword {

/// What a packed link starts with; the text of a link made before links were packed never does.
inline constexpr std::string_view kPackedLinkMark = "p=";

/// The text after "#" of a link to the one puzzle of `puzzleFileText`: kPackedLinkMark and, in base64url without
/// padding, a version byte, each square's letters (5 bits each) and start digit, the puzzle's comment lines without
/// the letters and progress of its solving (a link gives a fresh puzzle), each answer word in them written as its
/// square, and 32 bits of FNV-1a over all that, so that a cut or changed link is known. No answer word is spelt in
/// it. A text that is not one readable puzzle is given percent-encoded, as links were before.
std::string PackedPuzzleLink(const std::string& puzzleFileText);

/// The puzzle file text the link text `fragment` carries, packed or percent-encoded as links were before (those are
/// read as they always were); nullopt for a packed link that is cut or changed, or percent-encoding that is damaged.
std::optional<std::string> PuzzleTextOfLink(std::string_view fragment);

}  // namespace loopword
