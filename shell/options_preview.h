// The settings dialog's preview: the chart of the present moment with the settings as they are being
// edited, computed and painted by the screen saver's own update and paint, in a chart state of its own.
#pragma once

#include "platform/clock.h"
#include "settings/options_editor.h"
#include "core/chart_state.h"

class OptionsPreview : public SettingsPreview {
public:
    // chart: the program's state as start-up has it when the dialog opens (folders, constants, regional
    // format); the preview copies it and fills the tables start-up fills after the dialog.
    OptionsPreview(const ChartState& chart, Clock& clock);

    std::string HouseSystemLetter(const SettingValues& values) override;
    // One chart update with these values (a failed check shows no box: the dialog shows it beside its
    // field) and the paint, on a logical 1024 x 768 picture as the chart window has it. Until an update
    // passes the checks the picture is the background colour alone, as on the chart window.
    void PaintPreview(const SettingValues& values, Surface& surface) override;

private:
    ChartState chart;
    Clock& clock;
};
