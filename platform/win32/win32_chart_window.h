// The chart window on Windows. Full screen: a top-level pop-up window, topmost, given its restored size
// in twips and then shown maximised over the primary monitor. Preview ("/p HWND"): a child window
// covering the client area of the given window, which reacts to no input and unloads itself when
// that window goes away.
//
// Events: WM_PAINT runs Form_Paint into the memory bitmap and copies it; WM_SIZE runs Form_Resize;
// WM_LBUTTONDOWN then WM_LBUTTONUP is a click; WM_CHAR is the key press; WM_MOUSEMOVE gives the
// position in logical units; WM_CLOSE unloads. Timer1 is SetTimer, re-armed on every tick so that a
// 1000 ms interval ticks just after each change of the clock's second.
#pragma once

#include <windows.h>

#include "platform/chart_window.h"
#include "platform/win32/gdiplus_surface.h"

class Win32ChartWindow : public ChartWindow {
public:
    // previewParent: nullptr for the full-screen window, else the window to draw the preview into.
    Win32ChartWindow(HINSTANCE instance, HWND previewParent);
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
    Surface& PaintSurface() override { return surface_; }
    void PresentPaint() override;

    HWND Handle() const { return hwnd_; }
    bool IsPreview() const { return previewParent_ != nullptr; }
    // Runs the message loop until the window is unloaded; returns the exit status.
    int RunMessageLoop();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void ArmTimer();
    void FitToClientArea();

    HINSTANCE instance_;
    HWND previewParent_;
    HWND hwnd_ = nullptr;
    ChartWindowEvents* events_ = nullptr;
    GdiplusSurface surface_;
    bool timerEnabled_ = false;
    int timerInterval_ = 0;
    bool inPaint_ = false;
    bool buttonDown_ = false;
    bool unloading_ = false;
    bool destroyed_ = false;
};
