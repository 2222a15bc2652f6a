#include "platform/linux/autostart.h"

#include <filesystem>
#include <system_error>

#include "platform/whole_file.h"

std::string WallpaperAutostartPath(const std::string& configDir) {
    return configDir.empty() ? std::string() : configDir + "/autostart/kelo-wallpaper.desktop";
}

std::string DesktopExecArgument(const std::string& argument) {
    // The characters that make an argument quoted, and those escaped by a backslash inside the quotes.
    static const std::string kReserved = " \t\n\"'\\><~|&;$*?#()`";
    static const std::string kEscaped = "\"`$\\";
    std::string quoted;
    for (char c : argument) {
        if (kEscaped.find(c) != std::string::npos) quoted += '\\';
        quoted += c;
        if (c == '%') quoted += '%';
    }
    if (argument.empty() || argument.find_first_of(kReserved) != std::string::npos) quoted = '"' + quoted + '"';
    // The Exec value is a string of the entry: each backslash written twice.
    std::string escaped;
    for (char c : quoted) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return escaped;
}

std::string WallpaperAutostartEntry(const std::string& programPath) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Kelo wallpaper\n"
           "Comment=The chart of the present moment as the desktop background\n"
           "Exec=" + DesktopExecArgument(programPath) + " --wallpaper\n"
           "Icon=org.kelo.ScreenSaver\n"
           "Terminal=false\n"
           "NoDisplay=true\n";
}

bool WallpaperStartsAtLogin(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

bool SetWallpaperAtLogin(const std::string& path, bool atLogin, const std::string& programPath, std::string& error) {
    if (path.empty()) {
        error = "there is no home folder for the autostart entry";
        return false;
    }
    std::error_code ec;
    if (!atLogin) {
        std::filesystem::remove(path, ec);
        if (ec) error = ec.message();
        return !ec;
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    return ReplaceFileSafely(path, WallpaperAutostartEntry(programPath), error);
}
