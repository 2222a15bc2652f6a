// The rule that reads the seconds from a clock's time text, which every platform's clock keeps.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/fixed_clock.h"

namespace {

TEST(SecondsOfTimeText, TakesTheTwoCharactersAfterTheSecondSeparator) {
    const struct {
        const char* text;
        const char* seconds;
    } cases[] = {
        {"10:30:59 PM", "59"}, {"22:30:00", "00"}, {"22.30.07", "07"}, {"22,30,08", "08"}, {"1:2:3", "3"},
        {"22:30:", ""},
        // Without a second separator: the first two characters (":" is looked for first).
        {"22:30", "22"}, {"10.30:15", "10"}, {"abc", "ab"}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SecondsOfTimeText(c.text), c.seconds) << '"' << c.text << '"';
}

TEST(SecondsOfTimeText, OnlySecond00OfAMinuteReads00) {
    for (int format : {0, 1}) {
        FixedClock clock(LocalDateTime{2026, 12, 7, 12, 34, 59}, format);
        EXPECT_NE(SecondsOfTimeText(clock.TimeText(clock.Now())), "00");
        clock.Set(LocalDateTime{2026, 12, 7, 12, 35, 0});
        EXPECT_EQ(SecondsOfTimeText(clock.TimeText(clock.Now())), "00");
    }
}

// The fixed clock's texts keep the shapes its header gives: no leading zero in the date or the hour,
// two digits for the minutes and seconds, 12 for the hour of midnight and noon on the 12-hour clock.
TEST(FixedClock, TextsHaveTheShapeOfTheirClockFormat) {
    const struct {
        LocalDateTime t;
        int format;
        const char* general;
        const char* time;
        const char* why;
    } cases[] = {
        {{2026, 12, 7, 22, 30, 0}, 0, "12/7/2026 10:30:00 PM", "10:30:00 PM", "the header's example"},
        {{2026, 12, 7, 22, 30, 0}, 1, "7/12/2026 22:30:00", "22:30:00", "the header's 24-hour example"},
        {{2026, 1, 2, 0, 5, 9}, 0, "1/2/2026 12:05:09 AM", "12:05:09 AM", "midnight is 12 A.M."},
        {{2026, 1, 2, 0, 5, 9}, 1, "2/1/2026 0:05:09", "0:05:09", "midnight is hour 0"},
        {{2026, 6, 30, 12, 0, 59}, 0, "6/30/2026 12:00:59 PM", "12:00:59 PM", "noon is 12 P.M."},
        {{987, 3, 4, 9, 10, 11}, 0, "3/4/987 9:10:11 AM", "9:10:11 AM", "a year of three digits"},
    };
    for (const auto& c : cases) {
        FixedClock clock(c.t, c.format);
        EXPECT_EQ(clock.GeneralDateTimeText(c.t), c.general) << c.why;
        EXPECT_EQ(clock.TimeText(c.t), c.time) << c.why;
    }
}

}  // namespace
