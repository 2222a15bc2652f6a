// Aspect lines: which separations make which aspect, each pair drawn twice in its colour, the glyph
// centred on the line.
#include <gtest/gtest.h>

#include <cmath>

#include "render/pair_lines.h"
#include "render/text_primitives.h"
#include "render_fixture.h"
#include "core/setting_lines.h"

namespace {

constexpr double kPi = 3.1415926535;
double Cos(double deg) { return std::cos(deg * kPi / 180); }
double Sin(double deg) { return std::sin(deg * kPi / 180); }

// Bodies 1..10 without any aspect among them: the Sun at 10, Mercury to Pluto at 350..356 (all within
// 20 degrees of the Sun), the Moon at 275 (85 from the Sun, 73..79 from the others, with the square's orb
// narrowed to 4). Each test moves the Moon.
ChartState QuietChart() {
    ChartState s = MakeChart(1);
    SetBody(s, 1, 10, 12);
    for (int b = 2; b <= 9; ++b) SetBody(s, b, 348.0 + b, 12);
    SetBody(s, 10, 275, 9);  // 85 from the Sun, 73..79 from the others
    s.settingValues[kOrb90Line] = 4;  // square orb 4: 86..94
    return s;
}

std::vector<std::array<int16_t, 3>> Pairs(const ChartState& s) { return s.aspectLines; }

}  // namespace

TEST(Aspects, ASextileIsDrawnTwiceBetweenTheDrawnGlyphsWithItsGlyphCentred) {
    ChartState s = QuietChart();
    SetBody(s, 10, 70, 2);  // Sun 10, Moon 70: 60 degrees, orb 6
    s.settingValues[kTrineSextileColourLine] = 10;
    RecordingSurface surface;
    PaintOn(s, surface);
    const std::vector<std::array<int16_t, 3>> expected = {{1, 10, 3}, {10, 1, 3}};
    EXPECT_EQ(Pairs(s), expected);

    const auto lines = surface.Lines();
    ASSERT_EQ(lines.size(), 13u + 2u);
    const double a1 = s.bodyDrawAngle[1], a10 = s.bodyDrawAngle[10];
    const double x1 = 120 * Cos(a1), y1 = 0.96 * 120 * Sin(a1), x2 = 120 * Cos(a10), y2 = 0.96 * 120 * Sin(a10);
    EXPECT_NEAR(lines[13].x, x1, 1e-4);
    EXPECT_NEAR(lines[13].y, y1, 1e-4);
    EXPECT_NEAR(lines[13].x2, x2, 1e-4);
    EXPECT_NEAR(lines[13].y2, y2, 1e-4);
    EXPECT_NEAR(lines[14].x, x2, 1e-4);  // the same line the other way
    EXPECT_EQ(lines[13].color, (Rgb{0, 255, 0}));

    // Glyph 162 at 10 points is 8 wide and 10 high: 4 left of and 5 above the middle.
    const auto glyphs = surface.PrintsOf(162);
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_NEAR(glyphs[0].x, (x1 + x2) / 2 - 4, 1e-4);
    EXPECT_NEAR(glyphs[0].y, (y1 + y2) / 2 + 5, 1e-4);
    EXPECT_EQ(glyphs[0].fontSize, 10);
    EXPECT_EQ(glyphs[0].color, (Rgb{0, 255, 0}));
}

TEST(Aspects, EachAspectItsCodeGlyphAndColour) {
    struct Case {
        double moon;
        int code;
        Rgb color;
    };
    // Colours: 87 = 10 (sextile, trine), 88 = 12 (square, opposition), 89 = 9 (quincunx).
    const Case cases[] = {{70, 3, {0, 255, 0}},  {100, 4, {255, 0, 0}}, {130, 5, {0, 255, 0}},
                          {190, 6, {255, 0, 0}}, {160, 11, {0, 0, 255}}};
    for (const Case& c : cases) {
        ChartState s = QuietChart();
        SetBody(s, 10, c.moon, 5);
        RecordingSurface surface;
        PaintOn(s, surface);
        ASSERT_EQ(s.aspectLines.size(), 2u) << c.moon;
        EXPECT_EQ(s.aspectLines[0][2], c.code) << c.moon;
        EXPECT_EQ(surface.PrintsOf(c.code + 159).size(), 2u) << c.moon;
        EXPECT_EQ(surface.Lines().back().color, c.color) << c.moon;
    }
}

TEST(Aspects, OrbBoundariesInSinglePrecisionAndTheOneSidedOpposition) {
    ChartState s = QuietChart();
    s.settingValues[kOrb180Line] = 6;
    SetBody(s, 10, 185, 6);  // 175 from the Sun: within 180 - 6
    RecordingSurface a;
    PaintOn(s, a);
    ASSERT_EQ(s.aspectLines.size(), 2u);
    EXPECT_EQ(s.aspectLines[0][2], 6);

    s.settingValues[kOrb180Line] = 4;  // 175 < 176: none
    RecordingSurface b;
    PaintOn(s, b);
    EXPECT_TRUE(s.aspectLines.empty());

    // Exactly on the edge of the orb counts: 66 with orb 6 (and 46..52 from the others).
    SetBody(s, 10, 304, 10);
    RecordingSurface c;
    PaintOn(s, c);
    ASSERT_EQ(s.aspectLines.size(), 2u);
    EXPECT_EQ(s.aspectLines[0][2], 3);
}

TEST(Aspects, TheLaterAspectWinsWhereOrbsOverlap) {
    ChartState s = QuietChart();
    s.settingValues[kOrb90Line] = 15, s.settingValues[kOrb120Line] = 25;  // square 75..105, trine 95..145
    SetBody(s, 10, 110, 4);                             // 100 from the Sun
    RecordingSurface surface;
    PaintOn(s, surface);
    int sunMoon = 0;
    for (const auto& a : s.aspectLines)
        if (a[0] == 1 && a[1] == 10) sunMoon = a[2];
    EXPECT_EQ(sunMoon, 5);
}

TEST(Aspects, SeparationsAcrossAriesAndNoConjunction) {
    ChartState s = QuietChart();
    SetBody(s, 10, 310, 10);  // 60 back across 0 Aries from the Sun at 10; 38..44 from the others
    RecordingSurface surface;
    PaintOn(s, surface);
    const std::vector<std::array<int16_t, 3>> expected = {{1, 10, 3}, {10, 1, 3}};
    EXPECT_EQ(Pairs(s), expected);
    // Bodies 2..9 in conjunction with each other draw nothing.
}
