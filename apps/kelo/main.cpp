// kelo: the screen saver on a Linux desktop. The chart window's forms are the shell's; this file picks
// the GTK platform objects, hands the command line over ("/c" exactly opens the settings editor first)
// and runs the main loop, which only the exit path leaves (it ends the process).
#include <locale.h>

#include <string>

#include "platform/gtk/gtk_platform.h"
#include "platform/linux/file_text_lines.h"
#include "platform/linux/locale_registry.h"
#include "platform/linux/system_clock.h"
#include "platform/platform.h"
#include "shell/chart_state.h"
#include "shell/kelo_form.h"

namespace {

constexpr const char* kApplicationId = "org.kelo.ScreenSaver";

// The text after the program name, as the platform hands it over: the arguments joined by blanks.
std::string CommandLineOf(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

// Everything the running program is made of. It is created once and lives until the process ends,
// which happens inside Form_Unload; it is never destroyed before that.
struct Program {
    explicit Program(GtkApplication* app)
        : window(app, fonts, pointer, boxes),
          options(boxes, window.TwipsPerPixelX()),
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

void OnActivate(GtkApplication* app, gpointer commandLine) {
    g_application_hold(G_APPLICATION(app));
    auto* program = new Program(app);
    program->s.commandLine = *static_cast<std::string*>(commandLine);
    program->window.Load(program->form);
}

}  // namespace

int main(int argc, char** argv) {
    // Numbers and dates are written by the program's own rules; only the character type follows the
    // user's locale (for keyboard input).
    gtk_disable_setlocale();
    // The chart is drawn with Cairo into an image; GDK's OpenGL probe would only load a GL driver (and
    // with a software one, LLVM: tens of megabytes) that nothing uses.
    g_setenv("GDK_GL", "disable", FALSE);
    setlocale(LC_CTYPE, "");
    std::string commandLine = CommandLineOf(argc, argv);
    GtkApplication* app = gtk_application_new(kApplicationId, G_APPLICATION_NON_UNIQUE);
    g_signal_connect(app, "activate", G_CALLBACK(OnActivate), &commandLine);
    // The screen saver's switches are not GApplication options: only the program name is passed on.
    const int status = g_application_run(G_APPLICATION(app), 1, argv);
    g_object_unref(app);
    return status;
}
