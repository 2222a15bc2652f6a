// Helpers of the Win32 platform tests: a fresh temporary folder, files in it, and paths of the source
// tree as Windows sees them (a Unix path under Wine is on drive Z:).
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/temp_folder.h"

inline std::string SourcePath(const std::string& path) {
    return !path.empty() && path[0] == '/' ? "Z:" + path : path;
}

