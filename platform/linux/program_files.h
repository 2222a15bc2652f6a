// Where the program finds its two files on Linux, the settings file "KELO.INI" and the glyph font
// "glypha.ttf" (the install layout behind LinuxProcess).
//
// A file beside the program wins (the build tree, an unpacked folder). An installed program keeps its
// defaults in ../share/kelo/ beside its bin/ directory and cannot write there, so its settings file
// is the user's <config>/kelo/KELO.INI, created from the installed default the first time it is
// needed (start-up then gives it the place of the system zone's main city).
// With neither, the name beside the program is returned and start-up reports it missing.
#pragma once

#include <string>

inline constexpr const char* kSettingsFileLeaf = "KELO.INI";
inline constexpr const char* kGlyphFontLeaf = "glypha.ttf";

// The settings file for a program in programDir; userConfigDir may be empty (no per-user location).
// May create <userConfigDir>/kelo/KELO.INI (and its directories) by copying the installed default; then
// *created is set (when given), and start-up moves the new file's place to the system zone's main city.
std::string LocateSettingsFile(const std::string& programDir, const std::string& userConfigDir,
                               bool* created = nullptr);

// The glyph font: beside the program, else the installed copy in ../share/kelo/.
std::string LocateGlyphFont(const std::string& programDir);
