// A stand-in for the screen-saver settings page in the preview test: a small window titled
// "Kelo preview host" whose handle is written to standard output, as Windows would pass it after "/p".
// After the given number of seconds it writes how many child windows it holds (and the client size of
// the last one) and closes, so that the preview inside it sees its host go away.
//   preview_host.exe SECONDS [CLIENT_WIDTH CLIENT_HEIGHT]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT_PTR kCloseTimer = 1;

struct Children {
    int count = 0;
    RECT client{};  // of the last child
};

BOOL CALLBACK CountChild(HWND child, LPARAM found) {
    auto* children = reinterpret_cast<Children*>(found);
    ++children->count;
    GetClientRect(child, &children->client);
    return TRUE;
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: {
            Children children;
            EnumChildWindows(hwnd, CountChild, reinterpret_cast<LPARAM>(&children));
            std::printf("children %d %ldx%ld\n", children.count, children.client.right, children.client.bottom);
            std::fflush(stdout);
            DestroyWindow(hwnd);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const int width = argc > 3 ? std::atoi(argv[2]) : 200;
    const int height = argc > 3 ? std::atoi(argv[3]) : 150;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"KeloPreviewHost";
    RegisterClassW(&wc);
    RECT frame{0, 0, width, height};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    AdjustWindowRect(&frame, style, FALSE);
    HWND hwnd = CreateWindowW(L"KeloPreviewHost", L"Kelo preview host", style, 40, 40, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)));
    std::fflush(stdout);
    SetTimer(hwnd, kCloseTimer, static_cast<UINT>(seconds) * 1000u, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
