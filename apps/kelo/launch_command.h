// kelo's command line on Linux. Besides the screen saver's own rule ("/c" exactly opens the settings
// editor first, any other text starts the saver), kelo takes the switches of the X11 screen-saver
// daemons' launch convention and a few of its own:
//   --root, -root              hack mode: draw into the window named by $XSCREENSAVER_WINDOW (hex "0x..."
//                              or decimal), else into the root window of the default screen
//   --window-id ID, -window-id ID, --window-id=ID
//                              hack mode: draw into that window (a settings program's preview)
//   --wallpaper                the chart as the desktop's background on every monitor, until a signal
//   --no-inhibit               the saver lets the desktop blank and lock the screen while it runs
//   --help, -h                 the usage text
//   --version                  the version
// Any other word that begins with "-" is an unknown switch. Words that do not are the screen saver's
// command line, joined by blanks as before.
#pragma once

#include <string>
#include <vector>

enum class LaunchMode { Saver, Hack, Wallpaper, Help, Version, Invalid };

struct LaunchCommand {
    LaunchMode mode = LaunchMode::Saver;
    unsigned long hackWindow = 0;   // Hack: the X window to draw into; 0 is the root window
    bool noInhibit = false;         // Saver: no idle inhibit
    std::string shellCommandLine;   // Saver: what start-up sees ("/c" opens the editor); empty otherwise
    std::string error;              // Invalid: one line for standard error, without "kelo: "
};

// arguments: argv[1..]; xscreensaverWindow: the value of $XSCREENSAVER_WINDOW, or nullptr when unset.
LaunchCommand ParseLaunchCommand(const std::vector<std::string>& arguments, const char* xscreensaverWindow);

// An X window id written in hex ("0x1e00007") or decimal; false for anything else, 0 and values beyond
// 32 bits included.
bool ParseWindowId(const std::string& text, unsigned long& id);

// The text of kelo --help: the modes, the switches, where the settings file is looked for, the exit
// statuses.
std::string UsageText();

// Exit statuses.
inline constexpr int kExitUsage = 2;      // an unknown switch or a bad window id
inline constexpr int kExitNoDisplay = 1;  // hack mode without an X display or without its window; the
                                          // wallpaper without a display or a background layer
