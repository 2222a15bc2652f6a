// The drawing surface on Cairo: anti-aliased lines, circles and text in the glyph font, on a PNG image,
// an SVG document or (through a back buffer) a window.
//
// Coordinates. The logical rectangle set by SetCoordinates (0, 0 to 1024, 768 until it is first set)
// is shown with one uniform scale, as large as the device allows, centred; the bands left free on a
// screen of another shape show the background colour. Circles are round, and ScaleLeft, ScaleTop,
// ScaleWidth and ScaleHeight report the logical rectangle itself, whatever the device's shape.
//
// Size. The picture looks the same at every resolution: a point of font size, and the width of a line,
// are taken at the scale the same logical rectangle would have on a 1024 x 768 screen at 96 DPI, so
// text, lines and wheel grow together. Text is measured from the font's unhinted metrics, so
// TextWidth and TextHeight in logical units do not depend on the device either.
//
// Text is given in 8-bit codes (Windows-1252) and drawn with the face of FreeTypeFontRegistry that
// carries the font name; bold is the same outlines emboldened. Setting the background colour repaints
// the whole surface in it, as on the chart window; the fill itself waits for the next drawing (or for
// the picture to be read), so that a paint which clears and then sets its background fills the surface
// once, in the colour the eager fills would have left.
#pragma once

#include <cairo.h>

#include <string>

#include "platform/cairo/freetype_font_registry.h"
#include "platform/surface.h"

class CairoSurface : public Surface {
public:
    ~CairoSurface() override;
    CairoSurface(const CairoSurface&) = delete;
    CairoSurface& operator=(const CairoSurface&) = delete;

    void Clear() override;
    void SetCoordinates(double x1, double y1, double x2, double y2) override;
    double ScaleLeft() const override { return left_; }
    double ScaleTop() const override { return top_; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    void SetBackColor(Rgb c) override;
    void SetForeColor(Rgb c) override { fore_ = c; }
    Rgb ForeColor() const override { return fore_; }
    void SetFontName(const std::string& face) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    double CurrentX() const override { return currentX_; }
    double CurrentY() const override { return currentY_; }
    void SetCurrentX(double x) override { currentX_ = x; }
    void SetCurrentY(double y) override { currentY_ = y; }
    void Print(const std::string& text) override;
    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void Line(double x1, double y1, double x2, double y2, Rgb color) override;
    void Circle(double cx, double cy, double radius, Rgb color) override;

    int DeviceWidth() const { return deviceWidth_; }    // pixels
    int DeviceHeight() const { return deviceHeight_; }
    double DeviceScale() const { return scale_; }       // device pixels per logical unit
    Rgb BackColor() const { return back_; }

protected:
    CairoSurface(FreeTypeFontRegistry& fonts, int width, int height);
    // Draws from now on onto target, of width x height device pixels; the logical state is kept.
    void Attach(cairo_surface_t* target, int width, int height);
    // Lets go of the target (drawing does nothing until the next Attach); the logical state is kept.
    void DetachTarget();
    cairo_t* Context() const { return cr_; }
    // Fills the surface in the background colour now if a Clear or a new background colour is waiting:
    // before the picture on the target is drawn on, copied or read.
    void FillIfPending() const;

private:
    void ApplyTransform();
    void ApplyFont();

    FreeTypeFontRegistry& fonts_;
    cairo_t* cr_ = nullptr;
    int deviceWidth_ = 0, deviceHeight_ = 0;
    double left_ = 0, top_ = 0, width_ = 1024, height_ = 768;
    double scale_ = 1;           // device pixels per logical unit
    double referenceScale_ = 1;  // the same on a 1024 x 768 screen
    double currentX_ = 0, currentY_ = 0;
    Rgb back_{255, 255, 255}, fore_{0, 0, 0};
    std::string faceName_;
    cairo_font_face_t* face_ = nullptr;  // referenced
    double points_ = 12;
    bool bold_ = false;
    double ascent_ = 0, lineHeight_ = 0;  // logical units, of the current font
    mutable bool fillPending_ = false;    // the surface is to be filled with back_ before it is used
};

// A surface with nothing to draw on: it keeps the state and measures text exactly as the others do.
class CairoMeasuringSurface : public CairoSurface {
public:
    explicit CairoMeasuringSurface(FreeTypeFontRegistry& fonts) : CairoSurface(fonts, 0, 0) {}
};

// A picture in memory, written as PNG.
class CairoImageSurface : public CairoSurface {
public:
    CairoImageSurface(FreeTypeFontRegistry& fonts, int width, int height);
    ~CairoImageSurface() override;
    bool WritePng(const std::string& path) const;  // false when the file cannot be written
    Rgb PixelAt(int x, int y) const;               // device pixel; black outside the image
    cairo_surface_t* Image() const {  // the finished picture
        FillIfPending();
        return image_;
    }

private:
    cairo_surface_t* image_ = nullptr;
};

// An SVG document: the picture as vectors, the glyphs as outlines (no font needed to view it).
class CairoSvgSurface : public CairoSurface {
public:
    CairoSvgSurface(FreeTypeFontRegistry& fonts, const std::string& path, int width, int height);
    ~CairoSvgSurface() override;
    bool Finish();  // completes and closes the document; false when it could not be written

private:
    cairo_surface_t* svg_ = nullptr;
    bool finished_ = false;
};

// A window's surface: the paint goes into a back buffer, and Present copies the finished picture onto
// the window in one operation, so the window never shows a half-drawn chart. The back buffer is made
// like the window's own surface: on X11 an image in memory shared with the X server, which reaches the
// window without another copy in between (cairo-xlib would otherwise stage an ordinary image in a
// shared-memory copy of its own on the way to the server).
//   In a GTK "draw" handler:  surface.SetWindowSize(w, h, gtk_widget_get_scale_factor(widget), cairo_get_target(cr));
//                             (on a change: ResizeChart) PaintChart(state, surface); surface.Present(cr);
class CairoWindowSurface : public CairoSurface {
public:
    explicit CairoWindowSurface(FreeTypeFontRegistry& fonts);
    ~CairoWindowSurface() override;
    // The window's size in its own units and its device scale (2 on a doubled HiDPI screen). A new size
    // makes a new back buffer of width x height x scale^2 pixels, filled with the background colour,
    // similar to the surface like (the window's, or one it is painted through) when one is given;
    // returns true when the size changed.
    bool SetWindowSize(int width, int height, double deviceScale = 1, cairo_surface_t* like = nullptr);
    // Lets the back buffer go, where its picture is kept elsewhere between paints (the X server's
    // pixmap); the size stays, and drawing does nothing until RestoreBuffer.
    void ReleaseBuffer();
    // After ReleaseBuffer: a new back buffer of the same size (an image of its own), to be painted whole.
    void RestoreBuffer();
    bool HasBuffer() const { return buffer_ != nullptr; }
    // The back buffer with everything drawn so far; nullptr before the first size and after ReleaseBuffer.
    cairo_surface_t* Buffer() const;
    // Copies the back buffer onto the window's Cairo context at its top-left corner.
    void Present(cairo_t* window) const;

private:
    void MakeBuffer(cairo_surface_t* like);

    cairo_surface_t* buffer_ = nullptr;
    bool sized_ = false;
    int width_ = 0, height_ = 0;
    double deviceScale_ = 1;
};
