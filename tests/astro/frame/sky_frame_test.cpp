#include "astro/frame/sky_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "astro/frame/angle_helpers.h"
#include "support/moment.h"

namespace {

// A moment and a place as the update cycle fills them: 12-hour clock, zone in decimal hours,
// longitude and latitude in degrees.minutes (west and north positive).
ChartState SkyAt(int year, int month, int day, float clock, const char* meridiem, float zone, float lon,
                 float lat) {
    ChartState s = UpdateInputsAt(Moment{year, month, day, clock, meridiem, zone, lon, lat});
    ComputeSkyFrame(s);
    return s;
}

double SiderealSeconds(const ChartState& s) {
    return s.siderealHours * 3600 + s.siderealMinutes * 60 + s.siderealSeconds;
}

TEST(DayNumber, CountsJulianDaysAcrossTheCalendarReform) {
    struct Case { int y, m, d; double jd; } cases[] = {
        {2000, 1, 1, 2451545},    // Gregorian, the J2000 day
        {1987, 7, 14, 2446991},   // Gregorian
        {2900, 9, 9, 2780515},    // far future
        {1500, 3, 1, 2268993},    // Julian calendar
        {1582, 10, 16, 2299162},  // first corrected date
        {1582, 10, 15, 2299171},  // the reform day is still counted in the Julian calendar
        {1582, 10, 4, 2299160},   // last day of the Julian calendar
    };
    for (const Case& c : cases) {
        ChartState s = SkyAt(c.y, c.m, c.d, 12.00f, "P.M.", 0, 0, 40);
        EXPECT_EQ(s.dayNumber, c.jd) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(DayNumber, CenturiesRunFrom1900January0Noon) {
    ChartState s = SkyAt(2000, 1, 1, 12.00f, "A.M.", 0, 0, 40);
    EXPECT_EQ(s.dayFraction, 0);
    EXPECT_NEAR(s.julianCenturies, 0.99998631074606, 1e-13);
    ChartState noon = SkyAt(1900, 1, 1, 12.00f, "A.M.", 0, 0, 40);  // JD 2415021, 0 h UT
    EXPECT_NEAR(noon.julianCenturies, 0.5 / 36525, 1e-15);
}

TEST(DayFraction, TwelveOClockStartsEachHalfOfTheDay) {
    const double fiveMinutes = 5.0 / 60 / 24;  // the clock is a single: 12.05 is 12.0500002
    EXPECT_NEAR(SkyAt(2020, 5, 5, 12.05f, "A.M.", 0, 0, 40).dayFraction, fiveMinutes, 1e-6);
    EXPECT_NEAR(SkyAt(2020, 5, 5, 12.05f, "P.M.", 0, 0, 40).dayFraction, 0.5 + fiveMinutes, 1e-6);
    EXPECT_NEAR(SkyAt(2020, 5, 5, 11.59f, "P.M.", 0, 0, 40).dayFraction, (23 + 59.0 / 60) / 24, 1e-6);
    EXPECT_NEAR(SkyAt(2020, 5, 5, 1.00f, "A.M.", 0, 0, 40).dayFraction, 1.0 / 24, 1e-12);
    // Only the exact text "P.M." moves the time into the afternoon.
    EXPECT_NEAR(SkyAt(2020, 5, 5, 3.00f, "p.m.", 0, 0, 40).dayFraction, 3.0 / 24, 1e-12);
}

TEST(DayFraction, ZoneIsDecimalHoursAndIsNeverWrapped) {
    // 5.5 hours is five and a half hours, not 5 h 50 m.
    EXPECT_NEAR(SkyAt(2020, 5, 5, 12.00f, "A.M.", 5.5f, 0, 40).dayFraction, 5.5 / 24, 1e-12);
    EXPECT_NEAR(SkyAt(2020, 5, 5, 1.30f, "A.M.", -10, 0, 40).dayFraction, (1.5 - 10) / 24, 1e-7);
    EXPECT_NEAR(SkyAt(2020, 5, 5, 11.00f, "P.M.", 12, 0, 40).dayFraction, 35.0 / 24, 1e-12);
}

TEST(SiderealTime, LongitudeIsDegreesMinutesAndPositiveWest) {
    const ChartState greenwich = SkyAt(2010, 3, 3, 9.00f, "P.M.", 0, 0, 40);
    const ChartState east = SkyAt(2010, 3, 3, 9.00f, "P.M.", 0, -0.30f, 40);
    const ChartState west = SkyAt(2010, 3, 3, 9.00f, "P.M.", 0, 74.30f, 40);
    EXPECT_NEAR(RadToDeg(east.ramcRad) - RadToDeg(greenwich.ramcRad), 0.5, 1e-5);
    EXPECT_NEAR(Normalize360(RadToDeg(greenwich.ramcRad) - RadToDeg(west.ramcRad)), 74.5, 1e-5);
}

TEST(SiderealTime, AdvancesOneSiderealDayPerSolarDayAndAFewMinutesMore) {
    const ChartState a = SkyAt(2010, 3, 3, 9.00f, "P.M.", 0, 0, 40);
    const ChartState b = SkyAt(2010, 3, 4, 9.00f, "P.M.", 0, 0, 40);
    // 3 min 56.56 s of sidereal time gained in a solar day, about 0.9856 degrees.
    EXPECT_NEAR(Normalize360(RadToDeg(b.ramcRad) - RadToDeg(a.ramcRad)), 0.98565, 1e-4);
}

TEST(SiderealTime, DisplayedPartsAreTruncatedAndTwelveHoursAheadInTheSouth) {
    const ChartState north = SkyAt(2010, 3, 3, 9.00f, "P.M.", 0, 0, 33.45f);
    const ChartState south = SkyAt(2010, 3, 3, 9.00f, "P.M.", 0, 0, -33.45f);
    EXPECT_EQ(north.ramcRad, south.ramcRad);
    const double stNorth = RadToDeg(north.ramcRad) / 15 * 3600;
    EXPECT_LE(SiderealSeconds(north), stNorth);
    EXPECT_GT(SiderealSeconds(north), stNorth - 1);
    EXPECT_NEAR(std::fmod(SiderealSeconds(south) - SiderealSeconds(north) + 86400, 86400), 43200, 1);
    for (const ChartState* s : {&north, &south}) {
        EXPECT_EQ(s->siderealHours, std::floor(s->siderealHours));
        EXPECT_GE(s->siderealMinutes, 0);
        EXPECT_LT(s->siderealMinutes, 60);
        EXPECT_LT(s->siderealSeconds, 60);
    }
}

TEST(HouseLatitude, IsMinusTheDecimalLatitudeAndNeverZero) {
    const ChartState south = SkyAt(2010, 3, 3, 9.00f, "P.M.", 0, 0, -33.45f);
    EXPECT_NEAR(south.houseLatitudeRad, 0.58905, 1e-5);
    EXPECT_NEAR(south.latitudeDegMinAbs, 33.45, 1e-5);
    EXPECT_EQ(south.latitudeWholeDegrees, 33);
    const ChartState north = SkyAt(2010, 3, 3, 9.00f, "P.M.", 0, 0, 40.45f);
    EXPECT_NEAR(north.houseLatitudeRad, -DegToRad(40.75), 1e-6);
    const ChartState equator = SkyAt(2010, 3, 3, 9.00f, "P.M.", 0, 0, 0);
    EXPECT_EQ(equator.houseLatitudeRad, 0.00001);
    EXPECT_TRUE(std::isfinite(equator.ascLongitude));
}

TEST(Obliquity, IsTheMeanObliquityWithItsSignReversed) {
    const ChartState s = SkyAt(2000, 1, 1, 12.00f, "P.M.", 0, 0, 40);
    EXPECT_NEAR(-RadToDeg(s.negObliquityRad), 23.4522944 - 0.0130125 * s.julianCenturies, 1e-12);
    EXPECT_NEAR(-RadToDeg(s.negObliquityRad), 23.4393, 1e-3);
}

// Over a day the RAMC runs through every quadrant: the Midheaven keeps the quadrant of the RAMC and
// the Ascendant follows the textbook formula, in every quadrant, north and south.
TEST(Angles, MidheavenAndAscendantInEveryQuadrant) {
    for (float lat : {40.45f, -33.45f, 0.0f, 60.10f}) {
        std::set<int> ascQuadrants;
        for (int hour = 1; hour <= 12; ++hour) {
            for (const char* mer : {"A.M.", "P.M."}) {
                const ChartState s = SkyAt(2026, 12, 7, static_cast<float>(hour), mer, 5, 74, lat);
                const double ramc = RadToDeg(s.ramcRad);
                const double eps = -s.negObliquityRad;
                EXPECT_EQ(std::floor(s.mcLongitude / 90), std::floor(ramc / 90)) << hour << mer;
                const double mc = RadToDeg(std::atan2(std::sin(s.ramcRad), std::cos(s.ramcRad) * std::cos(eps)));
                EXPECT_NEAR(Normalize360(mc), s.mcLongitude, 1e-7);  // full pi against 3.1415926535
                const double phi = DegToRad(lat < 0 ? -DegMinToDecimal(-lat) : DegMinToDecimal(lat));
                const double asc = RadToDeg(std::atan2(
                    std::cos(s.ramcRad), -(std::sin(s.ramcRad) * std::cos(eps) + std::tan(phi) * std::sin(eps))));
                EXPECT_NEAR(Normalize360(asc - s.ascLongitude + 180) - 180, 0, 1e-6) << lat << " " << hour << mer;
                ascQuadrants.insert(static_cast<int>(s.ascLongitude / 90));
            }
        }
        EXPECT_EQ(ascQuadrants.size(), 4u) << lat;
    }
}

// Whole charts computed independently: New York at the turn of 2000 and Sydney at an equinox
// morning (east longitude, south latitude, negative zone).
TEST(Angles, AgreeWithReferenceCharts) {
    const ChartState ny = SkyAt(2000, 1, 1, 12.00f, "A.M.", 5, 74.00f, 40.45f);
    EXPECT_EQ(ny.dayNumber, 2451545);
    EXPECT_NEAR(ny.ramcRad, 1.765798588679706, 1e-10);
    EXPECT_NEAR(ny.mcLongitude, 100.27132653054025, 1e-8);
    EXPECT_NEAR(ny.ascLongitude, 188.86153308044487, 1e-8);
    EXPECT_EQ(SiderealSeconds(ny), 6 * 3600 + 44 * 60 + 41);

    const ChartState sydney = SkyAt(2024, 3, 20, 6.15f, "A.M.", -10, -151.12f, -33.52f);
    EXPECT_EQ(sydney.dayNumber, 2460390);
    EXPECT_NEAR(sydney.dayFraction, -0.15624999337726167, 1e-15);
    EXPECT_NEAR(sydney.ramcRad, 4.761508477890534, 1e-10);
    EXPECT_NEAR(sydney.mcLongitude, 272.5824965321631, 1e-8);
    EXPECT_NEAR(sydney.ascLongitude, 2.376017358191234, 1e-8);
    EXPECT_EQ(SiderealSeconds(sydney), 6 * 3600 + 11 * 60 + 15);
}

}  // namespace
