// kelo-chart's "layout" object, for one chart of each wheel mode, against values worked out by hand from
// the placement rules.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "apps/kelo-chart/chart_picture.h"
#include "render_fixture.h"
#include "core/setting_lines.h"

namespace {

using nlohmann::json;

// Houses 1..12 begin at these longitudes: house 1 runs from Aries into Gemini (Taurus intercepted), house
// 7 from Libra into Sagittarius (Scorpio intercepted). The Descendant is at 205.
const double kCusps[] = {0, 25, 65, 85, 115, 145, 175, 205, 245, 265, 295, 325, 355};

ChartState LayoutChart(int wheelMode) {
    ChartState s = MakeChart(wheelMode);
    for (int j = 1; j <= 12; ++j) SetHouseCusp(s, j, kCusps[j]);
    return s;
}

json PaintAndRead(ChartState& s) {
    RecordingSurface surface;
    PaintOn(s, surface);
    return json::parse(LayoutJson(s));
}

void ExpectNumbers(const json& actual, const std::vector<double>& expected, const char* key) {
    ASSERT_EQ(actual.size(), expected.size()) << key;
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i].get<double>(), expected[i], 1e-9) << key << "[" << i << "]";
}

const std::vector<double> kHouseSizes = {30, 30, 30, 40, 20, 30, 30, 30, 30, 40, 20, 30};  // cusp slots 1..12
const std::vector<int> kIntercepted = {2, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0};

}  // namespace

TEST(LayoutJson, TrueCuspChart) {
    ChartState s = LayoutChart(1);
    // A tight group in house 3, the Sun exactly sextile the Moon (orb 0.5, so that Mercury at 59 and Venus
    // at 57.5 from the Moon are not), and no other aspect among bodies 1..10.
    SetBodies(s, {{1, 100, 3}, {2, 101, 3}, {3, 102.5, 3}, {4, 307, 10}, {5, 231, 7}, {6, 331, 11},
                  {7, 201, 6}, {8, 259, 8}, {9, 269, 9}, {10, 160, 5}, {11, 40, 1}, {12, 220, 7},
                  {13, 15, 12}, {14, 25, 1}, {15, 295, 10}});
    s.settingValues[kOrb60Line] = 0.5f;
    const json layout = PaintAndRead(s);

    EXPECT_EQ(layout["wheelMode"], 1);
    ExpectNumbers(layout["houseSize"], kHouseSizes, "houseSize");
    EXPECT_EQ(layout["intercepted"].get<std::vector<int>>(), kIntercepted);
    // The Ascendant line, then each cusp at (cusp - 25) + 180.
    ExpectNumbers(layout["spokeAngles"], {180, 180, 220, 240, 270, 300, 330, 0, 40, 60, 90, 120, 150}, "spokeAngles");

    // Ranks by descending longitude, angles t = longitude - 205 (from the Descendant):
    //  Saturn 331: t 126, alone in house 11 (ends at 150): room 4, then 2 forward   -> 128
    //  Mars 307: t 102, first of 2 in house 10 (ends at 120): w = 112, 2 forward      -> 104
    //  Midheaven 295: t 90, 14 behind Mars: touching, 4 past it                       -> 108
    //  Pluto 269: t 64, house 9 ends at 90: 2 forward                                 -> 66
    //  Neptune 259: t 54, 12 behind Pluto: touching                                   -> 70
    //  Jupiter 231: t 26, first of 2 in house 7 (ends at 40): w = 32, 2 forward       -> 28
    //  opposite node 220: t 15, 13 behind Jupiter: touching                           -> 32
    //  Uranus 201: t 356, house 6 ends at 0: w = 356, no step forward past the cusp   -> 356
    //  Moon 160: t 315, house 5 ends at 330: 2 forward                                -> 317
    //  Venus 102.5: t 257.5, first of 3 in house 3 (ends at 270): w = 258; lower left -> 257.5
    //  Mercury 101: t 256, 1.5 behind Venus: touching                                 -> 261.5
    //  Sun 100: t 255, 6.5 behind Mercury: touching                                   -> 265.5
    //  node 40: t 195, first of 2 in house 1 (ends at 220): w = 212; lower left       -> 195
    //  Ascendant 25: t 180, 15 behind the node: touching                              -> 199
    //  Part of Fortune 15: t 170, house 12 ends at 180: w = 176, 2 forward            -> 172
    ExpectNumbers(layout["bodyDrawAngle"],
                  {265.5, 261.5, 257.5, 104, 28, 128, 356, 70, 66, 317, 195, 32, 172, 199, 108}, "bodyDrawAngle");
    // Reversed on the left half, 75 <= angle < 255.
    EXPECT_EQ(layout["textReversed"].get<std::vector<bool>>(),
              (std::vector<bool>{false, false, false, true, false, true, false, false, false, false, true, false, true,
                                 true, true}));
    EXPECT_EQ(layout["aspects"], json::parse("[[1, 10, 3], [10, 1, 3]]"));
}

TEST(LayoutJson, EqualSectorChart) {
    ChartState s = LayoutChart(0);
    // Eight bodies in house 4 (115..145): the opposite node and the Part of Fortune are left out.
    const double crowd[] = {0, 116, 118, 120, 122, 124, 126};
    for (int b = 1; b <= 6; ++b) SetBody(s, b, crowd[b], 4);
    SetBodies(s, {{12, 128, 4}, {13, 130, 4}, {7, 201, 6}, {8, 259, 8}, {9, 269, 9}, {10, 160, 5},
                  {11, 308, 10}, {14, 25, 1}, {15, 295, 10}});
    s.settingValues[kAspectLinesLine] = 0;  // aspects off
    const json layout = PaintAndRead(s);

    EXPECT_EQ(layout["wheelMode"], 0);
    ExpectNumbers(layout["houseSize"], kHouseSizes, "houseSize");
    EXPECT_EQ(layout["intercepted"].get<std::vector<int>>(), kIntercepted);
    ExpectNumbers(layout["spokeAngles"], {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330}, "spokeAngles");

    // Slot s of house H at slotAngles(H) + 4 s, s = Trunc(7 d / house size) moved to leave room:
    //  node 308, house 10 (from 295, size 30): d 13, s 3                      -> 95 + 12 = 107
    //  Midheaven 295: d 0, s 0                                                 -> 95
    //  Pluto 269, house 9 (from 265): d 4, s 0                                 -> 65
    //  Neptune 259, house 8 (from 245, size 20): d 14, s 4                     -> 34 + 16 = 50
    //  Uranus 201, house 6 (from 175): d 26, s 6, kept (7 - 6 - 1 + 1 > 0)     -> 335 + 24 = 359
    //  Moon 160, house 5 (from 145): d 15, s 3                                 -> 304 + 12 = 316
    //  Part of Fortune, opposite node: house 4 holds 8 bodies, left out
    //  Saturn 126, house 4: d 11, s 2, no room for 7 more: 7 - 8 < 0 -> 0      -> 272
    //  Jupiter, Mars, Venus, Mercury, the Sun: the next free slots 1..5        -> 276 .. 292
    //  Ascendant 25: on the cusp of house 1                                    -> 180
    const json angles = layout["bodyDrawAngle"];
    ExpectNumbers(json::array({angles[0], angles[1], angles[2], angles[3], angles[4], angles[5], angles[6], angles[7],
                               angles[8], angles[9], angles[10], angles[13], angles[14]}),
                  {292, 288, 284, 280, 276, 272, 359, 50, 65, 316, 107, 180, 95}, "bodyDrawAngle");
    EXPECT_TRUE(angles[11].is_null());
    EXPECT_TRUE(angles[12].is_null());
    // Houses 1..3 and 10..12 reversed.
    const json reversed = layout["textReversed"];
    EXPECT_EQ(reversed, json::parse("[false, false, false, false, false, false, false, false, false, false, true, "
                                    "null, null, true, true]"));
    EXPECT_EQ(layout["aspects"], json::array());
}
