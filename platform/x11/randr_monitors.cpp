#include "platform/x11/randr_monitors.h"

#include <X11/extensions/Xrandr.h>

std::vector<RandRMonitor> RandRMonitors(Display* display) {
    std::vector<RandRMonitor> monitors;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &event, &error) || !XRRQueryVersion(display, &major, &minor)) return monitors;
    if (major < 1 || (major == 1 && minor < 5)) return monitors;  // monitors came with 1.5
    int n = 0;
    XRRMonitorInfo* info = XRRGetMonitors(display, DefaultRootWindow(display), True, &n);
    if (info == nullptr) return monitors;
    for (int i = 0; i < n; ++i) {
        const RandRMonitor m{info[i].x, info[i].y, info[i].width, info[i].height};
        monitors.insert(info[i].primary ? monitors.begin() : monitors.end(), m);
    }
    XRRFreeMonitors(info);
    return monitors;
}
