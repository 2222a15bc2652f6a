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

int32_t TwipsPerPixelAt(UINT dpi) {
    if (dpi == 0) dpi = kDefaultDpi;
    return static_cast<int32_t>(std::max(1.0, std::nearbyint(1440.0 / dpi)));
}

Win32ChartWindow::Win32ChartWindow(HINSTANCE instance, HWND previewParent, std::vector<MonitorPlace> monitors)
    : instance_(instance), previewParent_(previewParent), monitors_(std::move(monitors)) {}

Win32ChartWindow::~Win32ChartWindow() {
    for (MonitorWindow& w : windows_) {
        if (!w.hwnd) continue;
        SetWindowLongPtrW(w.hwnd, GWLP_USERDATA, 0);
        DestroyWindow(w.hwnd);
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
    } else if (monitors_.empty()) {
        monitors_ = DesktopMonitors();
    }

    // The surfaces first, all of them: a window's first messages may already ask for its surface.
    windows_.resize(monitors_.size());
    std::vector<Surface*> surfaces;
    for (size_t i = 0; i < monitors_.size(); ++i) {
        windows_[i].place = monitors_[i];
        windows_[i].surface = std::make_unique<GdiplusSurface>();
        windows_[i].surface->SetDeviceSize(Width(monitors_[i].rect), Height(monitors_[i].rect));
        surfaces.push_back(windows_[i].surface.get());
    }
    fanOut_.SetSurfaces(surfaces);

    for (MonitorWindow& w : windows_) {
        const RECT& r = w.place.rect;
        if (previewParent_)
            w.hwnd = CreateWindowExW(0, kWindowClass, kWindowTitle, WS_CHILD | WS_CLIPSIBLINGS, 0, 0, Width(r),
                                     Height(r), previewParent_, nullptr, instance_, this);
        else
            w.hwnd = CreateWindowExW(WS_EX_TOPMOST, kWindowClass, kWindowTitle, WS_POPUP, r.left, r.top, Width(r),
                                     Height(r), nullptr, nullptr, instance_, this);
        RECT client{};
        if (w.hwnd && GetClientRect(w.hwnd, &client)) w.surface->SetDeviceSize(Width(client), Height(client));
    }
    events_ = &events;
    events.Form_Load();
}

void Win32ChartWindow::Unload() {
    if (unloading_) return;
    unloading_ = true;
    if (Handle()) KillTimer(Handle(), kTimer1);
    int cancel = 0;
    if (events_) events_->Form_Unload(cancel);
    for (MonitorWindow& w : windows_)
        if (w.hwnd && !w.destroyed) DestroyWindow(w.hwnd);
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
        const RECT& r = windows_[i].place.rect;
        SetWindowPos(windows_[i].hwnd, HWND_TOPMOST, r.left, r.top, Width(r), Height(r), SWP_SHOWWINDOW);
    }
    SetForegroundWindow(Handle());
    SetFocus(Handle());
    shown_ = true;
    for (MonitorWindow& w : windows_) UpdateWindow(w.hwnd);
}

void Win32ChartWindow::PresentPaint() {
    for (MonitorWindow& w : windows_) {
        if (!w.hwnd || w.destroyed) continue;
        HDC dc = GetDC(w.hwnd);
        w.surface->CopyTo(dc);
        ReleaseDC(w.hwnd, dc);
    }
}

void Win32ChartWindow::WatchFile(const std::string& path, std::function<void()> changed) {
    watchedFile_ = WideFromUtf8(path);
    watchedChanged_ = std::move(changed);
    if (!GetFileAttributesExW(watchedFile_.c_str(), GetFileExInfoStandard, &watchedState_)) watchedState_ = {};
}

bool Win32ChartWindow::WatchedFileChanged() {
    if (watchedFile_.empty()) return false;
    WIN32_FILE_ATTRIBUTE_DATA now{};
    if (!GetFileAttributesExW(watchedFile_.c_str(), GetFileExInfoStandard, &now)) return false;  // mid-replace
    const bool changed = CompareFileTime(&now.ftLastWriteTime, &watchedState_.ftLastWriteTime) != 0 ||
                         now.nFileSizeLow != watchedState_.nFileSizeLow ||
                         now.nFileSizeHigh != watchedState_.nFileSizeHigh;
    watchedState_ = now;
    return changed;
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
    for (MonitorWindow& w : windows_)
        if (w.hwnd == hwnd) return &w;
    return nullptr;
}

LRESULT CALLBACK Win32ChartWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* owner = static_cast<Win32ChartWindow*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        // The window being created is the first one without a handle.
        if (owner)
            for (MonitorWindow& w : owner->windows_)
                if (!w.hwnd) {
                    w.hwnd = hwnd;
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
    MonitorWindow& lead = windows_.front();
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

LRESULT Win32ChartWindow::Handle(MonitorWindow& w, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool input = events_ != nullptr && !unloading_ && previewParent_ == nullptr;
    switch (message) {
        case WM_GETMINMAXINFO:
            if (!previewParent_) {
                // Should anything maximise it, maximised means the whole monitor, task bar included.
                const RECT& r = w.place.rect;
                auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
                info->ptMaxPosition = POINT{r.left, r.top};
                info->ptMaxSize = POINT{Width(r), Height(r)};
                info->ptMaxTrackSize = info->ptMaxSize;
                return 0;
            }
            break;
        case WM_SIZE:
            w.surface->SetDeviceSize(LOWORD(lParam), HIWORD(lParam));
            if (events_ && !unloading_) events_->Form_Resize();
            InvalidateRect(w.hwnd, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w.hwnd, &ps);
            if (events_ && !unloading_ && !inPaint_) {
                inPaint_ = true;
                events_->Form_Paint();
                inPaint_ = false;
            }
            w.surface->CopyTo(dc);
            EndPaint(w.hwnd, &ps);
            return 0;
        }
        case WM_TIMER:
            if (wParam != kTimer1) break;
            if (timerEnabled_) ArmTimer();
            if (previewParent_ && !IsWindow(previewParent_)) {
                Unload();
                return 0;
            }
            if (WatchedFileChanged() && watchedChanged_) {
                watchedChanged_();
                return 0;
            }
            if (events_ && !unloading_ && timerEnabled_) events_->Timer1_Timer();
            return 0;
        case WM_LBUTTONDOWN:
            if (!input) return 0;
            buttonDown_ = true;
            SetCapture(w.hwnd);
            return 0;
        case WM_LBUTTONUP:
            if (!input) return 0;
            if (buttonDown_) {
                buttonDown_ = false;
                ReleaseCapture();
                RECT client;
                GetClientRect(w.hwnd, &client);
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (PtInRect(&client, at)) events_->Form_Click();
            }
            return 0;
        case WM_CHAR:
            if (input) events_->Form_KeyPress(static_cast<int>(wParam));
            return 0;
        case WM_MOUSEMOVE:
            if (input) PointerMoved(w, wParam, lParam);
            return 0;
        case WM_ACTIVATEAPP:
            // Another program's window came up over the screen saver: it ends, whatever the exit mode.
            if (wParam == FALSE && input && shown_) Unload();
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
            // A preview's host window went away (it destroys its children), or the system closes us.
            w.destroyed = true;
            if (!unloading_) Unload();
            return 0;
    }
    return DefWindowProcW(w.hwnd, message, wParam, lParam);
}
