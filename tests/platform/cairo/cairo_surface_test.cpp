// The Cairo surfaces: the uniform scale with its background bands, the ring on the rim, text metrics that
// do not depend on the resolution, the glyph font and its fallback, PNG, SVG and the window's buffer.
#include <gtest/gtest.h>

#include <cairo.h>
#if CAIRO_HAS_SCRIPT_SURFACE
#include <cairo-script.h>
#endif

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"
#include "platform/windows1252.h"
#include "render/paint.h"
#include "render/render_tables.h"
#include "core/setting_lines.h"

// Fontconfig keeps parts of its configuration behind offsets rather than pointers, which the leak
// checker cannot follow; the system face of the fallback tests loads that configuration.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

constexpr double kPi = 3.1415926535;

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("kelo_cairo_" + std::to_string(getpid()) + "_" + name)).string();
}

// A chart whose glyphs all stand on the left (houses 1 and 12 of equal sectors, true houses from 15
// degrees), so that the ring is bare at 45 and 315 degrees.
ChartState LeftSidedChart() {
    ChartState s;
    s.piValue = 3.1415926535;
    LoadSlotAngles(s);
    LoadCuspLabelOffsets(s);
    LoadRimRadius(s);
    auto& v = s.settingValues;
    v[2] = 6, v[3] = 8, v[4] = 8, v[5] = 8, v[10] = 2;
    v[53] = 14, v[54] = 12, v[55] = 14, v[56] = 14, v[57] = 14, v[58] = 14;
    v[68] = 10, v[69] = 8, v[70] = 12, v[71] = 7, v[72] = 16, v[73] = 8, v[74] = 10, v[75] = 7, v[76] = 8, v[77] = 10;
    v[78] = 15, v[79] = 15, v[80] = 14, v[81] = 15, v[82] = 11, v[83] = 15, v[84] = 14, v[85] = 15, v[86] = 12,
    v[87] = 10, v[88] = 12, v[89] = 9;
    v[47] = 0;
    for (int k = 1; k <= 12; ++k) s.houseCusp[k] = std::fmod(15 + 30.0 * (k - 4) + 360, 360);
    for (int b = 1; b <= 15; ++b) {
        s.bodyLongitude[b] = 16 + 0.5 * b;
        s.bodyHouse[b] = 1;
    }
    s.retroFlags = std::string(15, ' ');
    s.infoLines = {"07 Dec 2026 - 10.30 p.m. ( 5)", "74W00, 40N45", "03h  12m  09s ", "Placidus houses"};
    return s;
}

void PaintAt(ChartState& s, CairoSurface& surface) {
    surface.SetCoordinates(0, 0, 1024, 768);
    ResizeChart(s, surface);
    PaintChart(s, surface);
}

// A PNG read back from its file.
struct Png {
    explicit Png(const std::string& path) : image(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Png() { cairo_surface_destroy(image); }
    bool ok() const { return cairo_surface_status(image) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(image); }
    int height() const { return cairo_image_surface_get_height(image); }
    Rgb at(int x, int y) const {
        const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
        const uint32_t p = reinterpret_cast<const uint32_t*>(row)[x];
        return Rgb{static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
    }
    cairo_surface_t* image;
};

// The brightest red along a short radial run round the ring point at an angle.
// Pixels of an RGB24 image that differ from the reference surface's, over the reference's size.
int DifferingPixels(cairo_surface_t* image, CairoImageSurface& reference) {
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    int differing = 0;
    for (int y = 0; y < reference.DeviceHeight(); ++y)
        for (int x = 0; x < reference.DeviceWidth(); ++x) {
            const uint32_t p = reinterpret_cast<const uint32_t*>(data + y * stride)[x];
            const Rgb c{static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
            differing += !(c == reference.PixelAt(x, y));
        }
    return differing;
}

int RingRedAt(const Png& png, double cx, double cy, double radius, double degrees) {
    int best = 0;
    for (double r = radius - 3; r <= radius + 3; r += 0.5) {
        const int x = static_cast<int>(std::lround(cx + r * std::cos(degrees * kPi / 180)));
        const int y = static_cast<int>(std::lround(cy - r * std::sin(degrees * kPi / 180)));
        const Rgb p = png.at(x, y);
        if (p.g < 60 && p.b < 60) best = std::max<int>(best, p.r);
    }
    return best;
}

}  // namespace

TEST(CairoPng, WideScreenShowsTheFourToThreePictureCentredWithBandsInTheBackgroundColour) {
    FreeTypeFontRegistry fonts;
    ASSERT_EQ(fonts.AddFontResourceA(KELO_GLYPH_FONT), 1);
    ChartState s = LeftSidedChart();
    s.settingValues[kBackgroundColourLine] = 1;   // blue background
    s.settingValues[kWheelCircleColourLine] = 12;  // red rings
    const std::string path = TempPath("wide.png");
    {
        CairoImageSurface surface(fonts, 1920, 1080);
        PaintAt(s, surface);
        ASSERT_TRUE(surface.WritePng(path));
        EXPECT_NEAR(surface.DeviceScale(), 1080 / 454.5, 1e-9);
    }
    Png png(path);
    ASSERT_TRUE(png.ok());
    ASSERT_EQ(png.width(), 1920);
    ASSERT_EQ(png.height(), 1080);
    const Rgb blue{0, 0, 128};
    // The bands left and right of the 1440-pixel picture, and a bare corner inside it.
    for (auto [x, y] : {std::pair{0, 0}, {100, 540}, {239, 1079}, {1681, 10}, {1919, 1079}, {1600, 1000}})
        EXPECT_EQ(png.at(x, y), blue) << x << "," << y;
    // The outer ring (radius 217) is round and red where no other layer draws: at 45 and 315 degrees.
    const double scale = 1080 / 454.5;
    EXPECT_GE(RingRedAt(png, 960, 540, 217 * scale, 45), 160);
    EXPECT_GE(RingRedAt(png, 960, 540, 217 * scale, 315), 160);
    EXPECT_GE(RingRedAt(png, 960, 540, 120 * scale, 45), 160);
    EXPECT_EQ(RingRedAt(png, 960, 540, 170 * scale, 45), 0);  // between the rings: background
    std::filesystem::remove(path);
}

TEST(CairoPng, FourToThreeScreenHasNoBandAndTheFirstPaintHasTheBackgroundColour) {
    FreeTypeFontRegistry fonts;
    fonts.AddFontResourceA(KELO_GLYPH_FONT);
    ChartState s = LeftSidedChart();
    s.settingValues[kBackgroundColourLine] = 2;  // green
    CairoImageSurface surface(fonts, 1024, 768);
    PaintAt(s, surface);
    EXPECT_EQ(surface.PixelAt(1023, 767), (Rgb{0, 128, 0}));
    EXPECT_EQ(surface.PixelAt(900, 700), (Rgb{0, 128, 0}));
    EXPECT_NEAR(surface.DeviceScale(), 1024 / 606.0, 1e-9);
}

TEST(CairoText, MetricsInLogicalUnitsAreTheSameAtEveryResolution) {
    FreeTypeFontRegistry fonts;
    fonts.AddFontResourceA(KELO_GLYPH_FONT);
    double width0 = 0, height0 = 0, widthFortune = 0;
    for (auto [w, h] : {std::pair{640, 480}, {1024, 768}, {1920, 1080}, {3840, 2160}}) {
        CairoImageSurface surface(fonts, w, h);
        surface.SetCoordinates(-303, 227.25, 303, -227.25);
        surface.SetFontName("GLYPHA");
        surface.SetFontSize(16);
        const double zero = surface.TextWidth("0");
        const double fortune = surface.TextWidth(std::string(1, static_cast<char>(236)));
        const double height = surface.TextHeight("0");
        if (width0 == 0) {
            width0 = zero, height0 = height, widthFortune = fortune;
            // 16 points at 96 DPI on the 1024-pixel picture, in its 606 logical units: the digit is
            // 1303 / 2048 of an em wide, the line 2384 / 2048 high; the height is negative (y upwards).
            const double em = 16 * 96.0 / 72 * 606 / 1024;
            EXPECT_NEAR(zero, em * 1303 / 2048, 1e-9);
            EXPECT_NEAR(height, -em * 2384 / 2048, 1e-9);
        }
        EXPECT_DOUBLE_EQ(zero, width0) << w;
        EXPECT_DOUBLE_EQ(height, height0) << w;
        EXPECT_DOUBLE_EQ(fortune, widthFortune) << w;
        EXPECT_DOUBLE_EQ(surface.TextWidth("00"), 2 * zero);
    }
}

TEST(CairoText, PrintHangsTextBelowThePositionAndMovesToTheNextLine) {
    FreeTypeFontRegistry fonts;
    fonts.AddFontResourceA(KELO_GLYPH_FONT);
    CairoImageSurface surface(fonts, 1024, 768);
    surface.SetCoordinates(-303, 227.25, 303, -227.25);
    surface.SetBackColor(Rgb{0, 0, 0});
    surface.SetForeColor(Rgb{255, 255, 255});
    surface.SetFontName("GLYPHA");
    surface.SetFontSize(24);
    surface.SetCurrentX(0);
    surface.SetCurrentY(0);
    const double height = surface.TextHeight("H");
    surface.Print("H");
    EXPECT_DOUBLE_EQ(surface.CurrentX(), -303);
    EXPECT_DOUBLE_EQ(surface.CurrentY(), height);
    // Ink right of and below the centre (512, 384), none above it.
    int below = 0, above = 0;
    for (int y = 300; y < 460; ++y)
        for (int x = 505; x < 560; ++x) {
            if (surface.PixelAt(x, y).r < 128) continue;
            (y < 384 ? above : below) += 1;
        }
    EXPECT_GT(below, 50);
    EXPECT_EQ(above, 0);
}

TEST(CairoFonts, TheGlyphFontIsFoundByItsFaceNameInAnyCase) {
    FreeTypeFontRegistry fonts;
    EXPECT_FALSE(fonts.HasFamily("GLYPHA"));
    EXPECT_EQ(fonts.AddFontResourceA(KELO_GLYPH_FONT), 1);
    EXPECT_EQ(fonts.AddFontResourceA(KELO_GLYPH_FONT), 1);  // once only
    EXPECT_TRUE(fonts.HasFamily("GLYPHA"));
    EXPECT_TRUE(fonts.HasFamily("glypha"));
    EXPECT_NE(fonts.FontFace("GLYPHA", false), fonts.FontFace("GLYPHA", true));
    EXPECT_NE(fonts.RemoveFontResourceA(KELO_GLYPH_FONT), 0);
    EXPECT_FALSE(fonts.HasFamily("GLYPHA"));
    EXPECT_EQ(fonts.RemoveFontResourceA(KELO_GLYPH_FONT), 0);
}

TEST(CairoFonts, AMissingFontFileFallsBackToTheSystemSansFace) {
    FreeTypeFontRegistry fonts;
    EXPECT_EQ(fonts.AddFontResourceA("/nonexistent/glypha.ttf"), 0);
    EXPECT_EQ(fonts.AddFontResourceA(KELO_GLYPH_FONT + std::string(".missing")), 0);
    ChartState s = LeftSidedChart();
    CairoImageSurface surface(fonts, 800, 600);
    PaintAt(s, surface);
    surface.SetFontName("GLYPHA");
    surface.SetFontSize(12);
    EXPECT_GT(surface.TextWidth("0"), 0);
    EXPECT_LT(surface.TextHeight("0"), 0);
    // The information text is drawn: ink in the top-left corner.
    int ink = 0;
    for (int y = 5; y < 80; ++y)
        for (int x = 5; x < 300; ++x) ink += surface.PixelAt(x, y).r > 128;
    EXPECT_GT(ink, 100);
    const std::string path = TempPath("fallback.png");
    EXPECT_TRUE(surface.WritePng(path));
    std::filesystem::remove(path);
}

TEST(CairoFonts, SymbolsComeFromTheGlyphFontNotFromTheFallback) {
    // The Sun's code (224) in GLYPHA is a circle with a dot, in a sans face the letter a-grave: the
    // two pictures differ.
    auto render = [](FreeTypeFontRegistry& fonts) {
        auto surface = std::make_unique<CairoImageSurface>(fonts, 200, 150);
        surface->SetCoordinates(0, 0, 200, 150);  // 40 points are 10.4 units here, as on a 1024 x 768 screen
        surface->SetBackColor(Rgb{0, 0, 0});
        surface->SetForeColor(Rgb{255, 255, 255});
        surface->SetFontName("GLYPHA");
        surface->SetFontSize(150);
        surface->SetCurrentX(20);
        surface->SetCurrentY(20);
        surface->Print(std::string(1, static_cast<char>(224)));
        return surface;
    };
    FreeTypeFontRegistry withFont, without;
    withFont.AddFontResourceA(KELO_GLYPH_FONT);
    auto a = render(withFont), b = render(without);
    int differing = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) differing += !(a->PixelAt(x, y) == b->PixelAt(x, y));
    EXPECT_GT(differing, 300);
}

TEST(CairoFiles, SvgDocumentAndUnwritablePaths) {
    FreeTypeFontRegistry fonts;
    fonts.AddFontResourceA(KELO_GLYPH_FONT);
    ChartState s = LeftSidedChart();
    const std::string path = TempPath("chart.svg");
    {
        CairoSvgSurface svg(fonts, path, 1024, 768);
        PaintAt(s, svg);
        EXPECT_TRUE(svg.Finish());
    }
    std::ifstream in(path);
    std::string head;
    std::getline(in, head);
    EXPECT_EQ(head.rfind("<?xml", 0), 0u);
    std::filesystem::remove(path);

    CairoSvgSurface bad(fonts, "/nonexistent-dir/chart.svg", 100, 100);
    PaintAt(s, bad);
    EXPECT_FALSE(bad.Finish());
    CairoImageSurface image(fonts, 100, 100);
    EXPECT_FALSE(image.WritePng("/nonexistent-dir/chart.png"));
}

TEST(CairoWindow, PaintGoesToTheBackBufferAndPresentCopiesItWhole) {
    FreeTypeFontRegistry fonts;
    fonts.AddFontResourceA(KELO_GLYPH_FONT);
    ChartState s = LeftSidedChart();
    s.settingValues[kBackgroundColourLine] = 4;
    CairoWindowSurface window(fonts);
    EXPECT_TRUE(window.SetWindowSize(640, 400));
    EXPECT_FALSE(window.SetWindowSize(640, 400));
    PaintAt(s, window);

    cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 640, 400);
    cairo_t* cr = cairo_create(target);
    window.Present(cr);
    cairo_destroy(cr);
    cairo_surface_flush(target);
    CairoImageSurface reference(fonts, 640, 400);
    PaintAt(s, reference);
    EXPECT_EQ(DifferingPixels(target, reference), 0);
    EXPECT_EQ(reference.PixelAt(5, 200), (Rgb{128, 0, 0}));  // the band of the 640 x 400 window
    cairo_surface_destroy(target);

    // A doubled HiDPI window keeps its size in window units.
    EXPECT_TRUE(window.SetWindowSize(640, 400, 2));
    EXPECT_EQ(window.DeviceWidth(), 640);
}

// Between paints the back buffer may go (the X server keeps the picture); the window's size stays, so
// that an expose of the same size paints nothing, and the next paint gets a buffer of that size again.
TEST(CairoWindow, ABufferLetGoComesBackAtItsSizeForTheNextPaint) {
    FreeTypeFontRegistry fonts;
    fonts.AddFontResourceA(KELO_GLYPH_FONT);
    ChartState s = LeftSidedChart();
    s.settingValues[kBackgroundColourLine] = 4;
    CairoWindowSurface window(fonts);
    window.RestoreBuffer();
    EXPECT_FALSE(window.HasBuffer()) << "no size yet, no buffer";
    window.SetWindowSize(640, 400);
    PaintAt(s, window);
    window.ReleaseBuffer();
    EXPECT_EQ(window.Buffer(), nullptr);
    window.Line(0, 0, 100, 100, Rgb{255, 0, 0});  // drawing without a buffer does nothing
    EXPECT_FALSE(window.SetWindowSize(640, 400)) << "an expose at the same size is no new size";
    EXPECT_FALSE(window.HasBuffer());

    window.RestoreBuffer();
    ASSERT_TRUE(window.HasBuffer());
    PaintAt(s, window);
    cairo_surface_t* buffer = window.Buffer();
    ASSERT_EQ(cairo_image_surface_get_width(buffer), 640);
    ASSERT_EQ(cairo_image_surface_get_height(buffer), 400);
    CairoImageSurface reference(fonts, 640, 400);
    PaintAt(s, reference);
    EXPECT_EQ(DifferingPixels(buffer, reference), 0) << "the buffer made again paints the same picture";
}

#if CAIRO_HAS_SCRIPT_SURFACE
namespace {

// A Cairo surface whose target writes every drawing operation as a line of cairo's script language.
class ScriptedSurface : public CairoSurface {
public:
    ScriptedSurface(FreeTypeFontRegistry& fonts, int width, int height)
        : CairoSurface(fonts, width, height),
          device_(cairo_script_create_for_stream(Append, &script_)),
          target_(cairo_script_surface_create(device_, CAIRO_CONTENT_COLOR, width, height)) {
        Attach(target_, width, height);
    }
    ~ScriptedSurface() override {
        DetachTarget();
        cairo_surface_destroy(target_);
        cairo_device_destroy(device_);
    }
    // The whole-surface fills written so far.
    int Fills() {
        cairo_surface_flush(target_);
        cairo_device_flush(device_);
        int count = 0;
        for (size_t at = script_.find("paint"); at != std::string::npos; at = script_.find("paint", at + 1)) ++count;
        return count;
    }
    using CairoSurface::FillIfPending;

private:
    static cairo_status_t Append(void* script, const unsigned char* data, unsigned int length) {
        static_cast<std::string*>(script)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    }
    std::string script_;
    cairo_device_t* device_;
    cairo_surface_t* target_;
};

}  // namespace

// The paint clears and then sets its background, and both repaint the whole surface; the surface
// fills once, and only when something is drawn or the picture is read.
TEST(CairoFill, APaintFillsTheSurfaceOnce) {
    FreeTypeFontRegistry fonts;
    fonts.AddFontResourceA(KELO_GLYPH_FONT);
    ChartState s = LeftSidedChart();
    ScriptedSurface surface(fonts, 800, 600);
    PaintAt(s, surface);
    EXPECT_EQ(surface.Fills(), 1) << "a whole chart";
    s.sunAltitude = -40;
    s.settingValues[kNightDimmingLine] = 30;
    PaintChart(s, surface);
    EXPECT_EQ(surface.Fills(), 2) << "a dimmed chart, painted again";
    surface.Clear();
    surface.SetBackColor(Rgb{0, 0, 128});
    EXPECT_EQ(surface.Fills(), 2) << "nothing drawn yet";
    surface.FillIfPending();
    EXPECT_EQ(surface.Fills(), 3) << "the picture read";
}
#endif

// The fill that waits for the next drawing reaches every way out of the picture even when nothing is
// drawn after it: the window, the PNG, the pixels.
TEST(CairoFill, ABackgroundWithNothingDrawnOnItIsShown) {
    FreeTypeFontRegistry fonts;
    const Rgb blue{0, 0, 128};
    CairoWindowSurface window(fonts);
    window.SetWindowSize(64, 48);
    window.SetBackColor(blue);
    cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 64, 48);
    cairo_t* cr = cairo_create(target);
    window.Present(cr);
    cairo_destroy(cr);
    cairo_surface_flush(target);
    EXPECT_EQ(reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(target))[0] & 0xFFFFFF, 0x000080u)
        << "presented";
    cairo_surface_destroy(target);

    CairoImageSurface image(fonts, 64, 48);
    image.SetBackColor(blue);
    EXPECT_EQ(image.PixelAt(10, 10), blue) << "read back";
    image.Clear();
    image.SetBackColor(Rgb{0, 128, 0});
    const std::string path = TempPath("background.png");
    ASSERT_TRUE(image.WritePng(path));
    Png png(path);
    EXPECT_EQ(png.at(63, 47), (Rgb{0, 128, 0})) << "written";
    std::filesystem::remove(path);
}

TEST(Windows1252, CodesBecomeTheirUnicodeCharacters) {
    EXPECT_EQ(Windows1252ToUnicode(65), U'A');
    EXPECT_EQ(Windows1252ToUnicode(156), U'\u0153');
    EXPECT_EQ(Windows1252ToUnicode(128), U'\u20AC');
    EXPECT_EQ(Windows1252ToUnicode(129), U'\u0081');
    EXPECT_EQ(Windows1252ToUnicode(224), U'\u00E0');
    EXPECT_EQ(Windows1252ToUtf8(std::string("A\xE0\x9C")), "A\xC3\xA0\xC5\x93");
    EXPECT_EQ(Windows1252ToUtf8(std::string("\x80")), "\xE2\x82\xAC");
}
