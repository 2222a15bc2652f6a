// Start-up of the screen saver: the load handler of the chart window.
#include "platform/whole_file.h"
#include "core/numeric.h"
#include "render/paint.h"
#include "settings/options_editor.h"
#include "core/setting_lines.h"
#include "settings/settings_checks.h"
#include "settings/settings_text.h"
#include "settings/settings_watch.h"
#include "shell/chart_startup.h"
#include "shell/kelo_form.h"
#include "shell/options_preview.h"
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
//          the element tables, wheelMode, houseSystemLetter, the rendering tables, savedCursorCount and
//          the first chart
void KeloForm::Form_Load() {
    // 1. No tick during start-up.
    p.window.SetTimerEnabled(false);

    // 2. One screen saver per user: a second one leaves at once, through the exit path. With "/c" it
    //    leaves after its settings editor (step 6): the one that runs follows the file it saves.
    const bool anotherRunning = p.instance.AnotherInstanceRunning();
    if (anotherRunning && s.commandLine != kConfigureSwitch) {
        p.window.Unload();
        return;
    }

    // 3. Where the program and its files lie, the regional date order and clock format, the constants of
    //    the computation.
    PrepareChartState(s, p.process, p.textFiles, p.registry);
    s.scaleHalfWidth = 312;

    // 4. The glyph font, face "GLYPHA", for the life of the process (result ignored).
    p.fonts.AddFontResourceA(s.glyphFontPath);
    s.fontRegistered = 1;

    // 5. Window geometry by the screen width.
    const ScreenGeometry& g = ChooseScreenGeometry(p.window.ScreenWidthTwips(), p.window.TwipsPerPixelX());
    s.logicalWidth = g.logicalWidth;
    s.logicalHeight = g.logicalHeight;
    s.windowWidthTwips = g.widthTwips;
    s.windowHeightTwips = g.heightTwips;

    // 6. The settings editor first, for exactly "/c"; the screen saver starts when it closes.
    if (s.commandLine == kConfigureSwitch) OpenOptionsEditor();
    if (anotherRunning) {
        p.window.Unload();
        return;
    }

    // 7. The settings, and the element tables, wheel layout, house system and rendering tables. Without
    //    settings the screen saver cannot run: report and end with a failure status. The file's stamp is
    //    taken before it is read, so that a change made while it is read is read again at the next tick.
    KeepSettingsStamp(s, FileStampOf(s.settingsFileName));
    if (!LoadChartSettings(s)) {
        p.boxes.ShowMessage(SettingsNotFoundMessage(s.settingsFileName), kWarningTitle, MessageIcon::Exclamation);
        s.exitStatus = 1;
        p.window.Unload();
        return;
    }

    // 8. Hide the pointer when the settings ask for it.
    FollowPointerLine();

    // 9. The first chart of the present moment.
    RunUpdate();

    // 10. Restored size, logical size, then full screen.
    p.window.SetSizeTwips(s.windowWidthTwips, s.windowHeightTwips);
    p.window.SetLogicalSize(s.logicalWidth, s.logicalHeight);
    p.window.ShowMaximized();

    // 11. The one-second tick.
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
    OptionsPreview preview(s, p.clock);
    OptionsForm options(s, p.options, p.boxes, &preview);
    p.options.ShowModal(options);
}

// FollowPointerLine: the pointer as settings value 32 asks, at start-up and after every change of the
// settings file: hidden when the value is exactly 0 and it is not hidden yet; its display count given
// back when the value is anything else and it was hidden. Hiding and restoring stay paired.
//   reads/writes pointerHidden, savedCursorCount
void KeloForm::FollowPointerLine() {
    const bool hide = IsExactly(s.settingValues[kPointerLine], 0);
    if (hide && s.pointerHidden == 0) {
        HidePointer();
    } else if (!hide && s.pointerHidden != 0) {
        RestorePointer();
        s.pointerHidden = 0;
    }
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
