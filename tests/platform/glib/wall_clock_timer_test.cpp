#include <gtest/gtest.h>

#include "platform/glib/wall_clock_timer.h"

namespace {

TEST(WallClockTimer, ArmsEveryTickForJustAfterTheNextBoundaryOfTheWallClock) {
    const gint64 second = 1796000000LL * 1000;  // a whole second, in milliseconds
    constexpr int m = WallClockTimer::kTickMarginMs;
    struct Case { gint64 now; int interval, delay; const char* why; };
    const Case kCases[] = {
        {second + 998, 1000, 2 + m, "just before a boundary"},
        {second + 2, 1000, 998 + m, "just after one"},
        {second, 1000, 1000 + m, "on a boundary: the next one"},
        {second - 1, 1000, 1 + m, "a tick that came early is followed by one just after the boundary"},
        {second + 250, 500, 250 + m, "half a second"},
        {second + m, 1000, 1000, "after a tick on time, the same place after the next boundary"},
    };
    for (const Case& c : kCases) EXPECT_EQ(WallClockTimer::DelayToNextTick(c.now, c.interval), c.delay) << c.why;
    // The margin is larger than the few milliseconds by which a coarse clock lags the second's change.
    EXPECT_GE(m, 20);
}

}  // namespace
