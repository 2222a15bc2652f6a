#include <cstdlib>

#include "platform/gtk/gtk_platform.h"
#include "shell/regional_format.h"

bool LegacyIniFile::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    if (path != kLegacyIniPath) return files_.ReadLines(path, lines);
    const char* configured = std::getenv("KELO_LEGACY_INI");
    if (configured == nullptr || configured[0] == '\0') return false;
    return files_.ReadLines(configured, lines);
}
