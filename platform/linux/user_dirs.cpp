#include "platform/linux/user_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

std::string ProgramDirOfThisProcess() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

std::string UserConfigDirOfThisUser() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') return config;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const struct passwd* pw = getpwuid(getuid());
        home = pw != nullptr ? pw->pw_dir : nullptr;
    }
    if (home == nullptr) return "";
    return std::string(home) + "/.config";
}
