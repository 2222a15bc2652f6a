// File names are UTF-8 inside the program. A std::filesystem::path made from a plain std::string takes
// its bytes in the system's ANSI code page on Windows (so "Kelo Zürich" would name another folder),
// and .string() gives them back in that code page; these two go through UTF-8 on every system.
#pragma once

#include <filesystem>
#include <string>

inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
