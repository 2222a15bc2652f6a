// The Linux desktop platform of the screen saver, on GTK 3: the chart window, the settings dialog,
// the message boxes, the pointer's display count, the glyph font's registration, the instance lock
// and the process.
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"
#include "platform/chart_window.h"
#include "platform/fan_out_surface.h"
#include "platform/font_registry.h"
#include "platform/glib/timed_chart_window.h"
#include "platform/instance_lock.h"
#include "platform/linux/linux_process.h"
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

// The Linux process; its end flushes the display connection first.
class GtkProcess : public LinuxProcess {
public:
    [[noreturn]] void End(int status) override;
};

// The pointer's display count, kept here as Windows keeps it; the pointer is blank over the chart
// window while the count is below 0.
class GtkPointer : public Pointer {
public:
    int ShowCursor(bool show) override;
    int Count() const { return count_; }
    // A window over which the pointer is hidden (applied again whenever it is realised), and one that
    // goes.
    void Attach(GtkWidget* window);
    void Detach(GtkWidget* window);

private:
    void Apply();
    static void OnRealize(GtkWidget* widget, gpointer self);
    void Apply(GtkWidget* window);
    int count_ = 0;
    std::vector<GtkWidget*> windows_;
};

// Modal GtkMessageDialogs, each with one OK button, over the topmost window of the program; over a
// layer surface, notices drawn on the picture.
class GtkMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void PushOwner(GtkWindow* owner) { owners_.push_back(owner); }
    void PopOwner() { owners_.pop_back(); }
    // A window that goes hands its place among the owners to another (nullptr: leaves it).
    void ReplaceOwner(GtkWindow* gone, GtkWindow* now);
    // The distinct messages that came while the owner was a layer surface, in the order they first
    // came: they are drawn over the picture, not shown in a box.
    const std::vector<std::string>& Notices() const { return notices_; }

private:
    std::vector<GtkWindow*> owners_;
    std::vector<std::string> notices_;
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

// "Program Options": the settings as a form of named fields on the pages of the layout (Place, Chart,
// Screen, Look), the file's raw text on the page Text (txtContent, monospace, both scroll bars), a live
// preview of the chart beside them, and the buttons Save (also Ctrl+S, and Enter outside the text) and
// Quit (also Escape and the close box). See platform/gtk/options_dialog.cpp for the layout.
class GtkOptionsDialog : public OptionsDialog {
public:
    GtkOptionsDialog(GtkMessageBoxes& boxes, const OptionsFormLayout& layout);
    ~GtkOptionsDialog() override;
    void ShowModal(OptionsDialogEvents& events) override;
    void Unload() override;
    std::string ContentText() override;
    void SetContentText(const std::string& text) override;

    bool HasForm() const override { return true; }
    void UsePreviewFont(const std::string& glyphFontPath) override;
    void SetFieldText(int field, const std::string& text) override;
    void SetFieldChoice(int field, int choice) override;
    std::string FieldText(int field) override;
    int FieldChoice(int field) override;
    void SetFieldEnabled(int field, bool enabled, const std::string& whyNot) override;
    void SetFieldProblem(int field, const std::string& message) override;
    void SetProblemSummary(const std::string& summary) override;
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
    void MakeWindow();
    GtkWidget* ButtonBar();
    void FitScreen();
    void ConnectAndShow();
    void RunModalLoop();

    GtkMessageBoxes& boxes_;
    const OptionsFormLayout& layout_;
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

class X11Picture;

// How the chart windows cover the monitors, by the display the program runs on:
//   X11                  a window per RandR monitor, placed on it and made full screen (the saver), or
//                        a desktop window below all others (the wallpaper)
//   LayerShell           Wayland with the layer shell (wlroots desktops, KDE Plasma): a layer surface
//                        per output, anchored to its four edges, on the overlay layer with the keyboard
//                        (the saver) or on the background layer without it (the wallpaper)
//   FullScreenOnMonitor  Wayland without it (GNOME): a window made full screen on each monitor; the
//                        compositor places it, never the program
enum class ScreenPlacement { X11, LayerShell, FullScreenOnMonitor };

// What the windows are: the screen saver, ended by input, or the desktop's living background, which
// takes no input and is ended only by a signal.
enum class ChartWindowRole { Saver, Wallpaper };

// The chart window: one window titled "SCRNSAVE KELO" (the saver) or "Kelo wallpaper" on every monitor.
// The shell sees one window and one surface: the paint goes through a FanOutSurface to a back buffer per
// monitor (CairoWindowSurface), each letterboxed at its own size and drawn at the monitor's own scale,
// which each expose copies to the screen (on X11 the finished picture goes to a pixmap the X server
// keeps for the window, and the back buffer waits for the next paint); a change of any window's size
// runs Form_Resize and Form_Paint first. The first window is the primary monitor's: the screen width, the pointer's position for the
// shell and the message boxes' owner are its. Monitors that come and go are followed (the display's
// signals, and a look at the list before every tick of Timer1, since a RandR monitor set by
// "xrandr --setmonitor" comes without one): a new monitor gets its window, a gone one's window goes.
//   Form_Click       a button pressed and released over a window (the saver)
//   Form_KeyPress    a key that produces a character (Return 13, Escape 27, Backspace 8, Tab 9; with
//                    Ctrl a letter's control code); modifiers, arrows and function keys raise nothing
//   Form_MouseMove   every motion, in the logical units of the surface of the window it is over
//   Form_Unload      Unload, or the window manager's close
//   Timer1_Timer     WallClockTimer
class GtkChartWindow : public TimedChartWindow {
public:
    // pointer: hides the pointer over the saver's windows; boxes: the message boxes, owned by the first
    // window. The wallpaper has neither.
    GtkChartWindow(GtkApplication* app, FreeTypeFontRegistry& fonts, GtkPointer* pointer, GtkMessageBoxes* boxes,
                   ChartWindowRole role = ChartWindowRole::Saver);
    ~GtkChartWindow() override;

    int32_t ScreenWidthTwips() override;
    int32_t TwipsPerPixelX() override;
    void SetSizeTwips(int32_t width, int32_t height) override;
    void SetLogicalSize(double width, double height) override;
    void ShowMaximized() override;
    Surface& PaintSurface() override;
    void PresentPaint() override;
    // kPointerRestPixels in GTK's window units (which follow the display's scale), as logical units
    // of the first monitor's picture (the monitors' scales differ little; the rule is a small margin).
    double PointerRestDistance() override;

    // No idle inhibit while the chart shows (--no-inhibit): set before ShowMaximized.
    void SetIdleInhibit(bool inhibit) { inhibitIdle_ = inhibit; }
    // Runs after every paint of the shell, on the finished picture, before it is shown.
    void SetAfterPaint(std::function<void(Surface&)> afterPaint) { afterPaint_ = std::move(afterPaint); }
    GtkWindow* Window() const { return screens_.empty() ? nullptr : GTK_WINDOW(screens_.front()->window); }
    size_t WindowCount() const { return screens_.size(); }
    const IdleInhibit& Inhibit() const { return inhibit_; }
    // The placement of the default display (GTK initialised).
    static ScreenPlacement PlacementOfDisplay();
    // The monitors' rectangles, the primary one first: X11's RandR monitors where the server has them
    // (a monitor set with "xrandr --setmonitor" without an output of its own included), else GDK's.
    static std::vector<GdkRectangle> MonitorGeometries();
    // The character a key press produces in the 8-bit code page, or -1 for a key without one.
    static int KeyAsciiOf(guint keyval, GdkModifierType state);

private:
    // A monitor to cover: GDK's monitor on Wayland (nullptr on X11, where RandR names the rectangle).
    struct Monitor {
        GdkMonitor* gdk;
        GdkRectangle geometry;
    };
    // One monitor's window and its back buffer. On X11 the back buffer lives only while a paint draws
    // it: the finished picture goes to the X server's pixmap, from which every expose copies.
    struct Screen {
        GtkChartWindow* owner;
        Monitor monitor;
        GtkWidget* window;
        CairoWindowSurface surface;
        std::unique_ptr<X11Picture> picture;  // the X server's copy of the last picture (X11)
        bool closed = false;        // the compositor closed its surface, or its monitor went
        bool pictureShown = false;  // the first chart reached the screen
        int shownScale = 0;         // at this scale
        Screen(GtkChartWindow* o, Monitor m, FreeTypeFontRegistry& fonts);
        ~Screen();
    };
    std::vector<Monitor> Monitors() const;
    std::unique_ptr<Screen> NewScreen(const Monitor& monitor);
    void PlaceScreen(Screen& screen);
    void DropScreen(std::unique_ptr<Screen> screen);
    std::vector<int> MatchScreens(const std::vector<Monitor>& now) const;
    bool ScreensMatch(const std::vector<int>& from) const;
    void FollowMonitors();
    void UseSurfaces();
    bool Painting(const Screen& screen) const;  // its surface is among those the paint draws on
    static bool ServerKeepsPicture(GtkWidget* window);
    static void KeepInServer(Screen& screen);
    void BeforeTick() override;
    // Form_Unload ends the process; should it come back, the windows are gone all the same.
    void AfterUnload() override;
    static void OnMonitorAdded(GdkDisplay*, GdkMonitor*, gpointer self);
    static void OnMonitorRemoved(GdkDisplay*, GdkMonitor* monitor, gpointer self);
    static gboolean FollowMonitorsLater(gpointer self);
    static void OnRealize(GtkWidget* widget, gpointer screen);
    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer screen);
    static gboolean OnButtonPress(GtkWidget*, GdkEventButton* e, gpointer screen);
    static gboolean OnButtonRelease(GtkWidget*, GdkEventButton* e, gpointer screen);
    static gboolean OnKeyPress(GtkWidget*, GdkEventKey* e, gpointer screen);
    static gboolean OnMotion(GtkWidget*, GdkEventMotion* e, gpointer screen);
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer screen);

    GtkApplication* app_;
    FreeTypeFontRegistry& fonts_;
    ChartWindowRole role_;
    ScreenPlacement placement_;
    std::vector<std::unique_ptr<Screen>> screens_;
    CairoWindowSurface unseen_;  // the paint's target while no monitor is there
    FanOutSurface surface_;
    GtkPointer* pointer_;
    GtkMessageBoxes* boxes_;
    IdleInhibit inhibit_;
    std::function<void(Surface&)> afterPaint_;
    int defaultWidth_ = 0, defaultHeight_ = 0;
    guint followSource_ = 0;
    bool inhibitIdle_ = true;
    bool shown_ = false;
    bool inDraw_ = false;
    bool buttonDown_ = false;
};
