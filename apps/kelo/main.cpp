// kelo: the screen saver on a Linux desktop. The chart window's forms are the shell's; this file reads
// the switches, picks the platform objects of the mode they name and runs the main loop, which only
// the exit path leaves (it ends the process).
//   screen saver  GTK: a full-screen chart window on every monitor, input, pointer, idle inhibit, the
//                 settings editor for "/c"
//   wallpaper     GTK: the chart beneath everything on every monitor (X11 desktop windows, or the layer
//                 shell's background layer), ended by a signal only
//   hack mode     Xlib: the chart in the window of a screen-saver daemon or of a preview, nothing else
#include <glib-unix.h>
#include <locale.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "apps/kelo/launch_command.h"
#include "platform/gtk/gtk_platform.h"
#include "platform/gtk/hack_window.h"
#include "platform/linux/file_text_lines.h"
#include "platform/linux/locale_registry.h"
#include "platform/linux/system_clock.h"
#include "platform/platform.h"
#include "render/notice.h"
#include "core/chart_state.h"
#include "settings/settings_form.h"
#include "shell/kelo_form.h"

namespace {

constexpr const char* kApplicationId = "org.kelo.ScreenSaver";

// SIGTERM and SIGINT unload the chart window, which ends the process through the one exit path.
gboolean UnloadOnSignal(gpointer window) {
    static_cast<ChartWindow*>(window)->Unload();
    return G_SOURCE_REMOVE;
}

void UnloadOnSignals(ChartWindow& window) {
    g_unix_signal_add(SIGTERM, UnloadOnSignal, &window);
    g_unix_signal_add(SIGINT, UnloadOnSignal, &window);
}

// Everything the running screen saver is made of. It is created once and lives until the process
// ends, which happens inside Form_Unload; it is never destroyed before that.
struct Program {
    explicit Program(GtkApplication* app)
        : window(app, fonts, &pointer, &boxes),
          options(boxes, window.TwipsPerPixelX(), FormLayout()),
          platform{window, options, boxes, pointer, fonts, clock, registry, textFiles, instance, process},
          form(s, platform) {}

    GtkPointer pointer;
    GtkMessageBoxes boxes;
    GtkFontRegistry fonts;
    GtkChartWindow window;
    GtkOptionsDialog options;
    SystemClock clock;
    LocaleRegistry registry;
    LegacyIniFile textFiles;
    FlockInstanceLock instance;
    GtkProcess process;
    Platform platform;
    ChartState s;
    KeloForm form;
};

// Hack mode's program: the same forms over the hack's window, lock, pointer, boxes and editor.
struct HackProgram {
    HackProgram() : window(fonts), platform{window, options, boxes, pointer, fonts, clock, registry, textFiles,
                                             instance, process},
                    form(s, platform) {}

    FreeTypeFontRegistry fonts;
    X11HackWindow window;
    HackOptionsDialog options;
    HackMessageBoxes boxes;
    HackPointer pointer;
    SystemClock clock;
    LocaleRegistry registry;
    LegacyIniFile textFiles;
    NoInstanceLock instance;
    HackProcess process;
    Platform platform;
    ChartState s;
    KeloForm form;
};

// The wallpaper's program: the same forms over the background windows, with no lock (the screen saver
// starts over it), no pointer change, no idle inhibit and no editor; a failed settings check writes its
// message over the picture, as in hack mode, since nobody is there to close a box.
struct WallpaperProgram {
    WallpaperProgram()
        : window(nullptr, fonts, nullptr, nullptr, ChartWindowRole::Wallpaper),
          platform{window, options, boxes, pointer, fonts, clock, registry, textFiles, instance, process},
          form(s, platform) {}

    FreeTypeFontRegistry fonts;
    GtkChartWindow window;
    HackOptionsDialog options;
    HackMessageBoxes boxes;
    HackPointer pointer;
    SystemClock clock;
    LocaleRegistry registry;
    LegacyIniFile textFiles;
    NoInstanceLock instance;
    GtkProcess process;
    Platform platform;
    ChartState s;
    KeloForm form;
};

// Numbers and dates are written by the program's own rules; only the character type follows the user's
// locale (for keyboard input). The chart is drawn with Cairo into an image; GDK's OpenGL probe would
// only load a GL driver (and with a software one, LLVM: tens of megabytes) that nothing uses.
void PrepareGtk() {
    gtk_disable_setlocale();
    g_setenv("GDK_GL", "disable", FALSE);
    setlocale(LC_CTYPE, "");
}

void OnActivate(GtkApplication* app, gpointer data) {
    const auto& command = *static_cast<const LaunchCommand*>(data);
    g_application_hold(G_APPLICATION(app));
    auto* program = new Program(app);
    program->s.commandLine = command.shellCommandLine;
    program->window.SetIdleInhibit(!command.noInhibit);
    // On a layer surface a failed settings check writes its message over the picture.
    program->window.SetAfterPaint([program](Surface& surface) {
        if (program->s.settingsError != 0 && !program->boxes.Notices().empty())
            DrawNotice(program->s, surface, program->boxes.Notices());
    });
    UnloadOnSignals(program->window);
    program->window.Load(program->form);
}

int RunScreenSaver(int argc, char** argv, const LaunchCommand& command) {
    (void)argc;
    PrepareGtk();
    GtkApplication* app = gtk_application_new(kApplicationId, G_APPLICATION_NON_UNIQUE);
    g_signal_connect(app, "activate", G_CALLBACK(OnActivate), const_cast<LaunchCommand*>(&command));
    // The switches are kelo's own, not GApplication options: only the program name is passed on.
    const int status = g_application_run(G_APPLICATION(app), 1, argv);
    g_object_unref(app);
    return status;
}

int RunHack(const LaunchCommand& command) {
    auto* hack = new HackProgram();  // lives until the process ends
    std::string error;
    if (!hack->window.Open(command.hackWindow, error)) {
        std::fprintf(stderr, "kelo: %s\n", error.c_str());
        return kExitNoDisplay;
    }
    // A failed settings check has no box to show: its message goes over the picture until a chart
    // update passes the checks.
    hack->window.SetAfterPaint([hack](Surface& surface) {
        if (hack->s.settingsError != 0) DrawNotice(hack->s, surface, hack->boxes.Texts());
    });
    UnloadOnSignals(hack->window);
    hack->window.Load(hack->form);
    hack->window.Run();
    return 0;
}

int RunWallpaper(char** argv) {
    PrepareGtk();
    int gtkArgc = 1;  // the switches are kelo's own
    if (!gtk_init_check(&gtkArgc, &argv)) {
        std::fputs("kelo: the wallpaper finds no display to draw on (neither WAYLAND_DISPLAY nor DISPLAY works)\n",
                   stderr);
        return kExitNoDisplay;
    }
    if (GtkChartWindow::PlacementOfDisplay() == ScreenPlacement::FullScreenOnMonitor) {
        std::fputs("kelo: this Wayland desktop (GNOME) has no background layer for programs, so --wallpaper "
                   "cannot run here; start kelo from the menu or a keyboard shortcut to show the chart full "
                   "screen instead\n",
                   stderr);
        return kExitNoDisplay;
    }
    auto* program = new WallpaperProgram();  // lives until the process ends
    program->window.SetAfterPaint([program](Surface& surface) {
        if (program->s.settingsError != 0) DrawNotice(program->s, surface, program->boxes.Texts());
    });
    UnloadOnSignals(program->window);
    program->window.Load(program->form);
    gtk_main();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const LaunchCommand command =
        ParseLaunchCommand(std::vector<std::string>(argv + 1, argv + argc), std::getenv("XSCREENSAVER_WINDOW"));
    switch (command.mode) {
        case LaunchMode::Help:
            std::fputs(UsageText().c_str(), stdout);
            return 0;
        case LaunchMode::Version:
            std::printf("kelo %s\n", KELO_VERSION);
            return 0;
        case LaunchMode::Invalid:
            std::fprintf(stderr, "kelo: %s\n", command.error.c_str());
            return kExitUsage;
        case LaunchMode::Hack:
            return RunHack(command);
        case LaunchMode::Wallpaper:
            return RunWallpaper(argv);
        case LaunchMode::Saver:
            break;
    }
    return RunScreenSaver(argc, argv, command);
}
