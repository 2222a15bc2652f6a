#include "platform/gtk/gtk_platform.h"

#include <gdk/gdkkeysyms.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>

#include "platform/x11/randr_monitors.h"
#endif

#include <algorithm>
#include <cmath>

#include "platform/twips.h"
#include "platform/windows1252.h"

namespace {

constexpr const char* kWindowTitle = "SCRNSAVE KELO";
constexpr const char* kInhibitReason = "Kelo shows the chart of the present moment";

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
    : app_(app), pointer_(pointer), boxes_(boxes) {
    std::vector<Surface*> surfaces;
    for (const GdkRectangle& monitor : MonitorGeometries()) {
        screens_.push_back(std::make_unique<Screen>(this, monitor, nullptr, fonts));
        Screen* screen = screens_.back().get();
        screen->window = NewWindow(screen);
        surfaces.push_back(&screen->surface);
    }
    surface_.SetSurfaces(std::move(surfaces));
}

GtkWidget* GtkChartWindow::NewWindow(Screen* screen) {
    GtkWidget* window = app_ != nullptr ? gtk_application_window_new(app_) : gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_object_ref_sink(window);
    gtk_window_set_title(GTK_WINDOW(window), kWindowTitle);
    gtk_widget_set_app_paintable(window, TRUE);
    gtk_widget_add_events(window, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_KEY_PRESS_MASK |
                                      GDK_POINTER_MOTION_MASK);
    g_signal_connect(window, "draw", G_CALLBACK(OnDraw), screen);
    g_signal_connect(window, "button-press-event", G_CALLBACK(OnButtonPress), screen);
    g_signal_connect(window, "button-release-event", G_CALLBACK(OnButtonRelease), screen);
    g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPress), screen);
    g_signal_connect(window, "motion-notify-event", G_CALLBACK(OnMotion), screen);
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), screen);
    return window;
}

GtkChartWindow::~GtkChartWindow() {
    for (auto& screen : screens_) {
        gtk_widget_destroy(screen->window);
        g_object_unref(screen->window);
    }
}

void GtkChartWindow::AfterUnload() {
    for (auto& screen : screens_) gtk_widget_hide(screen->window);
}

// ---- Screen and window size --------------------------------------------------------------------------

std::vector<GdkRectangle> GtkChartWindow::MonitorGeometries() {
    std::vector<GdkRectangle> monitors;
    GdkDisplay* display = gdk_display_get_default();
#ifdef GDK_WINDOWING_X11
    // GDK leaves out a RandR monitor without an output (one screen split in two by the user); the
    // screen-saver daemons draw on it, and so does the chart.
    if (display != nullptr && GDK_IS_X11_DISPLAY(display)) {
        // RandR counts device pixels; GTK places windows in its own, GDK_SCALE times larger.
        GdkMonitor* first = gdk_display_get_monitor(display, 0);
        const int scale = first != nullptr ? std::max(1, gdk_monitor_get_scale_factor(first)) : 1;
        for (const RandRMonitor& m : RandRMonitors(gdk_x11_display_get_xdisplay(display))) {
            const GdkRectangle r{m.x / scale, m.y / scale, m.width / scale, m.height / scale};
            if (r.width > 0 && r.height > 0) monitors.push_back(r);
        }
    }
#endif
    if (monitors.empty() && display != nullptr) {
        GdkMonitor* primary = gdk_display_get_primary_monitor(display);
        for (int i = 0; i < gdk_display_get_n_monitors(display); ++i) {
            GdkMonitor* monitor = gdk_display_get_monitor(display, i);
            GdkRectangle r;
            gdk_monitor_get_geometry(monitor, &r);
            monitors.insert(monitor == primary ? monitors.begin() : monitors.end(), r);
        }
    }
    if (monitors.empty()) monitors.push_back(GdkRectangle{0, 0, 1024, 768});
    return monitors;
}

int32_t GtkChartWindow::TwipsPerPixelX() {
    // The logical DPI of the desktop's fonts (-1 where GTK has none: taken as 96).
    gint xftDpi = -1;
    if (GtkSettings* settings = gtk_settings_get_default()) g_object_get(settings, "gtk-xft-dpi", &xftDpi, nullptr);
    return TwipsPerPixelAt(xftDpi / 1024.0 / gtk_widget_get_scale_factor(screens_.front()->window));
}

int32_t GtkChartWindow::ScreenWidthTwips() { return screens_.front()->monitor.width * TwipsPerPixelX(); }

void GtkChartWindow::SetSizeTwips(int32_t width, int32_t height) {
    const int perPixel = TwipsPerPixelX();
    for (auto& screen : screens_)
        gtk_window_set_default_size(GTK_WINDOW(screen->window), width / perPixel, height / perPixel);
}

void GtkChartWindow::SetLogicalSize(double width, double height) { surface_.SetCoordinates(0, 0, width, height); }

void GtkChartWindow::ShowMaximized() {
    for (auto& screen : screens_) {
        GtkWindow* w = GTK_WINDOW(screen->window);
        const GdkRectangle& g = screen->monitor;
        // Placed on its monitor first, so that full screen means that monitor; without a window manager
        // nobody honours the full-screen request, and the window covers the monitor by itself.
        gtk_window_move(w, g.x, g.y);
        if (!WindowManagerDoesFullScreen(screen->window)) gtk_window_resize(w, g.width, g.height);
        gtk_window_fullscreen(w);
        pointer_.Attach(screen->window);
        gtk_widget_show_all(screen->window);
    }
    boxes_.PushOwner(Window());
    gtk_window_present(Window());
    if (inhibitIdle_) inhibit_.Begin(app_, Window(), kInhibitReason);
    g_log("kelo", G_LOG_LEVEL_DEBUG, "idle inhibit: %s", inhibit_.How());
}

// ---- Painting ------------------------------------------------------------------------------------------

void GtkChartWindow::PresentPaint() {
    if (inDraw_) return;
    for (auto& screen : screens_) gtk_widget_queue_draw(screen->window);
}

gboolean GtkChartWindow::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer data) {
    auto* screen = static_cast<Screen*>(data);
    GtkChartWindow* w = screen->owner;
    w->inDraw_ = true;
    const int width = gtk_widget_get_allocated_width(widget);
    const int height = gtk_widget_get_allocated_height(widget);
    // A new size (the first expose among them) gives a new, empty back buffer: resize and paint the
    // last chart into every back buffer. Any other expose shows the back buffer as the last paint left it.
    if (screen->surface.SetWindowSize(width, height, gtk_widget_get_scale_factor(widget)) && w->events_ != nullptr) {
        w->events_->Form_Resize();
        w->events_->Form_Paint();
    }
    screen->surface.Present(cr);
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

gboolean GtkChartWindow::OnButtonPress(GtkWidget*, GdkEventButton* e, gpointer screen) {
    if (e->type == GDK_BUTTON_PRESS) static_cast<Screen*>(screen)->owner->buttonDown_ = true;
    return TRUE;
}

gboolean GtkChartWindow::OnButtonRelease(GtkWidget*, GdkEventButton*, gpointer screen) {
    GtkChartWindow* w = static_cast<Screen*>(screen)->owner;
    if (!w->buttonDown_) return TRUE;
    w->buttonDown_ = false;
    if (w->events_ != nullptr) w->events_->Form_Click();
    return TRUE;
}

gboolean GtkChartWindow::OnKeyPress(GtkWidget*, GdkEventKey* e, gpointer screen) {
    GtkChartWindow* w = static_cast<Screen*>(screen)->owner;
    const int keyAscii = KeyAsciiOf(e->keyval, static_cast<GdkModifierType>(e->state));
    if (keyAscii >= 0 && w->events_ != nullptr) w->events_->Form_KeyPress(keyAscii);
    return TRUE;
}

gboolean GtkChartWindow::OnMotion(GtkWidget*, GdkEventMotion* e, gpointer screen) {
    GtkChartWindow* w = static_cast<Screen*>(screen)->owner;
    if (w->events_ == nullptr) return TRUE;
    int button = 0, shift = 0;
    if (e->state & GDK_BUTTON1_MASK) button |= 1;
    if (e->state & GDK_BUTTON3_MASK) button |= 2;
    if (e->state & GDK_BUTTON2_MASK) button |= 4;
    if (e->state & GDK_SHIFT_MASK) shift |= 1;
    if (e->state & GDK_CONTROL_MASK) shift |= 2;
    if (e->state & GDK_MOD1_MASK) shift |= 4;
    // Window units to the logical units the surface shows, centred at one uniform scale.
    const CairoWindowSurface& s = static_cast<Screen*>(screen)->surface;
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

gboolean GtkChartWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer screen) {
    static_cast<Screen*>(screen)->owner->Unload();
    return TRUE;
}

double GtkChartWindow::PointerRestDistance() {
    if (screens_.empty()) return 0;
    const double scale = screens_.front()->surface.DeviceScale();
    return scale > 0 ? kPointerRestPixels / scale : 0;
}
