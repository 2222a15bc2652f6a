#include "apps/kelo-chart/chart_drawing.h"

#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"

namespace {

// The glyph font registered for the life of one paint.
class RegisteredFont {
public:
    explicit RegisteredFont(const std::string& path) : path_(path) { fonts.AddFontResourceA(path_); }
    ~RegisteredFont() { fonts.RemoveFontResourceA(path_); }
    FreeTypeFontRegistry fonts;

private:
    std::string path_;
};

class CairoChartDrawing : public ChartDrawing {
public:
    bool DrawPng(const std::string& fontPath, int width, int height, const std::string& path,
                 const PaintOnSurface& paint) override {
        RegisteredFont font(fontPath);
        CairoImageSurface image(font.fonts, width, height);
        paint(image);
        return image.WritePng(path);
    }

    bool DrawSvg(const std::string& fontPath, int width, int height, const std::string& path,
                 const PaintOnSurface& paint) override {
        RegisteredFont font(fontPath);
        CairoSvgSurface svg(font.fonts, path, width, height);
        paint(svg);
        return svg.Finish();
    }

    void Measure(const std::string& fontPath, const PaintOnSurface& paint) override {
        RegisteredFont font(fontPath);
        CairoMeasuringSurface surface(font.fonts);
        paint(surface);
    }
};

}  // namespace

extern "C" __attribute__((visibility("default"))) ChartDrawing* KeloChartDrawing() {
    static CairoChartDrawing drawing;
    return &drawing;
}
