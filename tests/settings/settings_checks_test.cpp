#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/fake/recording_message_boxes.h"
#include "core/setting_lines.h"
#include "settings/settings_checks.h"

namespace {

// New York with Placidus houses: passes both checks.
ChartState Place(float latDeg, float latMin, const std::string& letter = "P") {
    ChartState s;
    s.settingValues[kTimeZoneLine] = 5;
    s.settingValues[kLongitudeDegreesLine] = 74;
    s.settingValues[kLongitudeMinutesLine] = 0;
    s.settingValues[kLatitudeDegreesLine] = latDeg;
    s.settingValues[kLatitudeMinutesLine] = latMin;
    s.houseSystemLetter = letter;
    return s;
}

// Runs the checks as the update does and returns the messages shown.
std::vector<std::string> Check(ChartState& s) {
    RecordingMessageBoxes boxes;
    ShowSettingsProblems(s, boxes);
    for (const auto& b : boxes.boxes) {
        EXPECT_EQ(b.title, "Warning!");
        EXPECT_EQ(b.icon, MessageIcon::Information);
    }
    return boxes.Texts();
}

const std::vector<std::string> kNone;
const std::vector<std::string> kLatitude = {kLatitudeTooHighMessage};
const std::vector<std::string> kNatal = {kNatalDataMessage};

TEST(LatitudeLimit, QuadrantSystemsStopAt66Degrees00Minutes) {
    for (char letter : std::string("PRKCOE")) {
        const std::string l(1, letter);
        ChartState at66 = Place(66, 0, l), at6601 = Place(66, 1, l), at67 = Place(67, 0, l);
        EXPECT_EQ(Check(at66), kNone) << l;
        EXPECT_EQ(Check(at6601), kLatitude) << l;
        EXPECT_EQ(at6601.settingsError, 1);
        EXPECT_EQ(Check(at67), kLatitude) << l;
    }
    EXPECT_EQ(kLatitudeTooHighMessage,
              "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.");
}

TEST(LatitudeLimit, MeridianAndMorinusHaveNoLimit) {
    for (const char* l : {"M", "I"}) {
        ChartState s = Place(80, 30, l);
        EXPECT_EQ(Check(s), kNone) << l;
        EXPECT_EQ(s.settingsError, 0);
    }
}

TEST(LatitudeLimit, TheLimitAppliesToTheSizeOfANegativeLatitude) {
    // A degree field typed as -70 (with the north/south line left at 1) is 70 degrees from the equator.
    ChartState minus70 = Place(-70, 0), minus6601 = Place(-66, 1), minus66 = Place(-66, 0);
    EXPECT_EQ(Check(minus70), kLatitude);
    EXPECT_EQ(Check(minus6601), kLatitude);
    EXPECT_EQ(Check(minus66), kNone);
    // Negative minutes that carry the latitude beyond the limit: 0 degrees -7000 minutes is -70.
    ChartState minutes = Place(0, -7000), fewMinutes = Place(65, -30);
    EXPECT_EQ(Check(minutes), kLatitude);
    EXPECT_EQ(Check(fewMinutes), kNone);
    ChartState infinite = Place(-std::numeric_limits<float>::infinity(), 0);
    EXPECT_EQ(Check(infinite), kLatitude);
}

TEST(NatalData, ZoneLongitudeAndLatitudeMinutesAreCheckedSeparately) {
    struct Case {
        int line;
        float value;
        bool fails;
    } cases[] = {
        {kTimeZoneLine, 12, false},
        {kTimeZoneLine, -13, false},
        {kTimeZoneLine, 12.5f, true},
        {kTimeZoneLine, -13.5f, true},
        {kTimeZoneLine, std::numeric_limits<float>::infinity(), true},
        {kTimeZoneLine, std::numeric_limits<float>::quiet_NaN(), true},
        {kZoneSourceLine, 1, false},  // the system's zone: line 18 (5 here) is not looked at
        {kLongitudeDegreesLine, 180, false},
        {kLongitudeDegreesLine, 181, true},
        {kLongitudeDegreesLine, -500, false},  // no lower bounds
        {kLongitudeMinutesLine, 59, false},
        {kLongitudeMinutesLine, 60, true},
        {kLatitudeMinutesLine, 59, false},
        {kLatitudeMinutesLine, 60, true},
    };
    for (const Case& c : cases) {
        ChartState s = Place(40, 45);
        s.settingValues[c.line] = c.value;
        EXPECT_EQ(Check(s), c.fails ? kNatal : kNone) << "line " << c.line << " = " << c.value;
        EXPECT_EQ(s.settingsError, c.fails ? 1 : 0);
    }
    EXPECT_EQ(kNatalDataMessage, "Error in natal input data section. Please correct.");
}

TEST(NatalData, EveryFailedRuleShowsItsOwnMessage) {
    ChartState s = Place(40, 75);
    s.settingValues[kTimeZoneLine] = 14;
    s.settingValues[kLongitudeMinutesLine] = 60;
    EXPECT_EQ(Check(s), std::vector<std::string>(3, kNatalDataMessage));

    ChartState high = Place(70, 60);  // the latitude message first, then one natal-data message
    EXPECT_EQ(Check(high), (std::vector<std::string>{kLatitudeTooHighMessage, kNatalDataMessage}));
}

TEST(CheckSettings, NightDimmingIsOffOrABrightnessFrom10To100Percent) {
    struct Row { float value; bool fails; const char* why; };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Row rows[] = {
        {0, false, "off, as in every older file"},     {10, false, "the dimmest allowed"},
        {55.5, false, "fractions are a brightness too"}, {100, false, "the brightest"},
        {9.99f, true, "below 10: a nearly black screen"}, {5, true, "below 10"},
        {100.5f, true, "above 100"},                     {-10, true, "negative"},
        {nan, true, "not a number"},
    };
    for (const Row& r : rows) {
        ChartState s = Place(40, 45);
        s.settingValues[kNightDimmingLine] = r.value;
        EXPECT_EQ(Check(s), r.fails ? std::vector<std::string>{kNightDimmingMessage} : kNone) << r.why;
        EXPECT_EQ(s.settingsError, r.fails ? 1 : 0) << r.why;
    }
}

}  // namespace
