#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"
#include "platform/fake/recording_message_boxes.h"
#include "platform/fixed_clock.h"
#include "core/setting_lines.h"
#include "shell/chart_startup.h"
#include "shell/startup_values.h"
#include "shell/update_chart.h"

namespace {

// Start-up as the screen saver does it, with the shipped settings (New York, Placidus) on the fixed zone
// of line 18 (5 hours west).
ChartState Started(int dateOrder = 0, int clockFormat = 0) {
    ChartState s;
    s.dateOrder = static_cast<int16_t>(dateOrder);
    s.clockFormat = static_cast<int16_t>(clockFormat);
    InitComputationConstants(s);
    s.settingsFileName = KELO_SHIPPED_SETTINGS;
    EXPECT_TRUE(LoadChartSettings(s));
    s.settingValues[kZoneSourceLine] = 0;
    return s;
}

struct Update {
    ChartState s;
    FixedClock clock;
    RecordingMessageBoxes boxes;
    Update(LocalDateTime t, int dateOrder = 0, int clockFormat = 0)
        : s(Started(dateOrder, clockFormat)), clock(t, clockFormat) {}
    Update& Run() {
        ChooseHouseSystem(s);
        UpdateChart(s, clock, boxes);
        return *this;
    }
};

const LocalDateTime kEvening{2026, 12, 7, 22, 30, 0};

// The chart of the evening with some settings lines changed.
ChartState EveningWith(std::initializer_list<std::pair<int, float>> lines) {
    Update u(kEvening);
    for (const auto& [line, value] : lines) u.s.settingValues[line] = value;
    return u.Run().s;
}

TEST(UpdateChart, AFailedCheckLeavesThePreviousChart) {
    Update u(kEvening);
    u.Run();
    ASSERT_EQ(u.s.settingsError, 0);
    const ChartState before = u.s;
    u.s.settingValues[kTimeZoneLine] = 14;  // zone out of range
    u.clock.Set(LocalDateTime{2030, 1, 1, 8, 0, 0});
    u.Run();
    EXPECT_EQ(u.s.settingsError, 1);
    EXPECT_EQ(u.boxes.Texts(), std::vector<std::string>{"Error in natal input data section. Please correct."});
    EXPECT_EQ(u.s.infoLines, before.infoLines);
    EXPECT_EQ(u.s.bodyLongitude, before.bodyLongitude);
    EXPECT_EQ(u.s.houseCusp, before.houseCusp);
    EXPECT_EQ(u.s.calendarYear, 2026);
    EXPECT_EQ(u.s.dateText, before.dateText);

    u.s.settingValues[kTimeZoneLine] = 5;  // corrected: the next update clears the error
    u.Run();
    EXPECT_EQ(u.s.settingsError, 0);
    EXPECT_EQ(u.s.calendarYear, 2030);
}

TEST(UpdateChart, TheFirstUpdateFailingKeepsTheStartUpValues) {
    Update u(kEvening);
    u.s.settingValues[kLatitudeDegreesLine] = -70;  // 70 degrees from the equator, typed with its sign
    u.Run();
    EXPECT_EQ(u.s.settingsError, 1);
    EXPECT_EQ(u.s.houseLine, kEmptyHouseLine);
    EXPECT_EQ(u.s.retroFlags, kEmptyRetroFlags);
    EXPECT_EQ(u.s.bodyLongitude[1], 0);
    EXPECT_EQ(u.s.infoLines[0], "");
}

TEST(DateText, FollowsTheRegionalOrderWithoutLeadingZeros) {
    struct Case { int dateOrder; const char* text; const char* why; };
    constexpr Case kCases[] = {
        {0, "12/7/2026", "month, day, year"},
        {1, "7/12/2026", "day, month, year"},
        {2, "2026/12/7", "year, month, day"},
        {3, "12/7/2026", "an order of no meaning reads month first"},
    };
    for (const Case& c : kCases) EXPECT_EQ(DateText(7, 12, 2026, c.dateOrder), c.text) << c.why;
}

TEST(ClockTime, IsHoursAndMinutesOnA12HourClock) {
    struct Case { int hour, minute; float clockTime; const char* why; };
    constexpr Case kCases[] = {
        {0, 5, 12.05f, "the hour after midnight is 12"},
        {0, 30, 12.30f, "minutes as hundredths"},
        {11, 59, 11.59f, "the last minute of the morning"},
        {12, 5, 12.05f, "noon stays 12"},
        {15, 7, 3.07f, "the afternoon counts from 1 again"},
        {23, 59, 11.59f, "the last minute of the day"},
    };
    for (const Case& c : kCases) EXPECT_EQ(ClockTime(c.hour, c.minute), c.clockTime) << c.why;
}

TEST(Meridiem, ByTheHourOnA24HourClockElseByTheMarkerAtTheEndOfTheText) {
    struct Case { int hour, clockFormat; const char* general; const char* meridiem; const char* why; };
    const Case kCases[] = {
        {11, 1, "7/12/2026 11:59:00", "A.M.", "24-hour clock, before noon"},
        {12, 1, "7/12/2026 12:00:00", "P.M.", "24-hour clock, noon"},
        {0, 1, "12/7/2026 12:05:00 PM", "A.M.", "24-hour clock: the text is not read"},
        {22, 0, "12/7/2026 10:30:00 PM", "P.M.", "12-hour clock, the afternoon marker"},
        {22, 0, "12/7/2026 10:30:00 pm", "P.M.", "the marker in any case"},
        {10, 0, "12/7/2026 10:30:00 AM", "A.M.", "12-hour clock, the morning marker"},
        {22, 0, "7/12/2026 22:30:00", "A.M.", "a 12-hour setting over texts without a marker"},
        {22, 0, "M", "A.M.", "a text shorter than the marker"},
    };
    for (const Case& c : kCases) EXPECT_EQ(Meridiem(c.hour, c.clockFormat, c.general), c.meridiem) << c.why;
}

TEST(DegMin, AddsTheMinutesAsHundredthsAndTurnsOnlyForExactlyMinus1) {
    struct Case { float degrees, minutes, direction, degMin; const char* why; };
    constexpr Case kCases[] = {
        {74, 0, -1, -74.0f, "east or south"},
        {74, 30, 1, 74.3f, "west or north, with minutes"},
        {40, 45, 0, 40.45f, "0 is the positive side"},
        {74, 0, -1.5f, 74.0f, "-1.5 is not exactly -1"},
        {33, 30, -0.5f, 33.3f, "nor is -0.5"},
    };
    for (const Case& c : kCases) EXPECT_EQ(DegMin(c.degrees, c.minutes, c.direction), c.degMin) << c.why;
}

// The shipped place (74 degrees west, 40.45 north, zone 5) and the evening, read once, in the fields.
TEST(UpdateChart, FillsTheDateClockAndPlaceFields) {
    Update u(kEvening, 1, 0);
    u.Run();
    EXPECT_EQ(u.s.calendarDay, 7);
    EXPECT_EQ(u.s.calendarMonth, 12);
    EXPECT_EQ(u.s.calendarYear, 2026);
    EXPECT_EQ(u.s.dateText, "7/12/2026");
    EXPECT_EQ(u.s.clockTime, 10.30f);
    EXPECT_EQ(u.s.meridiem, "P.M.");
    EXPECT_EQ(u.s.zoneHours, 5);
    EXPECT_EQ(u.s.longitudeDegMin, 74.0f);
    EXPECT_EQ(u.s.eastWest, "WEST");
    EXPECT_EQ(u.s.latitudeDegMin, 40.45f);
    EXPECT_EQ(u.s.northSouth, "NORTH");
}

TEST(UpdateChart, ReadsTheClockOnce) {
    class CountingClock : public FixedClock {
    public:
        using FixedClock::FixedClock;
        LocalDateTime Now() override {
            ++reads;
            return FixedClock::Now();
        }
        int reads = 0;
    };
    ChartState s = Started();
    CountingClock clock(kEvening);
    RecordingMessageBoxes boxes;
    UpdateChart(s, clock, boxes);
    EXPECT_EQ(clock.reads, 1);
}

TEST(UpdateChart, OnTheSystemsZoneTheChartIsLine18sForTheSameOffset) {
    // Offsets east of UT in seconds, and line 18 for the same zone (west positive).
    const std::pair<int, const char*> zones[] = {{-18000, "5"}, {-14400, "4"}, {7200, "-2"}, {19800, "-5.5"},
                                                 {-12600, "3.5"}, {0, "0"}, {43200, "-12"}};
    for (const auto& [offset, line18] : zones) {
        LocalDateTime t = kEvening;
        t.utcOffsetSeconds = offset;
        Update system(t), fixed(t);
        system.s.settingValues[kZoneSourceLine] = 1;
        system.s.settingValues[kTimeZoneLine] = 99;  // not used, not checked
        fixed.s.settingValues[kTimeZoneLine] = std::stof(line18);
        system.Run();
        fixed.Run();
        ASSERT_EQ(system.s.settingsError, 0) << line18;
        EXPECT_EQ(system.s.zoneHours, fixed.s.zoneHours) << line18;
        EXPECT_EQ(system.s.dayFraction, fixed.s.dayFraction) << line18;
        EXPECT_EQ(system.s.bodyLongitude, fixed.s.bodyLongitude) << line18;
        EXPECT_EQ(system.s.houseCusp, fixed.s.houseCusp) << line18;
        EXPECT_EQ(system.s.infoLines, fixed.s.infoLines) << line18;
    }
    // Fourteen hours east: beyond line 18's range, and still a chart.
    LocalDateTime kiritimati = kEvening;
    kiritimati.utcOffsetSeconds = 14 * 3600;
    Update far(kiritimati);
    far.s.settingValues[kZoneSourceLine] = 1;
    far.Run();
    EXPECT_EQ(far.s.settingsError, 0);
    EXPECT_EQ(far.s.infoLines[0], "07 Dec 2026 - 10.30 p.m. (-14)");
    EXPECT_NEAR(far.s.dayFraction, (10.5 - 14) / 24 + 0.5, 1e-7);  // 8.30 a.m. UT the day before
}

TEST(UpdateChart, NodeOptionUsesTheTrueNodeOnlyForExactly1) {
    const ChartState mean = EveningWith({});
    const ChartState trueNode = EveningWith({{kNodeLine, 1}});
    const ChartState almost = EveningWith({{kNodeLine, 1.5f}});
    EXPECT_EQ(almost.bodyLongitude, mean.bodyLongitude);
    EXPECT_EQ(trueNode.bodyLongitude[kNodeSlot], mean.altNodeLongitude);
    EXPECT_EQ(trueNode.bodyLongitude[kOppositeNodeSlot], Normalize360(mean.altNodeLongitude + 180));
    EXPECT_NE(trueNode.bodyLongitude[kNodeSlot], mean.bodyLongitude[kNodeSlot]);
    for (int b = kSunSlot; b <= kMoonSlot; ++b) EXPECT_EQ(trueNode.bodyLongitude[b], mean.bodyLongitude[b]);
}

TEST(UpdateChart, ZodiacShiftMovesCuspsAndBodiesButNotTheHouseLine) {
    const ChartState t = EveningWith({});
    const ChartState precession = EveningWith({{kZodiacLine, 1}});
    const ChartState sidereal = EveningWith({{kZodiacLine, 2}});
    const ChartState other = EveningWith({{kZodiacLine, 3}});
    for (int slot = 1; slot <= 13; ++slot) {
        EXPECT_EQ(precession.houseCusp[slot], Normalize360(t.houseCusp[slot] + t.precessionShift)) << slot;
        EXPECT_EQ(sidereal.houseCusp[slot], Normalize360(t.houseCusp[slot] - t.siderealShift)) << slot;
    }
    for (int b = 1; b <= 15; ++b) {
        EXPECT_EQ(precession.bodyLongitude[b], Normalize360(t.bodyLongitude[b] + t.precessionShift)) << b;
        EXPECT_EQ(sidereal.bodyLongitude[b], Normalize360(t.bodyLongitude[b] - t.siderealShift)) << b;
    }
    EXPECT_EQ(other.bodyLongitude, t.bodyLongitude);
    EXPECT_EQ(other.houseCusp, t.houseCusp);
    // Houses are placed on the tropical positions.
    for (const ChartState* shifted : {&sidereal, &precession}) {
        EXPECT_EQ(shifted->houseLine, t.houseLine);
        EXPECT_EQ(shifted->bodyHouse, t.bodyHouse);
    }
}

TEST(UpdateChart, FixedSignHousesSitOnTheSignBoundaries) {
    // Slots 10, 11, 12, 1, 2, ... hold the 7th, 8th, 9th, 10th, 11th, ... cusps.
    const int slotsFrom7th[] = {10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (float zodiac : {1.0f, 2.0f}) {
        const ChartState s = EveningWith({{kZodiacLine, zodiac}, {kFixedSignHousesLine, 99}});
        for (int i = 0; i < 12; ++i) {
            double cusp = s.houseCusp[slotsFrom7th[i]];
            double offBoundary = std::remainder(cusp - 30.0 * i, 360.0);
            EXPECT_NEAR(offBoundary, 0, 1e-9) << "zodiac " << zodiac << " slot " << slotsFrom7th[i];
        }
        EXPECT_NEAR(s.houseCusp[4], 180, 1e-9);  // the 1st-house cusp
    }
    // With any other non-zero zodiac value the base angle is 0 and nothing is shifted.
    const ChartState other = EveningWith({{kZodiacLine, 7}, {kFixedSignHousesLine, 99}});
    EXPECT_EQ(other.houseCusp[10], 0);
    EXPECT_EQ(other.houseCusp[1], 90);
    // 42 not exactly 99, or a tropical zodiac: the house system's own cusps.
    const ChartState tropical = EveningWith({});
    const ChartState not99 = EveningWith({{kZodiacLine, 2}, {kFixedSignHousesLine, 5}});
    const ChartState zero38 = EveningWith({{kFixedSignHousesLine, 99}});
    EXPECT_EQ(zero38.houseCusp, tropical.houseCusp);
    EXPECT_EQ(not99.houseCusp[4], Normalize360(tropical.houseCusp[4] - tropical.siderealShift));
}

TEST(UpdateChart, TwoStatesDoNotSeeEachOther) {
    Update a(kEvening), b(LocalDateTime{1987, 7, 14, 12, 0, 0}, 1, 1);
    b.s.settingValues[kHouseSystemLine] = 3;
    a.Run();
    const ChartState aFirst = a.s;
    b.Run();
    a.Run();
    EXPECT_EQ(a.s.bodyLongitude, aFirst.bodyLongitude);
    EXPECT_EQ(a.s.infoLines, aFirst.infoLines);
    EXPECT_EQ(b.s.infoLines[3], "Koch houses");
    EXPECT_EQ(a.s.infoLines[3], "Placidus houses");
}

}  // namespace
