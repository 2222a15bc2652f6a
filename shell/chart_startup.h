// The start-up of the chart state that both programs run, the screen saver (Form_Load) and kelo-chart,
// in the screen saver's order. The screen saver registers the glyph font, sizes its window and may open
// the settings editor between the two halves.
#pragma once

#include "platform/process.h"
#include "platform/registry.h"
#include "core/chart_state.h"

// PrepareChartState: where the program and its files lie, the regional format and the constants.
//   reads  the process: ProgramDir, SettingsFileName (only when settingsFileName is still empty: kelo-chart's
//          --settings names its own), GlyphFontPath; the legacy initialisation file kLegacyIniPath and the
//          registry (ReadRegionalFormat)
//   writes programDir, settingsFileName, glyphFontPath, dateOrder, clockFormat, and the constants of the
//          computation (InitComputationConstants)
void PrepareChartState(ChartState& s, Process& process, TextFileLines& files, Registry& registry);

// LoadChartSettings: the settings file and what start-up derives from it.
//   reads  settingsFileName
//   writes settingValues (ReadSettings); then the element tables, wheelMode and houseSystemLetter
//          (ChooseHouseSystem) and the rendering tables slotAngles, cuspLabelOffsets and rimRadius
//   returns false when the settings file cannot be read; nothing after the read is done then
bool LoadChartSettings(ChartState& s);
