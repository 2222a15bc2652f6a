#include "platform/win32/gdiplus_surface.h"

#include <gdiplus.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/win32_text.h"

namespace {

constexpr double kReferenceWidth = 1024;   // the picture's size at which points are taken at 96 DPI
constexpr double kReferenceHeight = 768;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

Gdiplus::Color GdiplusColor(Rgb c) { return Gdiplus::Color(255, c.r, c.g, c.b); }

double Sign(double v) { return v < 0 ? -1.0 : 1.0; }

}  // namespace

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

GdiplusSession::~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }

GdiplusSurface::GdiplusSurface() {
    dc_ = CreateCompatibleDC(nullptr);
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    SetDeviceSize(1, 1);
}

GdiplusSurface::~GdiplusSurface() {
    graphics_.reset();
    gpBitmap_.reset();
    SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    for (auto& entry : fonts_) DeleteObject(entry.second);
    DeleteDC(dc_);
}

void GdiplusSurface::SetDeviceSize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (bitmap_ && width == width_ && height == height_) return;
    graphics_.reset();
    gpBitmap_.reset();
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    if (bitmap_) DeleteObject(bitmap_);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows, as GDI+ expects them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;

    gpBitmap_ = std::make_unique<Gdiplus::Bitmap>(width, height, width * 4, PixelFormat32bppRGB,
                                                  static_cast<BYTE*>(bits_));
    graphics_.reset(Gdiplus::Graphics::FromImage(gpBitmap_.get()));
    graphics_->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics_->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    last_ = LastDrawer::None;
    if (deviceCoordinates_) {
        x2_ = width;
        y2_ = height;
    }
}

void GdiplusSurface::UseGdi() const {
    if (last_ == LastDrawer::Gdiplus) graphics_->Flush(Gdiplus::FlushIntentionSync);
    last_ = LastDrawer::Gdi;
}

void GdiplusSurface::UseGdiplus() const {
    if (last_ == LastDrawer::Gdi) GdiFlush();
    last_ = LastDrawer::Gdiplus;
}

void GdiplusSurface::CopyTo(HDC target) {
    UseGdi();
    BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

Rgb GdiplusSurface::PixelAt(int x, int y) {
    UseGdi();
    GdiFlush();
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    uint32_t pixel = static_cast<const uint32_t*>(bits_)[static_cast<size_t>(y) * width_ + x];
    return {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel)};
}

double GdiplusSurface::UnitScale() const {
    return std::min(width_ / std::fabs(x2_ - x1_), height_ / std::fabs(y2_ - y1_));
}

double GdiplusSurface::PictureScale() const {
    return std::min(width_ / kReferenceWidth, height_ / kReferenceHeight);
}

double GdiplusSurface::DeviceX(double x) const {
    return width_ / 2.0 + (x - (x1_ + x2_) / 2) * UnitScale() * Sign(x2_ - x1_);
}

double GdiplusSurface::DeviceY(double y) const {
    return height_ / 2.0 + (y - (y1_ + y2_) / 2) * UnitScale() * Sign(y2_ - y1_);
}

double GdiplusSurface::LogicalX(double deviceX) const {
    return (x1_ + x2_) / 2 + (deviceX - width_ / 2.0) / UnitScale() * Sign(x2_ - x1_);
}

double GdiplusSurface::LogicalY(double deviceY) const {
    return (y1_ + y2_) / 2 + (deviceY - height_ / 2.0) / UnitScale() * Sign(y2_ - y1_);
}

void GdiplusSurface::Clear() {
    UseGdiplus();
    graphics_->Clear(GdiplusColor(back_));
}

void GdiplusSurface::SetBackColor(Rgb c) {
    back_ = c;
    Clear();
}

void GdiplusSurface::SetCoordinates(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    deviceCoordinates_ = false;
}

HFONT GdiplusSurface::CurrentFont() const {
    int pixels = std::max(1, static_cast<int>(std::lround(points_ * kPixelsPerPoint * PictureScale())));
    auto key = std::make_tuple(face_, pixels, bold_);
    auto found = fonts_.find(key);
    HFONT font;
    if (found != fonts_.end()) {
        font = found->second;
    } else {
        LOGFONTW lf{};
        lf.lfHeight = -pixels;  // em height
        lf.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfOutPrecision = OUT_TT_PRECIS;
        lf.lfQuality = ANTIALIASED_QUALITY;
        std::wstring face = WideFromUtf8(face_);
        face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
        std::copy(face.begin(), face.end(), lf.lfFaceName);
        font = CreateFontIndirectW(&lf);
        fonts_.emplace(key, font);
    }
    SelectObject(dc_, font);
    return font;
}

void GdiplusSurface::Print(const std::string& text) {
    UseGdi();
    CurrentFont();
    std::wstring wide = WideFromGlyphCodes(text);
    SetTextColor(dc_, RGB(fore_.r, fore_.g, fore_.b));
    ExtTextOutW(dc_, static_cast<int>(std::lround(DeviceX(currentX_))),
                static_cast<int>(std::lround(DeviceY(currentY_))), 0, nullptr, wide.c_str(),
                static_cast<UINT>(wide.size()), nullptr);
    double lineHeight = TextHeight(text);
    currentX_ = x1_;
    currentY_ = currentY_ + lineHeight;
}

double GdiplusSurface::TextWidth(const std::string& text) const {
    UseGdi();
    CurrentFont();
    std::wstring wide = WideFromGlyphCodes(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx / UnitScale() * Sign(x2_ - x1_);
}

double GdiplusSurface::TextHeight(const std::string&) const {
    UseGdi();
    CurrentFont();
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    return (tm.tmHeight + tm.tmExternalLeading) / UnitScale() * Sign(y2_ - y1_);
}

float GdiplusSurface::PenWidth() const { return static_cast<float>(std::max(1.0, PictureScale())); }

void GdiplusSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
    UseGdiplus();
    Gdiplus::Pen pen(GdiplusColor(color), PenWidth());
    graphics_->DrawLine(&pen, static_cast<Gdiplus::REAL>(DeviceX(x1)), static_cast<Gdiplus::REAL>(DeviceY(y1)),
                        static_cast<Gdiplus::REAL>(DeviceX(x2)), static_cast<Gdiplus::REAL>(DeviceY(y2)));
}

void GdiplusSurface::Circle(double cx, double cy, double radius, Rgb color) {
    UseGdiplus();
    Gdiplus::Pen pen(GdiplusColor(color), PenWidth());
    double r = std::fabs(radius) * UnitScale();
    graphics_->DrawEllipse(&pen, static_cast<Gdiplus::REAL>(DeviceX(cx) - r),
                           static_cast<Gdiplus::REAL>(DeviceY(cy) - r), static_cast<Gdiplus::REAL>(2 * r),
                           static_cast<Gdiplus::REAL>(2 * r));
}
