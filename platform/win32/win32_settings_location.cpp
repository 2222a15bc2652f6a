#include "platform/win32/win32_settings_location.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

#include "platform/win32/win32_text.h"
#include "platform/win32/win32_time_zone.h"
#include "platform/zone_place.h"

namespace {

std::string Join(const std::string& folder, const std::string& leaf) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + leaf;
    return folder + "\\" + leaf;
}

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

bool FolderIsWritable(const std::string& folder) {
    std::wstring probe = WideFromUtf8(Join(folder, "KELO.INI.probe-" + std::to_string(GetCurrentProcessId())));
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

std::string LocateWindowsSettingsFile(const std::string& programDir, const std::string& appDataDir,
                                      const std::function<bool(const std::string&)>& writable, bool* created) {
    if (created != nullptr) *created = false;
    const std::string beside = Join(programDir, "KELO.INI");
    if (appDataDir.empty() || writable(programDir)) return beside;

    const std::string userFolder = Join(appDataDir, "Kelo");
    const std::string userFile = Join(userFolder, "KELO.INI");
    if (IsFile(userFile)) return userFile;
    if (!IsFile(beside)) return beside;

    // First use: the user's own copy of the settings beside the program.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(WideFromUtf8(userFolder)), ec);
    if (!CopyFileW(WideFromUtf8(beside).c_str(), WideFromUtf8(userFile).c_str(), TRUE) && !IsFile(userFile))
        return beside;
    if (created != nullptr) *created = true;
    return userFile;
}
