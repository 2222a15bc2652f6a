#include <gtest/gtest.h>

#include <cmath>

#include "platform/twips.h"

namespace {

TEST(TwipsPerPixel, IsTheNearestWholeCountOfTwipsInAPixel) {
    struct Case { double dpi; int twips; const char* why; };
    const Case kCases[] = {
        {96, 15, "normal fonts"},
        {120, 12, "large fonts"},
        {125, 12, "11.52 is nearer 12 than 11"},
        {97, 15, "14.85: a hair over 96 DPI is still normal"},
        {98.304, 15, "14.65: a DPI with a fraction, as GTK reports it"},
        {144, 10, "exactly 10"},
        {192, 8, "7.5: the half goes to the even count"},
        {64, 22, "22.5: the half goes to the even count"},
        {0, 15, "unknown: as at 96 DPI"},
        {-120, 15, "no DPI is negative: unknown"},
        {std::nan(""), 15, "not a number: unknown"},
        {4000, 1, "0.36: never less than 1"},
    };
    for (const Case& c : kCases) EXPECT_EQ(TwipsPerPixelAt(c.dpi), c.twips) << c.dpi << ": " << c.why;
}

}  // namespace
