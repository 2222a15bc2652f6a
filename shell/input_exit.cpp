// Input that ends the screen saver, and the exit path.
#include <cmath>

#include "core/numeric.h"
#include "core/setting_lines.h"
#include "shell/kelo_form.h"

namespace {

// Exit mode, settings value 33: which events end the screen saver. Click and movement are lists of
// exact values; a key press ends it for every value of 3 or more.
constexpr int kClickModes[] = {1, 2, 5, 6};
constexpr int kMovementModes[] = {0, 2, 4, 6};
constexpr float kKeyModeThreshold = 3;

bool IsOneOf(float mode, const int (&values)[4]) {
    for (int v : values)
        if (IsExactly(mode, v)) return true;
    return false;
}

}  // namespace

// Form_Click: ends the screen saver in exit modes 1, 2, 5 and 6.
void KeloForm::Form_Click() {
    if (IsOneOf(s.settingValues[kExitModeLine], kClickModes)) EndScreenSaver();
}

// Form_KeyPress: a key with a character ends the screen saver in exit modes of 3 or more; the
// character itself is not looked at.
void KeloForm::Form_KeyPress(int keyAscii) {
    (void)keyAscii;
    if (s.settingValues[kExitModeLine] >= kKeyModeThreshold) EndScreenSaver();
}

// Form_MouseMove: in exit modes 0, 2, 4 and 6, the rule of the first movement.
//   reads/writes lastPointerX, lastPointerY (logical units; 0 until the first movement is recorded)
// The first event only records the position (the platform also sends one when the window opens under
// a resting pointer); a later event farther from it than the window's resting distance along either
// axis (a few pixels; none where the platform does not say) ends the screen saver. The recorded
// position stays, so that a slow creep ends it too.
void KeloForm::Form_MouseMove(int button, int shift, float x, float y) {
    (void)button;
    (void)shift;
    if (!IsOneOf(s.settingValues[kExitModeLine], kMovementModes)) return;
    if (s.lastPointerX == 0 && s.lastPointerY == 0) {
        s.lastPointerX = x;
        s.lastPointerY = y;
        return;
    }
    const double rest = p.window.PointerRestDistance();
    if (std::fabs(static_cast<double>(x) - s.lastPointerX) > rest ||
        std::fabs(static_cast<double>(y) - s.lastPointerY) > rest)
        EndScreenSaver();
}

// Unload the chart window (its unload handler ends the process), then end the program.
void KeloForm::EndScreenSaver() {
    p.window.Unload();
    p.process.End(s.exitStatus);
}

// Form_Unload: the one exit path, whatever unloads the window. It never cancels.
//   reads savedCursorCount, pointerHidden, settings value 32, fontRegistered, glyphFontPath, exitStatus
// Only what start-up did is undone: an instance that leaves before hiding the pointer or registering
// the font (a second instance, a missing settings file) leaves both alone.
void KeloForm::Form_Unload(int& cancel) {
    (void)cancel;
    // 1. The pointer's display count back to what it was before start-up.
    if (s.pointerHidden != 0 && IsExactly(s.settingValues[kPointerLine], 0)) RestorePointer();
    // 2. The font registration (result ignored).
    if (s.fontRegistered != 0) p.fonts.RemoveFontResourceA(s.glyphFontPath);
    // 3. The chart window belongs to the platform, which closes it with the process.
    // 4. End the process: no further event handler runs.
    p.process.End(s.exitStatus);
}

void KeloForm::RestorePointer() {
    int count;
    do count = p.pointer.ShowCursor(false);
    while (count >= s.savedCursorCount);
    do count = p.pointer.ShowCursor(true);
    while (count < s.savedCursorCount);
}
