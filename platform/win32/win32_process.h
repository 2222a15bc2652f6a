// The process on Windows: the program's folder, the user's application-data folder, ending the
// process, and the one screen saver per user session (a named mutex in the session's namespace).
#pragma once

#include <windows.h>

#include <string>

#include "platform/instance_lock.h"
#include "platform/process.h"

class Win32Process : public Process {
public:
    // The folder of the .scr (GetModuleFileNameW), UTF-8, no trailing backslash.
    std::string ProgramDir() override;
    // %APPDATA% (the roaming application-data folder), UTF-8; empty if Windows does not know it.
    std::string UserConfigDir();
    // KELO.INI beside the .scr while its folder is writable, else %APPDATA%\Kelo\KELO.INI made from it.
    std::string SettingsFileName() override;
    bool SettingsFileCreated() const override { return settingsFileCreated_; }
    // The Windows zone's key name, through CLDR's table of Windows zones.
    std::optional<ZonePlace> SystemZonePlace() override;
    // glypha.ttf beside the .scr.
    std::string GlyphFontPath() override;
    [[noreturn]] void End(int status) override;

private:
    bool settingsFileCreated_ = false;
};

// CreateMutexW("Local\<name>"): the first process of the user's session that creates it owns the
// instance; a later one sees ERROR_ALREADY_EXISTS. The handle is kept until the process ends.
class Win32InstanceLock : public InstanceLock {
public:
    explicit Win32InstanceLock(std::wstring name = L"Local\\SCRNSAVE KELO") : name_(std::move(name)) {}
    ~Win32InstanceLock() override;
    bool AnotherInstanceRunning() override;

private:
    std::wstring name_;
    HANDLE mutex_ = nullptr;
    bool checked_ = false;
    bool another_ = false;
};

