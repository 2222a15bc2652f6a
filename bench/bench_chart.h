// The chart the benchmarks work on: the shipped default settings read as start-up reads them.
#pragma once

#include <stdexcept>
#include <string>

#include "astro/ephemeris/ephemeris.h"
#include "platform/message_boxes.h"
#include "settings/settings_file.h"
#include "shell/startup_values.h"

class NoMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

// Constants, settings, element tables and house system, in start-up's order.
inline ChartState StartedState() {
    ChartState s;
    InitComputationConstants(s);
    s.settingsFileName = KELO_BENCH_SETTINGS;
    if (!ReadSettings(s)) throw std::runtime_error("cannot read " + s.settingsFileName);
    LoadElementTables(s);
    ChooseHouseSystem(s);
    return s;
}
