#include "platform/gtk/gtk_platform.h"

#include <gdk/gdkkeysyms.h>
#include <gtk-layer-shell.h>
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#endif
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>

#include "platform/x11/randr_monitors.h"
#endif
#include "platform/x11/x11_picture.h"


#include <algorithm>
#include <cmath>

#include "platform/gtk/monitor_list.h"
#include "platform/twips.h"
#include "platform/windows1252.h"

namespace {

constexpr const char* kWindowTitle = "SCRNSAVE KELO";
constexpr const char* kWallpaperTitle = "Kelo wallpaper";
// The layer surfaces' namespace, by which compositors' rules name them.
constexpr const char* kLayerNamespace = "kelo";
// A monitor's arrival is looked at a moment later, when the display has told all about it.
constexpr guint kFollowDelayMs = 100;
constexpr const char* kInhibitReason = "Kelo shows the chart of the present moment";
constexpr int kUnseenWidth = 1024;  // the screen width while no monitor is there

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

GtkChartWindow::GtkChartWindow(GtkApplication* app, FreeTypeFontRegistry& fonts, GtkPointer* pointer,
                               GtkMessageBoxes* boxes, ChartWindowRole role)
    : app_(app), fonts_(fonts), role_(role), placement_(PlacementOfDisplay()), unseen_(fonts), pointer_(pointer),
      boxes_(boxes) {
    for (const Monitor& monitor : Monitors()) screens_.push_back(NewScreen(monitor));
    UseSurfaces();
    if (GdkDisplay* display = gdk_display_get_default()) {
        g_signal_connect(display, "monitor-added", G_CALLBACK(OnMonitorAdded), this);
        g_signal_connect(display, "monitor-removed", G_CALLBACK(OnMonitorRemoved), this);
    }
}

ScreenPlacement GtkChartWindow::PlacementOfDisplay() {
#ifdef GDK_WINDOWING_WAYLAND
    GdkDisplay* display = gdk_display_get_default();
    // The registry first: asked on a compositor without it, gtk-layer-shell writes a warning.
    if (display != nullptr && GDK_IS_WAYLAND_DISPLAY(display))
        return gdk_wayland_display_query_registry(display, "zwlr_layer_shell_v1") && gtk_layer_is_supported()
                   ? ScreenPlacement::LayerShell
                   : ScreenPlacement::FullScreenOnMonitor;
#endif
    return ScreenPlacement::X11;
}

GtkChartWindow::Screen::Screen(GtkChartWindow* o, Monitor m, FreeTypeFontRegistry& fonts)
    : owner(o), monitor(m), window(nullptr), surface(fonts) {}

GtkChartWindow::Screen::~Screen() = default;

// A window for the monitor, set up as far as it must be before it is realised; PlaceScreen shows it.
std::unique_ptr<GtkChartWindow::Screen> GtkChartWindow::NewScreen(const Monitor& monitor) {
    auto screen = std::make_unique<Screen>(this, monitor, fonts_);
    GtkWidget* window = app_ != nullptr ? gtk_application_window_new(app_) : gtk_window_new(GTK_WINDOW_TOPLEVEL);
    screen->window = window;
    g_object_ref_sink(window);
    GtkWindow* w = GTK_WINDOW(window);
    const bool saver = role_ == ChartWindowRole::Saver;
    gtk_window_set_title(w, saver ? kWindowTitle : kWallpaperTitle);
    gtk_widget_set_app_paintable(window, TRUE);
    g_signal_connect(window, "draw", G_CALLBACK(OnDraw), screen.get());
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), screen.get());
    g_signal_connect(window, "realize", G_CALLBACK(OnRealize), screen.get());
    if (saver) {
        gtk_widget_add_events(window, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_KEY_PRESS_MASK |
                                          GDK_POINTER_MOTION_MASK);
        g_signal_connect(window, "button-press-event", G_CALLBACK(OnButtonPress), screen.get());
        g_signal_connect(window, "button-release-event", G_CALLBACK(OnButtonRelease), screen.get());
        g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPress), screen.get());
        g_signal_connect(window, "motion-notify-event", G_CALLBACK(OnMotion), screen.get());
    }
    if (placement_ == ScreenPlacement::LayerShell) {
        // The whole output, under nobody's exclusive zone (panels included).
        gtk_layer_init_for_window(w);
        gtk_layer_set_namespace(w, kLayerNamespace);
        gtk_layer_set_layer(w, saver ? GTK_LAYER_SHELL_LAYER_OVERLAY : GTK_LAYER_SHELL_LAYER_BACKGROUND);
        gtk_layer_set_monitor(w, monitor.gdk);
        for (GtkLayerShellEdge edge : {GTK_LAYER_SHELL_EDGE_LEFT, GTK_LAYER_SHELL_EDGE_RIGHT, GTK_LAYER_SHELL_EDGE_TOP,
                                       GTK_LAYER_SHELL_EDGE_BOTTOM})
            gtk_layer_set_anchor(w, edge, TRUE);
        gtk_layer_set_exclusive_zone(w, -1);
        gtk_layer_set_keyboard_mode(w, saver ? GTK_LAYER_SHELL_KEYBOARD_MODE_EXCLUSIVE
                                             : GTK_LAYER_SHELL_KEYBOARD_MODE_NONE);
    } else if (!saver) {
        // The X11 desktop's own window: beneath every other, on every workspace, in no task list.
        gtk_window_set_type_hint(w, GDK_WINDOW_TYPE_HINT_DESKTOP);
        gtk_window_set_decorated(w, FALSE);
        gtk_window_set_keep_below(w, TRUE);
        gtk_window_stick(w);
        gtk_window_set_skip_taskbar_hint(w, TRUE);
        gtk_window_set_skip_pager_hint(w, TRUE);
        gtk_window_set_accept_focus(w, FALSE);
        gtk_window_set_focus_on_map(w, FALSE);
    }
    if (defaultWidth_ > 0 && defaultHeight_ > 0) gtk_window_set_default_size(w, defaultWidth_, defaultHeight_);
    return screen;
}

// Shows the window on its monitor.
void GtkChartWindow::PlaceScreen(Screen& screen) {
    GtkWindow* w = GTK_WINDOW(screen.window);
    const GdkRectangle& g = screen.monitor.geometry;
    switch (placement_) {
        case ScreenPlacement::X11:
            // Placed on its monitor first, so that full screen means that monitor; without a window
            // manager nobody honours the full-screen request, and the window covers the monitor by
            // itself. The wallpaper is only placed and sized.
            gtk_window_move(w, g.x, g.y);
            if (role_ == ChartWindowRole::Wallpaper || !WindowManagerDoesFullScreen(screen.window))
                gtk_window_resize(w, g.width, g.height);
            if (role_ == ChartWindowRole::Saver) gtk_window_fullscreen(w);
            break;
        case ScreenPlacement::LayerShell:
            break;  // the anchors and the output do it
        case ScreenPlacement::FullScreenOnMonitor: {
            GdkDisplay* display = gdk_display_get_default();
            for (int i = 0; i < gdk_display_get_n_monitors(display); ++i)
                if (gdk_display_get_monitor(display, i) == screen.monitor.gdk)
                    gtk_window_fullscreen_on_monitor(w, gdk_display_get_default_screen(display), i);
            break;
        }
    }
    if (role_ == ChartWindowRole::Saver && pointer_ != nullptr) pointer_->Attach(screen.window);
    gtk_widget_show_all(screen.window);
}

void GtkChartWindow::DropScreen(std::unique_ptr<Screen> screen) {
    if (pointer_ != nullptr) pointer_->Detach(screen->window);
    gtk_widget_destroy(screen->window);
    g_object_unref(screen->window);
}

GtkChartWindow::~GtkChartWindow() {
    if (GdkDisplay* display = gdk_display_get_default()) g_signal_handlers_disconnect_by_data(display, this);
    if (followSource_ != 0) g_source_remove(followSource_);
    for (auto& screen : screens_) DropScreen(std::move(screen));
}

void GtkChartWindow::AfterUnload() {
    for (auto& screen : screens_) gtk_widget_hide(screen->window);
}

// ---- Monitors that come and go -------------------------------------------------------------------------

std::vector<GtkChartWindow::Monitor> GtkChartWindow::Monitors() const {
    std::vector<Monitor> monitors;
    if (placement_ == ScreenPlacement::X11) {
        for (const GdkRectangle& r : MonitorGeometries()) monitors.push_back(Monitor{nullptr, r});
        return monitors;
    }
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* primary = gdk_display_get_primary_monitor(display);
    for (int i = 0; i < gdk_display_get_n_monitors(display); ++i) {
        Monitor m{gdk_display_get_monitor(display, i), {}};
        gdk_monitor_get_geometry(m.gdk, &m.geometry);
        monitors.insert(m.gdk == primary ? monitors.begin() : monitors.end(), m);
    }
    return monitors;
}

// For each monitor of now, the index of the window it keeps, or -1 (MatchMonitors).
std::vector<int> GtkChartWindow::MatchScreens(const std::vector<Monitor>& now) const {
    auto keyOf = [](const Monitor& m) {
        return MonitorKey{m.gdk, m.geometry.x, m.geometry.y, m.geometry.width, m.geometry.height};
    };
    std::vector<MonitorKey> shownKeys, nowKeys;
    // A window whose surface the compositor closed matches no monitor: it goes, and a monitor still
    // there gets a new one.
    for (const auto& screen : screens_)
        shownKeys.push_back(screen->closed ? MonitorKey{screen.get(), 0, 0, 0, 0} : keyOf(screen->monitor));
    for (const Monitor& m : now) nowKeys.push_back(keyOf(m));
    return MatchMonitors(shownKeys, nowKeys);
}

bool GtkChartWindow::ScreensMatch(const std::vector<int>& from) const {
    bool same = from.size() == screens_.size();
    for (size_t j = 0; same && j < from.size(); ++j) same = from[j] == static_cast<int>(j);
    return same;
}

// Timer1 ticks at a high priority, before the display's own events of that turn of the main loop are
// read: a layer surface shown from there would wait for them for ever (gtk-layer-shell's round trip on
// mapping). A change seen at the tick is followed a moment later, at the loop's ordinary priority.
void GtkChartWindow::BeforeTick() {
    if (!unloading_ && !ScreensMatch(MatchScreens(Monitors()))) OnMonitorAdded(nullptr, nullptr, this);
}

// The windows made to match the monitors there are now: kept, added, dropped and put in their order.
void GtkChartWindow::FollowMonitors() {
    if (unloading_) return;
    const std::vector<Monitor> now = Monitors();
    const std::vector<int> from = MatchScreens(now);
    if (ScreensMatch(from)) return;

    GtkWindow* first = Window();
    std::vector<std::unique_ptr<Screen>> screens(now.size());
    for (size_t j = 0; j < now.size(); ++j)
        if (from[j] >= 0) screens[j] = std::move(screens_[static_cast<size_t>(from[j])]);
    for (auto& gone : screens_)
        if (gone != nullptr) DropScreen(std::move(gone));
    for (size_t j = 0; j < now.size(); ++j) {
        if (screens[j] != nullptr) continue;
        screens[j] = NewScreen(now[j]);
        if (shown_) PlaceScreen(*screens[j]);
    }
    screens_ = std::move(screens);
    UseSurfaces();
    if (boxes_ != nullptr && Window() != first) boxes_->ReplaceOwner(first, Window());
    g_log("kelo", G_LOG_LEVEL_DEBUG, "monitors changed: %zu windows", screens_.size());
}

void GtkChartWindow::UseSurfaces() {
    std::vector<Surface*> surfaces;
    for (auto& screen : screens_) surfaces.push_back(&screen->surface);
    if (surfaces.empty()) surfaces.push_back(&unseen_);
    surface_.SetSurfaces(std::move(surfaces));
}

void GtkChartWindow::OnMonitorAdded(GdkDisplay*, GdkMonitor*, gpointer self) {
    auto* w = static_cast<GtkChartWindow*>(self);
    if (w->followSource_ == 0) w->followSource_ = g_timeout_add(kFollowDelayMs, FollowMonitorsLater, w);
}

// A monitor that went is let go at once: its object is not to be taken for a new one later.
void GtkChartWindow::OnMonitorRemoved(GdkDisplay* display, GdkMonitor* monitor, gpointer self) {
    auto* w = static_cast<GtkChartWindow*>(self);
    for (auto& screen : w->screens_)
        if (screen->monitor.gdk == monitor) screen->closed = true;
    OnMonitorAdded(display, monitor, self);
}

gboolean GtkChartWindow::FollowMonitorsLater(gpointer self) {
    auto* w = static_cast<GtkChartWindow*>(self);
    w->followSource_ = 0;
    w->FollowMonitors();
    return G_SOURCE_REMOVE;
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
    const int scale = screens_.empty() ? 1 : gtk_widget_get_scale_factor(screens_.front()->window);
    return TwipsPerPixelAt(xftDpi / 1024.0 / scale);
}

// The primary monitor's width, in the desktop's units (an output of 2048 pixels at scale 2 is 1024).
int32_t GtkChartWindow::ScreenWidthTwips() {
    const int width = screens_.empty() ? kUnseenWidth : screens_.front()->monitor.geometry.width;
    return width * TwipsPerPixelX();
}

void GtkChartWindow::SetSizeTwips(int32_t width, int32_t height) {
    const int perPixel = TwipsPerPixelX();
    defaultWidth_ = width / perPixel;
    defaultHeight_ = height / perPixel;
    for (auto& screen : screens_) gtk_window_set_default_size(GTK_WINDOW(screen->window), defaultWidth_, defaultHeight_);
}

void GtkChartWindow::SetLogicalSize(double width, double height) { surface_.SetCoordinates(0, 0, width, height); }

void GtkChartWindow::ShowMaximized() {
    shown_ = true;
    for (auto& screen : screens_) PlaceScreen(*screen);
    if (role_ == ChartWindowRole::Wallpaper) return;  // beneath everything, without the keyboard
    if (boxes_ != nullptr && Window() != nullptr) boxes_->PushOwner(Window());
    if (Window() != nullptr) gtk_window_present(Window());
    if (inhibitIdle_) inhibit_.Begin(app_, Window(), kInhibitReason);
    g_log("kelo", G_LOG_LEVEL_DEBUG, "idle inhibit: %s", inhibit_.How());
}

// ---- Painting ------------------------------------------------------------------------------------------

bool GtkChartWindow::Painting(const Screen& screen) const {
    const std::vector<Surface*>& painted = surface_.Surfaces();
    return std::find(painted.begin(), painted.end(), &screen.surface) != painted.end();
}

// A paint draws on back buffers: those that went to the X server after the last paint come back.
Surface& GtkChartWindow::PaintSurface() {
    for (auto& screen : screens_)
        if (Painting(*screen)) screen->surface.RestoreBuffer();
    return surface_;
}

void GtkChartWindow::PresentPaint() {
    if (afterPaint_) afterPaint_(surface_);
    for (auto& screen : screens_)
        if (Painting(*screen)) KeepInServer(*screen);
    if (inDraw_) return;
    for (auto& screen : screens_) gtk_widget_queue_draw(screen->window);
}

// An X11 window whose visual takes the back buffer's pixels as they are keeps its picture in the X
// server; elsewhere (Wayland, another visual) the back buffer stays, made like the window's surface.
bool GtkChartWindow::ServerKeepsPicture(GtkWidget* window) {
#ifdef GDK_WINDOWING_X11
    GdkWindow* w = gtk_widget_get_window(window);
    if (w == nullptr || !GDK_IS_X11_WINDOW(w)) return false;
    GdkVisual* visual = gdk_window_get_visual(w);
    return X11Picture::Fits(gdk_x11_display_get_xdisplay(gdk_window_get_display(w)),
                            gdk_x11_visual_get_xvisual(visual), gdk_visual_get_depth(visual));
#else
    (void)window;
    return false;
#endif
}

// The finished picture into the X server's pixmap, and the back buffer let go. Should the server refuse
// the pixmap (out of memory), the back buffer stays and shows the picture as before.
void GtkChartWindow::KeepInServer(Screen& screen) {
#ifdef GDK_WINDOWING_X11
    if (!screen.surface.HasBuffer() || !ServerKeepsPicture(screen.window)) return;
    GdkWindow* w = gtk_widget_get_window(screen.window);
    GdkDisplay* display = gdk_window_get_display(w);
    if (screen.picture == nullptr) {
        GdkVisual* visual = gdk_window_get_visual(w);
        screen.picture = std::make_unique<X11Picture>(gdk_x11_display_get_xdisplay(display), gdk_x11_window_get_xid(w),
                                                      gdk_x11_visual_get_xvisual(visual), gdk_visual_get_depth(visual));
    }
    gdk_x11_display_error_trap_push(display);
    screen.picture->Put(screen.surface.Buffer());
    if (gdk_x11_display_error_trap_pop(display) != 0) {
        screen.picture.reset();
        return;
    }
    screen.surface.ReleaseBuffer();
#else
    (void)screen;
#endif
}

// The wallpaper lets every click and movement through to the desktop.
void GtkChartWindow::OnRealize(GtkWidget* widget, gpointer data) {
    if (static_cast<Screen*>(data)->owner->role_ != ChartWindowRole::Wallpaper) return;
    cairo_region_t* none = cairo_region_create();
    gdk_window_input_shape_combine_region(gtk_widget_get_window(widget), none, 0, 0);
    cairo_region_destroy(none);
}

gboolean GtkChartWindow::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer data) {
    auto* screen = static_cast<Screen*>(data);
    GtkChartWindow* w = screen->owner;
    w->inDraw_ = true;
    const int width = gtk_widget_get_allocated_width(widget);
    const int height = gtk_widget_get_allocated_height(widget);
    // A new size or scale (the first expose among them) gives a new, empty back buffer: resize and paint
    // the last chart into it alone (the others hold it already: with several monitors coming up, each
    // is painted once, not once for every other). Any other expose shows the back buffer as the last
    // paint left it.
    cairo_surface_t* like = ServerKeepsPicture(widget) ? nullptr : cairo_get_target(cr);
    if (screen->surface.SetWindowSize(width, height, gtk_widget_get_scale_factor(widget), like) &&
        w->events_ != nullptr) {
        w->surface_.SetSurfaces({&screen->surface});
        w->events_->Form_Resize();
        w->events_->Form_Paint();
        w->UseSurfaces();
    }
    if (!screen->surface.HasBuffer() && screen->picture != nullptr && screen->picture->Surface() != nullptr) {
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, screen->picture->Surface(), 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
    } else {
        screen->surface.Present(cr);
    }
    w->inDraw_ = false;
    const int scale = gtk_widget_get_scale_factor(widget);
    if (w->events_ != nullptr && (!screen->pictureShown || scale != screen->shownScale)) {
        // Traced for the end-to-end tests and the start-up measurements (G_MESSAGES_DEBUG=kelo): the
        // first picture on each monitor, and each new scale of it.
        screen->pictureShown = true;
        screen->shownScale = scale;
        const GdkRectangle& g = screen->monitor.geometry;
        g_log("kelo", G_LOG_LEVEL_DEBUG, "picture shown on the monitor at %d,%d: %dx%d at scale %d, clock %lld ms",
              g.x, g.y, width, height, scale, static_cast<long long>(g_get_real_time() / 1000));
    }
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

// The window manager's close unloads the chart window. A layer surface has no such close: the
// compositor closes it when its output goes, and only that window goes with it.
gboolean GtkChartWindow::OnDelete(GtkWidget* widget, GdkEvent*, gpointer data) {
    auto* screen = static_cast<Screen*>(data);
    GtkChartWindow* w = screen->owner;
    if (w->placement_ != ScreenPlacement::LayerShell) {
        w->Unload();
        return TRUE;
    }
    screen->closed = true;
    gtk_widget_hide(widget);
    OnMonitorAdded(nullptr, nullptr, w);
    return TRUE;
}

double GtkChartWindow::PointerRestDistance() {
    if (screens_.empty()) return 0;
    const double scale = screens_.front()->surface.DeviceScale();
    return scale > 0 ? kPointerRestPixels / scale : 0;
}
