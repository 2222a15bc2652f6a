#include "platform/x11/hack_window.h"

#include <X11/Xresource.h>
#include <cairo-xlib.h>

#include <cstdio>
#include <cstdlib>

#include "platform/twips.h"

namespace {

// A window that goes while it is being drawn on makes its requests fail; its DestroyNotify ends the
// hack soon after, so such errors are not worth a word.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// Errors counted while the picture goes to the X server (a pixmap the server cannot make).
int pictureErrors = 0;
int CountXError(Display*, XErrorEvent*) {
    ++pictureErrors;
    return 0;
}

// The display went away (the server ended): so does the hack, quietly.
int EndWithDisplay(Display*) { std::exit(0); }

// The X connection as a source of the GLib main loop: ready while Xlib holds or can read events.
struct XEventSource {
    GSource source;
    Display* display;
    GPollFD fd;
    X11HackWindow* owner;
};

gboolean XPrepare(GSource* source, gint* timeout) {
    *timeout = -1;
    return XPending(reinterpret_cast<XEventSource*>(source)->display) > 0;
}

gboolean XCheck(GSource* source) {
    auto* x = reinterpret_cast<XEventSource*>(source);
    // A closed connection reads as an error inside XPending, which ends the process.
    if ((x->fd.revents & (G_IO_IN | G_IO_HUP | G_IO_ERR)) == 0) return FALSE;
    return XPending(x->display) > 0;
}

gboolean XDispatch(GSource* source, GSourceFunc, gpointer) {
    auto* x = reinterpret_cast<XEventSource*>(source);
    while (XPending(x->display) > 0) {
        XEvent e;
        XNextEvent(x->display, &e);
        x->owner->HandleEvent(e);
    }
    return G_SOURCE_CONTINUE;
}

GSourceFuncs kXEventFuncs = {XPrepare, XCheck, XDispatch, nullptr, nullptr, nullptr};

}  // namespace

X11HackWindow::X11HackWindow(FreeTypeFontRegistry& fonts)
    : surface_(fonts) {}

X11HackWindow::~X11HackWindow() {
    if (eventSource_ != nullptr) {
        g_source_destroy(eventSource_);
        g_source_unref(eventSource_);
    }
    picture_.reset();  // its pixmap goes with the display
    if (target_ != nullptr) cairo_surface_destroy(target_);
    if (display_ != nullptr) XCloseDisplay(display_);
}

bool X11HackWindow::Open(unsigned long window, std::string& error) {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        error = "hack mode draws on an X11 display, and DISPLAY is not set (a Wayland session without X "
                "cannot start it)";
        return false;
    }
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) {
        error = std::string("cannot open the X display ") + name;
        return false;
    }
    XSetErrorHandler(IgnoreXError);
    XSetIOErrorHandler(EndWithDisplay);
    window_ = window != 0 ? window : DefaultRootWindow(display_);
    // Events first, then the size: a window that goes in between is caught by the second request.
    XSelectInput(display_, window_, ExposureMask | StructureNotifyMask);
    XWindowAttributes a;
    if (XGetWindowAttributes(display_, window_, &a) == 0) {
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", window);
        error = std::string("there is no X window ") + id + " on " + name;
        return false;
    }
    visual_ = a.visual;
    width_ = a.width;
    height_ = a.height;
    target_ = cairo_xlib_surface_create(display_, window_, visual_, width_, height_);
    if (X11Picture::Fits(display_, visual_, a.depth))
        picture_ = std::make_unique<X11Picture>(display_, window_, visual_, a.depth);

    eventSource_ = g_source_new(&kXEventFuncs, sizeof(XEventSource));
    auto* x = reinterpret_cast<XEventSource*>(eventSource_);
    x->display = display_;
    x->owner = this;
    x->fd.fd = ConnectionNumber(display_);
    x->fd.events = G_IO_IN | G_IO_HUP | G_IO_ERR;
    g_source_add_poll(eventSource_, &x->fd);
    g_source_attach(eventSource_, nullptr);
    return true;
}

void X11HackWindow::Run() {
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(loop);
    g_main_loop_unref(loop);
}

int32_t X11HackWindow::TwipsPerPixelX() {
    // The fonts' DPI of the X resources (Xft.dpi), as desktops set it; without one, 96.
    const char* value = display_ != nullptr ? XGetDefault(display_, "Xft", "dpi") : nullptr;
    return TwipsPerPixelAt(value != nullptr ? std::atof(value) : 0);
}

void X11HackWindow::ShowMaximized() {
    shown_ = true;
    FollowSize(width_, height_);
}

// A new size gives a new back buffer, with the chart resized and painted into it.
void X11HackWindow::FollowSize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    if (target_ != nullptr) cairo_xlib_surface_set_size(target_, width, height);
    if (surface_.SetWindowSize(width, height, 1, picture_ != nullptr ? nullptr : target_) && shown_ &&
        events_ != nullptr) {
        events_->Form_Resize();
        events_->Form_Paint();
    }
}

Surface& X11HackWindow::PaintSurface() {
    surface_.RestoreBuffer();
    return surface_;
}

void X11HackWindow::PresentPaint() {
    if (afterPaint_) afterPaint_(surface_);
    KeepInServer();
    Show();
}

// The finished picture into the X server's pixmap, and the back buffer let go. Should the server refuse
// the pixmap, the back buffer stays and shows the picture from now on.
void X11HackWindow::KeepInServer() {
    if (picture_ == nullptr || !surface_.HasBuffer()) return;
    XSync(display_, False);
    pictureErrors = 0;
    XSetErrorHandler(CountXError);
    picture_->Put(surface_.Buffer());
    XSync(display_, False);
    XSetErrorHandler(IgnoreXError);
    if (pictureErrors != 0) {
        picture_.reset();
        return;
    }
    surface_.ReleaseBuffer();
}

// The last picture onto the window, in one operation.
void X11HackWindow::Show() {
    if (!shown_ || target_ == nullptr) return;
    if (surface_.HasBuffer() || picture_ == nullptr || !picture_->CopyTo(window_)) {
        cairo_t* cr = cairo_create(target_);
        surface_.Present(cr);
        cairo_destroy(cr);
        cairo_surface_flush(target_);
    }
    XFlush(display_);
    if (!chartShown_) g_log("kelo", G_LOG_LEVEL_DEBUG, "first picture shown in window 0x%lx", window_);
    chartShown_ = true;
}

void X11HackWindow::HandleEvent(const XEvent& e) {
    switch (e.type) {
        case Expose:
            if (e.xexpose.window == window_ && e.xexpose.count == 0) Show();
            break;
        case ConfigureNotify:
            if (e.xconfigure.window == window_) FollowSize(e.xconfigure.width, e.xconfigure.height);
            break;
        case DestroyNotify:
            if (e.xdestroywindow.window == window_) Unload();
            break;
        default:
            break;
    }
}

void HackMessageBoxes::ShowMessage(const std::string& text, const std::string&, MessageIcon) {
    for (const std::string& t : texts_)
        if (t == text) return;
    texts_.push_back(text);
    if (log_ != nullptr) {
        std::fprintf(log_, "kelo: %s\n", text.c_str());
        std::fflush(log_);
    }
}
