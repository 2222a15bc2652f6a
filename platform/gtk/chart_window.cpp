#include "platform/gtk/gtk_platform.h"

#include <gdk/gdkkeysyms.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif

#include <cmath>

#include "platform/windows1252.h"

namespace {

constexpr const char* kWindowTitle = "SCRNSAVE KELO";
constexpr const char* kInhibitReason = "Kelo shows the chart of the present moment";
constexpr int kDefaultTwipsPerPixel = 15;
constexpr int kTwipsPerInch = 1440;

double Sign(double v) { return v < 0 ? -1.0 : 1.0; }

// Without a window manager nobody honours the full-screen request; the window then places itself.
bool WindowManagerDoesFullScreen(GtkWidget* window) {
#ifdef GDK_WINDOWING_X11
    GdkScreen* screen = gtk_widget_get_screen(window);
    if (GDK_IS_X11_SCREEN(screen))
        return gdk_x11_screen_supports_net_wm_hint(screen, gdk_atom_intern_static_string("_NET_WM_STATE_FULLSCREEN"));
#endif
    (void)window;
    return true;
}

}  // namespace

GtkChartWindow::GtkChartWindow(GtkApplication* app, FreeTypeFontRegistry& fonts, GtkPointer& pointer,
                               GtkMessageBoxes& boxes)
    : app_(app), pointer_(pointer), boxes_(boxes), surface_(fonts) {
    window_ = app != nullptr ? gtk_application_window_new(app) : gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_object_ref_sink(window_);
    gtk_window_set_title(GTK_WINDOW(window_), kWindowTitle);
    gtk_widget_set_app_paintable(window_, TRUE);
    gtk_widget_add_events(window_, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_KEY_PRESS_MASK |
                                       GDK_POINTER_MOTION_MASK);
    g_signal_connect(window_, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(window_, "button-press-event", G_CALLBACK(OnButtonPress), this);
    g_signal_connect(window_, "button-release-event", G_CALLBACK(OnButtonRelease), this);
    g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKeyPress), this);
    g_signal_connect(window_, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
}

GtkChartWindow::~GtkChartWindow() {
    if (timerSource_ != 0) g_source_remove(timerSource_);
    if (window_ != nullptr) {
        gtk_widget_destroy(window_);
        g_object_unref(window_);
    }
}

void GtkChartWindow::Load(ChartWindowEvents& events) {
    events_ = &events;
    events.Form_Load();
}

void GtkChartWindow::Unload() {
    if (unloading_) return;
    unloading_ = true;
    SetTimerEnabled(false);
    int cancel = 0;
    if (events_ != nullptr) events_->Form_Unload(cancel);
    // Form_Unload ends the process; should it come back, the window is gone all the same.
    if (window_ != nullptr) gtk_widget_hide(window_);
}

// ---- Timer1 -----------------------------------------------------------------------------------------

int GtkChartWindow::DelayToNextTick(gint64 nowMs, int intervalMs) {
    if (intervalMs <= 0) intervalMs = 1000;
    const gint64 into = ((nowMs % intervalMs) + intervalMs) % intervalMs;
    return static_cast<int>(intervalMs - into) + kTickMarginMs;
}

void GtkChartWindow::SetTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    if (!enabled && timerSource_ != 0) {
        g_source_remove(timerSource_);
        timerSource_ = 0;
    }
    if (enabled && timerSource_ == 0) ArmTimer();
}

void GtkChartWindow::SetTimerInterval(int milliseconds) {
    timerInterval_ = milliseconds;
    if (timerEnabled_) {
        if (timerSource_ != 0) g_source_remove(timerSource_);
        timerSource_ = 0;
        ArmTimer();
    }
}

void GtkChartWindow::ArmTimer() {
    if (timerInterval_ <= 0) return;  // an interval of 0 leaves the timer silent
    const int delay = DelayToNextTick(g_get_real_time() / 1000, timerInterval_);
    timerSource_ = g_timeout_add_full(G_PRIORITY_HIGH, static_cast<guint>(delay), OnTick, this, nullptr);
}

gboolean GtkChartWindow::OnTick(gpointer self) {
    auto* w = static_cast<GtkChartWindow*>(self);
    w->timerSource_ = 0;
    if (!w->timerEnabled_) return G_SOURCE_REMOVE;
    // Armed again first: a message box opened by this tick keeps the ticks coming, as on Windows.
    w->ArmTimer();
    if (w->events_ != nullptr) w->events_->Timer1_Timer();
    return G_SOURCE_REMOVE;
}

// ---- Screen and window size --------------------------------------------------------------------------

void GtkChartWindow::Monitor(GdkRectangle& geometry) const {
    geometry = GdkRectangle{0, 0, 1024, 768};
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr) return;
    GdkMonitor* monitor = nullptr;
    if (GdkWindow* w = gtk_widget_get_window(window_)) monitor = gdk_display_get_monitor_at_window(display, w);
    if (monitor == nullptr) monitor = gdk_display_get_primary_monitor(display);
    if (monitor == nullptr) monitor = gdk_display_get_monitor(display, 0);
    if (monitor != nullptr) gdk_monitor_get_geometry(monitor, &geometry);
}

int32_t GtkChartWindow::TwipsPerPixelX() {
    // 1440 / the logical DPI of the desktop's fonts: 15 at 96 DPI, 12 at 120.
    gint xftDpi = -1;
    if (GtkSettings* settings = gtk_settings_get_default()) g_object_get(settings, "gtk-xft-dpi", &xftDpi, nullptr);
    if (xftDpi <= 0) return kDefaultTwipsPerPixel;
    const double dpi = xftDpi / 1024.0 / gtk_widget_get_scale_factor(window_);
    const int perPixel = static_cast<int>(kTwipsPerInch / dpi);
    return perPixel > 0 ? perPixel : kDefaultTwipsPerPixel;
}

int32_t GtkChartWindow::ScreenWidthTwips() {
    GdkRectangle g;
    Monitor(g);
    return g.width * TwipsPerPixelX();
}

void GtkChartWindow::SetSizeTwips(int32_t width, int32_t height) {
    const int perPixel = TwipsPerPixelX();
    gtk_window_set_default_size(GTK_WINDOW(window_), width / perPixel, height / perPixel);
}

void GtkChartWindow::SetLogicalSize(double width, double height) { surface_.SetCoordinates(0, 0, width, height); }

void GtkChartWindow::ShowMaximized() {
    GtkWindow* w = GTK_WINDOW(window_);
    gtk_window_maximize(w);
    gtk_window_fullscreen(w);
    if (!WindowManagerDoesFullScreen(window_)) {
        GdkRectangle g;
        Monitor(g);
        gtk_window_move(w, g.x, g.y);
        gtk_window_resize(w, g.width, g.height);
    }
    pointer_.Attach(window_);
    boxes_.PushOwner(w);
    gtk_widget_show_all(window_);
    gtk_window_present(w);
    inhibit_.Begin(app_, w, kInhibitReason);
    g_log("kelo", G_LOG_LEVEL_DEBUG, "idle inhibit: %s", inhibit_.How());
}

// ---- Painting ------------------------------------------------------------------------------------------

void GtkChartWindow::PresentPaint() {
    if (!inDraw_ && window_ != nullptr) gtk_widget_queue_draw(window_);
}

gboolean GtkChartWindow::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
    auto* w = static_cast<GtkChartWindow*>(self);
    w->inDraw_ = true;
    const int width = gtk_widget_get_allocated_width(widget);
    const int height = gtk_widget_get_allocated_height(widget);
    // A new size (the first expose among them) gives a new, empty back buffer: resize and paint the
    // last chart into it. Any other expose shows the back buffer as the last paint left it.
    if (w->surface_.SetWindowSize(width, height, gtk_widget_get_scale_factor(widget)) && w->events_ != nullptr) {
        w->events_->Form_Resize();
        w->events_->Form_Paint();
    }
    w->surface_.Present(cr);
    w->inDraw_ = false;
    return TRUE;
}

// ---- Input ---------------------------------------------------------------------------------------------

int GtkChartWindow::KeyAsciiOf(guint keyval, GdkModifierType state) {
    switch (keyval) {
        case GDK_KEY_Return:
        case GDK_KEY_KP_Enter:
        case GDK_KEY_ISO_Enter:
            return 13;
        case GDK_KEY_Escape:
            return 27;
        case GDK_KEY_BackSpace:
            return 8;
        case GDK_KEY_Tab:
        case GDK_KEY_KP_Tab:
        case GDK_KEY_ISO_Left_Tab:
            return 9;
        default:
            break;
    }
    const gunichar c = gdk_keyval_to_unicode(keyval);
    if (c < 0x20 || c == 0x7F) return -1;  // no character (modifiers, arrows, function keys, Delete)
    if ((state & GDK_CONTROL_MASK) != 0 && g_ascii_isalpha(static_cast<gchar>(c)) && c < 0x80)
        return g_ascii_toupper(static_cast<gchar>(c)) - 'A' + 1;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int code = 0x80; code < 0xA0; ++code)
        if (Windows1252ToUnicode(static_cast<unsigned char>(code)) == c) return code;
    return '?';
}

gboolean GtkChartWindow::OnButtonPress(GtkWidget*, GdkEventButton* e, gpointer self) {
    if (e->type == GDK_BUTTON_PRESS) static_cast<GtkChartWindow*>(self)->buttonDown_ = true;
    return TRUE;
}

gboolean GtkChartWindow::OnButtonRelease(GtkWidget*, GdkEventButton*, gpointer self) {
    auto* w = static_cast<GtkChartWindow*>(self);
    if (!w->buttonDown_) return TRUE;
    w->buttonDown_ = false;
    if (w->events_ != nullptr) w->events_->Form_Click();
    return TRUE;
}

gboolean GtkChartWindow::OnKeyPress(GtkWidget*, GdkEventKey* e, gpointer self) {
    auto* w = static_cast<GtkChartWindow*>(self);
    const int keyAscii = KeyAsciiOf(e->keyval, static_cast<GdkModifierType>(e->state));
    if (keyAscii >= 0 && w->events_ != nullptr) w->events_->Form_KeyPress(keyAscii);
    return TRUE;
}

gboolean GtkChartWindow::OnMotion(GtkWidget*, GdkEventMotion* e, gpointer self) {
    auto* w = static_cast<GtkChartWindow*>(self);
    if (w->events_ == nullptr) return TRUE;
    int button = 0, shift = 0;
    if (e->state & GDK_BUTTON1_MASK) button |= 1;
    if (e->state & GDK_BUTTON3_MASK) button |= 2;
    if (e->state & GDK_BUTTON2_MASK) button |= 4;
    if (e->state & GDK_SHIFT_MASK) shift |= 1;
    if (e->state & GDK_CONTROL_MASK) shift |= 2;
    if (e->state & GDK_MOD1_MASK) shift |= 4;
    // Window units to the logical units the surface shows, centred at one uniform scale.
    const CairoWindowSurface& s = w->surface_;
    double x = e->x, y = e->y;
    if (s.DeviceWidth() > 0 && s.DeviceHeight() > 0) {
        const double scale = s.DeviceScale();
        const double offsetX = (s.DeviceWidth() - scale * std::fabs(s.ScaleWidth())) / 2;
        const double offsetY = (s.DeviceHeight() - scale * std::fabs(s.ScaleHeight())) / 2;
        x = s.ScaleLeft() + (e->x - offsetX) / (scale * Sign(s.ScaleWidth()));
        y = s.ScaleTop() + (e->y - offsetY) / (scale * Sign(s.ScaleHeight()));
    }
    w->events_->Form_MouseMove(button, shift, static_cast<float>(x), static_cast<float>(y));
    return TRUE;
}

gboolean GtkChartWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
    static_cast<GtkChartWindow*>(self)->Unload();
    return TRUE;
}
