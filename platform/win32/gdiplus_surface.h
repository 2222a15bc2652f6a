// The chart window's drawing surface on Windows: a 32-bit memory bitmap drawn with GDI+ (anti-aliased
// lines and circles) and GDI (anti-aliased text through the wide-character calls, so the glyph font's
// codes reach the font as Unicode whatever the system's ANSI code page), copied to the window in one
// BitBlt, so the picture never flickers.
//
// The logical coordinate system keeps its proportions: it is shown with one uniform scale, centred in
// the bitmap, the free bands in the background colour. Font sizes in points are taken at the scale of
// a 1024 x 768 picture at 96 DPI, so text grows with the picture at any resolution.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "platform/surface.h"

namespace Gdiplus {
class Bitmap;
class Graphics;
}  // namespace Gdiplus

// GdiplusStartup / GdiplusShutdown for the life of the object.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

class GdiplusSurface : public Surface {
public:
    GdiplusSurface();
    ~GdiplusSurface() override;
    GdiplusSurface(const GdiplusSurface&) = delete;
    GdiplusSurface& operator=(const GdiplusSurface&) = delete;

    // The size of the client area in device pixels; keeps the logical coordinate system.
    void SetDeviceSize(int width, int height);
    int DeviceWidth() const { return width_; }
    int DeviceHeight() const { return height_; }
    // Copies the bitmap to a device context (the window's) at (0, 0).
    void CopyTo(HDC target);
    // Logical position of a device pixel (for pointer events).
    double LogicalX(double deviceX) const;
    double LogicalY(double deviceY) const;
    // The colour of one device pixel of the bitmap (for tests).
    Rgb PixelAt(int x, int y);

    void Clear() override;
    void SetCoordinates(double x1, double y1, double x2, double y2) override;
    double ScaleLeft() const override { return x1_; }
    double ScaleTop() const override { return y1_; }
    double ScaleWidth() const override { return x2_ - x1_; }
    double ScaleHeight() const override { return y2_ - y1_; }
    // A new background colour fills the whole surface with it, as it does a form.
    void SetBackColor(Rgb c) override;
    void SetForeColor(Rgb c) override { fore_ = c; }
    Rgb ForeColor() const override { return fore_; }
    void SetFontName(const std::string& face) override { face_ = face; }
    void SetFontSize(double points) override { points_ = points; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    double CurrentX() const override { return currentX_; }
    double CurrentY() const override { return currentY_; }
    void SetCurrentX(double x) override { currentX_ = x; }
    void SetCurrentY(double y) override { currentY_ = y; }
    void Print(const std::string& text) override;
    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void Line(double x1, double y1, double x2, double y2, Rgb color) override;
    void Circle(double cx, double cy, double radius, Rgb color) override;

    // Device pixels per logical unit, and the picture's scale relative to 1024 x 768.
    double UnitScale() const;
    double PictureScale() const;

private:
    enum class LastDrawer { None, Gdi, Gdiplus };
    void UseGdi() const;
    void UseGdiplus() const;
    double DeviceX(double x) const;
    double DeviceY(double y) const;
    HFONT CurrentFont() const;  // selected into dc_
    float PenWidth() const;

    int width_ = 0, height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    void* bits_ = nullptr;
    std::unique_ptr<Gdiplus::Bitmap> gpBitmap_;
    std::unique_ptr<Gdiplus::Graphics> graphics_;
    mutable LastDrawer last_ = LastDrawer::None;

    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
    bool deviceCoordinates_ = true;  // no SetCoordinates yet: logical units are device pixels
    Rgb back_{255, 255, 255};
    Rgb fore_{0, 0, 0};
    std::string face_ = "Arial";
    double points_ = 8.25;
    bool bold_ = false;
    double currentX_ = 0, currentY_ = 0;
    mutable std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
};
