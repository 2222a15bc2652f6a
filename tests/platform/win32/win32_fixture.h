// Helpers of the Win32 platform tests: a fresh temporary folder, files in it, and paths of the source
// tree as Windows sees them (a Unix path under Wine is on drive Z:).
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string SourcePath(const std::string& path) {
    return !path.empty() && path[0] == '/' ? "Z:" + path : path;
}

class WinTempFolder {
public:
    WinTempFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("kelo-win32-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~WinTempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string Path(const std::string& leaf = "") const {
        return leaf.empty() ? path_.string() : (path_ / leaf).make_preferred().string();
    }
    void Write(const std::string& leaf, const std::string& bytes) const {
        std::filesystem::create_directories((path_ / leaf).parent_path());
        std::ofstream(path_ / leaf, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& leaf) const {
        std::ifstream in(path_ / leaf, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path path_;
};
