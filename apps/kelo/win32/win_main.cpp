// Kelo.scr: the screen saver on Windows. The chart window's forms are the shell's; this file only
// picks the platform objects for the command line Windows gives and runs the message loop.
#include <windows.h>

#include <array>

#include "apps/kelo/win32/screen_saver_command.h"
#include "platform/options_dialog.h"
#include "platform/platform.h"
#include "platform/win32/gdiplus_surface.h"
#include "platform/win32/win32_chart_window.h"
#include "platform/win32/win32_options_dialog.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_text.h"
#include "core/chart_state.h"
#include "settings/settings_form.h"
#include "shell/kelo_form.h"
#include "shell/update_chart.h"

namespace {

// The settings editor. For "/c:HWND", the Settings button's editor, the user came from the Settings
// page and goes back to it, so the program ends (through the chart window's exit path) as soon as the
// editor closes.
class SettingsEditor : public Win32OptionsDialog {
public:
    SettingsEditor(HINSTANCE instance, HWND owner, ChartWindow& window)
        : Win32OptionsDialog(instance, owner, FormLayout()), endWithEditor(owner != nullptr), window(window) {}
    void ShowModal(OptionsDialogEvents& events) override {
        Win32OptionsDialog::ShowModal(events);
        if (endWithEditor) window.Unload();
    }

private:
    bool endWithEditor;
    ChartWindow& window;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const ScreenSaverCommand command =
        ParseScreenSaverCommand(Utf8FromWide(ArgumentsAfterProgramName(GetCommandLineW())));
    HWND previewHost = command.preview ? reinterpret_cast<HWND>(command.previewWindow) : nullptr;
    if (command.preview && !IsWindow(previewHost)) return 1;  // nothing to draw into

    GdiplusSession gdiplus;
    Win32ChartWindow window(instance, previewHost);
    SettingsEditor options(instance, reinterpret_cast<HWND>(command.editorOwner), window);
    Win32MessageBoxes fullScreenBoxes([&window] { return window.Handle(); });
    PreviewMessageBoxes previewBoxes;
    Win32Pointer fullScreenPointer;
    PreviewPointer previewPointer;
    Win32InstanceLock fullScreenLock;
    NoInstanceLock previewLock;
    Win32FontRegistry fonts;
    Win32Clock clock(SecondsOfTimeText);
    Win32Registry registry;
    Win32TextFileLines textFiles;
    Win32Process process;

    Platform platform{window,
                      options,
                      command.preview ? static_cast<MessageBoxes&>(previewBoxes) : fullScreenBoxes,
                      command.preview ? static_cast<Pointer&>(previewPointer) : fullScreenPointer,
                      fonts,
                      clock,
                      registry,
                      textFiles,
                      command.preview ? static_cast<InstanceLock&>(previewLock) : fullScreenLock,
                      process};

    ChartState s;
    s.commandLine = command.shellCommandLine;
    KeloForm form(s, platform);
    window.Load(form);
    return window.RunMessageLoop();
}
