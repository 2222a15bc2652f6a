#include "astro/houses/text_formats.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(NumberToText, SingleHasALeadingBlankUnlessNegative) {
    EXPECT_EQ(NumberToText(5.0f), " 5");
    EXPECT_EQ(NumberToText(-3.5f), "-3.5");
    EXPECT_EQ(NumberToText(5.5f), " 5.5");
    EXPECT_EQ(NumberToText(0.0f), " 0");
    EXPECT_EQ(NumberToText(-0.0f), " 0");
    EXPECT_EQ(NumberToText(-10.0f), "-10");
    EXPECT_EQ(NumberToText(12.0f), " 12");
}

TEST(NumberToText, SingleIsShortestAtSevenDigitsWithoutALeadingZero) {
    EXPECT_EQ(NumberToText(0.5f), " .5");
    EXPECT_EQ(NumberToText(-0.25f), "-.25");
    EXPECT_EQ(NumberToText(0.1f), " .1");          // 0.100000001 as a single
    EXPECT_EQ(NumberToText(5.45f), " 5.45");
    EXPECT_EQ(NumberToText(1234567.0f), " 1234567");
    EXPECT_EQ(NumberToText(100.0f), " 100");
    EXPECT_EQ(NumberToText(0.0001f), " .0001");
}

TEST(NumberToText, VeryLargeAndSmallValuesUseTheExponentForm) {
    EXPECT_EQ(NumberToText(12345678.0f), " 1.234568E+07");
    EXPECT_EQ(NumberToText(1e7f), " 1E+07");
    EXPECT_EQ(NumberToText(0.00001f), " 1E-05");
    EXPECT_EQ(NumberToText(-2.5e-20f), "-2.5E-20");
    EXPECT_EQ(NumberToText(3.4028235e38f), " 3.402823E+38");
    EXPECT_EQ(NumberToText(std::numeric_limits<float>::infinity()), " INF");
    EXPECT_EQ(NumberToText(-std::numeric_limits<float>::infinity()), "-INF");
    EXPECT_EQ(NumberToText(std::numeric_limits<float>::quiet_NaN()), " NAN");
}

TEST(NumberToText, DoubleKeepsFifteenDigits) {
    EXPECT_EQ(NumberToText(7.0), " 7");
    EXPECT_EQ(NumberToText(59.0), " 59");
    EXPECT_EQ(NumberToText(1.0 / 3), " .333333333333333");
    EXPECT_EQ(NumberToText(0.1), " .1");
    EXPECT_EQ(NumberToText(123456789012345.0), " 123456789012345");
    EXPECT_EQ(NumberToText(1e15), " 1E+15");
}

TEST(FormatFixed2, AtLeastOneDigitBeforeThePointAndTwoAfter) {
    EXPECT_EQ(FormatFixed2(10.30f), "10.30");
    EXPECT_EQ(FormatFixed2(6.01f), "6.01");
    EXPECT_EQ(FormatFixed2(0), "0.00");
    EXPECT_EQ(FormatFixed2(0.07f), "0.07");
    EXPECT_EQ(FormatFixed2(122.25f), "122.25");
    EXPECT_EQ(FormatFixed2(1234.5), "1234.50");
    EXPECT_EQ(FormatFixed2(-3.5), "-3.50");
    EXPECT_EQ(FormatFixed2(9.999), "10.00");
}

TEST(FormatFixed2, HalvesRoundAwayFromZero) {
    EXPECT_EQ(FormatFixed2(0.125), "0.13");
    EXPECT_EQ(FormatFixed2(0.375), "0.38");
    EXPECT_EQ(FormatFixed2(2.625), "2.63");
    EXPECT_EQ(FormatFixed2(-0.125), "-0.13");
    EXPECT_EQ(FormatFixed2(2.675), "2.67");  // 2.67499999... in binary: no tie
    EXPECT_EQ(FormatFixed2(1.005), "1.00");  // 1.00499999...
}

TEST(FormatFixed2, ExtremeValuesGiveDefinedTexts) {
    EXPECT_EQ(FormatFixed2(1e20), "100000000000000000000.00");
    EXPECT_EQ(FormatFixed2(std::numeric_limits<double>::max()).size(), 309u + 3u);
    EXPECT_EQ(FormatFixed2(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatFixed2(std::numeric_limits<double>::quiet_NaN()), "NAN");
}

}  // namespace
