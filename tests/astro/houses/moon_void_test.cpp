#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/houses/houses.h"
#include "core/setting_lines.h"

namespace {

constexpr int kSun = 1, kMars = 4, kSaturn = 6, kMoon = 10, kNode = 11, kFortune = 13, kAscendant = 14,
              kMidheaven = 15;

// Sign 1 = Aries; degree within the sign.
double At(int sign, double degree) { return (sign - 1) * 30 + degree; }

// Every body low in its sign (5 degrees, one sign after the Moon's so that it forms no aspect),
// the Moon at 10 Aries.
ChartState QuietChart() {
    ChartState s;
    for (int j = 1; j <= 15; ++j) s.bodyLongitude[j] = At(2, 5);
    s.bodyLongitude[kMoon] = At(1, 10);
    s.settingValues[kFortuneInVoidTestLine] = 0;
    return s;
}

int VoidWith(ChartState s) {
    TestMoonVoid(s);
    return s.moonVoid;
}

TEST(MoonVoid, MoonPastEveryOtherBodyIsVoid) {
    ChartState s = QuietChart();
    for (int j = 1; j <= 14; ++j) s.bodyLongitude[j] = At(j % 12 + 1, 3 + j);  // all below 28 degrees
    s.bodyLongitude[kMoon] = At(5, 28);
    EXPECT_EQ(VoidWith(s), 1);
}

TEST(MoonVoid, AspectsCountByWholeSignDistance) {
    // Distances 0, 2, 3, 4, 6, 8, 9, 10 signs form an aspect, 1, 5, 7, 11 none; in both directions.
    const bool aspect[12] = {true, false, true, true, true, false, true, false, true, true, true, false};
    for (int moonSign : {1, 7, 12}) {
        for (int distance = 0; distance < 12; ++distance) {
            ChartState s = QuietChart();
            s.bodyLongitude[kMoon] = At(moonSign, 10);
            for (int j = 1; j <= 14; ++j)
                if (j != kMoon) s.bodyLongitude[j] = At(moonSign % 12 + 1, 5);
            s.bodyLongitude[kSaturn] = At((moonSign - 1 + distance) % 12 + 1, 15);
            EXPECT_EQ(VoidWith(s), aspect[distance] ? 0 : 1) << moonSign << " " << distance;
        }
    }
}

TEST(MoonVoid, MarsOneSignAheadLeavesTheMoonVoid) {
    ChartState s = QuietChart();
    s.bodyLongitude[kMars] = At(2, 15);
    EXPECT_EQ(VoidWith(s), 1);
    s.bodyLongitude[kSaturn] = At(4, 15);  // Saturn at 15 Cancer: a square
    EXPECT_EQ(VoidWith(s), 0);
}

TEST(MoonVoid, BodiesTheMoonHasAlreadyPassedDoNotCount) {
    ChartState s = QuietChart();
    s.bodyLongitude[kSaturn] = At(5, 9.5);  // a trine, but lower in its sign than the Moon
    EXPECT_EQ(VoidWith(s), 1);
}

TEST(MoonVoid, PartOfFortuneCountsOnlyWhenTheSettingSaysSo) {
    ChartState s = QuietChart();
    s.bodyLongitude[kFortune] = At(5, 20);  // 20 Leo, a trine to 10 Aries
    s.settingValues[kFortuneInVoidTestLine] = 1;
    EXPECT_EQ(VoidWith(s), 0);
    s.settingValues[kFortuneInVoidTestLine] = 0;
    EXPECT_EQ(VoidWith(s), 1);
    s.settingValues[kFortuneInVoidTestLine] = 0.5f;  // any value but 0
    EXPECT_EQ(VoidWith(s), 0);
}

TEST(MoonVoid, NodesAscendantAndMidheavenNeverCount) {
    ChartState s = QuietChart();
    s.settingValues[kFortuneInVoidTestLine] = 1;
    s.bodyLongitude[kNode] = At(5, 20);
    s.bodyLongitude[kNode + 1] = At(11, 20);
    s.bodyLongitude[kAscendant] = At(1, 25);
    s.bodyLongitude[kMidheaven] = At(4, 25);
    EXPECT_EQ(VoidWith(s), 1);
}

// Of two bodies at the same degree within their signs the higher index sorts first: the Sun at the
// Moon's degree is still ahead of the Moon, the Part of Fortune at the Moon's degree is behind it.
TEST(MoonVoid, TiesSortTheHigherBodyIndexFirst) {
    ChartState s = QuietChart();
    s.bodyLongitude[kSun] = At(5, 10);
    EXPECT_EQ(VoidWith(s), 0);
    s = QuietChart();
    s.settingValues[kFortuneInVoidTestLine] = 1;
    s.bodyLongitude[kFortune] = At(5, 10);
    EXPECT_EQ(VoidWith(s), 1);
}

TEST(MoonVoid, WorkingTablesHoldTheSortedDegreesInSign) {
    ChartState s = QuietChart();
    s.bodyLongitude[kSun] = 359.75;
    s.bodyLongitude[kMars] = 30;
    s.bodyLongitude[kSaturn] = 0;
    TestMoonVoid(s);
    for (int i = 1; i <= 13; ++i) EXPECT_LE(s.degreeInSign[i], s.degreeInSign[i + 1]) << i;
    for (int i = 1; i <= 14; ++i) {
        const int body = static_cast<int>(s.degreeOrder[i]);
        EXPECT_EQ(s.degreeInSign[i], std::fmod(s.bodyLongitude[body], 30)) << body;
    }
    EXPECT_EQ(s.degreeInSign[14], 29.75);
    EXPECT_EQ(s.degreeOrder[14], kSun);
}

// Longitudes far outside a chart's range (wild settings reach them through the whole update) are
// reduced in bounded time and give a defined answer.
TEST(MoonVoid, HugeAndNonFiniteLongitudesAreReducedInBoundedTime) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ChartState s = QuietChart();
    s.bodyLongitude[kSun] = 1e300;
    s.bodyLongitude[kMars] = inf;
    s.bodyLongitude[kSaturn] = 725;
    s.bodyLongitude[3] = nan;
    s.bodyLongitude[5] = -inf;
    s.bodyLongitude[7] = 390;
    TestMoonVoid(s);
    EXPECT_TRUE(s.moonVoid == 0 || s.moonVoid == 1);
    for (int i = 1; i <= 14; ++i) {
        const int body = static_cast<int>(s.degreeOrder[i]);
        const double d = s.degreeInSign[i];
        if (body == kSun) {
            EXPECT_EQ(d, std::fmod(1e300, 30));
        } else if (body == kSaturn) {
            EXPECT_EQ(d, 5);
        } else if (body == 7) {
            EXPECT_EQ(d, 0);
        } else if (body == kMars || body == 3) {
            EXPECT_TRUE(std::isnan(d));
        } else if (body == 5) {
            EXPECT_EQ(d, -inf);
        }
    }

    ChartState moonLost = QuietChart();
    moonLost.bodyLongitude[kMoon] = inf;
    TestMoonVoid(moonLost);
    EXPECT_EQ(moonLost.moonVoid, 1);
}

}  // namespace
