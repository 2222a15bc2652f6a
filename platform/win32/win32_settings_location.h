// Where the screen saver keeps "KELO.INI" on Windows. The file beside the .scr is the settings file
// while the user can write in that folder (an unpacked folder, the user's own program folder). A .scr
// installed in the Windows folder or under Program Files cannot be saved there: then the settings
// file is %APPDATA%\Kelo\KELO.INI, created from the one beside the program the first time it is
// needed (*created is set then, and start-up gives it the place of the main city of the system's zone). With neither file, the name beside the program is returned and
// start-up reports it missing.
#pragma once

#include <functional>
#include <string>

// True when a new file can be created in the folder (a probe file is created and deleted at once).
bool FolderIsWritable(const std::string& folder);

// programDir and appDataDir in UTF-8 without trailing backslash; appDataDir may be empty. writable
// decides whether a folder can be written (FolderIsWritable unless a test gives its own).
std::string LocateWindowsSettingsFile(const std::string& programDir, const std::string& appDataDir,
                                      const std::function<bool(const std::string&)>& writable = FolderIsWritable,
                                      bool* created = nullptr);
