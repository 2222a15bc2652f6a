#include "platform/gtk/monitor_list.h"

#include <gtest/gtest.h>

namespace {

// Two Wayland outputs (known by their objects) and RandR monitors (known by their rectangles).
int a, b, c;
constexpr MonitorKey kLeft{nullptr, 0, 0, 1280, 1024}, kRight{nullptr, 1280, 0, 1024, 768},
    kExtra{nullptr, 1280, 768, 512, 256};

TEST(MatchMonitors, EachMonitorKeepsItsWindowGetsANewOneOrLosesIt) {
    const struct {
        std::vector<MonitorKey> shown, now;
        std::vector<int> from;
        const char* why;
    } cases[] = {
        {{kLeft, kRight}, {kLeft, kRight}, {0, 1}, "nothing changed"},
        {{kLeft, kRight}, {kLeft, kRight, kExtra}, {0, 1, -1}, "a monitor set by xrandr --setmonitor"},
        {{kLeft, kRight, kExtra}, {kLeft, kRight}, {0, 1}, "the extra monitor deleted: its window goes"},
        {{kLeft, kRight}, {kRight, kLeft}, {1, 0}, "the other one made primary: the windows change places"},
        {{kLeft, kRight}, {kLeft, {nullptr, 1280, 0, 1280, 1024}}, {0, -1}, "a new mode is a new rectangle"},
        {{kLeft, kLeft}, {kLeft}, {0}, "a mirrored pair: one window per monitor"},
        {{{&a, 0, 0, 1280, 1024}, {&b, 1280, 0, 1024, 768}}, {{&b, 0, 0, 1024, 768}}, {1}, "an output that "
         "moved keeps its surface, the unplugged one loses it"},
        {{{&a, 0, 0, 1280, 1024}}, {{&c, 0, 0, 1280, 1024}}, {-1}, "another output in the same place"},
        {{}, {kLeft}, {-1}, "the first monitor after none"},
        {{kLeft}, {}, {}, "the last monitor gone"},
    };
    for (const auto& k : cases) EXPECT_EQ(MatchMonitors(k.shown, k.now), k.from) << k.why;
}

}  // namespace
