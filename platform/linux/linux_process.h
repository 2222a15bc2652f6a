// The process on Linux: the folder of /proc/self/exe, the program's files by the install layout
// (program_files.h, with the user's configuration directory by XDG), and exit().
#pragma once

#include <string>

#include "platform/process.h"

class LinuxProcess : public Process {
public:
    std::string ProgramDir() override;
    std::string SettingsFileName() override;
    bool SettingsFileCreated() const override { return settingsFileCreated_; }
    // TZ or the /etc/localtime link, looked up in the time-zone database.
    std::optional<ZonePlace> SystemZonePlace() override { return ::SystemZonePlace(); }
    std::string GlyphFontPath() override;
    [[noreturn]] void End(int status) override;

private:
    bool settingsFileCreated_ = false;
};
