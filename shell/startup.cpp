// Start-up of the screen saver: the load handler of the chart window.
#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/numeric.h"
#include "render/paint.h"
#include "settings/options_editor.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"
#include "shell/kelo_form.h"
#include "shell/program_files.h"
#include "shell/regional_format.h"
#include "shell/startup_values.h"
#include "shell/update_chart.h"

const ScreenGeometry& ChooseScreenGeometry(int32_t screenWidthTwips, int32_t twipsPerPixel) {
    const int32_t width = twipsPerPixel != 0
                              ? Round32(static_cast<double>(screenWidthTwips) / twipsPerPixel)
                              : 0;
    for (const ScreenGeometry& g : kScreenGeometries)
        if ((g.screenWidth == 0 || g.screenWidth == width) &&
            (g.twipsPerPixel == 0 || g.twipsPerPixel == twipsPerPixel))
            return g;
    return kScreenGeometries[std::size(kScreenGeometries) - 1];
}

// Form_Load: start-up, run once when the chart window loads.
//   writes programDir, settingsFileName, glyphFontPath, scaleHalfWidth, dateOrder, clockFormat,
//          logicalWidth/Height, windowWidth/HeightTwips, the computation constants, settingValues,
//          savedCursorCount, the element tables, wheelMode, houseSystemLetter, the rendering tables and
//          the first chart
void KeloForm::Form_Load() {
    // 1. No tick during start-up.
    p.window.SetTimerEnabled(false);

    // 2. One screen saver per user: a second one leaves at once, through the exit path.
    if (p.instance.AnotherInstanceRunning()) {
        p.window.Unload();
        return;
    }

    // 3. Where the program and its files lie.
    s.programDir = p.process.ProgramDir();
    s.settingsFileName = p.process.SettingsFileName(s.programDir);
    if (s.settingsFileName.empty()) s.settingsFileName = LocateSettingsFile(s.programDir, p.process.UserConfigDir());
    s.scaleHalfWidth = 312;

    // 4. The glyph font, face "GLYPHA", for the life of the process (result ignored).
    s.glyphFontPath = LocateGlyphFont(s.programDir);
    p.fonts.AddFontResourceA(s.glyphFontPath);
    s.fontRegistered = 1;

    // 5. Regional date order and clock format.
    ReadRegionalFormat(s, p.textFiles, p.registry, kLegacyIniPath);

    // 6. Window geometry by the screen width.
    const ScreenGeometry& g = ChooseScreenGeometry(p.window.ScreenWidthTwips(), p.window.TwipsPerPixelX());
    s.logicalWidth = g.logicalWidth;
    s.logicalHeight = g.logicalHeight;
    s.windowWidthTwips = g.widthTwips;
    s.windowHeightTwips = g.heightTwips;

    // 7. Constants of the computation.
    InitComputationConstants(s);

    // 8. The settings editor first, for exactly "/c"; the screen saver starts when it closes.
    if (s.commandLine == kConfigureSwitch) OpenOptionsEditor();

    // 9. The settings. Without them the screen saver cannot run: report and end with a failure status.
    if (!ReadSettings(s)) {
        p.boxes.ShowMessage(SettingsNotFoundMessage(s.settingsFileName), kWarningTitle, MessageIcon::Exclamation);
        s.exitStatus = 1;
        p.window.Unload();
        return;
    }

    // 10. Hide the pointer when the settings ask for it.
    if (IsExactly(s.settingValues[32], 0)) HidePointer();

    // 11. Planetary element tables.
    LoadElementTables(s);

    // 12. Wheel layout and house system.
    ChooseHouseSystem(s);

    // 13. Rendering tables.
    LoadSlotAngles(s);
    LoadCuspLabelOffsets(s);
    LoadRimRadius(s);

    // 14. The first chart of the present moment.
    RunUpdate();

    // 15. Restored size, logical size, then full screen.
    p.window.SetSizeTwips(s.windowWidthTwips, s.windowHeightTwips);
    p.window.SetLogicalSize(s.logicalWidth, s.logicalHeight);
    p.window.ShowMaximized();

    // 16. The one-second tick.
    p.window.SetTimerInterval(kTimerIntervalMs);
    p.window.SetTimerEnabled(true);
}

// OpenOptionsEditor: tests that the settings file opens, then shows the settings editor modally.
void KeloForm::OpenOptionsEditor() {
    std::string bytes;
    if (!ReadFileBytes(s.settingsFileName, bytes)) {
        p.boxes.ShowMessage(SettingsNotFoundMessage(s.settingsFileName), kWarningTitle, MessageIcon::Exclamation);
        return;
    }
    OptionsForm options(s, p.options, p.boxes);
    p.options.ShowModal(options);
}

// HidePointer: the display count before start-up is kept in savedCursorCount; the count then ends at
// exactly -1, whatever it was.
void KeloForm::HidePointer() {
    int count = p.pointer.ShowCursor(false);
    s.savedCursorCount = Round16(count + 1.0);
    s.pointerHidden = 1;
    while (count >= -1) count = p.pointer.ShowCursor(false);
    while (count < -1) count = p.pointer.ShowCursor(true);
}
