// The chart window (form KELO): a borderless window shown full screen, with its one-second timer
// Timer1, its drawing surface and the events it raises. Sizes are in twips (1/1440 inch), positions
// in the window's logical units.
#pragma once

#include <cstdint>

#include "platform/surface.h"

// How far the pointer may move, in pixels at 96 DPI, and still count as resting (a bumped desk, a
// shaky hand): XScreenSaver's pointer hysteresis.
inline constexpr double kPointerRestPixels = 10;

// The handlers of the chart window, with the platform's event names. The window calls them on its one
// user-interface thread, one at a time.
class ChartWindowEvents {
public:
    virtual ~ChartWindowEvents() = default;
    virtual void Form_Load() = 0;
    virtual void Form_Paint() = 0;
    virtual void Form_Resize() = 0;
    virtual void Form_Click() = 0;
    virtual void Form_KeyPress(int keyAscii) = 0;  // only keys that produce a character
    // button: 1 left, 2 right, 4 middle (summed); shift: 1 Shift, 2 Ctrl, 4 Alt; x, y logical units
    virtual void Form_MouseMove(int button, int shift, float x, float y) = 0;
    virtual void Form_Unload(int& cancel) = 0;
    virtual void Timer1_Timer() = 0;
};

class ChartWindow {
public:
    virtual ~ChartWindow() = default;
    // Loads the window: keeps the handlers and runs Form_Load. The window stays hidden until
    // ShowMaximized.
    virtual void Load(ChartWindowEvents& events) = 0;
    // Unloads the window: runs Form_Unload (which ends the process) and closes the window.
    virtual void Unload() = 0;

    // Timer1: ticks every interval while enabled; an interval of 1000 ms ticks just after each
    // change of the wall clock's second.
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void SetTimerInterval(int milliseconds) = 0;

    // The screen: its width in twips and the twips per pixel of the display (15 normal, 12 large fonts).
    virtual int32_t ScreenWidthTwips() = 0;
    virtual int32_t TwipsPerPixelX() = 0;

    // The restored size of the window in twips, then its logical size (the scale of its surface from
    // (0, 0) at the top left), then showing it maximised over the whole screen.
    virtual void SetSizeTwips(int32_t width, int32_t height) = 0;
    virtual void SetLogicalSize(double width, double height) = 0;
    virtual void ShowMaximized() = 0;

    // The drawing surface of the client area. Whatever is drawn on it appears on the screen at the
    // next PresentPaint (or when the platform next exposes the window).
    virtual Surface& PaintSurface() = 0;
    virtual void PresentPaint() = 0;

    // kPointerRestPixels at the display's scale, in the logical units of the pointer's positions: a
    // movement within it along both axes leaves the pointer resting. 0 where a platform does not say.
    virtual double PointerRestDistance() { return 0; }
};
