// The GDI+ surface: one uniform, centred scale with the free bands in the background colour, text that
// keeps its logical size at any resolution, and the glyph font's codes drawn as its Unicode glyphs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/gdiplus_surface.h"
#include "platform/win32/win32_system.h"
#include "tests/platform/win32/win32_fixture.h"

namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kBlue{0, 0, 128};

class SurfaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        session_ = new GdiplusSession;
        Win32FontRegistry fonts;
        fontFaces_ = fonts.AddFontResourceA(SourcePath(KELO_GLYPH_FONT));
    }
    static void TearDownTestSuite() {
        Win32FontRegistry fonts;
        fonts.RemoveFontResourceA(SourcePath(KELO_GLYPH_FONT));
        delete session_;
    }
    // The chart's coordinate system: y grows upwards, 4:3.
    static void ChartCoordinates(GdiplusSurface& surface) { surface.SetCoordinates(-303, 227.25, 303, -227.25); }

    static int CountPixels(GdiplusSurface& surface, Rgb colour) {
        int n = 0;
        for (int y = 0; y < surface.DeviceHeight(); ++y)
            for (int x = 0; x < surface.DeviceWidth(); ++x) n += surface.PixelAt(x, y) == colour;
        return n;
    }
    static inline GdiplusSession* session_ = nullptr;
    static inline int fontFaces_ = 0;
};

TEST_F(SurfaceTest, AWidePictureIsLetterboxedWithOneScale) {
    GdiplusSurface surface;
    surface.SetDeviceSize(1920, 1080);
    ChartCoordinates(surface);
    EXPECT_DOUBLE_EQ(surface.UnitScale(), 1080 / 454.5);
    EXPECT_DOUBLE_EQ(surface.LogicalX(960), 0);
    EXPECT_DOUBLE_EQ(surface.LogicalY(540), 0);
    EXPECT_DOUBLE_EQ(surface.LogicalY(0), 227.25);  // top edge: y runs upwards
    EXPECT_NEAR(surface.LogicalX(960 + 720), 303, 1e-9);  // the picture is 1440 pixels wide
    EXPECT_DOUBLE_EQ(surface.ScaleWidth(), 606);
    EXPECT_DOUBLE_EQ(surface.ScaleHeight(), -454.5);

    surface.SetBackColor(kBlue);  // fills the surface, as Clear does
    EXPECT_EQ(CountPixels(surface, kBlue), 1920 * 1080);
    // A circle of radius 227.25 touches the top and bottom, not the sides: the bands stay background.
    surface.Circle(0, 0, 227.25, kWhite);
    EXPECT_EQ(surface.PixelAt(100, 540), kBlue);
    EXPECT_EQ(surface.PixelAt(1820, 540), kBlue);
    EXPECT_EQ(surface.PixelAt(960, 540), kBlue);
    EXPECT_GT(CountPixels(surface, kBlue), 1920 * 1080 * 9 / 10);
    int rim = 0;
    for (int y = 0; y < 3; ++y) rim = std::max<int>(rim, surface.PixelAt(960, y).r);
    EXPECT_GT(rim, 100) << "the circle reaches the top edge";
}

TEST_F(SurfaceTest, ClearPaintsEveryPixelAndLinesArePainted) {
    GdiplusSurface surface;
    surface.SetDeviceSize(200, 100);
    ChartCoordinates(surface);
    surface.SetBackColor(kBlack);
    surface.Clear();
    EXPECT_EQ(CountPixels(surface, kBlack), 200 * 100);
    surface.Line(-303, 0, 303, 0, kWhite);
    const Rgb middle = surface.PixelAt(100, 50);
    const Rgb above = surface.PixelAt(100, 50 - 1);
    EXPECT_GT(std::max(middle.g, above.g), 100) << "the horizontal line through the centre";
    EXPECT_EQ(surface.PixelAt(100, 10), kBlack);
}

TEST_F(SurfaceTest, TextKeepsItsLogicalSizeAtEveryResolution) {
    GdiplusSurface small, large;
    small.SetDeviceSize(1024, 768);
    large.SetDeviceSize(2048, 1536);
    for (GdiplusSurface* s : {&small, &large}) {
        ChartCoordinates(*s);
        s->SetFontName("GLYPHA");
        s->SetFontSize(16);
    }
    const double w1 = small.TextWidth("\xEC"), w2 = large.TextWidth("\xEC");
    const double h1 = small.TextHeight("0"), h2 = large.TextHeight("0");
    EXPECT_GT(w1, 0);
    EXPECT_NEAR(w1, w2, 0.01 * w1 + 1 / small.UnitScale());
    EXPECT_LT(h1, 0) << "the y axis runs upwards, so heights are negative";
    EXPECT_NEAR(h1, h2, 0.01 * -h1 + 1 / small.UnitScale());
    // 16 points at 96 DPI on a 1024 x 768 picture: an em of about 21 pixels.
    EXPECT_NEAR(-h1 * small.UnitScale(), 21.3 * 1.2, 21.3 * 0.5);
}

TEST_F(SurfaceTest, PrintMovesToTheStartOfTheNextLine) {
    GdiplusSurface surface;
    surface.SetDeviceSize(1024, 768);
    ChartCoordinates(surface);
    surface.SetFontName("GLYPHA");
    surface.SetFontSize(10);
    surface.SetCurrentX(-100);
    surface.SetCurrentY(200);
    const double line = surface.TextHeight("A");
    surface.Print("08 Dec 2026");
    EXPECT_DOUBLE_EQ(surface.CurrentX(), -303);
    EXPECT_DOUBLE_EQ(surface.CurrentY(), 200 + line);
    EXPECT_LT(surface.CurrentY(), 200);
}

// The region 0..149 x 0..149 of a 1024 x 768 picture (one device pixel per logical unit) with text drawn
// at (10, 10) in white on black, 40 points of GLYPHA.
std::vector<uint8_t> SurfaceText(const std::string& codes) {
    GdiplusSurface surface;
    surface.SetDeviceSize(1024, 768);
    surface.SetCoordinates(0, 0, 1024, 768);
    surface.SetBackColor(kBlack);
    surface.Clear();
    surface.SetFontName("GLYPHA");
    surface.SetFontSize(40);
    surface.SetForeColor(kWhite);
    surface.SetCurrentX(10);
    surface.SetCurrentY(10);
    surface.Print(codes);
    std::vector<uint8_t> grey;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 150; ++x) grey.push_back(surface.PixelAt(x, y).g);
    return grey;
}

// The same, drawn with GDI's wide call from a Unicode text.
std::vector<uint8_t> GdiText(const std::wstring& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 150, -150, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 150, 150};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HFONT font = CreateFontW(-static_cast<int>(std::lround(40 * 96.0 / 72)), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH,
                             L"GLYPHA");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    SetTextAlign(dc, TA_TOP | TA_LEFT);
    ExtTextOutW(dc, 10, 10, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    GdiFlush();
    std::vector<uint8_t> grey;
    for (int i = 0; i < 150 * 150; ++i) grey.push_back(static_cast<uint8_t>(static_cast<const uint32_t*>(bits)[i] >> 8));
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return grey;
}

int Lit(const std::vector<uint8_t>& grey) {
    int n = 0;
    for (uint8_t g : grey) n += g > 128;
    return n;
}

TEST_F(SurfaceTest, GlyphCodesDrawTheFontsAstrologicalSymbols) {
    ASSERT_GT(fontFaces_, 0) << "glypha.ttf registered privately";
    // Code 224 is the Sun, 192 Aries, 156 the retrograde mark: the glyphs of the real symbols U+2609,
    // U+2648 and U+211E, whatever the system's ANSI code page (an ANSI call would give the code page's
    // own character for these bytes on a Japanese or Russian system).
    const auto sun = SurfaceText("\xE0");
    EXPECT_GT(Lit(sun), 100);
    EXPECT_EQ(sun, GdiText(L"\u2609"));
    EXPECT_EQ(SurfaceText("\xC0"), GdiText(L"\u2648"));
    EXPECT_NE(SurfaceText("\xC0"), sun);
    EXPECT_EQ(SurfaceText("\x9C"), GdiText(L"\u211E"));
    EXPECT_EQ(SurfaceText("74W00"), GdiText(L"74W00"));
}

}  // namespace
