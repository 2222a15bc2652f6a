// The surface that only measures: its text metrics are the Cairo surfaces', and the layout of a chart
// painted on it is the layout of the same chart painted into pixels, for every reference chart and for
// the options that move glyphs, labels and aspect lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "apps/kelo-chart/chart_picture.h"
#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"
#include "platform/fixed_clock.h"
#include "platform/freetype/measuring_surface.h"
#include "platform/message_boxes.h"
#include "core/setting_lines.h"
#include "render/paint.h"
#include "shell/chart_startup.h"
#include "shell/startup_values.h"
#include "shell/update_chart.h"

namespace {

namespace fs = std::filesystem;

class NoBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

// The chart of a reference chart's settings and moment (its args.txt: --at, --date-order, --clock-format),
// with one settings line changed when line > 0.
ChartState ReferenceChart(const fs::path& folder, int line = 0, float value = 0) {
    std::ifstream argsFile(folder / "args.txt");
    std::string arg, at = "2026-12-07T22:30";
    int dateOrder = 0, clockFormat = 0;
    while (argsFile >> arg) {
        std::string v;
        argsFile >> v;
        if (arg == "--at") at = v;
        if (arg == "--date-order") dateOrder = std::stoi(v);
        if (arg == "--clock-format") clockFormat = std::stoi(v);
    }
    ChartState s;
    s.glyphFontPath = KELO_GLYPH_FONT;
    InitComputationConstants(s);
    s.settingsFileName = (folder / "KELO.INI").string();
    EXPECT_TRUE(LoadChartSettings(s)) << folder;
    s.dateOrder = static_cast<int16_t>(dateOrder);
    s.clockFormat = static_cast<int16_t>(clockFormat);
    if (line > 0) s.settingValues[line] = value;
    LocalDateTime t{std::stoi(at.substr(0, 4)), std::stoi(at.substr(5, 2)), std::stoi(at.substr(8, 2)),
                    std::stoi(at.substr(11, 2)), std::stoi(at.substr(14, 2)), 0};
    FixedClock clock(t, clockFormat);
    NoBoxes boxes;
    UpdateChart(s, clock, boxes);
    return s;
}

void Paint(ChartState& s, Surface& surface) {
    surface.SetCoordinates(0, 0, 1024, 768);
    ResizeChart(s, surface);
    PaintChart(s, surface);
}

// Every field the paint writes that a later step or the JSON reads.
std::string PaintedFields(const ChartState& s) {
    std::ostringstream out;
    out.precision(17);
    out << LayoutJson(s) << " cells " << s.glyphCellWidth << " " << s.glyphCellHeight << " " << s.digitCellWidth
        << " " << s.digitCellHeight << " pen " << s.penX << " " << s.penY << " " << s.penAngle << " scale "
        << s.scaleHalfWidth;
    for (int b = 1; b <= 15; ++b) out << " " << s.bodyDrawn[b];
    return out.str();
}

}  // namespace

TEST(MeasuringSurface, MeasuresTextAsTheCairoSurfacesDo) {
    FreeTypeFontRegistry fonts;
    ASSERT_GT(fonts.AddFontResourceA(KELO_GLYPH_FONT), 0);
    CairoMeasuringSurface cairo(fonts);
    MeasuringSurface measuring(KELO_GLYPH_FONT);
    ASSERT_TRUE(measuring.HasFamily("glypha"));  // names compare without regard to case
    struct Case {
        double x1, y1, x2, y2, points;
        bool bold;
        const char* why;
    } cases[] = {
        {0, 0, 1024, 768, 12, false, "the logical size of start-up"},
        {-303, 227, 303, -227, 14, false, "the chart's centred system, y upwards"},
        {-303, 227, 303, -227, 9, true, "bold digits of the body positions"},
        {0, 0, 640, 480, 20, false, "a smaller logical rectangle grows the reference scale"},
        {0, 0, 0, 0, 12, false, "a degenerate rectangle"},
    };
    const std::string texts[] = {"", "0", "\xc0\xcb", "\xe0\xe1\xe2\xe3\x9c", "12h 03m 09s", "Placidus houses"};
    for (const Case& c : cases) {
        for (Surface* surface : {static_cast<Surface*>(&cairo), static_cast<Surface*>(&measuring)}) {
            surface->SetCoordinates(c.x1, c.y1, c.x2, c.y2);
            surface->SetFontName("GLYPHA");
            surface->SetFontSize(c.points);
            surface->SetFontBold(c.bold);
            surface->SetCurrentY(5);
            surface->Print("x");
        }
        for (const std::string& text : texts) {
            EXPECT_EQ(measuring.TextWidth(text), cairo.TextWidth(text)) << c.why << " [" << text << "]";
            EXPECT_EQ(measuring.TextHeight(text), cairo.TextHeight(text)) << c.why;
        }
        EXPECT_EQ(measuring.CurrentX(), cairo.CurrentX()) << c.why;
        EXPECT_EQ(measuring.CurrentY(), cairo.CurrentY()) << c.why;
    }
}

TEST(MeasuringSurface, AFontFileWithoutTheFamilyMeasuresNothing) {
    for (const std::string& path : {std::string("/nonexistent/glypha.ttf"), std::string(KELO_SHIPPED_SETTINGS)}) {
        MeasuringSurface surface(path);
        EXPECT_FALSE(surface.HasFamily("GLYPHA")) << path;
        EXPECT_EQ(surface.TextWidth("0"), 0) << path;
        EXPECT_EQ(surface.TextHeight("0"), 0) << path;
    }
}

TEST(MeasuringSurface, ResetGivesTheStateOfANewSurface) {
    MeasuringSurface used(KELO_GLYPH_FONT), fresh(KELO_GLYPH_FONT);
    used.SetCoordinates(-303, 227, 303, -227);
    used.SetFontSize(30);
    used.SetFontBold(true);
    used.SetBackColor(Rgb{1, 2, 3});
    used.SetCurrentX(7);
    used.Print("0");
    used.Reset();
    EXPECT_EQ(used.ScaleWidth(), fresh.ScaleWidth());
    EXPECT_EQ(used.ScaleHeight(), fresh.ScaleHeight());
    EXPECT_EQ(used.TextWidth("0123"), fresh.TextWidth("0123"));
    EXPECT_EQ(used.TextHeight("0"), fresh.TextHeight("0"));
    EXPECT_EQ(used.CurrentX(), 0);
    EXPECT_EQ(used.CurrentY(), 0);
    EXPECT_FALSE(used.FontBold());
    EXPECT_EQ(used.BackColor(), (Rgb{255, 255, 255}));
}

TEST(LayoutWithoutPixels, EqualsThePaintedLayoutOfEveryReferenceChartAndOption) {
    // Options that change what the paint decides: the wheel and its text turn, the aspects, the node,
    // the zodiac, and the sizes and cells that text is measured for.
    struct Change {
        int line;
        float value;
    } changes[] = {
        {0, 0},                                              // the chart as it stands
        {kWheelModeLine, 0},          {kTextTurnLine, 1},    // equal sectors, turned text
        {kAspectLinesLine, 0},        {kNodeLine, 1},        {kZodiacLine, 2},
        {kBodyGlyphSizeLine, 30},     {kBodyMinutesSizeLine, 9},  // big glyphs, shortened digit cells
        {kGlyphCellExtraWidthLine, 12}, {kDigitCellExtraHeightLine, -4},
    };
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(KELO_SOURCE_TEST_DATA) / "charts")) {
        if (!fs::exists(entry.path() / "args.txt")) continue;
        for (const Change& change : changes) {
            ChartState painted = ReferenceChart(entry.path(), change.line, change.value);
            if (painted.settingsError != 0) continue;
            ChartState measured = painted;
            FreeTypeFontRegistry fonts;
            fonts.AddFontResourceA(KELO_GLYPH_FONT);
            CairoImageSurface image(fonts, 1024, 768);
            Paint(painted, image);
            std::string error;
            ChartLayout layout(KELO_GLYPH_FONT);
            ASSERT_TRUE(layout.Decide(measured, error)) << error;
            EXPECT_EQ(PaintedFields(measured), PaintedFields(painted))
                << entry.path().filename() << " line " << change.line << " = " << change.value;
            ++compared;
        }
    }
    EXPECT_GE(compared, 100);
}

TEST(LayoutWithoutPixels, OneLayoutDecidesChartAfterChartAsAFreshOneWould) {
    ChartLayout reused(KELO_GLYPH_FONT);
    std::string error;
    for (const char* name : {"koch-sydney", "campanus-tokyo", "placidus-new-york", "koch-sydney"}) {
        ChartState a = ReferenceChart(fs::path(KELO_SOURCE_TEST_DATA) / "charts" / name);
        ChartState b = a;
        ASSERT_TRUE(reused.Decide(a, error));
        ASSERT_TRUE(ChartLayout(KELO_GLYPH_FONT).Decide(b, error));
        EXPECT_EQ(PaintedFields(a), PaintedFields(b)) << name;
    }
}

TEST(LayoutWithoutPixels, AMissingGlyphFontIsMeasuredInTheFaceCairoDrawsInstead) {
    ChartState painted = ReferenceChart(fs::path(KELO_SOURCE_TEST_DATA) / "charts" / "placidus-new-york");
    painted.glyphFontPath = "/nonexistent/glypha.ttf";
    ChartState measured = painted;
    FreeTypeFontRegistry fonts;  // nothing registered: the system's sans face
    CairoImageSurface image(fonts, 1024, 768);
    Paint(painted, image);
    std::string error;
    ASSERT_TRUE(ChartLayout(measured.glyphFontPath).Decide(measured, error)) << error;
    EXPECT_EQ(PaintedFields(measured), PaintedFields(painted));
}
