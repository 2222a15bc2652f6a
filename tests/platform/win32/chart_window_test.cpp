// The chart window on Windows: one window per monitor at the monitor's rectangle, one paint on all of
// them, pointer positions in the primary monitor's logical units with a resting distance at the
// monitor's DPI, the system commands it swallows, the end when another program takes the activation,
// and the windows following the monitors when the display changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/win32_chart_window.h"
#include "platform/win32/win32_system.h"
#include "tests/platform/win32/win32_fixture.h"

namespace {

const Rgb kRed{128, 0, 0};

// Records the events; unloading does not end the test's process.
struct RecordingEvents : ChartWindowEvents {
    std::vector<std::string> calls;
    float x = 0, y = 0;
    void Form_Load() override { calls.push_back("load"); }
    void Form_Paint() override { calls.push_back("paint"); }
    void Form_Resize() override {}
    void Form_Click() override { calls.push_back("click"); }
    void Form_KeyPress(int) override { calls.push_back("key"); }
    void Form_MouseMove(int, int, float mx, float my) override {
        calls.push_back("move");
        x = mx;
        y = my;
    }
    void Form_Unload(int&) override { calls.push_back("unload"); }
    void Timer1_Timer() override {}
    int Count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }
};

// Two monitors as Wine reports an X server with two screens: both at the origin, of different sizes;
// the second at twice the DPI.
std::vector<MonitorPlace> TwoMonitors() {
    return {MonitorPlace{RECT{0, 0, 320, 240}, 96, true}, MonitorPlace{RECT{0, 0, 200, 100}, 192, false}};
}

class ChartWindowTest : public ::testing::Test {
protected:
    GdiplusSession gdiplus;
    std::vector<MonitorPlace> monitors = TwoMonitors();  // as the display has them now
    Win32ChartWindow window{GetModuleHandleW(nullptr), nullptr, [this] { return monitors; }};
    RecordingEvents events;

    void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
};

TEST_F(ChartWindowTest, EveryMonitorHasItsWindowAtItsRectangleAndOnePaintDrawsOnAll) {
    window.Load(events);
    ASSERT_EQ(window.WindowCount(), 2u);
    window.SetLogicalSize(1024, 768);
    window.ShowMaximized();
    for (size_t i = 0; i < 2; ++i) {
        RECT r{};
        GetWindowRect(window.WindowAt(i), &r);
        const RECT want = TwoMonitors()[i].rect;
        EXPECT_EQ(r.right - r.left, want.right - want.left) << i;
        EXPECT_EQ(r.bottom - r.top, want.bottom - want.top) << i;
        EXPECT_TRUE(GetWindowLongPtrW(window.WindowAt(i), GWL_EXSTYLE) & WS_EX_TOPMOST) << i;
        EXPECT_FALSE(IsZoomed(window.WindowAt(i))) << i;
        EXPECT_EQ(window.SurfaceAt(i).DeviceWidth(), want.right - want.left) << i;
    }
    // The layout is the primary monitor's, at its DPI.
    EXPECT_EQ(window.ScreenWidthTwips(), 320 * 15);
    EXPECT_EQ(window.TwipsPerPixelX(), 15);
    EXPECT_EQ(TwipsPerPixelAt(120), 12);

    // One paint reaches every back buffer, each letterboxed at its own size.
    Surface& surface = window.PaintSurface();
    surface.SetBackColor(Rgb{255, 255, 255});
    surface.Clear();
    surface.Circle(512, 384, 300, kRed);
    for (size_t i = 0; i < 2; ++i) {
        GdiplusSurface& one = window.SurfaceAt(i);
        int red = 0;
        for (int y = 0; y < one.DeviceHeight(); ++y) red += one.PixelAt(one.DeviceWidth() / 2, y) == kRed;
        EXPECT_GE(red, 2) << "window " << i;
    }
    EXPECT_EQ(surface.ScaleWidth(), 1024);
    window.Unload();
    Pump();
    EXPECT_EQ(events.Count("unload"), 1);
}

TEST_F(ChartWindowTest, ThePointerIsPlacedInThePrimaryPictureAndRestsWithinTenPixelsAtTheMonitorsDpi) {
    window.Load(events);
    window.SetLogicalSize(1024, 768);
    window.ShowMaximized();
    Pump();
    // The primary window: 320 pixels for 1024 units, so 10 pixels are 32 units.
    SendMessageW(window.WindowAt(0), WM_MOUSEMOVE, 0, MAKELPARAM(160, 120));
    EXPECT_NEAR(events.x, 512, 1e-3);
    EXPECT_NEAR(events.y, 384, 1e-3);
    EXPECT_NEAR(window.PointerRestDistance(), 32, 1e-9);
    // The same place of the desktop over the second window gives the same position; its DPI doubles the
    // resting distance.
    SendMessageW(window.WindowAt(1), WM_MOUSEMOVE, 0, MAKELPARAM(160, 120));
    EXPECT_NEAR(events.x, 512, 1e-3);
    EXPECT_NEAR(window.PointerRestDistance(), 64, 1e-9);
    window.Unload();
    Pump();
}

TEST_F(ChartWindowTest, SystemCommandsOfScreenSaverAndCloseAreSwallowedAndLosingTheActivationEnds) {
    window.Load(events);
    // Hidden behind the editor, before it is shown, the activation moving elsewhere ends nothing.
    SendMessageW(window.WindowAt(0), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(events.Count("unload"), 0);
    window.ShowMaximized();
    SendMessageW(window.WindowAt(1), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    SendMessageW(window.WindowAt(0), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_EQ(events.Count("unload"), 0);
    EXPECT_TRUE(IsWindow(window.WindowAt(0)));
    // Another program's window takes the activation: the screen saver ends, all its windows with it.
    const HWND first = window.WindowAt(0), second = window.WindowAt(1);
    SendMessageW(second, WM_ACTIVATEAPP, FALSE, 0);
    Pump();
    EXPECT_EQ(events.Count("unload"), 1);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(IsWindow(second));
}

// After a change of the display every monitor has its window at its rectangle and DPI, the primary's
// first; a window whose monitor went is gone without ending the program; every picture is painted anew.
TEST_F(ChartWindowTest, TheWindowsFollowTheMonitorsWhenTheDisplayChanges) {
    struct Case {
        std::vector<MonitorPlace> monitors;
        UINT message;
        const char* why;
    };
    const Case cases[] = {
        {{{RECT{0, 0, 640, 480}, 96, true}, {RECT{640, 0, 840, 100}, 192, false}}, WM_DISPLAYCHANGE,
         "the primary monitor got another mode and the second moved beside it"},
        {{{RECT{0, 0, 640, 480}, 96, true}, {RECT{640, 0, 840, 100}, 192, false}, {RECT{0, 480, 300, 700}, 120, false}},
         WM_DISPLAYCHANGE, "a third monitor came"},
        {{{RECT{0, 0, 400, 300}, 144, true}}, WM_DISPLAYCHANGE, "two monitors went"},
        {{{RECT{0, 0, 400, 300}, 120, true}}, WM_DPICHANGED, "the DPI of the monitor changed"},
    };
    window.Load(events);
    window.SetLogicalSize(1024, 768);
    window.ShowMaximized();
    Pump();
    for (const Case& c : cases) {
        std::vector<HWND> before;
        for (size_t i = 0; i < window.WindowCount(); ++i) before.push_back(window.WindowAt(i));
        const int paints = events.Count("paint");
        monitors = c.monitors;
        RECT suggested = c.monitors[0].rect;
        SendMessageW(window.WindowAt(0), c.message, 0, reinterpret_cast<LPARAM>(&suggested));
        Pump();
        ASSERT_EQ(window.WindowCount(), c.monitors.size()) << c.why;
        for (size_t i = 0; i < c.monitors.size(); ++i) {
            RECT r{};
            GetWindowRect(window.WindowAt(i), &r);
            const RECT& want = c.monitors[i].rect;
            EXPECT_TRUE(EqualRect(&r, &want)) << c.why << ", window " << i;
            EXPECT_TRUE(IsWindowVisible(window.WindowAt(i))) << c.why << ", window " << i;
            EXPECT_EQ(window.SurfaceAt(i).DeviceWidth(), want.right - want.left) << c.why << ", window " << i;
            EXPECT_EQ(window.SurfaceAt(i).DeviceHeight(), want.bottom - want.top) << c.why << ", window " << i;
        }
        for (size_t i = c.monitors.size(); i < before.size(); ++i) EXPECT_FALSE(IsWindow(before[i])) << c.why;
        EXPECT_EQ(window.TwipsPerPixelX(), TwipsPerPixelAt(c.monitors[0].dpi)) << c.why;
        EXPECT_GT(events.Count("paint"), paints) << c.why;
    }
    EXPECT_EQ(events.Count("unload"), 0);
    window.Unload();
    Pump();
    EXPECT_EQ(events.Count("unload"), 1);
}

}  // namespace
