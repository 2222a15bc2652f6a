// Twips, the unit of the window sizes: 1/1440 inch.
#pragma once

#include <algorithm>
#include <cstdint>

#include "core/numeric.h"

constexpr int32_t kTwipsPerInch = 1440;
constexpr double kNormalFontDpi = 96;

// The twips per pixel of a display whose fonts have dpi pixels per inch: 1440 / dpi to the nearest
// integer, halves to even, so 15 at 96 DPI (normal fonts) and 12 at 120 (large fonts), and a DPI between
// two such values counts as the nearer one (125 DPI is 11.52 twips, so 12; 97 DPI is still 15). A DPI the
// system does not know (0, negative, not a number) is taken as 96; a display never has less than 1.
inline int32_t TwipsPerPixelAt(double dpi) {
    if (!(dpi > 0)) dpi = kNormalFontDpi;
    return std::max<int32_t>(1, Round32(kTwipsPerInch / dpi));
}
