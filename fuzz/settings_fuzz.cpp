// Arbitrary bytes as a settings file: the reader, the checks and two chart updates (a modern date and
// the last day of the Julian calendar) must neither crash, nor hang, nor run into undefined behaviour.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/fixed_clock.h"
#include "platform/message_boxes.h"
#include "shell/chart_startup.h"
#include "shell/startup_values.h"
#include "shell/update_chart.h"

namespace {

class CountedMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override { ++shown; }
    int shown = 0;
};

const std::string& SettingsPath() {
    static const std::string path = "/tmp/kelo_fuzz_settings_" + std::to_string(getpid()) + ".ini";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(SettingsPath().c_str(), "wb");
    if (file == nullptr) return 0;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);

    ChartState s;
    s.dateOrder = static_cast<int16_t>(size % 3);
    s.clockFormat = static_cast<int16_t>(size / 3 % 2);
    InitComputationConstants(s);
    s.settingsFileName = SettingsPath();
    if (!LoadChartSettings(s)) return 0;

    CountedMessageBoxes boxes;
    FixedClock clock(LocalDateTime{2026, 12, 7, 22, 30, 0}, s.clockFormat);
    UpdateChart(s, clock, boxes);
    clock.Set(LocalDateTime{1582, 10, 4, 0, 5, 0});
    UpdateChart(s, clock, boxes);
    return 0;
}
