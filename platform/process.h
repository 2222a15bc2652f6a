// The running process: where its program file lies, where the program's two files are, and ending it.
#pragma once

#include <optional>
#include <string>

#include "platform/zone_place.h"

class Process {
public:
    virtual ~Process() = default;
    // Directory of the program file, without a trailing separator.
    virtual std::string ProgramDir() = 0;
    // The settings file "KELO.INI" by the platform's rule: on Linux beside the program, else the user's
    // copy of the installed default (platform/linux/program_files.h); on Windows beside the program while
    // its folder is writable, else the user's application-data copy (win32_settings_location.h). The rule
    // may create the user's copy; it always names a file, and start-up reports one it cannot read.
    virtual std::string SettingsFileName() = 0;
    // Whether the last SettingsFileName made the user's copy of the shipped default just now (a first run).
    virtual bool SettingsFileCreated() const { return false; }
    // The main city of the system's time zone, where the platform knows one: a new user's settings
    // file starts there.
    virtual std::optional<ZonePlace> SystemZonePlace() { return std::nullopt; }
    // The glyph font "glypha.ttf" by the platform's rule (beside the program; on Linux, else installed).
    virtual std::string GlyphFontPath() = 0;
    // Ends the process with the status: every window closes and no further event handler runs.
    // Does not return.
    [[noreturn]] virtual void End(int status) = 0;
};
