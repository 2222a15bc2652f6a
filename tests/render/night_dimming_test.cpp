// Night dimming: the brightness through civil twilight, the colours it scales, and a paint that keeps
// every step of the picture and only darkens its colours.
#include <gtest/gtest.h>

#include "render/night_dimming.h"
#include "render_fixture.h"

namespace {

using Kind = RecordingSurface::Kind;

// A brightness ramp through civil twilight: full at the horizon, the night value 6 degrees below it.
struct Case { double altitude; float nightPercent; double brightness; const char* why; };
constexpr Case kCases[] = {
    { 10.0,  30, 1.00, "day"},
    {  0.0,  30, 1.00, "sunset"},
    { -3.0,  30, 0.65, "half way through twilight"},
    { -1.5,  50, 0.875, "a quarter of the way to 50%"},
    { -6.0,  30, 0.30, "end of civil twilight"},
    {-40.0,  30, 0.30, "deep night stays at the night value"},
    {-40.0,   0, 1.00, "0 turns dimming off"},
    {-40.0, 100, 1.00, "100% is no change at night"},
    {-40.0,  10, 0.10, "the lowest brightness allowed"},
    {-40.0,   5, 1.00, "a value the check refuses does not dim"},
    {-40.0, 150, 1.00, "nor does one above 100"},
};
TEST(NightDimming, FollowsTheSunThroughTwilight) {
    for (const Case& c : kCases) EXPECT_NEAR(NightBrightness(c.altitude, c.nightPercent), c.brightness, 1e-9) << c.why;
}

TEST(NightDimming, ScalesEachChannelToTheNearestLevel) {
    EXPECT_EQ(DimColour(Rgb{255, 128, 0}, 0.5), (Rgb{128, 64, 0}));  // 127.5 rounds to the even 128
    EXPECT_EQ(DimColour(Rgb{192, 192, 192}, 0.3), (Rgb{58, 58, 58}));  // 57.6
    EXPECT_EQ(DimColour(Rgb{255, 255, 255}, 1.0), (Rgb{255, 255, 255}));
}

// The same chart painted bright and at night: the same operations in the same order, every colour of
// the night one (background, drawing colour, text, lines, circles) the day one scaled.
TEST(NightDimming, DarkensEveryColourOfThePictureAndNothingElse) {
    ChartState day = MakeChart();
    day.settingValues[kNightDimmingLine] = 40;
    day.settingValues[kAspectLinesLine] = 1;
    day.settingValues[kBackgroundColourLine] = 15;  // white: the background must darken too
    day.sunAltitude = 20;
    ChartState night = day;
    night.sunAltitude = -12;
    RecordingSurface bright, dark;
    PaintChart(day, bright);
    PaintChart(night, dark);
    ASSERT_EQ(bright.ops.size(), dark.ops.size());
    int coloured = 0;
    for (std::size_t i = 0; i < bright.ops.size(); ++i) {
        const auto& b = bright.ops[i];
        const auto& d = dark.ops[i];
        ASSERT_EQ(b.kind, d.kind) << i;
        EXPECT_EQ(b.text, d.text) << i;
        EXPECT_EQ(b.x, d.x) << i;
        EXPECT_EQ(b.y, d.y) << i;
        if (b.kind == Kind::BackColor || b.kind == Kind::ForeColor || b.kind == Kind::Print ||
            b.kind == Kind::Line || b.kind == Kind::Circle) {
            EXPECT_EQ(d.color, DimColour(b.color, 0.4)) << i;
            ++coloured;
        }
    }
    EXPECT_GT(coloured, 100);
    EXPECT_EQ(dark.ops[5].kind, Kind::BackColor);
    EXPECT_EQ(dark.ops[5].color, (Rgb{102, 102, 102}));
}

}  // namespace
