// A fresh temporary folder for one test, removed with everything in it when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <process.h>
#define KELO_TEST_PID _getpid()
#else
#include <unistd.h>
#define KELO_TEST_PID getpid()
#endif

// The name carries the process id, so that test programs run in parallel never share a folder.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("kelo-test-" + std::to_string(KELO_TEST_PID) + "-" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    // With the platform's own separators ("bin/KELO.INI" is "bin\\KELO.INI" on Windows).
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
