// The wallpaper started at every login: an XDG autostart entry, <config>/autostart/kelo-wallpaper.desktop
// (~/.config/autostart/), which the desktops run when a session starts.
#pragma once

#include <string>

// The entry's path under the user's config folder (UserConfigDirOfThisUser); empty without one.
std::string WallpaperAutostartPath(const std::string& configDir);

// The entry's text: a desktop entry that runs programPath --wallpaper.
std::string WallpaperAutostartEntry(const std::string& programPath);

// One argument of a desktop entry's Exec key: quoted where it holds a reserved character, with "%"
// doubled, then escaped as the entry's strings are.
std::string DesktopExecArgument(const std::string& argument);

// Whether the entry is there.
bool WallpaperStartsAtLogin(const std::string& path);

// Writes the entry (and its folder) for programPath, or removes it. False, with a short reason in
// error, when that fails; a missing entry is already removed.
bool SetWallpaperAtLogin(const std::string& path, bool atLogin, const std::string& programPath, std::string& error);
