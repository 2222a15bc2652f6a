#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "astro/houses/houses.h"

namespace {

const std::string kOrdinals = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";
const std::string kFreshLine = "---- --------- -----" + std::string(130, ' ');

// Cusps of a quadrant chart in slot order (slot 1 the 10th cusp, slot 4 the 1st, slot 8 the 5th).
// The 5th house (slot 8) runs from 350 over 0 to 20 degrees.
ChartState WithCusps() {
    ChartState s;
    s.houseOrdinals = kOrdinals;
    s.houseLine = kFreshLine;
    const double cusps[] = {0, 140, 170, 200, 230, 260, 290, 320, 350, 20, 50, 80, 110};
    for (int k = 1; k <= 12; ++k) s.houseCusp[k] = cusps[k];
    for (int j = 1; j <= 15; ++j) s.bodyLongitude[j] = 175;  // 11th house unless a test moves them
    return s;
}

std::string HouseOf(const ChartState& s, int body) { return s.houseLine.substr(10 * body - 10, 4); }

TEST(HouseLine, TenCharactersPerBody) {
    ChartState s = WithCusps();
    s.bodyLongitude[1] = 265;  // 2nd house (slot 5)
    s.bodyLongitude[15] = 100;  // 8th house (slot 11)
    BuildHouseLine(s);
    ASSERT_EQ(s.houseLine.size(), 150u);
    EXPECT_EQ(s.houseLine.substr(0, 20), " 2ND HOUSE11TH HOUSE");
    EXPECT_EQ(s.houseLine.substr(140, 10), " 8TH HOUSE");
    for (int j = 1; j <= 15; ++j) EXPECT_EQ(s.houseLine.substr(10 * j - 6, 6), " HOUSE") << j;
}

TEST(HouseLine, EveryBodysHouseNumberIsItsOrdinal) {
    ChartState s = WithCusps();
    for (int j = 1; j <= 15; ++j) s.bodyLongitude[j] = 24.0 * j - 0.5;
    BuildHouseLine(s);
    for (int j = 1; j <= 15; ++j) {
        EXPECT_EQ(s.bodyHouse[j], std::stoi(HouseOf(s, j))) << j;
        EXPECT_EQ(s.bodyHouse[j], HouseOfLongitude(s, s.bodyLongitude[j])) << j;
    }
}

TEST(HouseLine, BodyOnACuspOrJustShortOfItBelongsToTheHouseTheCuspBegins) {
    ChartState s = WithCusps();
    const double fifthCusp = s.houseCusp[8];  // slot 8 holds the 5th cusp, 350 degrees
    s.bodyLongitude[1] = fifthCusp;
    s.bodyLongitude[2] = fifthCusp - 0.05 / 3600;
    s.bodyLongitude[3] = fifthCusp - 1.0 / 36000;
    s.bodyLongitude[4] = fifthCusp - 0.2 / 3600;
    s.bodyLongitude[5] = s.houseCusp[4];  // on the Ascendant
    s.bodyLongitude[6] = s.houseCusp[4] - 0.2 / 3600;
    BuildHouseLine(s);
    EXPECT_EQ(HouseOf(s, 1), " 5TH");
    EXPECT_EQ(HouseOf(s, 2), " 5TH");
    EXPECT_EQ(HouseOf(s, 3), " 5TH");
    EXPECT_EQ(HouseOf(s, 4), " 4TH");
    EXPECT_EQ(HouseOf(s, 5), " 1ST");
    EXPECT_EQ(HouseOf(s, 6), "12TH");
}

TEST(HouseLine, HouseRunningOverZeroDegreesHoldsBodiesOnBothSides) {
    ChartState s = WithCusps();  // the 5th house runs from 350 to 20 degrees
    s.bodyLongitude[6] = 355;
    s.bodyLongitude[7] = 5;
    s.bodyLongitude[8] = 0;
    s.bodyLongitude[9] = 20;  // the 6th cusp
    BuildHouseLine(s);
    EXPECT_EQ(HouseOf(s, 6), " 5TH");
    EXPECT_EQ(HouseOf(s, 7), " 5TH");
    EXPECT_EQ(HouseOf(s, 8), " 5TH");
    EXPECT_EQ(HouseOf(s, 9), " 6TH");
}

// A body in the last tenth of a second of arc before 0 degrees is nudged to 360 or beyond; it is taken
// round to 0 and so lands in the house containing 0 degrees, also in a chart's first update, where
// the line still holds its placeholder (which no house drawing could use).
TEST(HouseLine, BodyJustShortOfZeroDegreesStillGetsAHouse) {
    ChartState s = WithCusps();
    s.bodyLongitude[10] = 360 - 0.05 / 3600;
    s.bodyLongitude[11] = std::nextafter(360.0, 0.0);
    BuildHouseLine(s);
    EXPECT_EQ(HouseOf(s, 10), " 5TH");
    EXPECT_EQ(HouseOf(s, 11), " 5TH");

    // With a cusp just past 0 degrees the body belongs to the house that cusp begins.
    ChartState t = WithCusps();
    t.houseCusp[8] = 0.00001;
    t.bodyLongitude[12] = 360 - 0.05 / 3600;
    t.bodyLongitude[13] = 359.999;
    BuildHouseLine(t);
    EXPECT_EQ(HouseOf(t, 12), " 5TH");
    EXPECT_EQ(HouseOf(t, 13), " 4TH");
}

TEST(HouseLine, BodyInNoHouseKeepsItsEarlierOrdinal) {
    ChartState s = WithCusps();
    s.bodyLongitude[3] = 265;
    BuildHouseLine(s);
    ASSERT_EQ(HouseOf(s, 3), " 2ND");
    s.bodyLongitude[3] = std::numeric_limits<double>::quiet_NaN();
    BuildHouseLine(s);
    EXPECT_EQ(HouseOf(s, 3), " 2ND");
    EXPECT_EQ(s.bodyHouse[3], 2);
    EXPECT_EQ(s.houseLine.size(), 150u);
    // Before any chart the house is the first.
    EXPECT_EQ(ChartState().bodyHouse[3], 1);
}

TEST(HouseOfLongitude, NoHouseHoldsANonFiniteLongitudeOrAnyLongitudeAmongNonFiniteCusps) {
    ChartState s = WithCusps();
    EXPECT_EQ(HouseOfLongitude(s, 265), 2);
    EXPECT_EQ(HouseOfLongitude(s, std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(HouseOfLongitude(s, std::numeric_limits<double>::infinity()), 0);
    s.houseCusp.fill(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(HouseOfLongitude(s, 265), 0);
}

TEST(HouseLine, WhereCuspsOverlapTheLaterSlotWins) {
    ChartState s = WithCusps();
    s.houseCusp[5] = 300;  // slot 4 now runs 230..300, slot 5 wraps round from 300 to 290
    s.bodyLongitude[1] = 245;
    BuildHouseLine(s);
    EXPECT_EQ(HouseOf(s, 1), " 2ND");
}

TEST(HouseLine, ShortTextsAreNeverWrittenPastTheirEnd) {
    ChartState s = WithCusps();
    s.houseLine = "---- -----";
    s.houseOrdinals = "10TH";
    s.bodyLongitude[1] = 150;
    BuildHouseLine(s);
    EXPECT_EQ(s.houseLine, "10TH HOUSE");
    s.bodyLongitude[1] = 265;  // its slot has no ordinal in this text
    s.houseLine = "---- -----";
    BuildHouseLine(s);
    EXPECT_EQ(s.houseLine, "---- HOUSE");
}

}  // namespace
