#include "platform/freetype/measuring_surface.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

double Sign(double v) { return v < 0 ? -1.0 : 1.0; }

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

MeasuringSurface::MeasuringSurface(const std::string& fontPath) {
    none_.ascent = 0;
    none_.lineHeight = 0;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) == 0) {
        FT_Long count = 1;
        for (FT_Long index = 0; index < count; ++index) {
            FT_Face face = nullptr;
            if (FT_New_Face(library, fontPath.c_str(), index, &face) != 0) break;
            count = face->num_faces;
            Family f;
            f.name = face->family_name != nullptr ? face->family_name : "";
            if (OutlineMetrics(face, f.metrics)) families_.push_back(f);
            FT_Done_Face(face);
        }
        FT_Done_FreeType(library);
    }
    Reset();
}

void MeasuringSurface::Reset() {
    back_ = Rgb{255, 255, 255};
    fore_ = Rgb{0, 0, 0};
    currentX_ = currentY_ = 0;
    points_ = 12;
    bold_ = false;
    SetCoordinates(0, 0, kReferenceWidth, kReferenceHeight);
    SetFontName("GLYPHA");
}

bool MeasuringSurface::HasFamily(const std::string& family) const {
    return std::any_of(families_.begin(), families_.end(), [&](const Family& f) { return SameName(f.name, family); });
}

void MeasuringSurface::SetCoordinates(double x1, double y1, double x2, double y2) {
    left_ = x1, top_ = y1, width_ = x2 - x1, height_ = y2 - y1;
    referenceScale_ = ReferenceScale(width_, height_);
    ApplyFont();
}

void MeasuringSurface::SetFontName(const std::string& face) {
    metrics_ = &none_;
    for (const Family& f : families_)
        if (SameName(f.name, face)) {
            metrics_ = &f.metrics;
            break;
        }
    ApplyFont();
}

void MeasuringSurface::SetFontSize(double points) {
    points_ = points;
    ApplyFont();
}

void MeasuringSurface::ApplyFont() { lineHeight_ = std::fabs(metrics_->lineHeight) * EmSize(points_, referenceScale_); }

void MeasuringSurface::Print(const std::string& text) {
    currentX_ = left_;
    currentY_ += TextHeight(text);
}

double MeasuringSurface::TextWidth(const std::string& text) const {
    return TextWidthOf(*metrics_, text, points_, referenceScale_, Sign(width_));
}

double MeasuringSurface::TextHeight(const std::string&) const { return lineHeight_ * Sign(height_); }
