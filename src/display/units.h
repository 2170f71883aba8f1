// Lengths in twips (1/1440 inch) and their one conversion to device units and pixels.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace loopword {

/// Twips in one inch.
inline constexpr double kTwipsPerInch = 1440.0;
/// The screen resolution the layout and the pen widths are given for: 15 twips a pixel.
inline constexpr double kScreenDpi = 96.0;

/// Device units for a length in twips on a device of `dotsPerInch`.
constexpr double TwipsToDevice(double twips, double dotsPerInch) { return twips * dotsPerInch / kTwipsPerInch; }

/// Whole pixels for a length in twips, rounded to the nearest (screen resolution unless given).
inline int TwipsToPixels(double twips, double dotsPerInch = kScreenDpi) {
  return static_cast<int>(std::lround(TwipsToDevice(twips, dotsPerInch)));
}

/// Twips for a length in whole pixels (screen resolution unless given).
constexpr int PixelsToTwips(int pixels, double dotsPerInch = kScreenDpi) {
  return static_cast<int>(pixels * kTwipsPerInch / dotsPerInch);
}

}  // namespace loopword
