#include "apps/kelo-chart/chart_picture.h"

#include "apps/kelo-chart/chart_json.h"
#include "core/decimal_text.h"
#include "render/paint.h"
#ifdef KELO_WITH_CAIRO
#include "apps/kelo-chart/chart_drawing.h"
#endif
#ifdef KELO_WITH_FREETYPE
#include "platform/freetype/measuring_surface.h"
#endif
#if defined(KELO_WITH_CAIRO) && !defined(KELO_CHART_DRAWING_LINKED)
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#endif

namespace {

constexpr int kMinimumSide = 16;
constexpr int kMaximumSide = 16384;
constexpr double kLogicalWidth = 1024;  // the logical size start-up gives the chart window
constexpr double kLogicalHeight = 768;

#ifndef KELO_WITH_FREETYPE
// Without a font library the paint still runs, for its layout: a surface that keeps the coordinate
// system and the text position and draws nothing. No layout decision depends on text metrics.
class LayoutOnlySurface : public Surface {
public:
    void Clear() override {}
    void SetCoordinates(double x1, double y1, double x2, double y2) override {
        left_ = x1, top_ = y1, width_ = x2 - x1, height_ = y2 - y1;
    }
    double ScaleLeft() const override { return left_; }
    double ScaleTop() const override { return top_; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    void SetBackColor(Rgb) override {}
    void SetForeColor(Rgb c) override { fore_ = c; }
    Rgb ForeColor() const override { return fore_; }
    void SetFontName(const std::string&) override {}
    void SetFontSize(double) override {}
    void SetFontBold(bool) override {}
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void SetCurrentX(double x) override { x_ = x; }
    void SetCurrentY(double y) override { y_ = y; }
    void Print(const std::string&) override { x_ = left_; }
    void Reset() { *this = LayoutOnlySurface(); }
    double TextWidth(const std::string&) const override { return 0; }
    double TextHeight(const std::string&) const override { return 0; }
    void Line(double, double, double, double, Rgb) override {}
    void Circle(double, double, double, Rgb) override {}

private:
    double left_ = 0, top_ = 0, width_ = kLogicalWidth, height_ = kLogicalHeight, x_ = 0, y_ = 0;
    Rgb fore_;
};
#endif

void Paint(ChartState& s, Surface& surface) {
    surface.SetCoordinates(0, 0, kLogicalWidth, kLogicalHeight);
    ResizeChart(s, surface);
    PaintChart(s, surface);
}

#ifdef KELO_WITH_CAIRO
#ifdef KELO_CHART_DRAWING_LINKED
ChartDrawing* LoadChartDrawing(std::string&) { return KeloChartDrawing(); }
#else
// The drawing module: beside the program (the build tree), else in <program's folder>/../lib/kelo, where
// the package installs it.
ChartDrawing* LoadChartDrawing(std::string& error) {
    std::string folder = ".";
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        const std::string program(self, static_cast<std::size_t>(n));
        folder = program.substr(0, program.rfind('/'));
    }
    if (access((folder + "/" + kChartDrawingModule).c_str(), R_OK) != 0) folder += "/../lib/kelo";
    const std::string path = folder + "/" + kChartDrawingModule;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = module != nullptr ? dlsym(module, kChartDrawingEntry) : nullptr;
    if (entry == nullptr) {
        const char* why = dlerror();
        error = "cannot load the drawing module " + path + (why != nullptr ? std::string(": ") + why : "");
        return nullptr;
    }
    return reinterpret_cast<ChartDrawing* (*)()>(entry)();
}
#endif
#endif

}  // namespace

#ifdef KELO_WITH_CAIRO
bool PicturesAvailable() { return true; }
#else
bool PicturesAvailable() { return false; }
#endif

bool ParsePictureSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size() || text.size() > 11) return false;
    int values[2] = {0, 0};
    const std::string parts[2] = {text.substr(0, x), text.substr(x + 1)};
    for (int i = 0; i < 2; ++i) {
        for (char c : parts[i]) {
            if (c < '0' || c > '9') return false;
            values[i] = values[i] * 10 + (c - '0');
        }
        if (values[i] < kMinimumSide || values[i] > kMaximumSide) return false;
    }
    width = values[0];
    height = values[1];
    return true;
}

// The surface the layout is measured on: the glyph font's metrics through FreeType where the font is
// there (else Cairo's drawing must measure, with the face it would draw in); without FreeType, a surface
// on which text measures nothing.
struct ChartLayout::Measure {
#ifdef KELO_WITH_FREETYPE
    explicit Measure(const std::string& fontPath) : surface(fontPath), glyphFont(surface.HasFamily("GLYPHA")) {}
    MeasuringSurface surface;
    bool glyphFont;
#else
    explicit Measure(const std::string&) {}
    LayoutOnlySurface surface;
    bool glyphFont = true;
#endif
};

ChartLayout::ChartLayout(const std::string& glyphFontPath)
    : measure_(std::make_unique<Measure>(glyphFontPath)), glyphFontPath_(glyphFontPath) {}

ChartLayout::~ChartLayout() = default;

bool ChartLayout::Decide(ChartState& s, std::string& error) {
#ifdef KELO_WITH_CAIRO
    if (!measure_->glyphFont) {
        ChartDrawing* drawing = LoadChartDrawing(error);
        if (drawing == nullptr) return false;
        drawing->Measure(glyphFontPath_, [&s](Surface& surface) { Paint(s, surface); });
        return true;
    }
#else
    (void)error;
#endif
    measure_->surface.Reset();
    Paint(s, measure_->surface);
    return true;
}

bool PaintChartPictures(ChartState& s, const PictureRequest& request, std::string& error) {
    if (request.pngPath.empty() && request.svgPath.empty()) return ChartLayout(s.glyphFontPath).Decide(s, error);
#ifdef KELO_WITH_CAIRO
    ChartDrawing* drawing = LoadChartDrawing(error);
    if (drawing == nullptr) return false;
    const PaintOnSurface paint = [&s](Surface& surface) { Paint(s, surface); };
    if (!request.pngPath.empty() &&
        !drawing->DrawPng(s.glyphFontPath, request.width, request.height, request.pngPath, paint)) {
        error = "cannot write the PNG file " + request.pngPath;
        return false;
    }
    if (!request.svgPath.empty() &&
        !drawing->DrawSvg(s.glyphFontPath, request.width, request.height, request.svgPath, paint)) {
        error = "cannot write the SVG file " + request.svgPath;
        return false;
    }
    return true;
#else
    error = "this kelo-chart was built without Cairo and draws no pictures";
    return false;
#endif
}

std::string LayoutJson(const ChartState& s) {
    std::string out = "{\n  \"wheelMode\": ";
    AppendDecimal(out, s.wheelMode);
    out += ",\n  \"houseSize\": [";
    for (int k = 1; k <= 12; ++k) {
        if (k > 1) out += ", ";
        AppendJsonNumber(out, s.houseSize[k]);
    }
    out += "],\n  \"intercepted\": [";
    for (int k = 1; k <= 12; ++k) {
        if (k > 1) out += ", ";
        AppendDecimal(out, s.interceptedSign[k]);
    }
    out += "],\n  \"spokeAngles\": [";
    for (std::size_t i = 0; i < s.spokeAngles.size(); ++i) {
        if (i > 0) out += ", ";
        AppendJsonNumber(out, s.spokeAngles[i]);
    }
    out += "],\n  \"bodyDrawAngle\": [";
    for (int b = 1; b <= 15; ++b) {
        if (b > 1) out += ", ";
        if (s.bodyDrawn[b] != 0)
            AppendJsonNumber(out, s.bodyDrawAngle[b]);
        else
            out += "null";
    }
    out += "],\n  \"textReversed\": [";
    for (int b = 1; b <= 15; ++b) {
        if (b > 1) out += ", ";
        out += s.bodyDrawn[b] == 0 ? "null" : s.textReversed[b] ? "true" : "false";
    }
    out += "],\n  \"aspects\": [";
    for (std::size_t i = 0; i < s.aspectLines.size(); ++i) {
        const auto& a = s.aspectLines[i];
        out += i > 0 ? ", [" : "[";
        AppendDecimal(out, a[0]);
        out += ", ";
        AppendDecimal(out, a[1]);
        out += ", ";
        AppendDecimal(out, a[2]);
        out += ']';
    }
    out += "]\n }";
    return out;
}
