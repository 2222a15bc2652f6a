#include <cmath>
#include <limits>
#include <utility>

#include "astro/houses/houses.h"
#include "core/body_slots.h"
#include "core/numeric.h"
#include "core/setting_lines.h"

namespace {

// Degree within the sign: 30 subtracted as long as the value is 30 or more. Up to 390 degrees (every
// longitude of a chart) that is done literally, at most 13 times; a larger finite value is reduced by
// its exact remainder, the same value the literal subtraction reaches wherever it is exact, and an
// infinite one, which has no degree in any sign, gives NaN. A negative value stays as it is.
double DegreeInSign(double longitude) {
    double v = longitude;
    if (v >= 390) return std::isfinite(v) ? std::fmod(v, 30) : std::numeric_limits<double>::quiet_NaN();
    while (v >= 30) v = v - 30;
    return v;
}

}  // namespace

// Moon void of course: no body that the Moon still passes within its sign (a higher degree within
// its own sign) stands in a whole-sign aspect to the Moon.
//   reads  bodyLongitude 1..14, settingValues[kFortuneInVoidTestLine] (non-zero: the Part of Fortune takes part)
//   writes moonVoid (1 void, 0 not), degreeInSign and degreeOrder 1..14 (working tables)
// Notes: no orbs or speeds; conjunction, sextile, square, trine and opposition count by sign
// distance (0, 2, 3, 4, 6, 8, 9, 10 signs); the nodes, the Ascendant and the Midheaven take no part.
// Of two bodies at the same degree within their signs the one with the higher index sorts first.
void TestMoonVoid(ChartState& s) {
    s.moonVoid = 0;
    for (int i = kSunSlot; i <= kAscendantSlot; ++i) {
        s.degreeInSign[i] = DegreeInSign(s.bodyLongitude[i]);
        s.degreeOrder[i] = i;
    }

    // Exchange sort by degree within the sign; ties are exchanged too.
    for (int i = 1; i < kAscendantSlot; ++i) {
        for (int k = i + 1; k <= kAscendantSlot; ++k) {
            if (s.degreeInSign[k] <= s.degreeInSign[i]) {
                std::swap(s.degreeInSign[i], s.degreeInSign[k]);
                std::swap(s.degreeOrder[i], s.degreeOrder[k]);
            }
        }
    }

    // The Moon's place in that order.
    constexpr double moon = kMoonSlot;
    int p = 1;
    while (p < kAscendantSlot && s.degreeOrder[p] != moon) ++p;

    const double moonSign = Int(s.bodyLongitude[kMoonSlot] / 30) + 1;
    bool hasAspect = false;
    for (int i = p; i <= kAscendantSlot; ++i) {
        const int e = static_cast<int>(s.degreeOrder[i]);
        if (e == kMoonSlot || e == kNodeSlot || e == kOppositeNodeSlot || e == kAscendantSlot) continue;
        if (e == kFortuneSlot && s.settingValues[kFortuneInVoidTestLine] == 0) continue;
        const double bodySign = Int(s.bodyLongitude[e] / 30) + 1;
        if (bodySign == moonSign) hasAspect = true;
        const double d = RoundHalfEven(std::fabs(moonSign - bodySign));
        if (d == 2 || d == 3 || d == 4 || d == 6 || d == 8 || d == 9 || d == 10) hasAspect = true;
    }
    if (!hasAspect) s.moonVoid = 1;
}
