#include "shell/chart_startup.h"

#include "astro/ephemeris/ephemeris.h"
#include "render/render_tables.h"
#include "settings/settings_file.h"
#include "settings/settings_place.h"
#include "shell/regional_format.h"
#include "shell/startup_values.h"

void PrepareChartState(ChartState& s, Process& process, TextFileLines& files, Registry& registry) {
    // Where the program and its files lie.
    s.programDir = process.ProgramDir();
    if (s.settingsFileName.empty()) {
        s.settingsFileName = process.SettingsFileName();
        // A user's settings file made just now from the shipped default starts at the main city of the
        // system's time zone (New York, the default's, where none is known).
        if (process.SettingsFileCreated()) PlaceNewSettingsFile(s.settingsFileName, process.SystemZonePlace());
    }
    s.glyphFontPath = process.GlyphFontPath();

    // Regional date order and clock format.
    ReadRegionalFormat(s, files, registry, kLegacyIniPath);

    // Constants of the computation.
    InitComputationConstants(s);
}

bool LoadChartSettings(ChartState& s) {
    if (!ReadSettings(s)) return false;

    // Planetary element tables, wheel layout and house system, rendering tables.
    LoadElementTables(s);
    ChooseHouseSystem(s);
    LoadSlotAngles(s);
    LoadCuspLabelOffsets(s);
    LoadRimRadius(s);
    return true;
}
