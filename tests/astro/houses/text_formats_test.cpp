#include "astro/houses/text_formats.h"
#include "core/decimal_text.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <utility>

namespace {

template <typename Number>
void ExpectNumberTexts(std::initializer_list<std::pair<Number, const char*>> cases) {
    for (const auto& [value, text] : cases) EXPECT_EQ(NumberToText(value), text) << value;
}

void ExpectFixed2(std::initializer_list<std::pair<double, const char*>> cases) {
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatFixed2(value), text) << value;
}

TEST(NumberToText, SingleHasALeadingBlankUnlessNegative) {
    ExpectNumberTexts<float>({
        {5.0f, " 5"}, {-3.5f, "-3.5"}, {5.5f, " 5.5"}, {0.0f, " 0"}, {-0.0f, " 0"}, {-10.0f, "-10"},
        {12.0f, " 12"},
    });
}

TEST(NumberToText, SingleIsShortestAtSevenDigitsWithoutALeadingZero) {
    ExpectNumberTexts<float>({
        {0.5f, " .5"}, {-0.25f, "-.25"},
        {0.1f, " .1"},  // 0.100000001 as a single
        {5.45f, " 5.45"}, {1234567.0f, " 1234567"}, {100.0f, " 100"}, {0.0001f, " .0001"},
    });
}

TEST(NumberToText, VeryLargeAndSmallValuesUseTheExponentForm) {
    ExpectNumberTexts<float>({
        {12345678.0f, " 1.234568E+07"}, {1e7f, " 1E+07"}, {0.00001f, " 1E-05"}, {-2.5e-20f, "-2.5E-20"},
        {3.4028235e38f, " 3.402823E+38"}, {std::numeric_limits<float>::infinity(), " INF"},
        {-std::numeric_limits<float>::infinity(), "-INF"}, {std::numeric_limits<float>::quiet_NaN(), " NAN"},
    });
}

TEST(NumberToText, DoubleKeepsFifteenDigits) {
    ExpectNumberTexts<double>({
        {7.0, " 7"}, {59.0, " 59"}, {1.0 / 3, " .333333333333333"}, {0.1, " .1"},
        {123456789012345.0, " 123456789012345"}, {1e15, " 1E+15"},
    });
}

// Whole numbers as printf's "%d" and "%0Nd" write them: the zeros go after the sign and count the sign
// in the width, and a number wider than the width is never cut.
TEST(AppendDecimal, WritesWholeNumbersAsPrintfDoes) {
    const struct {
        long long value;
        int width;
        const char* text;
        const char* why;
    } cases[] = {
        {7, 1, "7", "%d"},
        {7, 2, "07", "%02d pads a single digit"},
        {59, 2, "59", "two digits need no pad"},
        {0, 2, "00", "zero is padded too"},
        {-5, 2, "-5", "the sign fills the width"},
        {-5, 4, "-005", "zeros after the sign"},
        {12345, 4, "12345", "wider than the width"},
        {-9223372036854775807LL - 1, 1, "-9223372036854775808", "the most negative value"},
    };
    for (const auto& c : cases) {
        std::string text = "x";
        AppendDecimal(text, c.value, c.width);
        EXPECT_EQ(text, std::string("x") + c.text) << c.why;
    }
}

TEST(FormatFixed2, AtLeastOneDigitBeforeThePointAndTwoAfter) {
    ExpectFixed2({
        {10.30f, "10.30"}, {6.01f, "6.01"}, {0, "0.00"}, {0.07f, "0.07"}, {122.25f, "122.25"},
        {1234.5, "1234.50"}, {-3.5, "-3.50"}, {9.999, "10.00"},
    });
}

TEST(FormatFixed2, HalvesRoundAwayFromZero) {
    ExpectFixed2({
        {0.125, "0.13"}, {0.375, "0.38"}, {2.625, "2.63"}, {-0.125, "-0.13"},
        {2.675, "2.67"},  // 2.67499999... in binary: no tie
        {1.005, "1.00"},  // 1.00499999...
    });
}

TEST(FormatFixed2, ExtremeValuesGiveDefinedTexts) {
    EXPECT_EQ(FormatFixed2(1e20), "100000000000000000000.00");
    EXPECT_EQ(FormatFixed2(std::numeric_limits<double>::max()).size(), 309u + 3u);
    EXPECT_EQ(FormatFixed2(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatFixed2(std::numeric_limits<double>::quiet_NaN()), "NAN");
}

}  // namespace
