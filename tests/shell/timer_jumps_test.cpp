// The clock jumps a desk sees, played on the one-second timer as the platforms run it: armed at every
// tick for just after the next second of the wall clock, the delay counted on the monotonic clock.
// After each jump the next update comes at the next second "00" of the wall clock, and no minute is
// drawn twice or skipped beyond the jump.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/setting_lines.h"
#include "shell_fixture.h"

namespace {

constexpr int64_t kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute;

// Milliseconds since 1970-01-01 00:00 UT of a UT date and time.
int64_t UtcMs(int y, int m, int d, int h, int min, int sec = 0, int ms = 0) {
    // Days before the date: whole years, then the months of its year.
    int64_t days = 0;
    for (int year = 1970; year < y; ++year) days += (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 366 : 365;
    const int monthDays[] = {31, (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month < m; ++month) days += monthDays[month - 1];
    days += d - 1;
    return (((days * 24 + h) * 60 + min) * 60 + sec) * kSecond + ms;
}

// New York in 2026: EST (UTC-5) until 8 March 07:00 UT, EDT (UTC-4) until 1 November 06:00 UT.
int NewYorkOffset(int64_t utcMs) {
    return utcMs >= UtcMs(2026, 3, 8, 7, 0) && utcMs < UtcMs(2026, 11, 1, 6, 0) ? -4 * 3600 : -5 * 3600;
}

// The desk: a wall clock and a monotonic clock, the chart window's form ticking on a timer armed as the
// platforms arm it, and the local minute of every update.
struct Desk {
    ShellRig rig{SettingsText({{kZoneSourceLine, "1"}})};
    int64_t wallMs = 0;   // UT
    int64_t monoMs = 0;
    int64_t dueMs = 0;    // monotonic time of the next tick
    struct Update { int64_t wallMs; LocalDateTime local; };
    std::vector<Update> updates;

    explicit Desk(int64_t startWallMs) : wallMs(startWallMs) {
        SetClock();
        EXPECT_EQ(rig.Start(), std::nullopt);
        Arm();
    }
    LocalDateTime Local() const {
        const int offset = NewYorkOffset(wallMs);
        int64_t t = (wallMs + offset * kSecond) / kSecond;
        LocalDateTime l;
        l.utcOffsetSeconds = offset;
        l.second = static_cast<int>(t % 60), t /= 60;
        l.minute = static_cast<int>(t % 60), t /= 60;
        l.hour = static_cast<int>(t % 24), t /= 24;
        int y = 1970;
        for (;; ++y) {
            const int len = (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 366 : 365;
            if (t < len) break;
            t -= len;
        }
        const int monthDays[] = {31, (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int m = 1;
        while (t >= monthDays[m - 1]) t -= monthDays[m - 1], ++m;
        l.year = y, l.month = m, l.day = static_cast<int>(t) + 1;
        return l;
    }
    void SetClock() { rig.clock.Set(Local()); }
    void Arm() { dueMs = monoMs + DelayToNextTickMs(wallMs, kTimerIntervalMs); }
    // Time passes on both clocks; every tick that falls due runs, re-armed first as the timers are.
    void Run(int64_t ms) {
        const int64_t end = monoMs + ms;
        while (dueMs <= end) {
            const int64_t at = std::max(dueMs, monoMs);  // an overdue timer fires at once
            wallMs += at - monoMs;
            monoMs = at;
            SetClock();
            Arm();
            const int before = rig.window.presents;
            rig.form.Timer1_Timer();
            if (rig.window.presents != before) updates.push_back({wallMs, Local()});
        }
        wallMs += end - monoMs;
        monoMs = end;
        SetClock();
    }
    void SetWallBy(int64_t ms) { wallMs += ms; SetClock(); }  // by hand, a time service, or a suspend
    size_t Mark() const { return updates.size(); }
};

// Every update in second 00 of its minute, within the timer's margin; each one minute of UT after the
// one before, except across the jump between updates jump-1 and jump, which moves by the jump itself.
void ExpectEveryMinuteOnce(const Desk& desk, size_t jump, int64_t jumpMinutes, const char* why) {
    ASSERT_GT(desk.updates.size(), jump + 2) << why;
    for (size_t i = 0; i < desk.updates.size(); ++i) {
        const auto& u = desk.updates[i];
        EXPECT_EQ(u.local.second, 0) << why << " update " << i;
        EXPECT_LT(desk.updates[i].wallMs % kMinute, kTickMarginMs + 1) << why << " update " << i;
        if (i == 0) continue;
        const int64_t step = UtcMinuteOf(u.local) - UtcMinuteOf(desk.updates[i - 1].local);
        EXPECT_EQ(step, i == jump ? jumpMinutes : 1) << why << " update " << i;
    }
}

TEST(TimerJumps, AfterEachJumpTheNextUpdateComesAtTheNextSecondZero) {
    // At 12:04:20.3, after the update of 12:04, the wall clock jumps. On Linux the monotonic clock
    // stands still in a suspend; Windows' tick count goes on, so its timer is overdue at the resume.
    struct Case { int64_t jumpMs; bool monotonicToo; int64_t jumpMinutes; const char* why; };
    const Case cases[] = {
        {2 * kHour, false, 121, "set forward two hours: 12:04, then 14:05"},
        {-2 * kHour, false, -119, "set back two hours: 12:04, then 10:05"},
        {-30 * kSecond, false, 1, "set back half a minute: 12:04 is on the screen, 12:05 next"},
        {3 * kHour + 17 * kMinute + 5500, false, 198, "resumed after 3 h 17 min 5.5 s: 15:22 next"},
        {3 * kHour + 17 * kMinute + 5500, true, 198, "the same, the timer's clock counting the sleep"},
    };
    for (const Case& c : cases) {
        Desk desk(UtcMs(2026, 12, 7, 17, 0, 0, 300));  // 12:00:00.3 in New York
        desk.Run(4 * kMinute + 20 * kSecond);
        const size_t jump = desk.Mark();
        desk.SetWallBy(c.jumpMs);
        if (c.monotonicToo) desk.monoMs += c.jumpMs;
        desk.Run(5 * kMinute);
        ExpectEveryMinuteOnce(desk, jump, c.jumpMinutes, c.why);
    }
}

TEST(TimerJumps, DaylightSavingBeginsAndEndsWithoutALostOrRepeatedMinute) {
    // 8 March 2026, 01:57 EST: 01:58, 01:59, then 03:00 EDT. 1 November, 01:57 EDT: 01:58, 01:59, then
    // 01:00 EST, the hour repeated, one minute of UT later.
    for (int64_t start : {UtcMs(2026, 3, 8, 6, 57, 30), UtcMs(2026, 11, 1, 5, 57, 30)}) {
        Desk desk(start);
        desk.Run(6 * kMinute);
        ExpectEveryMinuteOnce(desk, 0, 1, "daylight saving");
        ASSERT_EQ(desk.updates.size(), 6u);
        EXPECT_NE(desk.updates[1].local.utcOffsetSeconds, desk.updates[4].local.utcOffsetSeconds);
    }
}

TEST(TimerJumps, AClockSteppedBackWithinSecondZeroDrawsTheMinuteOnce) {
    // A time service steps the clock back 0.4 s right after the 12:01 update, so that the next tick
    // reads 12:01:00 again: that minute is already on the screen.
    Desk desk(UtcMs(2026, 12, 7, 17, 0, 30));
    desk.Run(30 * kSecond + kTickMarginMs + 10);  // just after the 12:01 update
    ASSERT_EQ(desk.updates.size(), 1u);
    desk.SetWallBy(-400);
    desk.Run(3 * kMinute);
    ExpectEveryMinuteOnce(desk, 0, 1, "stepped back 0.4 s");
    EXPECT_EQ(desk.updates.size(), 3u);  // 12:01, 12:02, 12:03
}

}  // namespace
