#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "settings/settings_file.h"

namespace {

TEST(LeadingNumber, ReadsTheFieldsOfASettingsLine) {
    EXPECT_EQ(LeadingNumber("-1     "), -1);
    EXPECT_EQ(LeadingNumber("1 2    "), 12);  // blanks inside the field are ignored
    EXPECT_EQ(LeadingNumber("15.5   "), 15.5);
    EXPECT_EQ(LeadingNumber("  7    "), 7);
    EXPECT_EQ(LeadingNumber("letters"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("\t-\n3"), -3);  // tabs and line feeds too
    EXPECT_EQ(LeadingNumber("+5"), 5);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("5."), 5);
}

TEST(LeadingNumber, StopsAtTheFirstCharacterThatDoesNotFit) {
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("40N45"), 40);
    EXPECT_EQ(LeadingNumber("4\r5"), 4);  // a carriage return is not a blank
    EXPECT_EQ(LeadingNumber("--5"), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("7,5"), 7);  // "." is the only decimal point
}

TEST(LeadingNumber, ReadsExponentsWithEOrD) {
    EXPECT_EQ(LeadingNumber("1E3"), 1000);
    EXPECT_EQ(LeadingNumber("2.5D-1"), 0.25);
    EXPECT_EQ(LeadingNumber("1e+2"), 100);
    EXPECT_EQ(LeadingNumber("1E"), 1);  // an exponent without digits is not read
    EXPECT_EQ(LeadingNumber("1E+"), 1);
    EXPECT_EQ(LeadingNumber("3E 2"), 300);
}

TEST(LeadingNumber, GivesTheCorrectlyRoundedDouble) {
    EXPECT_EQ(LeadingNumber("0.1"), 0.1);
    EXPECT_EQ(LeadingNumber("123456789012345678901234567890"), 1.2345678901234568e29);
    EXPECT_EQ(LeadingNumber("0.000000000000000000000000000000000000000000001"), 1e-45);
}

TEST(LeadingNumber, NumbersBeyondTheDoubleRangeBecomeInfinityOrZero) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(LeadingNumber("1E999"), inf);
    EXPECT_EQ(LeadingNumber("-1E999"), -inf);
    EXPECT_EQ(LeadingNumber("1E-999"), 0);
    EXPECT_EQ(LeadingNumber("0.001E-400"), 0);
    EXPECT_EQ(LeadingNumber("1E99999999999999999999999"), inf);
    EXPECT_EQ(LeadingNumber("0E999"), 0);
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), inf);
}

TEST(LeadingNumber, ReadsHexadecimalAndOctalIntegers) {
    EXPECT_EQ(LeadingNumber("&HFF"), 255);
    EXPECT_EQ(LeadingNumber("&hff"), 255);
    EXPECT_EQ(LeadingNumber("& H 1 0"), 16);
    EXPECT_EQ(LeadingNumber("&HFG"), 15);
    EXPECT_EQ(LeadingNumber("&O17"), 15);
    EXPECT_EQ(LeadingNumber("&O8"), 0);
    EXPECT_EQ(LeadingNumber("&H"), 0);
    EXPECT_EQ(LeadingNumber("&X1"), 0);
    EXPECT_EQ(LeadingNumber("&"), 0);
}

}  // namespace
