// The Sun's altitude against the culminations of spherical astronomy: on the meridian (RAMC equal to
// the Sun's right ascension) the altitude is 90 - |latitude - declination|, at the lower culmination
// declination + |latitude| - 90 (north); at a solstice the declination is +-obliquity and the right
// ascension 90 or 270 degrees, at an equinox both are 0. (The angles use the program's pi of ten
// decimals, which moves a result by some 1e-9 degrees.)
#include <gtest/gtest.h>

#include "astro/frame/sun_altitude.h"

namespace {

constexpr double kObliquity = 23.44;
constexpr double kBerlin = 52.52;

struct Case { double sunLongitude, ramc, latitude, altitude; const char* why; };
constexpr Case kCases[] = {
    {270, 270, kBerlin, 90 - kBerlin - kObliquity, "Berlin, winter solstice, noon: 14.04 degrees"},
    {270, 90, kBerlin, -kObliquity + kBerlin - 90, "Berlin, winter solstice, midnight: -60.92"},
    {90, 90, kBerlin, 90 - kBerlin + kObliquity, "Berlin, summer solstice, noon: 60.92"},
    {90, 270, kBerlin, kObliquity + kBerlin - 90, "Berlin, summer solstice, midnight: -14.04, twilight all night"},
    {0, 0, 0, 90, "equator, equinox, noon: the Sun in the zenith"},
    {0, 90, 0, 0, "equator, equinox, six hours later: on the horizon"},
    {0, 180, 0, -90, "equator, equinox, midnight: the nadir"},
    {0, 270, 0, 0, "equator, equinox, sunrise"},
    {270, 270, -33.87, 90 - (33.87 - kObliquity), "Sydney, December solstice, noon: 79.57, the Sun to the north"},
    {180, 90, 45, 0, "autumn equinox, six hours before noon: rising at any latitude"},
};

TEST(SunAltitude, MatchesTheCulminationsAndTheEquinoxHorizon) {
    for (const Case& c : kCases)
        EXPECT_NEAR(SunAltitude(c.sunLongitude, kObliquity, c.ramc, c.latitude), c.altitude, 1e-6) << c.why;
}

}  // namespace
