// The chart the benchmarks work on: the shipped default settings read as start-up reads them.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/message_boxes.h"
#include "shell/chart_startup.h"
#include "shell/startup_values.h"

class NoMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

// Constants, then the settings and the tables, as start-up loads them.
inline ChartState StartedState() {
    ChartState s;
    InitComputationConstants(s);
    s.settingsFileName = KELO_BENCH_SETTINGS;
    if (!LoadChartSettings(s)) throw std::runtime_error("cannot read " + s.settingsFileName);
    return s;
}
