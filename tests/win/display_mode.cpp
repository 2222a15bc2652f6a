// A stand-in for the display settings in the display-change test: gives the primary monitor another
// mode as Windows' own settings page does, through ChangeDisplaySettingsExW, which tells every window
// with WM_DISPLAYCHANGE. Prints the result (0: changed) and exits 0 when the mode was set.
//   display_mode.exe WIDTH HEIGHT
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(std::atoi(argv[1]));
    mode.dmPelsHeight = static_cast<DWORD>(std::atoi(argv[2]));
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    std::printf("%ld\n", result);
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}
