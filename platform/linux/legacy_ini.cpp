#include <cstdlib>

#include "platform/linux/file_text_lines.h"

bool LegacyIniFile::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    if (path != kLegacyIniPath) return files_.ReadLines(path, lines);
    const char* configured = std::getenv(kLegacyIniVariable);
    if (configured == nullptr || configured[0] == '\0') return false;
    return files_.ReadLines(configured, lines);
}
