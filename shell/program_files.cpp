#include "shell/program_files.h"

#include <filesystem>
#include <system_error>

#include "platform/zone_place.h"
#include "settings/settings_place.h"

namespace fs = std::filesystem;

namespace {

bool IsFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// <programDir>/../share/kelo/<leaf>
fs::path InstalledDefault(const std::string& programDir, const char* leaf) {
    return fs::path(programDir).parent_path() / "share" / "kelo" / leaf;
}

}  // namespace

std::string LocateSettingsFile(const std::string& programDir, const std::string& userConfigDir) {
    const fs::path beside = fs::path(programDir) / kSettingsFileLeaf;
    if (IsFile(beside) || userConfigDir.empty()) return beside.string();

    const fs::path userFile = fs::path(userConfigDir) / "kelo" / kSettingsFileLeaf;
    if (IsFile(userFile)) return userFile.string();

    const fs::path installed = InstalledDefault(programDir, kSettingsFileLeaf);
    if (!IsFile(installed)) return beside.string();

    // First use of an installed program: the user's copy of the default settings.
    std::error_code ec;
    fs::create_directories(userFile.parent_path(), ec);
    if (!ec) fs::copy_file(installed, userFile, fs::copy_options::skip_existing, ec);
    if (ec || !IsFile(userFile)) return beside.string();
    PlaceNewSettingsFile(userFile.string(), SystemZonePlace());
    return userFile.string();
}

std::string LocateGlyphFont(const std::string& programDir) {
    const fs::path beside = fs::path(programDir) / kGlyphFontLeaf;
    if (IsFile(beside)) return beside.string();
    const fs::path installed = InstalledDefault(programDir, kGlyphFontLeaf);
    if (IsFile(installed)) return installed.string();
    return beside.string();
}
