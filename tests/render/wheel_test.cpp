// The wheel: spokes and circles in both modes, house sizes, intercepted signs and cusp labels.
#include <gtest/gtest.h>

#include <cmath>

#include "render/text_primitives.h"
#include "render/wheel.h"
#include "render_fixture.h"
#include "core/setting_lines.h"

namespace {

constexpr double kLabelRadius = 236 * 0.91984662;
constexpr double kPi = 3.1415926535;

double Cos(double deg) { return std::cos(deg * kPi / 180); }
double Sin(double deg) { return std::sin(deg * kPi / 180); }

// The prints of the cusp labels: five per cusp, in slot order, after the intercepted signs.
std::vector<RecordingSurface::Op> CuspLabelPrints(const RecordingSurface& surface, int interceptedCount) {
    auto p = surface.Prints();
    return std::vector<RecordingSurface::Op>(p.begin() + interceptedCount, p.begin() + interceptedCount + 60);
}

// Cusps of the intercepted-sign chart: house 1 runs from Aries into Gemini, house 7 from Libra into
// Sagittarius, house 5 from Leo into Virgo (one sign), house 2 inside Gemini.
void SetInterceptingCusps(ChartState& s) {
    const double cusp[] = {0, 25, 65, 85, 115, 145, 175, 205, 245, 265, 295, 325, 355};
    for (int j = 1; j <= 12; ++j) SetHouseCusp(s, j, cusp[j]);
}

}  // namespace

TEST(WheelSpokes, EqualSectorsDrawTwelveSpokesAtMultiplesOf30WhateverTheCusps) {
    ChartState s = MakeChart(0);
    SetInterceptingCusps(s);
    RecordingSurface surface;
    PaintOn(s, surface);
    ASSERT_EQ(s.spokeAngles.size(), 12u);
    const auto lines = surface.Lines();
    for (int k = 0; k < 12; ++k) {
        EXPECT_NEAR(s.spokeAngles[k], 30.0 * k, 1e-9);
        const double a = 30.0 * k;
        EXPECT_NEAR(lines[k].x, 120 * Cos(a), 1e-4);
        EXPECT_NEAR(lines[k].y, 116.1 * Sin(a), 1e-4);
        EXPECT_NEAR(lines[k].x2, 217 * Cos(a), 1e-4);
        EXPECT_NEAR(lines[k].y2, 209.9475 * Sin(a), 1e-4);
        EXPECT_EQ(lines[k].color, (Rgb{128, 128, 128}));  // settings value 92 = 8
    }
}

TEST(WheelSpokes, TrueCuspsDrawTheAscendantLineThenEveryCuspFromHouseOne) {
    ChartState s = MakeChart(1);
    SetInterceptingCusps(s);
    RecordingSurface surface;
    PaintOn(s, surface);
    // Each cusp at (cusp - 25) + 180.
    const double expected[] = {180, 180, 220, 240, 270, 300, 330, 0, 40, 60, 90, 120, 150};
    ASSERT_EQ(s.spokeAngles.size(), 13u);
    for (int k = 0; k < 13; ++k) EXPECT_NEAR(s.spokeAngles[k], expected[k], 1e-9) << k;
    const auto lines = surface.Lines();
    EXPECT_NEAR(lines[2].x2, 217 * Cos(220), 1e-4);
    EXPECT_NEAR(lines[2].y2, 209.9475 * Sin(220), 1e-4);
}

TEST(WheelSpokes, AnyWheelModeOtherThanZeroDrawsTrueCusps) {
    ChartState s = MakeChart(2);
    RecordingSurface surface;
    PaintOn(s, surface);
    EXPECT_EQ(s.spokeAngles.size(), 13u);
}

TEST(WheelCircles, OuterThenInnerInTheRingColour) {
    ChartState s = MakeChart();
    s.settingValues[kWheelCircleColourLine] = 12;
    RecordingSurface surface;
    PaintOn(s, surface);
    const auto circles = surface.OfKind(RecordingSurface::Kind::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].x2, 217);
    EXPECT_EQ(circles[1].x2, 120);
    for (const auto& c : circles) {
        EXPECT_EQ(c.x, 0);
        EXPECT_EQ(c.y, 0);
        EXPECT_EQ(c.color, (Rgb{255, 0, 0}));
    }
}

TEST(HouseSizes, CuspSlotOrderAndThe277Point5Replacement) {
    ChartState s = MakeChart();
    SetInterceptingCusps(s);
    ComputeHouseSizes(s);
    EXPECT_DOUBLE_EQ(s.houseSize[4], 40);   // house 1
    EXPECT_DOUBLE_EQ(s.houseSize[5], 20);   // house 2
    EXPECT_DOUBLE_EQ(s.houseSize[3], 30);   // house 12, across 0 Aries
    EXPECT_DOUBLE_EQ(s.houseSize[12], 30);  // house 9, from slot 12 to slot 1
    s.houseCusp[2] = 10, s.houseCusp[3] = 287.5;
    s.houseCusp[12] = 10, s.houseCusp[1] = 287.5;
    ComputeHouseSizes(s);
    EXPECT_DOUBLE_EQ(s.houseSize[2], 7.5);     // 277.5 is stored as 7.5
    EXPECT_DOUBLE_EQ(s.houseSize[12], 277.5);  // but not for the last slot
}

TEST(InterceptedSigns, ASignBetweenCuspsTwoSignsApartIsShownInItsHouse) {
    ChartState s = MakeChart(1);
    SetInterceptingCusps(s);
    s.settingValues[kCuspSignColourLine] = 13;
    RecordingSurface surface;
    PaintOn(s, surface);
    const int16_t expected[13] = {0, 2, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0};
    for (int j = 1; j <= 12; ++j) EXPECT_EQ(s.interceptedSign[j], expected[j]) << j;
    const auto p = surface.Prints();
    // House 1: t = (25 - 205) + 40 / 2 = -160, i.e. 200, on the left half (moved 20 units left).
    EXPECT_EQ(p[0].text, GlyphText(193));
    EXPECT_NEAR(p[0].x, static_cast<float>(kLabelRadius * Cos(200) + 4) - 20, 1e-4);
    EXPECT_NEAR(p[0].y, kLabelRadius * Sin(200) + 4, 1e-4);
    EXPECT_EQ(p[0].color, (Rgb{255, 0, 255}));
    EXPECT_EQ(p[0].fontSize, 12);
    // House 7: t = 0 + 40 / 2 = 20, on the right half.
    EXPECT_EQ(p[1].text, GlyphText(199));
    EXPECT_NEAR(p[1].x, kLabelRadius * Cos(20) + 4, 1e-4);
    EXPECT_NEAR(p[1].y, kLabelRadius * Sin(20) + 4, 1e-4);
}

TEST(InterceptedSigns, EqualSectorsPutTheGlyphInTheMiddleOfTheSector) {
    ChartState s = MakeChart(0);
    SetInterceptingCusps(s);
    RecordingSurface surface;
    PaintOn(s, surface);
    const auto p = surface.Prints();
    EXPECT_NEAR(p[0].y, kLabelRadius * Sin(195) + 4, 1e-4);  // house 1: 30 x 6 + 15
    EXPECT_NEAR(p[1].y, kLabelRadius * Sin(15) + 4, 1e-4);   // house 7: 30 x 0 + 15
}

TEST(InterceptedSigns, PiscesToTaurusShowsAriesAndThreeSignsShowNothing) {
    ChartState s = MakeChart(1);
    // House 12 from 25 Pisces to 5 Taurus, house 6 from Virgo to Scorpio; houses 1 (Taurus to Leo) and 7
    // (Scorpio to Aquarius) three signs apart; every other house one sign or less.
    const double cusp[] = {0, 35, 125, 130, 140, 160, 175, 215, 305, 310, 320, 340, 355};
    for (int j = 1; j <= 12; ++j) SetHouseCusp(s, j, cusp[j]);
    RecordingSurface surface;
    PaintOn(s, surface);
    EXPECT_EQ(s.interceptedSign[12], 1);
    EXPECT_EQ(s.interceptedSign[6], 7);
    EXPECT_EQ(s.interceptedSign[1], 0);  // 3 signs apart: nothing
    EXPECT_EQ(s.interceptedSign[7], 0);
    int shown = 0;
    for (int j = 1; j <= 12; ++j) shown += s.interceptedSign[j] != 0;
    EXPECT_EQ(shown, 2);
}

TEST(CuspLabels, EqualSectorsPutEveryLabelAtItsTablePlace) {
    ChartState s = MakeChart(0);
    SetHouseCusp(s, 10, 275.999);  // slot 1: 5 Capricorn 59.94' prints 05 and 59 (never 60)
    RecordingSurface surface;
    PaintOn(s, surface);
    const auto p = CuspLabelPrints(surface, 0);
    for (int i = 1; i <= 12; ++i)
        for (int e = 0; e <= 4; ++e) {
            const auto& op = p[5 * (i - 1) + e];
            EXPECT_EQ(op.x, s.cuspLabelOffsets[10 * (i - 1) + 2 * e]) << i << " " << e;
            EXPECT_EQ(op.y, s.cuspLabelOffsets[10 * (i - 1) + 2 * e + 1]) << i << " " << e;
        }
    EXPECT_EQ(p[0].text + p[1].text + p[3].text + p[4].text, "0559");
    EXPECT_EQ(p[2].text, GlyphText(201));
    // Degrees bold in colour 79 and size 69, sign in 80 and 70, minutes in 81 and 71.
    EXPECT_TRUE(p[0].bold && p[1].bold);
    EXPECT_FALSE(p[2].bold || p[3].bold || p[4].bold);
    EXPECT_EQ(p[0].fontSize, 8);
    EXPECT_EQ(p[2].fontSize, 12);
    EXPECT_EQ(p[3].fontSize, 7);
    EXPECT_EQ(p[2].color, (Rgb{255, 255, 0}));
}

TEST(CuspLabels, TrueCuspsKeepHousesOneAndSevenInPlaceAndMoveTheOthersWithTheirSpokes) {
    ChartState s = MakeChart(1);
    RecordingSurface surface;
    PaintOn(s, surface);
    const auto p = CuspLabelPrints(surface, 0);
    for (int i : {4, 10})
        for (int e = 0; e <= 4; ++e) {
            EXPECT_EQ(p[5 * (i - 1) + e].x, s.cuspLabelOffsets[10 * (i - 1) + 2 * e]);
            EXPECT_EQ(p[5 * (i - 1) + e].y, s.cuspLabelOffsets[10 * (i - 1) + 2 * e + 1]);
        }
    // Every other label stands on one line at the direction of its house's spoke, just outside the wheel
    // (the point x = R cos t + 4, y = R sin t + 4): it begins there on the right, ends before it on the
    // left, and straddles it at the top and the bottom. This chart has labels of all three kinds.
    for (int slot = 1; slot <= 12; ++slot) {
        if (slot == 4 || slot == 10) continue;
        const double t = s.spokeAngles[(slot + 8) % 12 + 1];  // the spoke of the slot's house
        const double x = kLabelRadius * Cos(t) + 4, y = kLabelRadius * Sin(t) + 4;
        const RecordingSurface::Op* label = &p[5 * (slot - 1)];
        for (int e = 0; e <= 4; ++e) EXPECT_NEAR(label[e].y, y, 1e-4) << slot;
        for (int e = 1; e <= 4; ++e) EXPECT_GT(label[e].x, label[e - 1].x) << slot;  // read left to right
        if (t <= 80 || t >= 280) {
            EXPECT_NEAR(label[0].x, x, 2 + 1e-4) << slot << " on the right at " << t;
        } else if ((80 < t && t < 100) || (260 < t && t < 280)) {
            EXPECT_LT(label[0].x, x) << slot << " at the top or bottom at " << t;
            EXPECT_GT(label[4].x, x) << slot << " at the top or bottom at " << t;
        } else {
            EXPECT_LT(label[4].x, x) << slot << " on the left at " << t;
            EXPECT_GT(label[4].x, x - 16) << slot << " on the left at " << t;
        }
    }
    // 15 Capricorn 00: degrees and minutes always in two digits.
    EXPECT_EQ(p[0].text + p[1].text + p[3].text + p[4].text, "1500");
}
