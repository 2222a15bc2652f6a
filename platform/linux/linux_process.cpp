#include "platform/linux/linux_process.h"

#include <cstdlib>

#include "platform/linux/program_files.h"
#include "platform/linux/user_dirs.h"

std::string LinuxProcess::ProgramDir() { return ProgramDirOfThisProcess(); }

std::string LinuxProcess::SettingsFileName() {
    return LocateSettingsFile(ProgramDir(), UserConfigDirOfThisUser(), &settingsFileCreated_);
}

std::string LinuxProcess::GlyphFontPath() { return LocateGlyphFont(ProgramDir()); }

void LinuxProcess::End(int status) { std::exit(status); }
