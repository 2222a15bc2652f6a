#include "platform/cairo/cairo_surface.h"

#include <cairo-ft.h>
#include <cairo-svg.h>
#include <ft2build.h>
#include <sys/mman.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>

#include "platform/freetype/face_metrics.h"
#include "platform/windows1252.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

double Sign(double v) { return v < 0 ? -1.0 : 1.0; }

void SetSource(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0); }

const FaceMetrics& MetricsOf(cairo_font_face_t* face) {
    static std::map<cairo_font_face_t*, FaceMetrics> cache;
    auto found = cache.find(face);
    if (found != cache.end()) return found->second;
    cairo_font_face_reference(face);  // kept while cached, so that its address is never reused
    FaceMetrics m;
    cairo_matrix_t unit;
    cairo_matrix_init_identity(&unit);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_scaled_font_t* scaled = cairo_scaled_font_create(face, &unit, &unit, options);
    cairo_font_options_destroy(options);
    FT_Face ft = cairo_font_face_get_type(face) == CAIRO_FONT_TYPE_FT ? cairo_ft_scaled_font_lock_face(scaled)
                                                                      : nullptr;
    if (ft != nullptr) {
        OutlineMetrics(ft, m);
        cairo_ft_scaled_font_unlock_face(scaled);
    }
    if (!m.fromOutlines && cairo_scaled_font_status(scaled) == CAIRO_STATUS_SUCCESS) {
        cairo_font_extents_t fe;
        cairo_scaled_font_extents(scaled, &fe);
        m.ascent = fe.ascent;
        m.lineHeight = fe.height;
        for (int code = 1; code < 256; ++code) {
            const std::string utf8 = Windows1252ToUtf8(std::string(1, static_cast<char>(code)));
            cairo_text_extents_t te;
            cairo_scaled_font_text_extents(scaled, utf8.c_str(), &te);
            m.advance[code] = te.x_advance;
        }
    }
    cairo_scaled_font_destroy(scaled);
    return cache.emplace(face, m).first->second;
}

const cairo_user_data_key_t kMappingKey{};

struct Mapping {
    void* pixels;
    size_t bytes;
};

// An RGB24 image whose pixels are mapped for it alone and unmapped with it, so that a buffer let go
// returns its memory to the system at once (a large block freed by malloc may stay with the process,
// and be counted against it, until the heap next shrinks).
cairo_surface_t* MappedImage(int width, int height) {
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, width);
    const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(height);
    void* pixels = stride > 0 ? mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                              : MAP_FAILED;
    if (pixels == MAP_FAILED) return cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_surface_t* image =
        cairo_image_surface_create_for_data(static_cast<unsigned char*>(pixels), CAIRO_FORMAT_RGB24, width, height, stride);
    auto* mapping = new Mapping{pixels, bytes};
    const auto unmap = [](void* m) {
        auto* mapping = static_cast<Mapping*>(m);
        munmap(mapping->pixels, mapping->bytes);
        delete mapping;
    };
    if (cairo_surface_set_user_data(image, &kMappingKey, mapping, unmap) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        unmap(mapping);
        return cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    }
    return image;
}

}  // namespace

// ---- CairoSurface ----------------------------------------------------------------------------------

CairoSurface::CairoSurface(FreeTypeFontRegistry& fonts, int width, int height)
    : fonts_(fonts), deviceWidth_(width), deviceHeight_(height) {
    SetCoordinates(0, 0, kReferenceWidth, kReferenceHeight);
    SetFontName("GLYPHA");
}

CairoSurface::~CairoSurface() {
    if (cr_ != nullptr) cairo_destroy(cr_);
    if (face_ != nullptr) cairo_font_face_destroy(face_);
}

void CairoSurface::Attach(cairo_surface_t* target, int width, int height) {
    if (cr_ != nullptr) cairo_destroy(cr_);
    cr_ = cairo_create(target);
    deviceWidth_ = width;
    deviceHeight_ = height;
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
    ApplyTransform();
    ApplyFont();
}

void CairoSurface::DetachTarget() {
    if (cr_ != nullptr) cairo_destroy(cr_);
    cr_ = nullptr;
    fillPending_ = false;
}

void CairoSurface::ApplyTransform() {
    const double w = std::fabs(width_), h = std::fabs(height_);
    scale_ = (w > 0 && h > 0) ? std::min(deviceWidth_ / w, deviceHeight_ / h) : 1;
    referenceScale_ = ReferenceScale(width_, height_);
    if (!(scale_ > 0) || !std::isfinite(scale_)) scale_ = 1;
    if (cr_ == nullptr) return;
    const double sx = scale_ * Sign(width_), sy = scale_ * Sign(height_);
    const double offsetX = (deviceWidth_ - scale_ * w) / 2, offsetY = (deviceHeight_ - scale_ * h) / 2;
    cairo_matrix_t m;
    cairo_matrix_init(&m, sx, 0, 0, sy, offsetX - left_ * sx, offsetY - top_ * sy);
    cairo_set_matrix(cr_, &m);
    cairo_set_line_width(cr_, std::max(1.0, scale_ / referenceScale_) / scale_);
}

void CairoSurface::ApplyFont() {
    const double size = EmSize(points_, referenceScale_);  // logical units per em
    const FaceMetrics& m = MetricsOf(face_);
    ascent_ = std::fabs(m.ascent) * size;
    lineHeight_ = std::fabs(m.lineHeight) * size;
    if (cr_ == nullptr) return;
    cairo_set_font_face(cr_, face_);
    cairo_matrix_t fm;
    // Upright on the device whichever way the logical axes run.
    cairo_matrix_init(&fm, size * Sign(width_), 0, 0, size * Sign(height_), 0, 0);
    cairo_set_font_matrix(cr_, &fm);
}

void CairoSurface::Clear() { fillPending_ = cr_ != nullptr; }

void CairoSurface::FillIfPending() const {
    if (!fillPending_ || cr_ == nullptr) return;
    fillPending_ = false;
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    cairo_reset_clip(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    SetSource(cr_, back_);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void CairoSurface::SetCoordinates(double x1, double y1, double x2, double y2) {
    left_ = x1, top_ = y1, width_ = x2 - x1, height_ = y2 - y1;
    ApplyTransform();
    if (face_ != nullptr) ApplyFont();
}

void CairoSurface::SetBackColor(Rgb c) {
    back_ = c;
    Clear();
}

void CairoSurface::SetFontName(const std::string& face) {
    faceName_ = face;
    cairo_font_face_t* f = fonts_.FontFace(faceName_, bold_);
    cairo_font_face_reference(f);
    if (face_ != nullptr) cairo_font_face_destroy(face_);
    face_ = f;
    ApplyFont();
}

void CairoSurface::SetFontSize(double points) {
    points_ = points;
    ApplyFont();
}

void CairoSurface::SetFontBold(bool bold) {
    if (bold == bold_) return;
    bold_ = bold;
    SetFontName(faceName_);
}

void CairoSurface::Print(const std::string& text) {
    if (cr_ != nullptr && !text.empty()) {
        FillIfPending();
        const std::string utf8 = Windows1252ToUtf8(text);
        SetSource(cr_, fore_);
        // The text hangs below the current position: its baseline one ascent further down.
        cairo_move_to(cr_, currentX_, currentY_ + ascent_ * Sign(height_));
        cairo_show_text(cr_, utf8.c_str());
        cairo_new_path(cr_);
    }
    currentX_ = left_;
    currentY_ += TextHeight(text);
}

double CairoSurface::TextWidth(const std::string& text) const {
    return TextWidthOf(MetricsOf(face_), text, points_, referenceScale_, Sign(width_));
}

double CairoSurface::TextHeight(const std::string&) const { return lineHeight_ * Sign(height_); }

void CairoSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
    if (cr_ == nullptr) return;
    FillIfPending();
    SetSource(cr_, color);
    cairo_new_path(cr_);
    cairo_move_to(cr_, x1, y1);
    cairo_line_to(cr_, x2, y2);
    cairo_stroke(cr_);
}

void CairoSurface::Circle(double cx, double cy, double radius, Rgb color) {
    if (cr_ == nullptr) return;
    FillIfPending();
    SetSource(cr_, color);
    cairo_new_path(cr_);
    cairo_arc(cr_, cx, cy, std::fabs(radius), 0, kTwoPi);
    cairo_stroke(cr_);
}

// ---- CairoImageSurface -----------------------------------------------------------------------------

CairoImageSurface::CairoImageSurface(FreeTypeFontRegistry& fonts, int width, int height)
    : CairoSurface(fonts, width, height) {
    image_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(width, 1), std::max(height, 1));
    Attach(image_, width, height);
    Clear();
}

CairoImageSurface::~CairoImageSurface() { cairo_surface_destroy(image_); }

bool CairoImageSurface::WritePng(const std::string& path) const {
    FillIfPending();
    cairo_surface_flush(image_);
    return cairo_surface_write_to_png(image_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

Rgb CairoImageSurface::PixelAt(int x, int y) const {
    FillIfPending();
    cairo_surface_flush(image_);
    if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(image_) || y >= cairo_image_surface_get_height(image_))
        return Rgb{};
    const unsigned char* row = cairo_image_surface_get_data(image_) + y * cairo_image_surface_get_stride(image_);
    const uint32_t p = reinterpret_cast<const uint32_t*>(row)[x];
    return Rgb{static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
}

// ---- CairoSvgSurface -------------------------------------------------------------------------------

CairoSvgSurface::CairoSvgSurface(FreeTypeFontRegistry& fonts, const std::string& path, int width, int height)
    : CairoSurface(fonts, width, height) {
    svg_ = cairo_svg_surface_create(path.c_str(), width, height);
    cairo_svg_surface_set_document_unit(svg_, CAIRO_SVG_UNIT_PX);
    Attach(svg_, width, height);
    Clear();
}

CairoSvgSurface::~CairoSvgSurface() {
    Finish();
    cairo_surface_destroy(svg_);
}

bool CairoSvgSurface::Finish() {
    if (!finished_) {
        finished_ = true;
        FillIfPending();
        cairo_surface_finish(svg_);
    }
    return cairo_surface_status(svg_) == CAIRO_STATUS_SUCCESS;
}

// ---- CairoWindowSurface ----------------------------------------------------------------------------

CairoWindowSurface::CairoWindowSurface(FreeTypeFontRegistry& fonts) : CairoSurface(fonts, 0, 0) {}

CairoWindowSurface::~CairoWindowSurface() {
    if (buffer_ != nullptr) cairo_surface_destroy(buffer_);
}

bool CairoWindowSurface::SetWindowSize(int width, int height, double deviceScale, cairo_surface_t* like) {
    if (!(deviceScale > 0)) deviceScale = 1;
    if (sized_ && width == width_ && height == height_ && deviceScale == deviceScale_) return false;
    sized_ = true;
    width_ = width, height_ = height, deviceScale_ = deviceScale;
    MakeBuffer(like);
    return true;
}

void CairoWindowSurface::ReleaseBuffer() {
    if (buffer_ == nullptr) return;
    DetachTarget();
    cairo_surface_destroy(buffer_);
    buffer_ = nullptr;
}

void CairoWindowSurface::RestoreBuffer() {
    if (sized_ && buffer_ == nullptr) MakeBuffer(nullptr);
}

cairo_surface_t* CairoWindowSurface::Buffer() const {
    FillIfPending();
    return buffer_;
}

void CairoWindowSurface::MakeBuffer(cairo_surface_t* like) {
    // The old buffer goes first, so that the two are never held at once.
    ReleaseBuffer();
    const int pixelsWide = std::max(1, static_cast<int>(std::lround(width_ * deviceScale_)));
    const int pixelsHigh = std::max(1, static_cast<int>(std::lround(height_ * deviceScale_)));
    // Where the window's surface cannot make an image (or makes one of another format), an image of its own.
    buffer_ = like != nullptr ? cairo_surface_create_similar_image(like, CAIRO_FORMAT_RGB24, pixelsWide, pixelsHigh)
                              : nullptr;
    if (buffer_ != nullptr && (cairo_surface_status(buffer_) != CAIRO_STATUS_SUCCESS ||
                               cairo_image_surface_get_format(buffer_) != CAIRO_FORMAT_RGB24)) {
        cairo_surface_destroy(buffer_);
        buffer_ = nullptr;
    }
    if (buffer_ == nullptr) buffer_ = MappedImage(pixelsWide, pixelsHigh);
    cairo_surface_set_device_scale(buffer_, deviceScale_, deviceScale_);
    Attach(buffer_, width_, height_);
    Clear();
}

void CairoWindowSurface::Present(cairo_t* window) const {
    if (buffer_ == nullptr) return;
    FillIfPending();
    cairo_surface_flush(buffer_);
    cairo_save(window);
    cairo_set_operator(window, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(window, buffer_, 0, 0);
    cairo_paint(window);
    cairo_restore(window);
}
