#include "platform/win32/win32_chart_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "platform/clock.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/win32_text.h"

namespace {

constexpr wchar_t kWindowClass[] = L"KeloChartWindow";
constexpr wchar_t kWindowTitle[] = L"SCRNSAVE KELO";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kDefaultDpi = 96;
// Posted to the first window: the monitors have changed, place the windows again.
constexpr UINT kFollowMonitors = WM_APP + 1;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The monitor's own DPI (GetDpiForMonitor, Windows 8.1 and later), else the system's.
UINT MonitorDpi(HMONITOR monitor) {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static auto getDpiForMonitor = [] {
        HMODULE shcore = LoadLibraryW(L"shcore.dll");
        return shcore ? reinterpret_cast<GetDpiForMonitorFn>(
                            reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    UINT x = 0, y = 0;
    if (getDpiForMonitor && monitor && SUCCEEDED(getDpiForMonitor(monitor, 0 /* MDT_EFFECTIVE_DPI */, &x, &y)) &&
        x > 0)
        return x;
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    reinterpret_cast<std::vector<MonitorPlace>*>(found)->push_back(
        MonitorPlace{info.rcMonitor, MonitorDpi(monitor), (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    return TRUE;
}

}  // namespace

std::vector<MonitorPlace> DesktopMonitors() {
    std::vector<MonitorPlace> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    std::stable_partition(monitors.begin(), monitors.end(), [](const MonitorPlace& m) { return m.primary; });
    if (monitors.empty())
        monitors.push_back(MonitorPlace{RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                                        MonitorDpi(nullptr), true});
    return monitors;
}

Win32ChartWindow::Win32ChartWindow(HINSTANCE instance, HWND previewParent, MonitorList monitors)
    : instance_(instance), previewParent_(previewParent), monitorList_(std::move(monitors)) {
    if (!monitorList_) monitorList_ = DesktopMonitors;
}

Win32ChartWindow::~Win32ChartWindow() {
    for (auto& w : windows_) {
        if (!w->hwnd) continue;
        SetWindowLongPtrW(w->hwnd, GWLP_USERDATA, 0);
        DestroyWindow(w->hwnd);
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
        monitors_.assign(1, MonitorPlace{client, MonitorDpi(MonitorFromWindow(previewParent_, MONITOR_DEFAULTTOPRIMARY)),
                                         true});
    } else {
        monitors_ = monitorList_();
    }

    // The surfaces first, all of them: a window's first messages may already ask for its surface.
    for (const MonitorPlace& place : monitors_) AddWindow(place);
    for (auto& w : windows_) CreateWindowOn(*w);
    events_ = &events;
    events.Form_Load();
}

// A window's record and back buffer at its monitor's size, its surface among those the paint draws on;
// the window itself comes with CreateWindowOn.
Win32ChartWindow::MonitorWindow& Win32ChartWindow::AddWindow(const MonitorPlace& place) {
    auto w = std::make_unique<MonitorWindow>();
    w->place = place;
    w->surface = std::make_unique<GdiplusSurface>();
    w->surface->SetDeviceSize(Width(place.rect), Height(place.rect));
    if (!windows_.empty()) {
        // The coordinates the paint last set, so that a window added later draws as the others do.
        const Surface& lead = *windows_.front()->surface;
        w->surface->SetCoordinates(lead.ScaleLeft(), lead.ScaleTop(), lead.ScaleLeft() + lead.ScaleWidth(),
                                   lead.ScaleTop() + lead.ScaleHeight());
    }
    windows_.push_back(std::move(w));
    std::vector<Surface*> surfaces;
    for (auto& each : windows_) surfaces.push_back(each->surface.get());
    fanOut_.SetSurfaces(surfaces);
    return *windows_.back();
}

void Win32ChartWindow::CreateWindowOn(MonitorWindow& w) {
    const RECT& r = w.place.rect;
    if (previewParent_)
        CreateWindowExW(0, kWindowClass, kWindowTitle, WS_CHILD | WS_CLIPSIBLINGS, 0, 0, Width(r), Height(r),
                        previewParent_, nullptr, instance_, this);
    else
        CreateWindowExW(WS_EX_TOPMOST, kWindowClass, kWindowTitle, WS_POPUP, r.left, r.top, Width(r), Height(r),
                        nullptr, nullptr, instance_, this);
    RECT client{};
    if (w.hwnd && GetClientRect(w.hwnd, &client)) w.surface->SetDeviceSize(Width(client), Height(client));
}

void Win32ChartWindow::Unload() {
    if (unloading_) return;
    unloading_ = true;
    if (Handle()) KillTimer(Handle(), kTimer1);
    int cancel = 0;
    if (events_) events_->Form_Unload(cancel);
    for (auto& w : windows_)
        if (w->hwnd && !w->destroyed) DestroyWindow(w->hwnd);
    PostQuitMessage(0);
}

void Win32ChartWindow::SetTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    if (enabled)
        ArmTimer();
    else if (Handle())
        KillTimer(Handle(), kTimer1);
}

void Win32ChartWindow::SetTimerInterval(int milliseconds) {
    timerInterval_ = milliseconds;
    if (timerEnabled_) ArmTimer();
}

// One-shot arming: a 1000 ms timer waits for the next change of the clock's second, so that no
// second, and in particular no second 00, is skipped by a drifting interval.
void Win32ChartWindow::ArmTimer() {
    if (!Handle() || timerInterval_ <= 0) return;
    UINT delay = static_cast<UINT>(timerInterval_);
    if (timerInterval_ == 1000) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        delay = static_cast<UINT>(DelayToNextTickMs(now.wMilliseconds, 1000));
    }
    SetTimer(Handle(), kTimer1, delay, nullptr);
}

// The primary monitor's: the picture's layout is chosen by it.
int32_t Win32ChartWindow::TwipsPerPixelX() {
    return TwipsPerPixelAt(monitors_.empty() ? kDefaultDpi : monitors_.front().dpi);
}

int32_t Win32ChartWindow::ScreenWidthTwips() {
    if (monitors_.empty()) return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX();
    return Width(monitors_.front().rect) * TwipsPerPixelX();
}

// The restored size has no use here: each window covers its monitor whatever the size in twips.
void Win32ChartWindow::SetSizeTwips(int32_t width, int32_t height) {
    (void)width;
    (void)height;
}

void Win32ChartWindow::SetLogicalSize(double width, double height) { fanOut_.SetCoordinates(0, 0, width, height); }

void Win32ChartWindow::FitToClientArea() {
    RECT client{};
    GetClientRect(previewParent_, &client);
    SetWindowPos(Handle(), nullptr, 0, 0, Width(client), Height(client), SWP_NOZORDER | SWP_NOACTIVATE);
}

// Full screen without the window manager's help: every window is moved to its monitor's rectangle,
// above every window that is not topmost (the task bar included), and shown; no "maximised" state.
void Win32ChartWindow::ShowMaximized() {
    if (!Handle()) return;
    if (previewParent_) {
        FitToClientArea();
        ShowWindow(Handle(), SW_SHOWNA);
        UpdateWindow(Handle());
        return;
    }
    for (size_t i = windows_.size(); i-- > 0;) {
        const RECT& r = windows_[i]->place.rect;
        SetWindowPos(windows_[i]->hwnd, HWND_TOPMOST, r.left, r.top, Width(r), Height(r), SWP_SHOWWINDOW);
    }
    SetForegroundWindow(Handle());
    SetFocus(Handle());
    shown_ = true;
    for (auto& w : windows_) UpdateWindow(w->hwnd);
}

void Win32ChartWindow::PresentPaint() {
    for (auto& w : windows_) {
        if (!w->hwnd || w->destroyed) continue;
        HDC dc = GetDC(w->hwnd);
        w->surface->CopyTo(dc);
        ReleaseDC(w->hwnd, dc);
    }
}

int Win32ChartWindow::RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

Win32ChartWindow::MonitorWindow* Win32ChartWindow::WindowOf(HWND hwnd) {
    for (auto& w : windows_)
        if (w->hwnd == hwnd) return w.get();
    return nullptr;
}

LRESULT CALLBACK Win32ChartWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* owner = static_cast<Win32ChartWindow*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        // The window being created is the first one without a handle.
        if (owner)
            for (auto& w : owner->windows_)
                if (!w->hwnd && !w->destroyed) {
                    w->hwnd = hwnd;
                    break;
                }
    }
    auto* self = reinterpret_cast<Win32ChartWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    MonitorWindow* w = self ? self->WindowOf(hwnd) : nullptr;
    if (!w) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = self->Handle(*w, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        w->hwnd = nullptr;
        w->destroyed = true;
    }
    return result;
}

// A movement, in the logical units of the primary monitor's picture (through screen coordinates, so
// that the same place on the desktop gives the same position whichever window is under the pointer),
// with the resting distance of the monitor under the pointer.
void Win32ChartWindow::PointerMoved(MonitorWindow& w, WPARAM wParam, LPARAM lParam) {
    int button = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) | ((wParam & MK_MBUTTON) ? 4 : 0);
    int shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) | ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MonitorWindow& lead = *windows_.front();
    if (&w != &lead) {
        ClientToScreen(w.hwnd, &at);
        ScreenToClient(lead.hwnd, &at);
    }
    const double pixelsPerUnit = lead.surface->UnitScale();
    restDistance_ = pixelsPerUnit > 0 ? kPointerRestPixels * w.place.dpi / kDefaultDpi / pixelsPerUnit : 0;
    auto x = static_cast<float>(lead.surface->LogicalX(at.x));
    auto y = static_cast<float>(lead.surface->LogicalY(at.y));
    events_->Form_MouseMove(button, shift, x, y);
}

// The chart window's messages; input goes to HandleInput.
LRESULT Win32ChartWindow::Handle(MonitorWindow& w, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETMINMAXINFO:
            if (previewParent_) break;
            KeepToMonitor(w, *reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SIZE:
            Resized(w, LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT:
            Paint(w);
            return 0;
        case WM_TIMER:
            if (wParam != kTimer1) break;
            Tick();
            return 0;
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED:
            MonitorsChanged();
            return 0;
        case kFollowMonitors:
            FollowMonitors();
            return 0;
        case WM_SYSCOMMAND:
            // While the chart is up, Windows must not start a screen saver over it, and Alt+F4 does not
            // close it; the display may still go to sleep (SC_MONITORPOWER).
            if (!previewParent_ && ((wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_CLOSE)) return 0;
            break;
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_DESTROY:
            Destroyed(w);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_CHAR:
        case WM_MOUSEMOVE:
        case WM_ACTIVATEAPP:
            return HandleInput(w, message, wParam, lParam);
    }
    return DefWindowProcW(w.hwnd, message, wParam, lParam);
}

// The input that may end the screen saver; the preview and an unloading window take none.
LRESULT Win32ChartWindow::HandleInput(MonitorWindow& w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (events_ == nullptr || unloading_ || previewParent_ != nullptr) return 0;
    switch (message) {
        case WM_LBUTTONDOWN:
            buttonDown_ = true;
            SetCapture(w.hwnd);
            break;
        case WM_LBUTTONUP:
            Click(w, lParam);
            break;
        case WM_CHAR:
            events_->Form_KeyPress(static_cast<int>(wParam));
            break;
        case WM_MOUSEMOVE:
            PointerMoved(w, wParam, lParam);
            break;
        case WM_ACTIVATEAPP:
            // Another program's window came up over the screen saver: it ends, whatever the exit mode.
            if (wParam == FALSE && shown_) Unload();
            break;
    }
    return 0;
}

// Should anything maximise a full-screen window, maximised means the whole monitor, task bar included.
void Win32ChartWindow::KeepToMonitor(const MonitorWindow& w, MINMAXINFO& info) const {
    const RECT& r = w.place.rect;
    info.ptMaxPosition = POINT{r.left, r.top};
    info.ptMaxSize = POINT{Width(r), Height(r)};
    info.ptMaxTrackSize = info.ptMaxSize;
}

void Win32ChartWindow::Resized(MonitorWindow& w, int width, int height) {
    w.surface->SetDeviceSize(width, height);
    if (events_ && !unloading_) events_->Form_Resize();
    InvalidateRect(w.hwnd, nullptr, FALSE);
}

// The whole picture painted into every back buffer (once, whichever window asks), then this one shown.
void Win32ChartWindow::Paint(MonitorWindow& w) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w.hwnd, &ps);
    if (events_ && !unloading_ && !inPaint_) {
        inPaint_ = true;
        events_->Form_Paint();
        inPaint_ = false;
    }
    w.surface->CopyTo(dc);
    EndPaint(w.hwnd, &ps);
}

// Timer1, armed again for the next second; the preview ends when its host window has gone.
void Win32ChartWindow::Tick() {
    if (timerEnabled_) ArmTimer();
    if (previewParent_ && !IsWindow(previewParent_)) {
        Unload();
        return;
    }
    if (events_ && !unloading_ && timerEnabled_) events_->Timer1_Timer();
}

// A click: the left button pressed and released over the same window.
void Win32ChartWindow::Click(MonitorWindow& w, LPARAM lParam) {
    if (!buttonDown_) return;
    buttonDown_ = false;
    ReleaseCapture();
    RECT client;
    GetClientRect(w.hwnd, &client);
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (PtInRect(&client, at)) events_->Form_Click();
}

// A preview's host window went away (it destroys its children), or the system closes us: the program
// ends. The window of a monitor that went ends nothing.
void Win32ChartWindow::Destroyed(MonitorWindow& w) {
    w.destroyed = true;
    if (!unloading_ && !w.retired) Unload();
}

// Every top-level window hears of a change of the display, and a change often comes as several
// messages: the windows are placed again once, when those messages have passed.
void Win32ChartWindow::MonitorsChanged() {
    if (previewParent_ || unloading_ || followPending_) return;
    followPending_ = PostMessageW(Handle(), kFollowMonitors, 0, 0) != FALSE;
}

// The monitors listed again: the window of each (the primary's first, as at Load) moved to its
// rectangle at its DPI, windows added or destroyed so that every monitor has one; each window's size
// change runs Form_Resize and asks for a paint of every back buffer.
void Win32ChartWindow::FollowMonitors() {
    followPending_ = false;
    if (unloading_) return;
    std::vector<MonitorPlace> now = monitorList_();
    if (now.empty()) return;
    monitors_ = now;
    while (windows_.size() > monitors_.size()) {
        MonitorWindow& gone = *windows_.back();
        gone.retired = true;
        if (gone.hwnd) DestroyWindow(gone.hwnd);
        windows_.pop_back();
    }
    std::vector<Surface*> surfaces;
    for (auto& w : windows_) surfaces.push_back(w->surface.get());
    fanOut_.SetSurfaces(surfaces);
    for (size_t i = 0; i < monitors_.size(); ++i) {
        if (i == windows_.size()) CreateWindowOn(AddWindow(monitors_[i]));
        MonitorWindow& w = *windows_[i];
        w.place = monitors_[i];
        const RECT& r = w.place.rect;
        SetWindowPos(w.hwnd, HWND_TOPMOST, r.left, r.top, Width(r), Height(r),
                     SWP_NOACTIVATE | (shown_ ? SWP_SHOWWINDOW : 0));
        RECT client{};
        if (GetClientRect(w.hwnd, &client)) w.surface->SetDeviceSize(Width(client), Height(client));
    }
    if (events_) events_->Form_Resize();
    for (auto& w : windows_) InvalidateRect(w->hwnd, nullptr, FALSE);
}
