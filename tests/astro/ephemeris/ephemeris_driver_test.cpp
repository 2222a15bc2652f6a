// The ephemeris driver: retrograde marks, the derived chart points, and whole charts against the
// independently computed reference charts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"
#include "core/numeric.h"
#include "ephemeris_test_support.h"
#include "core/setting_lines.h"
#include "support/angles.h"
#include "support/reference_charts.h"

namespace {

ChartState ChartAtDay(double dayNumber, double dayFraction) {
    ChartState s = EphemerisState();
    s.dayNumber = dayNumber;
    s.dayFraction = dayFraction;
    s.julianCenturies = CenturiesFrom1900(dayNumber, dayFraction);
    s.ascLongitude = 200;
    s.mcLongitude = 111;
    s.houseCusp[4] = 201;  // the cusp as the house system left it, not ascLongitude
    return s;
}

}  // namespace

TEST(RetrogradeMarks, MotionAcrossZeroAndStandstill) {
    EXPECT_FALSE(IsRetrograde(359.8, 0.3));
    EXPECT_TRUE(IsRetrograde(0.3, 359.8));
    EXPECT_FALSE(IsRetrograde(10, 11));
    EXPECT_TRUE(IsRetrograde(11, 10));
    EXPECT_FALSE(IsRetrograde(42.5, 42.5));
    EXPECT_FALSE(IsRetrograde(0, 0));
    // Exactly half a turn counts as crossing 0 degrees.
    EXPECT_TRUE(IsRetrograde(10, 190));
    EXPECT_FALSE(IsRetrograde(190, 10));
}

TEST(EphemerisDriver, WorkedExampleOf2000January1) {
    ChartState s = ChartAtDay(kDay2000, 0);
    ComputeEphemeris(s);
    EXPECT_NEAR(s.bodyLongitude[2], 271.129, 1e-3);
    EXPECT_NEAR(s.bodyLongitude[3], 240.975, 1e-3);
    EXPECT_NEAR(s.bodyLongitude[4], 327.588, 1e-3);
    EXPECT_NEAR(s.bodyLongitude[5], 25.2434, 1e-4);
    EXPECT_NEAR(s.bodyLongitude[6], 40.4133, 1e-4);
    EXPECT_NEAR(s.bodyLongitude[7], 314.7957, 1e-4);  // with the Uranus longitude term
    EXPECT_NEAR(s.bodyLongitude[8], 303.1931, 1e-4);  // with the Neptune longitude term
    EXPECT_NEAR(s.bodyLongitude[9], 251.4326, 1e-4);  // with the precession term of 0.66498
    // The time argument ends at the moment again; the next day's is kept beside it.
    EXPECT_EQ(s.julianCenturies, CenturiesFrom1900(kDay2000, 0));
    EXPECT_NEAR(s.julianCenturiesNext - CenturiesFrom1900(kDay2000, 0), 1.0 / 36525, 1e-15);
}

TEST(EphemerisDriver, DerivedPointsNodesAndAngles) {
    for (double day : {2415021.0, 2440423.0, 2451545.0, 2461382.0}) {
        ChartState s = ChartAtDay(day, 0.3);
        ComputeEphemeris(s);
        const auto& b = s.bodyLongitude;
        for (int i = 1; i <= 15; ++i) {
            EXPECT_GE(b[i], 0) << day << " body " << i;
            EXPECT_LT(b[i], 360) << day << " body " << i;
        }
        EXPECT_NEAR(Normalize360(b[12] - b[11]), 180, 1e-9) << day;
        EXPECT_NEAR(AngleDifference(b[13], b[10] + 200 - b[1]), 0, 1e-9) << day;  // Ascendant + Moon - Sun
        EXPECT_EQ(b[14], 201) << day;
        EXPECT_EQ(b[15], 111) << day;
        EXPECT_EQ(s.retroFlags.size(), 15u);
        for (int i : {1, 10, 11, 12, 13, 14, 15}) EXPECT_EQ(s.retroFlags[i - 1], ' ') << day << " body " << i;
        // The true node stays within about two degrees of the mean node.
        EXPECT_LT(AngleDifference(s.altNodeLongitude, b[11]), 2.0) << day;
    }
}

TEST(EphemerisDriver, PlutoPrecessionTermUsesTheWholeDayNumber) {
    // At day number 2433283 the driver adds nothing to Pluto's geocentric longitude, whatever the
    // day fraction; fifty Julian years later it adds 0.665 degrees.
    for (double fraction : {0.0, 0.75}) {
        ChartState s = ChartAtDay(2433283, fraction);
        ComputeEphemeris(s);
        ChartState direct = EphemerisState();
        direct.julianCenturies = CenturiesFrom1900(2433283, fraction);
        direct.bodyIndex = 1;
        ComputeOuterPlanet(direct);
        direct.bodyIndex = 9;
        ComputeOuterPlanet(direct);
        EXPECT_NEAR(s.bodyLongitude[9], Normalize360(direct.geoLongitude), 1e-12) << fraction;
    }
    ChartState later = ChartAtDay(2433283 + 18262.5 + 0.5, 0.5);  // dayNumber 2451546
    ComputeEphemeris(later);
    ChartState direct = EphemerisState();
    direct.julianCenturies = CenturiesFrom1900(later.dayNumber, 0.5);
    direct.bodyIndex = 1;
    ComputeOuterPlanet(direct);
    direct.bodyIndex = 9;
    ComputeOuterPlanet(direct);
    EXPECT_NEAR(AngleDifference(later.bodyLongitude[9], direct.geoLongitude),
                (2451546.0 - 2433283) * 1.33 / 36525, 1e-9);
}

TEST(EphemerisDriver, SiderealShiftAtItsEpoch) {
    // Half a day after JD 2415020: 22.46045833333 degrees, the drift of half a day and the nutation
    // (at most about 18.5 arcseconds).
    ChartState s = ChartAtDay(2415021, 0);
    ComputeEphemeris(s);
    const double drift = 22.46045833333 + 0.5 / 365.25 / 71.61;
    EXPECT_LT(std::fabs(s.siderealShift - drift), 18.6 / 3600);
    EXPECT_GT(std::fabs(s.siderealShift - drift), 1.0 / 3600);  // the nutation is there
    // 71.61 Julian years later the shift has grown by one degree, up to the change of the nutation.
    ChartState later = ChartAtDay(2415021 + 71.61 * 365.25, 0);
    ComputeEphemeris(later);
    EXPECT_NEAR(later.siderealShift - s.siderealShift, 1, 2 * 18.6 / 3600);
}

// The driver's own positions against the reference charts of the tropical zodiac and the mean node; the
// node option and the zodiac shifts that the update applies afterwards are checked with the update, and
// every chart as a whole through kelo-chart.
TEST(ReferenceCharts, WholeChartsAgreeWithTheIndependentComputation) {
    std::array<double, 16> worstBody{};
    double worstPrecession = 0;
    double worstSidereal = 0;
    double worstNode = 0;
    int compared = 0;
    for (const std::string& name : ReferenceChartNames()) {
        const ReferenceChartFiles r = LoadReferenceChart(name);
        const nlohmann::json& e = r.expected;
        if (e["settingsError"] != 0) continue;  // a chart the settings checks refused has no positions
        if (r.SettingsLine(kNodeLine) != 0 || r.SettingsLine(kZodiacLine) != 0) continue;
        ASSERT_EQ(e["bodyLongitude"].size(), 15u) << name;
        ASSERT_EQ(e["houseCusp"].size(), 12u) << name;

        ChartState s = EphemerisState();
        s.dayNumber = e["dayNumber"];
        s.dayFraction = e["dayFraction"];
        s.julianCenturies = CenturiesFrom1900(s.dayNumber, s.dayFraction);
        s.ascLongitude = e["ascLongitude"];
        s.mcLongitude = e["mcLongitude"];
        s.houseCusp[4] = e["houseCusp"][3];
        ComputeEphemeris(s);

        for (int i = 1; i <= 15; ++i) {
            const double d = AngleDifference(s.bodyLongitude[i], e["bodyLongitude"][i - 1]);
            worstBody[i] = std::max(worstBody[i], d);
            EXPECT_LT(d, i <= 13 ? 1e-6 : 1e-4) << name << " body " << i;
        }
        EXPECT_EQ(s.retroFlags, e["retroFlags"]) << name;
        const double precession = AngleDifference(s.precessionShift, e["precessionShift"]);
        const double sidereal = std::fabs(s.siderealShift - e["siderealShift"].get<double>());
        const double node = AngleDifference(s.altNodeLongitude, e["altNodeLongitude"]);
        worstPrecession = std::max(worstPrecession, precession);
        worstSidereal = std::max(worstSidereal, sidereal);
        worstNode = std::max(worstNode, node);
        EXPECT_LT(precession, 1e-6) << name;
        EXPECT_LT(sidereal, 1e-6) << name;
        EXPECT_LT(node, 1e-6) << name;
        ++compared;
    }
    EXPECT_GE(compared, 10) << "too few reference charts under " << ReferenceChartsDir();

    std::cout << "largest difference from the reference charts (" << compared << " charts), degrees:\n";
    for (int i = 1; i <= 15; ++i) std::cout << "  body " << i << ": " << worstBody[i] << "\n";
    std::cout << "  precessionShift: " << worstPrecession << "\n  siderealShift: " << worstSidereal
              << "\n  altNodeLongitude: " << worstNode << "\n";
}

namespace {

// The planets at a day number and fraction, each computed in full as the driver computes them at the
// moment, with the Earth of each group; the outer group's Earth is left in s.
struct PlanetDay {
    std::array<double, 10> longitude{};  // bodies 2..9
    PlanetMotions motion{};              // bodies 2..9
    std::array<PlanetMotion, 2> earth;   // the inner group's Earth, then the outer group's
    std::array<PlanePosition, 2> earthPlace;
};
PlanePosition EarthPlaceAfterPosition(const ChartState& s) {
    const double b = s.earthLatitude * kPi / 180, l = s.earthLongitude * kPi / 180;
    return {s.earthRadius * std::cos(b) * std::cos(l), s.earthRadius * std::cos(b) * std::sin(l)};
}
PlanetDay FullPlanetDay(ChartState& s, double dayNumber, double dayFraction) {
    PlanetDay d;
    s.dayNumber = dayNumber;
    for (const bool outer : {false, true}) {
        s.julianCenturies = outer ? CenturiesFrom1900(dayNumber, dayFraction) : CenturiesFrom2000(dayNumber, dayFraction);
        for (int index = 1; index <= 9; ++index) {
            if (index > 1 && (index >= 5) != outer) continue;
            s.bodyIndex = index;
            if (outer) {
                ComputeOuterPlanet(s);
            } else {
                ComputeInnerPlanet(s);
            }
            if (index == 1) {
                d.earth[outer] = PlanetMotionAfterPosition(s);
                d.earthPlace[outer] = EarthPlaceAfterPosition(s);
                continue;
            }
            d.longitude[index] = outer ? OuterBodyLongitude(s, index) : Normalize360(s.geoLongitude);
            d.motion[index] = PlanetMotionAfterPosition(s);
        }
    }
    return d;
}

}  // namespace

// The marks of the planets come from an estimate of the next day's positions where the estimated motion
// is clearly away from zero. Over the span the driver trusts it for, the estimate must stay well inside
// that margin of the full computation, or a mark could differ from the full computation's.
TEST(NextDayEstimate, StaysWellInsideItsMarginOverTheCheckedSpan) {
    ChartState s = EphemerisState();
    std::array<double, 10> worst{};
    double worstEarth = 0;  // km
    int samples = 0;
    const double firstDay = 2415020 + kEstimateFrom1900 * 36525, lastDay = 2415020 + kEstimateTo1900 * 36525;
    for (double day = firstDay; day <= lastDay; day += 19.7, ++samples) {
        const double dayNumber = std::floor(day);
        const double fraction = day - dayNumber;
        const PlanetDay now = FullPlanetDay(s, dayNumber, fraction);
        const PlanetDay next = FullPlanetDay(s, dayNumber, fraction + 1);
        std::array<PlanePosition, 2> earth;  // inner, outer
        for (const bool outer : {false, true}) {
            earth[outer] = NextDayEarth(s, now.earth[outer]);
            const PlanePosition& full = next.earthPlace[outer];
            worstEarth = std::max(worstEarth, std::hypot(earth[outer].x - full.x, earth[outer].y - full.y));
        }
        for (int index = 2; index <= 9; ++index) {
            const double estimate = EstimatedNextDayLongitude(s, index, now.motion[index], earth[index >= 5]);
            worst[index] = std::max(worst[index], std::fabs(DayMotion(next.longitude[index], estimate)));
        }
    }
    std::cout << "largest error of the next-day estimate over " << samples << " moments, the Earth: " << worstEarth
              << " km; the planets, degrees:\n";
    for (int index = 2; index <= 9; ++index) {
        std::cout << "  body " << index << ": " << worst[index] << "\n";
        EXPECT_LT(worst[index], kClearDayMotion[index] / 5) << "body " << index;
    }
    // The Earth's estimate misses little more than a day of precession (0.14" of arc, 100 km).
    EXPECT_LT(worstEarth, 200);
}

// Whole driver runs give the marks of the full computation: through a year of daily charts (every planet
// stands still at least once), and at dates outside the checked span, where every planet is computed in
// full.
TEST(NextDayEstimate, MarksEqualTheFullComputation) {
    struct Run { double firstDay; int days; const char* why; };  // charts at noon
    const Run runs[] = {
        {2461041.5, 400, "2026: stations of every planet"},
        {1903682.5, 150, "AD 500, before the checked span"},
        {3182030.5, 150, "AD 4000, after it"},
    };
    for (const Run& run : runs) {
        int retrograde = 0;
        for (int day = 0; day < run.days; ++day) {
            ChartState s = ChartAtDay(run.firstDay + day, 0.5);
            ComputeEphemeris(s);
            ChartState full = EphemerisState();
            const PlanetDay now = FullPlanetDay(full, s.dayNumber, 0.5);
            const PlanetDay next = FullPlanetDay(full, s.dayNumber, 1.5);
            for (int index = 2; index <= 9; ++index) {
                const bool expected = IsRetrograde(now.longitude[index], next.longitude[index]);
                EXPECT_EQ(s.retroFlags[index - 1] == 'R', expected) << run.why << ", day " << day << ", body " << index;
                retrograde += expected;
            }
        }
        EXPECT_GT(retrograde, run.days / 2) << run.why;
    }
}
