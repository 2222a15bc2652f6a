#include "platform/linux/program_files.h"

#include <filesystem>
#include <system_error>

#include "platform/utf8_path.h"
#include "platform/zone_place.h"

namespace fs = std::filesystem;

namespace {

bool IsFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// <programDir>/../share/kelo/<leaf>
fs::path InstalledDefault(const std::string& programDir, const char* leaf) {
    return PathFromUtf8(programDir).parent_path() / "share" / "kelo" / leaf;
}

}  // namespace

std::string LocateSettingsFile(const std::string& programDir, const std::string& userConfigDir, bool* created) {
    if (created != nullptr) *created = false;
    const fs::path beside = PathFromUtf8(programDir) / kSettingsFileLeaf;
    if (IsFile(beside) || userConfigDir.empty()) return Utf8FromPath(beside);

    const fs::path userFile = PathFromUtf8(userConfigDir) / "kelo" / kSettingsFileLeaf;
    if (IsFile(userFile)) return Utf8FromPath(userFile);

    const fs::path installed = InstalledDefault(programDir, kSettingsFileLeaf);
    if (!IsFile(installed)) return Utf8FromPath(beside);

    // First use of an installed program: the user's copy of the default settings.
    std::error_code ec;
    fs::create_directories(userFile.parent_path(), ec);
    if (!ec) fs::copy_file(installed, userFile, fs::copy_options::skip_existing, ec);
    if (ec || !IsFile(userFile)) return Utf8FromPath(beside);
    if (created != nullptr) *created = true;
    return Utf8FromPath(userFile);
}

std::string LocateGlyphFont(const std::string& programDir) {
    const fs::path beside = PathFromUtf8(programDir) / kGlyphFontLeaf;
    if (IsFile(beside)) return Utf8FromPath(beside);
    const fs::path installed = InstalledDefault(programDir, kGlyphFontLeaf);
    if (IsFile(installed)) return Utf8FromPath(installed);
    return Utf8FromPath(beside);
}
