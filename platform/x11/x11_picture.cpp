#include "platform/x11/x11_picture.h"

#include <X11/Xutil.h>
#include <cairo-xlib.h>

#include <bit>

bool X11Picture::Fits(Display* display, Visual* visual, int depth) {
    if (display == nullptr || visual == nullptr || depth != 24 || visual->c_class != TrueColor ||
        visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF)
        return false;
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    bool fits = false;
    for (int i = 0; i < count; ++i)
        if (formats[i].depth == depth) fits = formats[i].bits_per_pixel == 32;
    if (formats != nullptr) XFree(formats);
    return fits;
}

X11Picture::X11Picture(Display* display, Drawable window, Visual* visual, int depth)
    : display_(display), window_(window), visual_(visual), depth_(depth) {}

X11Picture::~X11Picture() { Free(); }

void X11Picture::Free() {
    if (surface_ != nullptr) cairo_surface_destroy(surface_);
    if (gc_ != nullptr) XFreeGC(display_, gc_);
    if (pixmap_ != 0) XFreePixmap(display_, pixmap_);
    surface_ = nullptr, gc_ = nullptr, pixmap_ = 0;
}

void X11Picture::Put(cairo_surface_t* image) {
    cairo_surface_flush(image);
    const int width = cairo_image_surface_get_width(image), height = cairo_image_surface_get_height(image);
    if (pixmap_ == 0 || width != width_ || height != height_) {
        Free();
        width_ = width, height_ = height;
        pixmap_ = XCreatePixmap(display_, window_, static_cast<unsigned>(width), static_cast<unsigned>(height),
                                static_cast<unsigned>(depth_));
        gc_ = XCreateGC(display_, pixmap_, 0, nullptr);
        surface_ = cairo_xlib_surface_create(display_, pixmap_, visual_, width, height);
    }
    double scaleX = 1, scaleY = 1;
    cairo_surface_get_device_scale(image, &scaleX, &scaleY);
    cairo_surface_set_device_scale(surface_, scaleX, scaleY);
    cairo_surface_flush(surface_);
    // The image's own pixels, in this machine's byte order (Xlib swaps them for a server of the other).
    XImage* x = XCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0,
                             reinterpret_cast<char*>(cairo_image_surface_get_data(image)),
                             static_cast<unsigned>(width), static_cast<unsigned>(height), 32,
                             cairo_image_surface_get_stride(image));
    if (x == nullptr) return;
    x->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    XPutImage(display_, pixmap_, gc_, x, 0, 0, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height));
    x->data = nullptr;  // the image's, not Xlib's
    XDestroyImage(x);
    cairo_surface_mark_dirty(surface_);
}

bool X11Picture::CopyTo(Drawable target) const {
    if (pixmap_ == 0) return false;
    XCopyArea(display_, pixmap_, target, gc_, 0, 0, static_cast<unsigned>(width_), static_cast<unsigned>(height_), 0, 0);
    return true;
}
