// Which chart windows follow a new list of monitors: a monitor still there keeps its window, a new one
// gets one, and the window of a monitor that went goes; the windows then take the new list's order (the
// primary monitor first).
#pragma once

#include <cstddef>
#include <vector>

// A monitor as the windows know it: the toolkit's own object where it has one (a Wayland output), else
// its rectangle alone (an X11 RandR monitor, which a change of layout replaces by another).
struct MonitorKey {
    const void* id;  // nullptr: known by its rectangle
    int x, y, width, height;
};

bool SameMonitor(const MonitorKey& a, const MonitorKey& b);

// For each monitor of now, the index in shown of the window it keeps, or -1 for a new window. Each
// shown window serves one monitor at most; those not named go.
std::vector<int> MatchMonitors(const std::vector<MonitorKey>& shown, const std::vector<MonitorKey>& now);
