// Text written into an address and read back from it: "%XX" for every byte an address may not hold as it is.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace loopword {

/// `text` for an address: letters, digits and "-_.~" as they are, a space as "+", every other byte as "%XX".
std::string PercentEncoded(std::string_view text);
/// `text` of an address with "%XX" made bytes and "+" a space; nullopt for a "%" without two hex digits.
std::optional<std::string> PercentDecoded(std::string_view text);

}  // namespace loopword
