#include "platform/linux/file_text_lines.h"

#include <cstdio>

bool FileTextLines::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    if (path.empty()) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::string line;
    bool pending = false;  // characters after the last line end
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        for (std::size_t i = 0; i < got; ++i) {
            if (buffer[i] == '\n') {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                lines.push_back(line);
                line.clear();
                pending = false;
            } else {
                line += buffer[i];
                pending = true;
            }
        }
    }
    if (pending) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}
