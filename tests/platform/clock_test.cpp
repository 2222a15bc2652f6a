// The rule that reads the seconds from a clock's time text, which every platform's clock keeps.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/fixed_clock.h"

namespace {

TEST(SecondsOfTimeText, TakesTheTwoCharactersAfterTheSecondSeparator) {
    EXPECT_EQ(SecondsOfTimeText("10:30:59 PM"), "59");
    EXPECT_EQ(SecondsOfTimeText("22:30:00"), "00");
    EXPECT_EQ(SecondsOfTimeText("22.30.07"), "07");
    EXPECT_EQ(SecondsOfTimeText("22,30,08"), "08");
    EXPECT_EQ(SecondsOfTimeText("1:2:3"), "3");
    // Without a second separator: the first two characters.
    EXPECT_EQ(SecondsOfTimeText("22:30"), "22");
    EXPECT_EQ(SecondsOfTimeText("10.30:15"), "10");  // ":" is looked for first, and occurs once
    EXPECT_EQ(SecondsOfTimeText("abc"), "ab");
    EXPECT_EQ(SecondsOfTimeText(""), "");
    EXPECT_EQ(SecondsOfTimeText("22:30:"), "");
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
