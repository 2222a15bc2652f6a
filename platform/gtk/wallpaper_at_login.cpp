#include "platform/gtk/wallpaper_at_login.h"

#include <filesystem>
#include <system_error>

#include "platform/linux/autostart.h"
#include "platform/linux/user_dirs.h"

namespace {

std::string EntryPath() { return WallpaperAutostartPath(UserConfigDirOfThisUser()); }

// The running program's own file: the entry starts the same kelo, installed or built.
std::string ProgramPath() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("kelo") : self.string();
}

}  // namespace

GtkWidget* NewWallpaperAtLoginBox() {
    GtkWidget* box = gtk_check_button_new_with_mnemonic("Show Kelo as the _desktop background when I log in");
    gtk_widget_set_name(box, "chkWallpaperAtLogin");
    gtk_widget_set_tooltip_text(box, "Starts \"kelo --wallpaper\" with every session (an entry in "
                                     "~/.config/autostart); GNOME on Wayland has no desktop background for it");
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(box), WallpaperStartsAtLogin(EntryPath()));
    return box;
}

bool ApplyWallpaperAtLogin(GtkWidget* box, std::string& error) {
    const std::string path = EntryPath();
    const bool atLogin = gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(box));
    if (atLogin == WallpaperStartsAtLogin(path)) return true;
    return SetWallpaperAtLogin(path, atLogin, ProgramPath(), error);
}
