// A window's picture held by the X server between paints: a pixmap of the window's depth, filled from
// the finished client-side image by XPutImage, from which every expose copies. The client's image can
// then go until the next paint, so that the program does not keep its own copy of what the server
// already holds for the window.
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>

class X11Picture {
public:
    // True where the visual takes the images' pixels as they are: TrueColor of depth 24 with 8 bits per
    // channel (red highest) and 32 bits per pixel. Elsewhere the caller keeps its image.
    static bool Fits(Display* display, Visual* visual, int depth);

    X11Picture(Display* display, Drawable window, Visual* visual, int depth);
    ~X11Picture();
    X11Picture(const X11Picture&) = delete;
    X11Picture& operator=(const X11Picture&) = delete;

    // Copies the RGB24 image into the pixmap (made anew at a new size); the image's device scale goes
    // with it. The image may go as soon as this returns.
    void Put(cairo_surface_t* image);
    // Copies the picture onto the drawable (the window) at its top-left corner, leaving the window's
    // children alone; false before the first Put.
    bool CopyTo(Drawable target) const;
    // The pixmap as a Cairo surface at the image's device scale; nullptr before the first Put.
    cairo_surface_t* Surface() const { return surface_; }

private:
    void Free();

    Display* display_;
    Drawable window_;
    Visual* visual_;
    int depth_;
    Pixmap pixmap_ = 0;
    GC gc_ = nullptr;
    cairo_surface_t* surface_ = nullptr;
    int width_ = 0, height_ = 0;
};
