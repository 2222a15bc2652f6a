#include "platform/gtk/monitor_list.h"

bool SameMonitor(const MonitorKey& a, const MonitorKey& b) {
    if (a.id != nullptr || b.id != nullptr) return a.id == b.id;
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

std::vector<int> MatchMonitors(const std::vector<MonitorKey>& shown, const std::vector<MonitorKey>& now) {
    std::vector<int> from(now.size(), -1);
    std::vector<bool> taken(shown.size(), false);
    for (std::size_t j = 0; j < now.size(); ++j)
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (!taken[i] && SameMonitor(shown[i], now[j])) {
                taken[i] = true;
                from[j] = static_cast<int>(i);
                break;
            }
    return from;
}
