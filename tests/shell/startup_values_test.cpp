#include <gtest/gtest.h>

#include <limits>

#include "core/setting_lines.h"
#include "shell/startup_values.h"

namespace {

TEST(InitComputationConstants, SetsTheConstantsAndTheEmptyTexts) {
    ChartState s;
    InitComputationConstants(s);
    EXPECT_EQ(s.piValue, 3.1415926535);
    EXPECT_EQ(s.kmPerAu, 149597870);
    EXPECT_EQ(s.houseOrdinals, "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ");
    EXPECT_EQ(s.houseOrdinals.size(), 52u);
    EXPECT_EQ(s.retroFlags, std::string(15, ' '));
    EXPECT_EQ(s.houseLine.size(), 150u);
    EXPECT_EQ(s.houseLine.substr(0, 20), "---- --------- -----");
    EXPECT_EQ(s.houseLine.find_first_not_of(' ', 20), std::string::npos);
}

TEST(ChooseHouseSystem, ComparesSettingsValue27Exactly) {
    struct Case {
        float value;
        const char* letter;
    } cases[] = {{1, "P"}, {9, "P"}, {0, "P"}, {2.5f, "P"}, {-2, "P"}, {2, "R"}, {3, "K"},
                 {4, "C"}, {5, "O"}, {6, "E"}, {7, "M"}, {8, "I"}, {8.0000005f, "P"}};
    for (const Case& c : cases) {
        ChartState s;
        s.houseSystemLetter = "X";
        s.settingValues[kHouseSystemLine] = c.value;
        ChooseHouseSystem(s);
        EXPECT_EQ(s.houseSystemLetter, c.letter) << c.value;
    }
}

TEST(ChooseHouseSystem, WheelModeRoundsHalvesToEvenAndSaturates) {
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float value;
        int16_t mode;
    } cases[] = {{0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {0.6f, 1}, {-0.5f, 0}, {inf, 32767}, {-inf, -32768},
                 {1e9f, 32767}, {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const Case& c : cases) {
        ChartState s;
        s.settingValues[kWheelModeLine] = c.value;
        ChooseHouseSystem(s);
        EXPECT_EQ(s.wheelMode, c.mode) << c.value;
    }
}

}  // namespace
