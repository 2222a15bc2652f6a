#include "platform/win32/win32_chart_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/resource_ids.h"

namespace {

constexpr wchar_t kWindowClass[] = L"KeloChartWindow";
constexpr wchar_t kWindowTitle[] = L"SCRNSAVE KELO";
constexpr UINT_PTR kTimer1 = 1;
// A tick lands this long after the clock's second changes: more than one step of the system timer
// (about 15.6 ms), by which both SetTimer and GetLocalTime are coarse.
constexpr UINT kAfterSecondMs = 50;

RECT PrimaryMonitorRect() {
    HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) return info.rcMonitor;
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

Win32ChartWindow::Win32ChartWindow(HINSTANCE instance, HWND previewParent)
    : instance_(instance), previewParent_(previewParent) {}

Win32ChartWindow::~Win32ChartWindow() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Win32ChartWindow::Load(ChartWindowEvents& events) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_KELO));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);

    if (previewParent_) {
        RECT client{};
        GetClientRect(previewParent_, &client);
        hwnd_ = CreateWindowExW(0, kWindowClass, kWindowTitle, WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                                client.right - client.left, client.bottom - client.top, previewParent_, nullptr,
                                instance_, this);
    } else {
        RECT screen = PrimaryMonitorRect();
        hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_APPWINDOW, kWindowClass, kWindowTitle, WS_POPUP, screen.left,
                                screen.top, screen.right - screen.left, screen.bottom - screen.top, nullptr, nullptr,
                                instance_, this);
    }
    RECT client{};
    GetClientRect(hwnd_, &client);
    surface_.SetDeviceSize(client.right - client.left, client.bottom - client.top);
    events_ = &events;
    events.Form_Load();
}

void Win32ChartWindow::Unload() {
    if (unloading_) return;
    unloading_ = true;
    if (hwnd_) KillTimer(hwnd_, kTimer1);
    int cancel = 0;
    if (events_) events_->Form_Unload(cancel);
    if (hwnd_ && !destroyed_) DestroyWindow(hwnd_);
    PostQuitMessage(0);
}

void Win32ChartWindow::SetTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    if (enabled)
        ArmTimer();
    else if (hwnd_)
        KillTimer(hwnd_, kTimer1);
}

void Win32ChartWindow::SetTimerInterval(int milliseconds) {
    timerInterval_ = milliseconds;
    if (timerEnabled_) ArmTimer();
}

// One-shot arming: a 1000 ms timer waits for the next change of the clock's second, so that no
// second, and in particular no second 00, is skipped by a drifting interval.
void Win32ChartWindow::ArmTimer() {
    if (!hwnd_ || timerInterval_ <= 0) return;
    UINT delay = static_cast<UINT>(timerInterval_);
    if (timerInterval_ == 1000) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        delay = 1000u - now.wMilliseconds + kAfterSecondMs;
    }
    SetTimer(hwnd_, kTimer1, delay, nullptr);
}

int32_t Win32ChartWindow::TwipsPerPixelX() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (dpi <= 0) dpi = 96;
    return static_cast<int32_t>(std::max(1.0, std::nearbyint(1440.0 / dpi)));
}

int32_t Win32ChartWindow::ScreenWidthTwips() {
    RECT screen = PrimaryMonitorRect();
    return (screen.right - screen.left) * TwipsPerPixelX();
}

void Win32ChartWindow::SetSizeTwips(int32_t width, int32_t height) {
    if (!hwnd_ || previewParent_) return;
    int32_t perPixel = TwipsPerPixelX();
    RECT screen = PrimaryMonitorRect();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    placement.rcNormalPosition = RECT{screen.left, screen.top, screen.left + width / perPixel,
                                      screen.top + height / perPixel};
    placement.showCmd = IsWindowVisible(hwnd_) ? SW_SHOWNORMAL : SW_HIDE;
    SetWindowPlacement(hwnd_, &placement);
}

void Win32ChartWindow::SetLogicalSize(double width, double height) { surface_.SetCoordinates(0, 0, width, height); }

void Win32ChartWindow::FitToClientArea() {
    RECT client{};
    GetClientRect(previewParent_, &client);
    SetWindowPos(hwnd_, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ChartWindow::ShowMaximized() {
    if (!hwnd_) return;
    if (previewParent_) {
        FitToClientArea();
        ShowWindow(hwnd_, SW_SHOWNA);
    } else {
        ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
        // The maximised rectangle once more, as a plain move: a display server without a window manager
        // (Wine on a bare X server) would otherwise keep the pop-up at its restored size.
        RECT screen = PrimaryMonitorRect();
        SetWindowPos(hwnd_, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left,
                     screen.bottom - screen.top, SWP_NOACTIVATE);
        SetForegroundWindow(hwnd_);
    }
    UpdateWindow(hwnd_);
}

void Win32ChartWindow::PresentPaint() {
    if (inPaint_ || !hwnd_) return;  // the paint message copies the bitmap itself
    HDC dc = GetDC(hwnd_);
    surface_.CopyTo(dc);
    ReleaseDC(hwnd_, dc);
}

int Win32ChartWindow::RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK Win32ChartWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32ChartWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE && self) self->hwnd_ = hwnd;
    if (!self || self->hwnd_ != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = self->Handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->hwnd_ = nullptr;
    return result;
}

LRESULT Win32ChartWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool input = events_ != nullptr && !unloading_ && previewParent_ == nullptr;
    switch (message) {
        case WM_GETMINMAXINFO:
            if (!previewParent_) {
                // Maximised means the whole primary monitor, task bar included.
                RECT screen = PrimaryMonitorRect();
                auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
                info->ptMaxPosition = POINT{screen.left, screen.top};
                info->ptMaxSize = POINT{screen.right - screen.left, screen.bottom - screen.top};
                info->ptMaxTrackSize = info->ptMaxSize;
                return 0;
            }
            break;
        case WM_SIZE:
            surface_.SetDeviceSize(LOWORD(lParam), HIWORD(lParam));
            if (events_ && !unloading_) events_->Form_Resize();
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            if (events_ && !unloading_) {
                inPaint_ = true;
                events_->Form_Paint();
                inPaint_ = false;
            }
            surface_.CopyTo(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_TIMER:
            if (wParam != kTimer1) break;
            if (timerEnabled_) ArmTimer();
            if (previewParent_ && !IsWindow(previewParent_)) {
                Unload();
                return 0;
            }
            if (events_ && !unloading_ && timerEnabled_) events_->Timer1_Timer();
            return 0;
        case WM_LBUTTONDOWN:
            if (!input) return 0;
            buttonDown_ = true;
            SetCapture(hwnd_);
            return 0;
        case WM_LBUTTONUP:
            if (!input) return 0;
            if (buttonDown_) {
                buttonDown_ = false;
                ReleaseCapture();
                RECT client;
                GetClientRect(hwnd_, &client);
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (PtInRect(&client, at)) events_->Form_Click();
            }
            return 0;
        case WM_CHAR:
            if (input) events_->Form_KeyPress(static_cast<int>(wParam));
            return 0;
        case WM_MOUSEMOVE: {
            if (!input) return 0;
            int button = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
                         ((wParam & MK_MBUTTON) ? 4 : 0);
            int shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) |
                        ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
            auto x = static_cast<float>(surface_.LogicalX(GET_X_LPARAM(lParam)));
            auto y = static_cast<float>(surface_.LogicalY(GET_Y_LPARAM(lParam)));
            events_->Form_MouseMove(button, shift, x, y);
            return 0;
        }
        case WM_SYSCOMMAND:
            // While the chart is up, Windows must not start a screen saver over it.
            if ((wParam & 0xFFF0) == SC_SCREENSAVE && !previewParent_) return 0;
            break;
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_DESTROY:
            // A preview's host window went away (it destroys its children), or the system closes us.
            destroyed_ = true;
            if (!unloading_) Unload();
            return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}
