#include "shell/options_preview.h"

#include "astro/ephemeris/ephemeris.h"
#include "core/numeric.h"
#include "render/paint.h"
#include "render/render_tables.h"
#include "core/setting_lines.h"
#include "shell/startup_values.h"
#include "shell/update_chart.h"

namespace {

constexpr double kLogicalWidth = 1024;
constexpr double kLogicalHeight = 768;

class NoMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

}  // namespace

OptionsPreview::OptionsPreview(const ChartState& state, Clock& clock) : chart(state), clock(clock) {
    // The tables start-up loads after the settings are read (its steps 11 and 13).
    LoadElementTables(chart);
    LoadSlotAngles(chart);
    LoadCuspLabelOffsets(chart);
    LoadRimRadius(chart);
    chart.chartComputed = 0;
}

std::string OptionsPreview::HouseSystemLetter(const SettingValues& values) {
    ChartState c;
    c.settingValues = values;
    ChooseHouseSystem(c);
    return c.houseSystemLetter;
}

void OptionsPreview::PaintPreview(const SettingValues& values, Surface& surface) {
    chart.settingValues = values;
    ChooseHouseSystem(chart);
    NoMessageBoxes boxes;
    UpdateChart(chart, clock, boxes);
    if (chart.settingsError == 0) chart.chartComputed = 1;
    surface.SetCoordinates(0, 0, kLogicalWidth, kLogicalHeight);
    if (chart.chartComputed == 0) {
        surface.SetBackColor(Palette(Round16(values[kBackgroundColourLine])));
        surface.Clear();
        return;
    }
    ResizeChart(chart, surface);
    PaintChart(chart, surface);
}
