// The monitors of an X display as RandR lists them.
#pragma once

#include <X11/Xlib.h>

#include <vector>

struct RandRMonitor {
    int x = 0, y = 0, width = 0, height = 0;  // device pixels of the root window
};

// The monitors of the default screen's root window by RandR 1.5, the primary one first, then in the
// server's order; a monitor without an output of its own (one screen split in two by "xrandr
// --setmonitor") included, since the screen-saver daemons draw on it. Empty where the server has no
// RandR 1.5.
std::vector<RandRMonitor> RandRMonitors(Display* display);
