// The running process: where its program file lies, where the user keeps configuration, and ending it.
#pragma once

#include <string>

class Process {
public:
    virtual ~Process() = default;
    // Directory of the program file, without a trailing separator.
    virtual std::string ProgramDir() = 0;
    // The user's configuration directory ($XDG_CONFIG_HOME, else ~/.config); empty on a platform that
    // keeps settings only beside the program.
    virtual std::string UserConfigDir() = 0;
    // The settings file when this platform has a rule of its own for it (Windows: beside the program
    // while its folder is writable, else the user's application-data copy); empty: the shell's rule.
    virtual std::string SettingsFileName(const std::string& programDir) {
        (void)programDir;
        return {};
    }
    // Ends the process with the status: every window closes and no further event handler runs.
    // Does not return.
    [[noreturn]] virtual void End(int status) = 0;
};
