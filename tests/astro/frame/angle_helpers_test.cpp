#include "astro/frame/angle_helpers.h"

#include <gtest/gtest.h>

#include "core/numeric.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

ChartState WithPi() {
    ChartState s;
    s.piValue = 3.1415926535;
    return s;
}

// RectToPolar of (x, y).
ChartState PolarOf(double x, double y) {
    ChartState s = WithPi();
    s.rectX = x;
    s.rectY = y;
    RectToPolar(s);
    return s;
}

TEST(RectToPolar, KeepsTheQuadrantOfTheVector) {
    struct Case { double x, y, angle; } cases[] = {
        {-1, 1, 3 * kPi / 4}, {-1, -1, 5 * kPi / 4}, {1, -1, 7 * kPi / 4}, {1, 1, kPi / 4}};
    for (const Case& c : cases) {
        const ChartState s = PolarOf(c.x, c.y);
        EXPECT_NEAR(s.polarAngle, c.angle, 1e-10) << c.x << "," << c.y;
        EXPECT_NEAR(s.polarRadius, std::sqrt(2.0), 1e-15);
    }
}

TEST(RectToPolar, ReplacesAZeroYComponentAndLeavesItReplaced) {
    const ChartState s = PolarOf(1, 0);
    EXPECT_EQ(s.rectY, kZeroReplacement);
    EXPECT_NEAR(s.polarAngle, kZeroReplacement, 1e-20);
    EXPECT_NEAR(PolarOf(-1, 0).polarAngle, kPi - kZeroReplacement, 1e-15);
}

TEST(RectToPolar, OnTheYAxisGivesTheNaturalLimits) {
    EXPECT_DOUBLE_EQ(PolarOf(0, 2).polarAngle, kPi / 2);
    EXPECT_DOUBLE_EQ(PolarOf(0, -2).polarAngle, 3 * kPi / 2);
}

TEST(PolarToRect, ReplacesAZeroAngle) {
    ChartState s = WithPi();
    s.polarAngle = 0;
    s.polarRadius = 2;
    PolarToRect(s);
    EXPECT_EQ(s.polarAngle, kZeroReplacement);
    EXPECT_DOUBLE_EQ(s.rectX, 2 * std::cos(kZeroReplacement));
    EXPECT_GT(s.rectY, 0);
}

TEST(Normalize360, ReducesAnyFiniteAngleIntoOneTurn) {
    EXPECT_EQ(Normalize360(360), 0);
    EXPECT_EQ(Normalize360(-360), 0);
    EXPECT_EQ(Normalize360(-10), 350);
    EXPECT_EQ(Normalize360(725), 5);
    EXPECT_EQ(Normalize360(0), 0);
}

TEST(AngleConversions, UseTheProgramsPi) {
    EXPECT_EQ(DegToRad(180), 3.1415926535);
    EXPECT_EQ(RadToDeg(3.1415926535), 180);
    for (double x : {0.1, 23.4522944, 100.27, 359.99})
        EXPECT_NEAR(RadToDeg(DegToRad(x)), x, 1e-12);
    EXPECT_DOUBLE_EQ(DegMinToDecimal(40.30), 40.5);
    EXPECT_DOUBLE_EQ(DegMinToDecimal(74.0), 74.0);
    // The program's pi differs from the true one by 9e-11: the sine of 180 degrees is not 0.
    EXPECT_NEAR(SinDeg(180), 8.979e-11, 1e-13);
    ChartState s = WithPi();
    EXPECT_DOUBLE_EQ(CosDeg(s, 60), std::cos(60 * 3.1415926535 / 180));
}

TEST(InverseFunctions, GiveTheirLimitsAtTheZeroDivisors) {
    EXPECT_DOUBLE_EQ(ArcSin(1), kPi / 2);
    EXPECT_DOUBLE_EQ(ArcSin(-1), -kPi / 2);
    EXPECT_NEAR(ArcSin(0.5), std::asin(0.5), 1e-15);
    EXPECT_DOUBLE_EQ(ArcCosSigned(0), kPi / 2);
    EXPECT_NEAR(ArcCosSigned(0.5), std::acos(0.5), 1e-15);
    // Below 0 the result keeps the sign of x: the inverse cosine minus pi.
    EXPECT_NEAR(ArcCosSigned(-0.5), std::acos(-0.5) - M_PI, 1e-15);
}

TEST(SplitZodiacPosition, GivesSignDegreesAndMinutesWithoutCarrying) {
    ChartState s = WithPi();
    struct Case { double v; double sign, deg, min; } cases[] = {
        {359.9999, 12, 29, 59}, {59, 2, 29, 0}, {12.9999, 1, 12, 59}, {0, 1, 0, 0},
        {30.5, 2, 0, 30}, {245.25, 9, 5, 15}};
    for (const Case& c : cases) {
        s.zodiacInput = c.v;
        SplitZodiacPosition(s);
        EXPECT_EQ(s.zodiacSign, c.sign) << c.v;
        EXPECT_EQ(s.zodiacDegrees, c.deg) << c.v;
        EXPECT_EQ(s.zodiacMinutes, c.min) << c.v;
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndExtremesSaturate) {
    EXPECT_EQ(Round16(2.5), 2);
    EXPECT_EQ(Round16(3.5), 4);
    EXPECT_EQ(Round16(-2.5), -2);
    EXPECT_EQ(Round32(0.5), 0);
    EXPECT_EQ(Round16(1e9), 32767);
    EXPECT_EQ(Round16(-1e9), -32768);
    EXPECT_EQ(Round16(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(Round16(std::nan("")), 0);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Trunc(-0.5), 0);
    EXPECT_DOUBLE_EQ(RoundHundredths(28.999999999999996), 29);
}

}  // namespace

TEST(SinCosDeg, GivesToTheBitWhatSinDegAndCosDegGive) {
    // Angles of the ephemeris (unreduced multiples of fast arguments), the quadrant limits, tiny and
    // huge values, and the non-finite ones, whose sine and cosine come from the separate calls.
    ChartState s = WithPi();
    std::vector<double> angles = {0.0,    -0.0,     90,       180,        270,        360,    -90,
                                  1e-300, 5e-324,   1e300,    -1e300,     477198.849108 * 3.7,
                                  123456789.125,    HUGE_VAL, -HUGE_VAL,  std::nan("")};
    uint64_t seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        angles.push_back(static_cast<double>(static_cast<int64_t>(seed >> 11)) / (1LL << 30) - 4096);
    }
    auto bits = [](double v) { return std::bit_cast<uint64_t>(v); };
    for (double x : angles) {
        double sine = 0, cosine = 0;
        SinCosDeg(s, x, sine, cosine);
        if (std::isnan(x)) {
            EXPECT_TRUE(std::isnan(sine) && std::isnan(cosine));
            continue;
        }
        EXPECT_EQ(bits(sine), bits(SinDeg(x))) << x;
        EXPECT_EQ(bits(cosine), bits(CosDeg(s, x))) << x;
    }
    // Another pi in the record: the cosine follows it, as CosDeg does.
    s.piValue = 3.14;
    double sine = 0, cosine = 0;
    SinCosDeg(s, 60, sine, cosine);
    EXPECT_EQ(bits(sine), bits(SinDeg(60)));
    EXPECT_EQ(bits(cosine), bits(CosDeg(s, 60)));
}
