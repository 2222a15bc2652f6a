#include "platform/win32/win32_process.h"

#include <shlobj.h>

#include <filesystem>

#include "platform/win32/win32_settings_location.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_time_zone.h"

namespace {

// The program file's full path (GetModuleFileNameW, however long); empty when Windows does not say.
std::wstring ProgramFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::string Win32Process::ProgramDir() {
    std::wstring path = ProgramFile();
    if (path.empty()) return ".";
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return ".";
    path.resize(slash);
    if (path.size() == 2 && path[1] == L':') path += L'\\';  // a drive's root keeps its backslash
    return Utf8FromWide(path);
}

std::string Win32Process::UserConfigDir() {
    PWSTR folder = nullptr;
    std::string result;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder))) result = Utf8FromWide(folder);
    CoTaskMemFree(folder);
    return result;
}

std::string Win32Process::SettingsFileName() {
    return LocateWindowsSettingsFile(ProgramDir(), UserConfigDir(), FolderIsWritable, &settingsFileCreated_);
}

std::optional<ZonePlace> Win32Process::SystemZonePlace() { return PlaceOfWindowsZone(SystemZoneKeyName()); }

std::string Win32Process::GlyphFontPath() {
    return Utf8FromWide((std::filesystem::path(WideFromUtf8(ProgramDir())) / L"glypha.ttf").wstring());
}

void Win32Process::End(int status) { ExitProcess(static_cast<UINT>(status)); }

Win32InstanceLock::~Win32InstanceLock() {
    if (mutex_) CloseHandle(mutex_);
}

bool Win32InstanceLock::AnotherInstanceRunning() {
    if (!checked_) {
        checked_ = true;
        mutex_ = CreateMutexW(nullptr, FALSE, name_.c_str());
        another_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return another_;
}
