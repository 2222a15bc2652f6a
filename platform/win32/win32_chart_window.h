// The chart window on Windows. Full screen: one top-level pop-up window on every monitor
// (EnumDisplayMonitors, the primary one first), each placed at its monitor's rectangle and kept topmost
// by SetWindowPos, with its own GDI+ back buffer letterboxed at its own size; the shell sees one window
// whose surface draws on all of them (FanOutSurface). Preview ("/p HWND"): one child window covering
// the client area of the given window, which reacts to no input and unloads itself when that window
// goes away.
//
// Events: WM_PAINT runs Form_Paint into every back buffer and copies them; WM_SIZE runs Form_Resize;
// WM_LBUTTONDOWN then WM_LBUTTONUP is a click; WM_CHAR is the key press; WM_MOUSEMOVE gives the
// position in the logical units of the primary monitor's picture, wherever the pointer is; WM_CLOSE
// unloads. Losing the activation to another program (WM_ACTIVATEAPP) unloads the full-screen saver, as
// the system's screen savers do; SC_SCREENSAVE and SC_CLOSE are swallowed. Timer1 is SetTimer, re-armed
// on every tick so that a 1000 ms interval ticks just after each change of the clock's second.
// Monitors that come and go: on WM_DISPLAYCHANGE (a monitor added, removed or given another mode) and
// WM_DPICHANGED the monitors are listed again and the windows placed on them once the messages of the
// change have passed: each window moved to its monitor's rectangle at its DPI, a window made for a new
// monitor, the window of a monitor that went destroyed; every picture is then painted at its new size.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/chart_window.h"
#include "platform/fan_out_surface.h"
#include "platform/win32/gdiplus_surface.h"

// A monitor as the chart window covers it: its rectangle on the virtual screen and its DPI.
struct MonitorPlace {
    RECT rect{};
    UINT dpi = 96;
    bool primary = false;
};

// Every monitor of the desktop, the primary one first, then in the order Windows gives them.
std::vector<MonitorPlace> DesktopMonitors();

// Twips per pixel at a DPI: 15 at 96 DPI, 12 at 120 DPI.
int32_t TwipsPerPixelAt(UINT dpi);

class Win32ChartWindow : public ChartWindow {
public:
    // The monitors to cover, the primary one first, as they are when asked.
    using MonitorList = std::function<std::vector<MonitorPlace>()>;
    // previewParent: nullptr for the full-screen windows, else the window to draw the preview into.
    // monitors: the monitors to cover, asked at Load and after every change of the display
    // (DesktopMonitors when empty); not used by the preview.
    Win32ChartWindow(HINSTANCE instance, HWND previewParent, MonitorList monitors = {});
    ~Win32ChartWindow() override;

    void Load(ChartWindowEvents& events) override;
    void Unload() override;
    void SetTimerEnabled(bool enabled) override;
    void SetTimerInterval(int milliseconds) override;
    int32_t ScreenWidthTwips() override;
    int32_t TwipsPerPixelX() override;
    void SetSizeTwips(int32_t width, int32_t height) override;
    void SetLogicalSize(double width, double height) override;
    void ShowMaximized() override;
    Surface& PaintSurface() override { return fanOut_; }
    void PresentPaint() override;
    double PointerRestDistance() override { return restDistance_; }

    // The window of the primary monitor (of the preview), and how many windows there are.
    HWND Handle() const { return windows_.empty() ? nullptr : windows_.front()->hwnd; }
    size_t WindowCount() const { return windows_.size(); }
    HWND WindowAt(size_t i) const { return windows_[i]->hwnd; }
    GdiplusSurface& SurfaceAt(size_t i) { return *windows_[i]->surface; }
    bool IsPreview() const { return previewParent_ != nullptr; }
    // Runs the message loop until the window is unloaded; returns the exit status.
    int RunMessageLoop();

private:
    struct MonitorWindow {
        HWND hwnd = nullptr;
        MonitorPlace place;
        std::unique_ptr<GdiplusSurface> surface;
        bool destroyed = false;
        bool retired = false;  // its monitor went: destroyed without ending the program
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(MonitorWindow& w, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleInput(MonitorWindow& w, UINT message, WPARAM wParam, LPARAM lParam);
    void KeepToMonitor(const MonitorWindow& w, MINMAXINFO& info) const;
    void Resized(MonitorWindow& w, int width, int height);
    void Paint(MonitorWindow& w);
    void Tick();
    void Click(MonitorWindow& w, LPARAM lParam);
    void Destroyed(MonitorWindow& w);
    MonitorWindow* WindowOf(HWND hwnd);
    MonitorWindow& AddWindow(const MonitorPlace& place);
    void CreateWindowOn(MonitorWindow& w);
    void MonitorsChanged();
    void FollowMonitors();
    void ArmTimer();
    void FitToClientArea();
    void PointerMoved(MonitorWindow& w, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND previewParent_;
    MonitorList monitorList_;
    std::vector<MonitorPlace> monitors_;
    std::vector<std::unique_ptr<MonitorWindow>> windows_;  // each at a fixed address, found by its handle
    FanOutSurface fanOut_;
    ChartWindowEvents* events_ = nullptr;
    bool timerEnabled_ = false;
    int timerInterval_ = 0;
    bool inPaint_ = false;
    bool buttonDown_ = false;
    bool unloading_ = false;
    bool shown_ = false;
    bool followPending_ = false;
    double restDistance_ = 0;
};
