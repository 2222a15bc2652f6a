// Body placement: sorting and grouping, the equal-sector slots, the true-cusp spreading, the skipped
// bodies of a crowded house, the text directions, retrograde marks and the void-of-course Moon.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <set>
#include <utility>

#include "render/body_glyphs.h"
#include "render/text_primitives.h"
#include "render_fixture.h"
#include "core/setting_lines.h"

namespace {

constexpr double kPi = 3.1415926535;
double Cos(double deg) { return std::cos(deg * kPi / 180); }
double Sin(double deg) { return std::sin(deg * kPi / 180); }

using Op = RecordingSurface::Op;

// The prints from the glyph of body b up to (not including) the next body glyph or other layer.
std::vector<Op> BodyPrints(const RecordingSurface& surface, int b) {
    const auto prints = surface.Prints();
    std::vector<Op> out;
    for (std::size_t i = 0; i < prints.size(); ++i) {
        if (prints[i].text != GlyphText(223 + b)) continue;
        out.push_back(prints[i]);
        for (std::size_t k = i + 1; k < prints.size(); ++k) {
            const unsigned char c = static_cast<unsigned char>(prints[k].text[0]);
            if (prints[k].text.size() != 1 || (c >= 224 && c <= 238) || (c >= 162 && c <= 170)) break;
            out.push_back(prints[k]);
        }
        break;
    }
    return out;
}

// The drawing angle of each body named, in degrees.
void ExpectDrawAngles(const ChartState& s, std::initializer_list<std::pair<int, double>> angles) {
    for (const auto& [b, angle] : angles) EXPECT_DOUBLE_EQ(s.bodyDrawAngle[b], angle) << "body " << b;
}

std::string Texts(const std::vector<Op>& ops, std::size_t from, std::size_t to) {
    std::string t;
    for (std::size_t i = from; i < to && i < ops.size(); ++i) t += ops[i].text;
    return t;
}

}  // namespace

TEST(BodyOrder, SortedByDescendingLongitudeAndRotatedToKeepAHouseAcrossAriesTogether) {
    ChartState s = MakeChart();
    // House 12 runs from 345 to 15: the Part of Fortune at 352 and Saturn moved to 5 belong together.
    SetBody(s, 6, 5, 12);
    SortBodies(s);
    EXPECT_EQ(s.bodyOrder[1], 13);  // 352
    EXPECT_EQ(s.bodyOrder[15], 6);  // 5
    GroupBodiesByHouse(s);
    // Saturn (house 12) moved from the end of the list to the front.
    EXPECT_EQ(s.bodyOrder[1], 6);
    EXPECT_EQ(s.bodyOrder[2], 13);
    EXPECT_EQ(s.bodyOrder[15], 14);  // the Ascendant (15, house 1) is last now
    EXPECT_EQ(s.houseBodyCount[12], 2);
    EXPECT_EQ(s.houseBodyCount[1], 2);  // the Sun and the Ascendant
    EXPECT_EQ(s.houseBodyCount[5], 2);
}

TEST(TrueCuspPlacement, ATightGroupFansOutCounterClockwiseFourDegreesApart) {
    ChartState s = MakeChart(1);
    // Four bodies within 4 degrees in house 4 (105..135, drawn from 270 to 300).
    SetBodies(s, {{3, 121, 4}, {2, 120, 4}, {1, 119, 4}, {4, 117, 4}});
    RecordingSurface surface;
    PaintOn(s, surface);
    // Venus leads: at 286 it would leave room for the three to come (end of the house 300 - 16 = 284),
    // then moves 2 degrees forward. The others follow 4 degrees apart, in reverse longitude order.
    ExpectDrawAngles(s, {{3, 286}, {2, 290}, {1, 294}, {4, 298}});
    // Jupiter (152) touches the opposite node (155, drawn at 322): 4 degrees on.
    ExpectDrawAngles(s, {{12, 322}, {5, 326}});
    // The printed position is still the body's own: Mercury 0 Leo 00.
    const auto mercury = BodyPrints(surface, 2);
    ASSERT_EQ(mercury.size(), 6u);
    EXPECT_EQ(Texts(mercury, 1, 6), "00" + GlyphText(196) + "00");
    // The glyph hangs from the rim at its angle.
    EXPECT_NEAR(mercury[0].x, s.rimRadius[290] * Cos(290), 1e-4);
    EXPECT_NEAR(mercury[0].y, s.rimRadius[290] * Sin(290), 1e-4);
}

TEST(TrueCuspPlacement, ALoneBodyNearTheEndOfItsHouseStaysClearOfTheCusp) {
    ChartState s = MakeChart(1);
    // Mars 3 degrees before the end of house 4 (end cusp at 300): 4 degrees before it, then 2 forward.
    SetBody(s, 4, 132, 4);
    // The Sun 3 degrees before the end of house 1 (end at 210), sharing it with the Ascendant: room for
    // both, and on the lower left no step forward.
    SetBody(s, 1, 42, 1);
    RecordingSurface surface;
    PaintOn(s, surface);
    ExpectDrawAngles(s, {{4, 298}, {1, 202}, {14, 180}});
}

TEST(EqualSectorPlacement, ThreeBodiesAtTheEndOfAHouseTakeTheLastThreeSlots) {
    ChartState s = MakeChart(0);
    SetBodies(s, {{2, 74.9, 2}, {3, 74.8, 2}, {4, 74.7, 2}});
    RecordingSurface surface;
    PaintOn(s, surface);
    ExpectDrawAngles(s, {{2, 225}, {3, 229}, {4, 233}});
    const auto venus = BodyPrints(surface, 3);
    ASSERT_FALSE(venus.empty());
    EXPECT_NEAR(venus[0].x, 204 * Cos(229), 1e-4);  // rimRadius of 229 degrees
    EXPECT_NEAR(venus[0].y, 204 * Sin(229), 1e-4);
}

TEST(EqualSectorPlacement, ABodyOnTheCuspTakesTheFirstSlot) {
    ChartState s = MakeChart(0);
    // A hair before the cusp of house 2 still counts as on it.
    SetBody(s, 2, 45 - 1e-6, 2);
    RecordingSurface surface;
    PaintOn(s, surface);
    EXPECT_DOUBLE_EQ(s.bodyDrawAngle[14], 180);  // the Ascendant on the cusp of house 1
    EXPECT_DOUBLE_EQ(s.bodyDrawAngle[2], 209);
    EXPECT_EQ(s.cuspDistance, 0);  // the last body placed is the Ascendant
}

TEST(CrowdedHouse, OppositeNodeAndPartOfFortuneAreLeftOutOfMoreThanSevenBodies) {
    for (int extra : {6, 5}) {
        ChartState s = MakeChart(0);
        // House 5 (135..165) holds the opposite node, the Part of Fortune and bodies 1..extra.
        SetBody(s, 13, 158, 5);
        for (int b = 1; b <= extra; ++b) SetBody(s, b, 136.0 + 2 * b, 5);
        RecordingSurface surface;
        PaintOn(s, surface);
        const bool crowded = extra + 2 > 7;
        EXPECT_EQ(surface.PrintsOf(235).empty(), crowded) << extra;
        EXPECT_EQ(surface.PrintsOf(236).empty(), crowded) << extra;
        EXPECT_EQ(s.bodyDrawn[12], crowded ? 0 : 1);
        EXPECT_EQ(s.bodyDrawn[13], crowded ? 0 : 1);
        // The bodies drawn take distinct slots of the house (304 + 4 s).
        std::set<double> angles;
        for (int b = 1; b <= 15; ++b)
            if (s.bodyDrawn[b] && s.bodyLongitude[b] > 135 && s.bodyLongitude[b] < 165) {
                EXPECT_GE(s.bodyDrawAngle[b], 304);
                EXPECT_LE(s.bodyDrawAngle[b], 328);
                angles.insert(s.bodyDrawAngle[b]);
            }
        EXPECT_EQ(angles.size(), static_cast<std::size_t>(crowded ? extra : extra + 2));
    }
}

TEST(CrowdedHouse, AnEighthGlyphRunsPastTheHouseWithinTheTables) {
    ChartState s = MakeChart(0);
    // Eight bodies in house 6 (165..195), whose slots start at 335: the last one lands at 363.
    for (int b = 1; b <= 8; ++b) SetBody(s, b, 174.0 - b, 6);
    RecordingSurface surface;
    PaintOn(s, surface);
    EXPECT_DOUBLE_EQ(s.bodyDrawAngle[8], 363);
    const auto neptune = BodyPrints(surface, 8);
    ASSERT_FALSE(neptune.empty());
    EXPECT_NEAR(neptune[0].x, 199 * Cos(3), 1e-4);  // the rim radius of 3 degrees
    for (int b = 1; b <= 7; ++b) EXPECT_DOUBLE_EQ(s.bodyDrawAngle[b], 335 + 4.0 * (b - 1)) << b;
}

TEST(PlacementBounds, DegenerateCuspsAndOneHouseForAllStillPaint) {
    ChartState s = MakeChart(0);
    SetHouseCusp(s, 5, 105);  // house 4 of size 0 holds Mars at 122
    s.bodyHouse.fill(4);  // every body in house 4
    RecordingSurface surface;
    PaintOn(s, surface);
    for (int b = 1; b <= 15; ++b) {
        EXPECT_TRUE(std::isfinite(s.bodyDrawAngle[b])) << b;
        EXPECT_EQ(s.bodyDrawn[b], b == 12 || b == 13 ? 0 : 1) << b;
    }
}

TEST(TextDirection, TrueCuspsReverseTheLeftHalf) {
    ChartState s = MakeChart(1);
    RecordingSurface surface;
    PaintOn(s, surface);
    for (int b = 1; b <= 15; ++b) {
        const double t = s.bodyDrawAngle[b];
        EXPECT_EQ(s.textReversed[b], (75 <= t && t < 255) ? 1 : 0) << b << " at " << t;
    }
    // Forward text, read from the glyph inwards: minutes units, tens, sign, degrees units, tens. Mars at
    // 2 Leo 00 stands at 287.
    const auto mars = BodyPrints(surface, 4);
    ASSERT_EQ(mars.size(), 6u);
    EXPECT_EQ(s.textReversed[4], 0);
    EXPECT_EQ(Texts(mars, 1, 6), "00" + GlyphText(196) + "20");
    EXPECT_TRUE(mars[4].bold && mars[5].bold);
    // Reversed text: degrees, sign, minutes. The Sun at 2 Taurus 00.
    const auto sun = BodyPrints(surface, 1);
    ASSERT_EQ(sun.size(), 6u);
    EXPECT_EQ(Texts(sun, 1, 6), "02" + GlyphText(193) + "00");
    EXPECT_TRUE(sun[1].bold && sun[2].bold);
    EXPECT_FALSE(sun[3].bold || sun[4].bold);
    EXPECT_EQ(sun[1].fontSize, 8);
    EXPECT_EQ(sun[3].fontSize, 10);
    EXPECT_EQ(sun[4].fontSize, 7);
    // The first character of reversed text stands one glyph cell (13 x 16) inwards from the glyph.
    EXPECT_NEAR(sun[1].x, sun[0].x - Cos(s.bodyDrawAngle[1]) * 13, 1e-3);
    EXPECT_NEAR(sun[1].y, sun[0].y - Sin(s.bodyDrawAngle[1]) * 16 * 0.75, 1e-3);
}

TEST(TextDirection, EqualSectorsReverseByHouse) {
    for (float layout : {0.0f, 1.0f}) {
        ChartState s = MakeChart(0);
        s.settingValues[kTextTurnLine] = layout;
        RecordingSurface surface;
        PaintOn(s, surface);
        const int L = layout == 1 ? 3 : 4;
        for (int b = 1; b <= 10; ++b)  // body b in house b
            EXPECT_EQ(s.textReversed[b], (b < L || b > L + 5) ? 1 : 0) << "body " << b << " switch " << layout;
    }
    ChartState s = MakeChart(2);  // neither 0 nor 1: everything reversed
    RecordingSurface surface;
    PaintOn(s, surface);
    for (int b = 1; b <= 15; ++b) EXPECT_EQ(s.textReversed[b], 1) << b;
}

TEST(RetrogradeMarks, OnlyTheSunToTheMoonAndAtTheInnerEndOfTheText) {
    ChartState s = MakeChart(1);
    s.retroFlags = std::string(15, 'R');
    RecordingSurface surface;
    PaintOn(s, surface);
    const auto marks = surface.PrintsOf(156);
    ASSERT_EQ(marks.size(), 10u);
    for (const auto& m : marks) {
        EXPECT_EQ(m.color, (Rgb{255, 0, 0}));
        EXPECT_EQ(m.fontSize, 8);
    }
    // Reversed (the Sun): one minute cell (4 x 7) past the units of the minutes.
    const auto sun = BodyPrints(surface, 1);
    ASSERT_EQ(sun.size(), 7u);
    const double ts = s.bodyDrawAngle[1];
    EXPECT_EQ(sun[6].text, GlyphText(156));
    EXPECT_NEAR(sun[6].x, sun[5].x - Cos(ts) * 4, 1e-3);
    EXPECT_NEAR(sun[6].y, sun[5].y - Sin(ts) * 7 * 0.75, 1e-3);
    // Forward (Mars): one degree cell (4 x 8) past the tens of the degrees.
    const auto mars = BodyPrints(surface, 4);
    ASSERT_EQ(mars.size(), 7u);
    const double tm = s.bodyDrawAngle[4];
    EXPECT_NEAR(mars[6].x, mars[5].x - Cos(tm) * 4, 1e-3);
    EXPECT_NEAR(mars[6].y, mars[5].y - Sin(tm) * 8 * 0.75, 1e-3);
    // The colour of the text is restored after the mark.
    const auto jupiter = BodyPrints(surface, 5);
    EXPECT_EQ(jupiter[0].color, (Rgb{0, 255, 255}));
}

TEST(BodyGlyphs, VoidMoonAscendantAndMidheavenHaveTheirOwnSizeColourAndBold) {
    for (int16_t isVoid : {0, 1}) {
        ChartState s = MakeChart(1);
        s.moonVoid = isVoid;
        RecordingSurface surface;
        PaintOn(s, surface);
        const auto moon = surface.PrintsOf(233);
        ASSERT_EQ(moon.size(), 1u);
        EXPECT_EQ(moon[0].fontSize, isVoid ? 14 : 16);
        EXPECT_EQ(moon[0].color, isVoid ? (Rgb{255, 0, 0}) : (Rgb{0, 255, 255}));
        EXPECT_EQ(moon[0].bold, isVoid == 1);
        const auto asc = surface.PrintsOf(237);
        ASSERT_EQ(asc.size(), 1u);
        EXPECT_EQ(asc[0].fontSize, 14);
        EXPECT_EQ(asc[0].color, (Rgb{255, 255, 0}));
        EXPECT_TRUE(asc[0].bold);
        const auto sun = surface.PrintsOf(224);
        EXPECT_EQ(sun[0].fontSize, 16);
        EXPECT_FALSE(sun[0].bold);
    }
}
