// The drawing surface of the chart window. Coordinates are logical units set by two corners; text is
// given in the glyph font's 8-bit codes (the Windows-1252 code points: 224 is U+00E0, 156 is U+0153),
// and each surface maps them to Unicode itself.
#pragma once

#include <cstdint>
#include <string>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

class Surface {
public:
    virtual ~Surface() = default;
    // Fills the whole surface with the background colour.
    virtual void Clear() = 0;
    // Logical coordinate system by its top-left (x1, y1) and bottom-right (x2, y2) corners.
    virtual void SetCoordinates(double x1, double y1, double x2, double y2) = 0;
    virtual double ScaleLeft() const = 0;    // logical x of the left edge
    virtual double ScaleTop() const = 0;     // logical y of the top edge
    virtual double ScaleWidth() const = 0;   // signed: negative when the axis runs backwards
    virtual double ScaleHeight() const = 0;
    // The background colour. As on the chart window, setting it repaints the whole surface in it, so
    // that a paint which clears first and sets its background afterwards shows the new colour at once.
    virtual void SetBackColor(Rgb c) = 0;
    virtual void SetForeColor(Rgb c) = 0;
    virtual Rgb ForeColor() const = 0;
    virtual void SetFontName(const std::string& face) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;
    // Prints text with its top-left corner at the current position, then moves the current position to
    // the start of the next line: x to the left edge, y down by one line of the current font.
    virtual void Print(const std::string& text) = 0;
    virtual double TextWidth(const std::string& text) const = 0;   // logical units
    virtual double TextHeight(const std::string& text) const = 0;  // logical units (may be negative)
    virtual void Line(double x1, double y1, double x2, double y2, Rgb color) = 0;
    virtual void Circle(double cx, double cy, double radius, Rgb color) = 0;  // radius in x units, round
};
