// kelo-chart's pictures: the size option, PNG and SVG files of the requested size, the layout filled
// by the same paint, a missing glyph font beside the program, and the tool's own command line.
#include <gtest/gtest.h>

#include <cairo.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "apps/kelo-chart/chart_picture.h"
#include "platform/fixed_clock.h"
#include "platform/message_boxes.h"
#include "core/setting_lines.h"
#include "shell/chart_startup.h"
#include "shell/startup_values.h"
#include "shell/update_chart.h"

namespace {

namespace fs = std::filesystem;

class NoBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

std::string Temp(const std::string& name) {
    return (fs::temp_directory_path() / ("kelo_picture_" + std::to_string(getpid()) + "_" + name)).string();
}

// The chart of the shipped settings at one moment, started as kelo-chart starts it, with the glyph font
// of fontDir (a directory without it gives the fallback face).
ChartState ShippedChart(const std::string& fontDir) {
    ChartState s;
    s.glyphFontPath = (fs::path(fontDir) / "glypha.ttf").string();
    InitComputationConstants(s);
    s.settingsFileName = KELO_SHIPPED_SETTINGS;
    EXPECT_TRUE(LoadChartSettings(s));
    s.settingValues[kZoneSourceLine] = 0;  // New York's fixed zone of line 18
    FixedClock clock(LocalDateTime{2026, 12, 7, 22, 30, 0}, 0);
    NoBoxes boxes;
    UpdateChart(s, clock, boxes);
    return s;
}

std::pair<int, int> PngSize(const std::string& path) {
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    std::pair<int, int> size{-1, -1};
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS)
        size = {cairo_image_surface_get_width(png), cairo_image_surface_get_height(png)};
    cairo_surface_destroy(png);
    return size;
}

}  // namespace

TEST(PictureSize, WidthByHeightInPixels) {
    int w = 0, h = 0;
    EXPECT_TRUE(ParsePictureSize("1920x1080", w, h));
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
    EXPECT_TRUE(ParsePictureSize("16X16", w, h));
    for (const char* bad : {"", "1920", "x1080", "1920x", "1920x1080x2", "-5x10", "15x100", "16385x100", "1e3x768",
                            "1024 x768", "99999999999x1"})
        EXPECT_FALSE(ParsePictureSize(bad, w, h)) << bad;
}

TEST(ChartPictures, PngAndSvgOfTheRequestedSizeAndTheLayoutOfTheSamePaint) {
    ASSERT_TRUE(PicturesAvailable());
    ChartState s = ShippedChart(fs::path(KELO_GLYPH_FONT).parent_path().string());
    PictureRequest request;
    request.pngPath = Temp("chart.png");
    request.svgPath = Temp("chart.svg");
    request.width = 800;
    request.height = 450;
    std::string error;
    ASSERT_TRUE(PaintChartPictures(s, request, error)) << error;
    EXPECT_EQ(PngSize(request.pngPath), (std::pair{800, 450}));
    std::ifstream svg(request.svgPath);
    std::string text((std::istreambuf_iterator<char>(svg)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("width=\"800px\""), std::string::npos);
    EXPECT_NE(text.find("<path"), std::string::npos);
    // The paint filled the layout: every body drawn except those a crowded house leaves out.
    int drawn = 0;
    for (int b = 1; b <= 15; ++b) drawn += s.bodyDrawn[b];
    EXPECT_GE(drawn, 13);
    EXPECT_EQ(s.spokeAngles.size(), s.wheelMode == 0 ? 12u : 13u);
    fs::remove(request.pngPath);
    fs::remove(request.svgPath);
}

TEST(ChartPictures, AMissingGlyphFontStillGivesAPicture) {
    ChartState s = ShippedChart("/nonexistent");
    PictureRequest request;
    request.pngPath = Temp("nofont.png");
    std::string error;
    ASSERT_TRUE(PaintChartPictures(s, request, error)) << error;
    EXPECT_EQ(PngSize(request.pngPath), (std::pair{1024, 768}));
    fs::remove(request.pngPath);
}

TEST(ChartPictures, AnUnwritableFileIsReported) {
    ChartState s = ShippedChart(fs::path(KELO_GLYPH_FONT).parent_path().string());
    for (bool svg : {false, true}) {
        PictureRequest request;
        (svg ? request.svgPath : request.pngPath) = "/nonexistent-dir/chart";
        std::string error;
        EXPECT_FALSE(PaintChartPictures(s, request, error));
        EXPECT_NE(error.find("/nonexistent-dir/chart"), std::string::npos) << error;
    }
}

#ifdef KELO_CHART_PROGRAM
TEST(KeloChartTool, DrawsThePictureAndPrintsTheLayoutKey) {
    const std::string png = Temp("tool.png");
    const std::string command = std::string(KELO_CHART_PROGRAM) + " --settings " + KELO_SHIPPED_SETTINGS +
                                " --at 2026-12-07T22:30 --png " + png + " --size 640x480 --json > " + png + ".json";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(PngSize(png), (std::pair{640, 480}));
    std::ifstream json(png + ".json");
    std::string text((std::istreambuf_iterator<char>(json)), std::istreambuf_iterator<char>());
    for (const char* key : {"\"layout\"", "\"wheelMode\"", "\"houseSize\"", "\"intercepted\"", "\"spokeAngles\"",
                            "\"bodyDrawAngle\"", "\"textReversed\"", "\"aspects\""})
        EXPECT_NE(text.find(key), std::string::npos) << key;
    // A picture that cannot be written ends with status 5.
    const std::string bad = std::string(KELO_CHART_PROGRAM) + " --settings " + KELO_SHIPPED_SETTINGS +
                            " --png /nonexistent-dir/x.png > /dev/null 2>&1";
    const int status = std::system(bad.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 5);
    fs::remove(png);
    fs::remove(png + ".json");
}
#endif
