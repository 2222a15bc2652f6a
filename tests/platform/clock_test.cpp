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

}  // namespace
