// The settings dialog's check box "Show Kelo as the desktop background when I log in": ticked while the
// user's XDG autostart entry for "kelo --wallpaper" is there, and applied to it at Save.
#pragma once

#include <gtk/gtk.h>

#include <string>

// The check box (named "chkWallpaperAtLogin"), ticked when the entry is there.
GtkWidget* NewWallpaperAtLoginBox();

// Writes the entry for this program, or removes it, as the box says, when the file says otherwise.
// False, with a short reason in error, when that fails.
bool ApplyWallpaperAtLogin(GtkWidget* box, std::string& error);
