#include "apps/kelo/launch_command.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

bool ParseWindowId(const std::string& text, unsigned long& id) {
    if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ') return false;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    for (char c : digits)
        if (!(hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c))))
            return false;
    errno = 0;
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    // X resource ids are 29 bits; anything beyond 32 is not a window.
    if (errno != 0 || value == 0 || value > 0xFFFFFFFFull) return false;
    id = static_cast<unsigned long>(value);
    return true;
}

LaunchCommand ParseLaunchCommand(const std::vector<std::string>& arguments, const char* xscreensaverWindow) {
    LaunchCommand c;
    bool root = false, windowGiven = false, wallpaper = false;
    auto invalid = [&c](std::string why) {
        c.mode = LaunchMode::Invalid;
        c.error = std::move(why);
        return c;
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--help" || a == "-h") {
            LaunchCommand help;
            help.mode = LaunchMode::Help;
            return help;
        }
        if (a == "--version") {
            LaunchCommand version;
            version.mode = LaunchMode::Version;
            return version;
        }
        if (a == "--root" || a == "-root") {
            root = true;
        } else if (a == "--window-id" || a == "-window-id" || a.rfind("--window-id=", 0) == 0) {
            const bool joined = a.size() > 11 && a[11] == '=';
            if (!joined && i + 1 >= arguments.size()) return invalid(a + " needs a window id");
            const std::string id = joined ? a.substr(12) : arguments[++i];
            if (!ParseWindowId(id, c.hackWindow)) return invalid("\"" + id + "\" is not a window id");
            windowGiven = true;
        } else if (a == "--wallpaper") {
            wallpaper = true;
        } else if (a == "--no-inhibit") {
            c.noInhibit = true;
        } else if (!a.empty() && a[0] == '-') {
            return invalid("unknown switch " + a + " (kelo --help lists the switches)");
        } else {
            if (!c.shellCommandLine.empty()) c.shellCommandLine += ' ';
            c.shellCommandLine += a;
        }
    }
    if (wallpaper && (root || windowGiven)) return invalid("--wallpaper draws windows of its own, not into another's");
    if (wallpaper) {
        // The background: no editor, whatever the rest of the line says.
        c.mode = LaunchMode::Wallpaper;
        c.shellCommandLine.clear();
        return c;
    }
    if (!root && !windowGiven) return c;
    // Hack mode: the daemon's window, a named window, or the root window. The editor never opens.
    c.mode = LaunchMode::Hack;
    c.shellCommandLine.clear();
    if (!windowGiven && xscreensaverWindow != nullptr && *xscreensaverWindow != '\0' &&
        !ParseWindowId(xscreensaverWindow, c.hackWindow))
        return invalid(std::string("XSCREENSAVER_WINDOW=") + xscreensaverWindow + " is not a window id");
    return c;
}

std::string UsageText() {
    return "Usage: kelo [/c] [--no-inhibit]\n"
           "       kelo --wallpaper\n"
           "       kelo --root | --window-id ID\n"
           "       kelo --help | --version\n"
           "\n"
           "Kelo shows the astrological chart of the present moment for the place in its settings, and\n"
           "draws it again every minute.\n"
           "\n"
           "Screen saver (no switch): one full-screen chart on every monitor, until the input that\n"
           "settings line 33 names (a click, a key, a movement of the mouse). While it runs, the desktop\n"
           "neither blanks nor locks the screen. On Wayland it covers every output on the overlay layer\n"
           "where the desktop has the layer shell (sway and the other wlroots desktops, KDE Plasma), else\n"
           "(GNOME) with a full-screen window on each monitor. wlroots desktops start it on idle with\n"
           "  swayidle -w timeout 300 'kelo'\n"
           "  /c                 open the settings editor first, then start the screen saver\n"
           "  --no-inhibit       let the desktop blank and lock the screen as usual\n"
           "\n"
           "Wallpaper: the living chart as the desktop's background on every monitor, beneath all\n"
           "windows: on X11 a desktop window per monitor, on Wayland the layer shell's background layer\n"
           "(not on GNOME, which has none for programs). No input ends it and no pointer change, no idle\n"
           "inhibit, no settings editor; the screen saver still starts over it. Ends on SIGTERM or SIGINT.\n"
           "  --wallpaper        show the chart as the desktop background\n"
           "\n"
           "Hack mode, for XScreenSaver, the MATE screen saver and their previews: draw the chart into a\n"
           "window of theirs, follow its size, end on SIGTERM or when the window goes. No window of its\n"
           "own, no input, no pointer change, no idle inhibit, no settings editor; any number may run.\n"
           "  --root, -root      into $XSCREENSAVER_WINDOW, else into the root window\n"
           "  --window-id ID     into the X window ID (hex 0x... or decimal)\n"
           "\n"
           "  --help             this text\n"
           "  --version          the version\n"
           "\n"
           "Settings: KELO.INI beside the program when it is there; otherwise the user's own\n"
           "$XDG_CONFIG_HOME/kelo/KELO.INI (~/.config/kelo/KELO.INI), made from the installed default\n"
           "<prefix>/share/kelo/KELO.INI the first time. The glyph font glypha.ttf lies beside the\n"
           "program or in <prefix>/share/kelo/.\n"
           "\n"
           "Exit status: 0 when ended by input, a signal or the end of its window; 1 when the settings\n"
           "file is missing, hack mode finds no X display or no such window, or the wallpaper no display\n"
           "or no background layer; 2 for an unknown switch or a bad window id.\n";
}
