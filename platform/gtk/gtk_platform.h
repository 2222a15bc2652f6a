// The Linux desktop platform of the screen saver, on GTK 3: the chart window, the settings dialog,
// the message boxes, the pointer's display count, the glyph font's registration, the instance lock,
// the legacy initialisation file and the process.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"
#include "platform/chart_window.h"
#include "platform/font_registry.h"
#include "platform/instance_lock.h"
#include "platform/linux/file_text_lines.h"
#include "platform/message_boxes.h"
#include "platform/options_dialog.h"
#include "platform/pointer.h"
#include "platform/process.h"

// One instance per user: an exclusive flock on a lock file in the user's runtime directory
// ($XDG_RUNTIME_DIR, else a private /tmp/kelo-<uid>/). The lock is held until the process ends.
class FlockInstanceLock : public InstanceLock {
public:
    explicit FlockInstanceLock(std::string lockPath = DefaultLockPath());
    ~FlockInstanceLock() override;
    FlockInstanceLock(const FlockInstanceLock&) = delete;
    FlockInstanceLock& operator=(const FlockInstanceLock&) = delete;

    bool AnotherInstanceRunning() override;
    // "" when no safe directory exists (then no lock is taken and every instance runs).
    static std::string DefaultLockPath();

private:
    std::string path_;
    int fd_ = -1;
    bool checked_ = false;
    bool another_ = false;
};

// The directory of /proc/self/exe, $XDG_CONFIG_HOME (else ~/.config), and exit().
class GtkProcess : public Process {
public:
    std::string ProgramDir() override;
    std::string UserConfigDir() override;
    [[noreturn]] void End(int status) override;
};

// The pointer's display count, kept here as Windows keeps it; the pointer is blank over the chart
// window while the count is below 0.
class GtkPointer : public Pointer {
public:
    int ShowCursor(bool show) override;
    int Count() const { return count_; }
    // The window over which the pointer is hidden (applied again whenever it is realised).
    void Attach(GtkWidget* window);

private:
    void Apply();
    static void OnRealize(GtkWidget* widget, gpointer self);
    int count_ = 0;
    GtkWidget* window_ = nullptr;
};

// Modal GtkMessageDialogs, each with one OK button, over the topmost window of the program.
class GtkMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void PushOwner(GtkWindow* owner) { owners_.push_back(owner); }
    void PopOwner() { owners_.pop_back(); }

private:
    std::vector<GtkWindow*> owners_;
};

// The glyph font for the chart's own drawing (FreeType, through the Cairo surfaces) and, through
// fontconfig's application fonts, for GTK's widgets too. Removal undoes both.
class GtkFontRegistry : public FreeTypeFontRegistry {
public:
    int AddFontResourceA(const std::string& path) override;
    int RemoveFontResourceA(const std::string& path) override;

private:
    std::vector<std::string> added_;  // files among fontconfig's application fonts
};

// The legacy initialisation file "c:\windows\win.ini" does not exist on Linux. A test may name a file
// to play its part in $KELO_LEGACY_INI; every other path is read as it stands.
class LegacyIniFile : public TextFileLines {
public:
    bool ReadLines(const std::string& path, std::vector<std::string>& lines) override;

private:
    FileTextLines files_;
};

// "Program Options": the settings as a form of named fields on the pages Place, Chart, Screen and
// Look, the file's raw text on the page Text (txtContent, monospace, both scroll bars), a live preview
// of the chart beside them, and the buttons Save (also Ctrl+S, and Enter outside the text) and Quit
// (also Escape and the close box). See platform/gtk/options_dialog.cpp for the layout.
class GtkOptionsDialog : public OptionsDialog {
public:
    GtkOptionsDialog(GtkMessageBoxes& boxes, int twipsPerPixel);
    ~GtkOptionsDialog() override;
    void ShowModal(OptionsDialogEvents& events) override;
    void Unload() override;
    std::string ContentText() override;
    void SetContentText(const std::string& text) override;

    bool HasForm() const override { return true; }
    void UsePreviewFont(const std::string& glyphFontPath) override;
    void SetFieldNumber(int field, double shown) override;
    void SetFieldChoice(int field, int choice) override;
    double FieldNumber(int field) override;
    int FieldChoice(int field) override;
    void SetFieldEnabled(int field, bool enabled) override;
    void SetFieldProblem(int field, const std::string& message) override;
    void RefreshPreview() override;
    void ShowCities(const std::vector<std::string>& names) override;
    bool AskYesNo(const std::string& question) override;

    struct Form;  // the form's widgets and the preview (options_dialog.cpp)

private:
    static void OnSave(GtkButton*, gpointer self);
    static void OnQuit(GtkButton*, gpointer self);
    static void OnChanged(GtkTextBuffer*, gpointer self);
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);
    static gboolean OnKeyPress(GtkWidget*, GdkEventKey* e, gpointer self);

    GtkMessageBoxes& boxes_;
    int twipsPerPixel_;
    OptionsDialogEvents* events_ = nullptr;
    GtkWidget* window_ = nullptr;
    GtkTextBuffer* buffer_ = nullptr;
    GMainLoop* loop_ = nullptr;
    std::unique_ptr<Form> form_;
};

// Asks the desktop not to blank the screen or start its own screen saver while the chart runs:
// GtkApplication's idle inhibit, else the org.freedesktop.ScreenSaver Inhibit call on the session bus.
class IdleInhibit {
public:
    ~IdleInhibit();
    void Begin(GtkApplication* app, GtkWindow* window, const char* reason);
    bool Active() const { return cookie_ != 0; }
    const char* How() const { return how_; }

private:
    GtkApplication* app_ = nullptr;
    guint cookie_ = 0;
    GDBusConnection* bus_ = nullptr;
    const char* how_ = "none";
};

// The chart window: a GtkApplicationWindow titled "SCRNSAVE KELO", given its restored size and then
// shown full screen over the primary monitor. Drawing goes to a back buffer (CairoWindowSurface) that
// each expose copies to the screen; a change of size runs Form_Resize and Form_Paint first.
//   Form_Click       a button pressed and released over the window
//   Form_KeyPress    a key that produces a character (Return 13, Escape 27, Backspace 8, Tab 9; with
//                    Ctrl a letter's control code); modifiers, arrows and function keys raise nothing
//   Form_MouseMove   every motion, in the logical units of the surface
//   Form_Unload      Unload, or the window manager's close
//   Timer1_Timer     a GLib timeout re-armed at every tick for the next boundary of the interval on the
//                    wall clock, so that a 1000 ms timer ticks just after every change of the second
class GtkChartWindow : public ChartWindow {
public:
    GtkChartWindow(GtkApplication* app, FreeTypeFontRegistry& fonts, GtkPointer& pointer, GtkMessageBoxes& boxes);
    ~GtkChartWindow() override;

    void Load(ChartWindowEvents& events) override;
    void Unload() override;
    void SetTimerEnabled(bool enabled) override;
    void SetTimerInterval(int milliseconds) override;
    int32_t ScreenWidthTwips() override;
    int32_t TwipsPerPixelX() override;
    void SetSizeTwips(int32_t width, int32_t height) override;
    void SetLogicalSize(double width, double height) override;
    void ShowMaximized() override;
    Surface& PaintSurface() override { return surface_; }
    void PresentPaint() override;

    GtkWindow* Window() const { return GTK_WINDOW(window_); }
    const IdleInhibit& Inhibit() const { return inhibit_; }
    // Milliseconds from the wall-clock time nowMs to just after the next multiple of intervalMs.
    static int DelayToNextTick(gint64 nowMs, int intervalMs);
    // A tick lands this long after the second changes, so that the clock already reads the new second
    // even where it is read from a coarser clock than the timer runs on.
    static constexpr int kTickMarginMs = 50;
    // The character a key press produces in the 8-bit code page, or -1 for a key without one.
    static int KeyAsciiOf(guint keyval, GdkModifierType state);

private:
    void ArmTimer();
    void Monitor(GdkRectangle& geometry) const;
    static gboolean OnTick(gpointer self);
    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer self);
    static gboolean OnButtonPress(GtkWidget*, GdkEventButton* e, gpointer self);
    static gboolean OnButtonRelease(GtkWidget*, GdkEventButton* e, gpointer self);
    static gboolean OnKeyPress(GtkWidget*, GdkEventKey* e, gpointer self);
    static gboolean OnMotion(GtkWidget*, GdkEventMotion* e, gpointer self);
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);

    GtkApplication* app_;
    GtkWidget* window_ = nullptr;
    GtkPointer& pointer_;
    GtkMessageBoxes& boxes_;
    CairoWindowSurface surface_;
    IdleInhibit inhibit_;
    ChartWindowEvents* events_ = nullptr;
    bool timerEnabled_ = false;
    int timerInterval_ = 0;
    guint timerSource_ = 0;
    bool inDraw_ = false;
    bool buttonDown_ = false;
    bool unloading_ = false;
};
