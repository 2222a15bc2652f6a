#include "settings/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string ReplacementFileName(const std::string& path) { return path + ".tmp"; }

bool ReplaceFileSafely(const std::string& path, const std::string& contents, std::string& error) {
    const std::string temporary = ReplacementFileName(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    if (written && std::fflush(file) != 0) written = false;
    if (!written) error = std::strerror(errno);
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = std::strerror(errno);
    }
    std::error_code ec;
    if (written) {
        fs::rename(temporary, path, ec);
        if (!ec) return true;
        error = ec.message();
    }
    fs::remove(temporary, ec);
    return false;
}
